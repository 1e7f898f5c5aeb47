#include "camera/AktivityKamery.h"

namespace {

const TextyAktivity kTextyDisk{
    L"Bylo spuštěno automatické ukládání snímků na disk",
    &UdalostiKamery::spusteniSnimkovaniDisk,
    L"Tervik \"%s\": bylo spuštěno automatické ukládání snímků na disk",
    L"Bylo ukončeno automatické ukládání snímků na disk",
    &UdalostiKamery::ukonceniSnimkovaniDisk,
    L"Tervik \"%s\" - bylo ukončeno automatické ukládání snímků na disk",
};

const TextyAktivity kTextyFtp{
    L"Bylo spuštěno automatické odesílání snímků na FTP",
    &UdalostiKamery::spusteniSnimkovaniFtp,
    nullptr,
    L"Bylo ukončeno automatické odesílání snímků na FTP server",
    &UdalostiKamery::ukonceniSnimkovaniFtp,
    L"Tervik \"%s\": bylo ukončeno automatické odesílání snímků na FTP server",
};

// The wording of these texts is the program's own and is kept as users and their log filters know it.
const TextyAktivity kTextyEmail{
    L"Bylo spuštěno automatické odesílání snímků emailem",
    &UdalostiKamery::spusteniSnimkovaniEmail,
    nullptr,
    L"Bylo ukončeno automatické odesílání snímků emailem.",
    &UdalostiKamery::ukonceniSnimkovaniEmail,
    L"Tervik \"%s\": bylo ukončení automatické odesílání snímků emailem",
};

bool DostatecnaAdresa(const std::wstring& text) { return text.size() >= kMinDelkaAdresy; }

}  // namespace

const TextyAktivity& TextyAktivityKamery(AktivitaKamery aktivita) {
    switch (aktivita) {
    case AktivitaKamery::SnimkyFtp: return kTextyFtp;
    case AktivitaKamery::SnimkyEmail: return kTextyEmail;
    case AktivitaKamery::SnimkyDisk: break;
    }
    return kTextyDisk;
}

std::vector<PrikazPoSpusteni> PrikazyPoSpusteni(const ParametryKamery::AkcePoSpusteni& akce) {
    // Parameter 1 lets the automatic activities take their first snapshot after one period; the
    // video, motion detection and the server are started as by hand.
    const struct {
        bool ParametryKamery::AkcePoSpusteni::* prepinac;
        std::uint32_t prikaz;
        std::uintptr_t parametr;
    } kPoradi[] = {
        {&ParametryKamery::AkcePoSpusteni::zapnoutVideo, PrikazyKamery::kVideo, 0},
        {&ParametryKamery::AkcePoSpusteni::snimkyFtp, PrikazyKamery::kSnimkyFtp, 1},
        {&ParametryKamery::AkcePoSpusteni::snimkyEmail, PrikazyKamery::kSnimkyEmail, 1},
        {&ParametryKamery::AkcePoSpusteni::snimkyDisk, PrikazyKamery::kSnimkyDisk, 1},
        {&ParametryKamery::AkcePoSpusteni::planovaneSnimkovani, PrikazyKamery::kPlanovane, 1},
        {&ParametryKamery::AkcePoSpusteni::detekcePohybu, PrikazyKamery::kDetekce, 0},
        {&ParametryKamery::AkcePoSpusteni::serverHttp, PrikazyKamery::kServerHttp, 0},
    };
    std::vector<PrikazPoSpusteni> prikazy;
    for (const auto& polozka : kPoradi) {
        if (akce.*polozka.prepinac) prikazy.push_back({polozka.prikaz, polozka.parametr});
    }
    return prikazy;
}

std::wstring ChybaStartuFtp(const ParametryKamery& parametry) {
    if (!DostatecnaAdresa(parametry.snimkyFtp.server)) return kTextNeplatnyFtpServer;
    return {};
}

std::wstring ChybaStartuEmail(const ParametryKamery& parametry, const Holvent::Email::EmailovyUcet* ucet) {
    // An account that is gone has no sender to send from: that message, not the server's (nothing stale is used).
    if (ucet == nullptr) return kTextNeplatnyOdesilatel;
    if (!DostatecnaAdresa(ucet->server)) return kTextChybiSmtpServer;
    if (!DostatecnaAdresa(ucet->email)) return kTextNeplatnyOdesilatel;
    if (!DostatecnaAdresa(parametry.snimkyEmail.email)) return kTextNeplatnyPrijemce;
    return {};
}

bool VelikostVideaPouzitelna(std::int32_t sirka, std::int32_t vyska) {
    auto uvnitr = [](std::int32_t hodnota) { return hodnota > 10 && hodnota < 10000; };
    return uvnitr(sirka) && uvnitr(vyska);
}

IkonaKamery IkonaKameryPodleVolby(std::uint32_t oznamovaciIkona, bool oknoViditelne) {
    if (oznamovaciIkona == 2 || (oznamovaciIkona == 1 && !oknoViditelne)) return IkonaKamery::Zobrazit;
    // A hidden window keeps an icon it has whatever the choice: the icon is the only way back to it.
    return oknoViditelne ? IkonaKamery::Odebrat : IkonaKamery::Ponechat;
}
