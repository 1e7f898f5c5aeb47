#include "email/SeznamFtpMist.h"

#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "knihovna/AdresaServeru.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

namespace {

void NacistMisto(const RecordReader& ctenar, FtpMisto& misto) {
    std::wstring pasivni;
    ctenar.Field(L"heslo", misto.heslo);
    if (ctenar.Field(L"pasivniRezim", pasivni) == 0) misto.pasivniRezim = Knihovna::StejneBezVelikosti(pasivni, L"1");
    ctenar.Field(L"server", misto.server);
    ctenar.Field(L"slozka", misto.slozka);
    ctenar.Field(L"uzivatel", misto.uzivatel);
}

void ZapsatMisto(RecordWriter& zapis, const FtpMisto& misto) {
    zapis.WriteField(L"heslo", misto.heslo);
    zapis.WriteField(L"pasivniRezim", misto.pasivniRezim ? 1 : 0);
    zapis.WriteField(L"server", misto.server);
    zapis.WriteField(L"slozka", misto.slozka);
    zapis.WriteField(L"uzivatel", misto.uzivatel);
}

const UlozisteZaznamu<FtpMisto>::Popis kPopisMist{SeznamFtpMist::kNazevSouboru, SeznamFtpMist::kZaznam,
                                                  L"seznam FTP míst", &FtpMisto::server, NacistMisto, ZapsatMisto};

constexpr std::size_t kMinDelkaServeru = 4;

}  // namespace

SeznamFtpMist::SeznamFtpMist(std::wstring slozkaDat, HlaseniChybyUloziste hlaseni)
    : UlozisteZaznamu(kPopisMist, std::move(slozkaDat), std::move(hlaseni)) {}

bool SeznamFtpMist::LoadPlaces() { return Nacist(); }
bool SeznamFtpMist::SavePlaces() { return Ulozit(); }
int SeznamFtpMist::FindPlace(const std::wstring& server) const { return Najit(server); }
int SeznamFtpMist::AddPlace(const FtpMisto& misto) { return Pridat(misto); }
bool SeznamFtpMist::ZmenitMisto(int index, const FtpMisto& misto) { return Zmenit(index, misto); }
bool SeznamFtpMist::RemovePlace(int index) { return Odebrat(index); }
bool SeznamFtpMist::KopieMista(const std::wstring& server, FtpMisto& misto) const {
    return Kopie(server, misto);
}
std::vector<FtpMisto> SeznamFtpMist::Mista() const { return Zaznamy(); }

std::wstring SeznamFtpMist::ProblemMista(const FtpMisto& misto) {
    if (misto.server.size() < kMinDelkaServeru) return L"Není zadán platný název FTP serveru";
    // A port after the server ("server:port") must be one.
    if (std::wstring chyba; !Knihovna::RozlozitServer(misto.server, &chyba)) return chyba;
    return ProblemZaznamu(kPopisMist, misto);
}

std::wstring SeznamFtpMist::ProblemNovehoServeru(const std::wstring& server) const {
    if (server.size() < kMinDelkaServeru) return L"Není zadán platný název FTP serveru";
    if (FindPlace(server) >= 0) return L"Zadaný FTP server již v seznamu existuje";
    return {};
}

}  // namespace Holvent::Email
