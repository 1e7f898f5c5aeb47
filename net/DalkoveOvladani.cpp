#include "net/DalkoveOvladani.h"

#include "email/Windows1250.h"
#include "knihovna/Formatovani.h"

namespace DalkoveOvladani {

namespace {

constexpr std::size_t kMaxCislic = 5;

bool Oddelovac(char z) { return z == ' ' || z == '/'; }

// The next token at spaces and slashes from pozice on (runs of separators count as one); empty at the end.
std::string_view DalsiToken(std::string_view text, std::size_t& pozice) {
    while (pozice < text.size() && Oddelovac(text[pozice])) ++pozice;
    const std::size_t zacatek = pozice;
    while (pozice < text.size() && !Oddelovac(text[pozice])) ++pozice;
    return text.substr(zacatek, pozice - zacatek);
}

bool Cislice(wchar_t z) { return z >= L'0' && z <= L'9'; }

// Decimal digits only, 1 to maxCislic of them, value at most max; -1 otherwise.
long CisloZ(std::wstring_view text, std::size_t maxCislic, long max) {
    if (text.empty() || text.size() > maxCislic) return -1;
    long hodnota = 0;
    for (wchar_t z : text) {
        if (!Cislice(z)) return -1;
        hodnota = hodnota * 10 + (z - L'0');
    }
    return hodnota <= max ? hodnota : -1;
}

bool AdresaZ(std::wstring_view text, std::uint32_t& adresa) {
    adresa = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t tecka = i < 3 ? text.find(L'.') : text.size();
        if (tecka == std::wstring_view::npos) return false;
        const long bajt = CisloZ(text.substr(0, tecka), 3, 255);
        if (bajt < 0) return false;
        adresa = adresa << 8 | static_cast<std::uint32_t>(bajt);
        text.remove_prefix(i < 3 ? tecka + 1 : tecka);
    }
    return true;
}

bool OddelovacAdres(wchar_t z) { return z == L';' || z == L',' || z == L' ' || z == L'\t' || z == L'\r' || z == L'\n'; }

}  // namespace

// ------------------------------------------------------------------------------------------ the request

bool SberPozadavku::Pridat(std::string_view bajty) {
    if (hotovo_) return true;
    const std::size_t nula = bajty.find('\0');
    if (nula != std::string_view::npos) {
        bajty = bajty.substr(0, nula);
        hotovo_ = true;
    }
    const std::size_t vejde = kMaxDelka - text_.size();
    if (bajty.size() >= vejde) {
        bajty = bajty.substr(0, vejde);
        hotovo_ = true;
    }
    text_.append(bajty);
    return hotovo_;
}

void SberPozadavku::Vymazat() {
    text_.clear();
    hotovo_ = false;
}

std::int32_t CisloPrikazu(std::string_view pozadavek) {
    std::size_t pozice = 0;
    if (DalsiToken(pozadavek, pozice).empty()) return -1;
    const std::string_view druhy = DalsiToken(pozadavek, pozice);
    if (druhy.empty()) return -1;
    std::size_t cislic = 0;
    while (cislic < druhy.size() && druhy[cislic] >= '0' && druhy[cislic] <= '9') ++cislic;
    // Longer numbers are no command of the table (and would overflow).
    if (cislic == 0 || cislic > kMaxCislic) return 0;
    std::int32_t cislo = 0;
    for (std::size_t i = 0; i < cislic; ++i) cislo = cislo * 10 + (druhy[i] - '0');
    return cislo;
}

// ------------------------------------------------------------------------------------------ the table

std::uint32_t PrikazKamery(std::uint32_t cislo) {
    switch (cislo) {
    case 40040:
    case 40041:
    case 40052:
    case 40053: return cislo;
    case 40067:
    case 40068: return 40022;  // the video device
    case 40069:
    case 40070: return 40042;  // the HTTP server
    }
    return 0;
}

Vysledek Vyhodnotit(std::uint32_t cislo, const StavKamery& k) {
    const auto zamitnout = [](const wchar_t* text) { return Vysledek{text}; };
    const auto kamere = [&](const wchar_t* text) {
        return Vysledek{text, Prijemce::VychoziKamera, PrikazKamery(cislo)};
    };
    // C1, C2 and, with video, C3; nullptr when they pass.
    const auto kontroly = [&](bool video) -> const wchar_t* {
        if (!k.existuje) return kTextNeniVychozi;
        if (!k.zapnuta) return kTextVychoziVypnuta;
        if (video && !k.video) return kTextVideoVypnuto;
        if (!k.prikazDostupny) return kTextNedostupne;
        return nullptr;
    };
    switch (cislo) {
    case 40001: return {L"Aplikace bude ukončena", Prijemce::HlavniOkno, 40001};
    case 40066:
        if (!k.existuje) return zamitnout(kTextNeniVychozi);
        return {L"Výchozí tervik bude zapnuta/vypnuta", Prijemce::HlavniOkno, 40066};
    case 40040:
        if (const wchar_t* t = kontroly(true)) return zamitnout(t);
        return kamere(k.autoFtp ? L"Bude ukončeno automatické odesílání snímků na FTP server"
                                : L"Bude spuštěno automatické odesílání snímků na FTP server");
    case 40041:
        if (const wchar_t* t = kontroly(true)) return zamitnout(t);
        return kamere(k.autoEmail ? L"Bude ukončeno automatické odesílání snímků emailem"
                                  : L"Bude spuštěno automatické odesílání snímků emailem");
    case 40052:
        if (const wchar_t* t = kontroly(true)) return zamitnout(t);
        return kamere(L"Bude odeslán snímek na FTP");
    case 40053:
        if (const wchar_t* t = kontroly(true)) return zamitnout(t);
        return kamere(L"Bude odeslán snímek emailem");
    case 40067:
        if (const wchar_t* t = kontroly(false)) return zamitnout(t);
        if (k.video) return zamitnout(L"Zařízení je již zapnuto");
        return kamere(L"Zařízení výchozí kamery bude zapnuto");
    case 40068:
        if (const wchar_t* t = kontroly(false)) return zamitnout(t);
        if (!k.video) return zamitnout(L"Zařízení je nyní vypnuto.");
        return kamere(L"Zařízení výchozí kamery bude vypnuto");
    case 40069:
        if (const wchar_t* t = kontroly(true)) return zamitnout(t);
        if (k.serverHttp) return zamitnout(L"HTTP server je již spuštěn");
        return kamere(L"Bude spuštěn HTTP server");
    case 40070:
        if (const wchar_t* t = kontroly(true)) return zamitnout(t);
        if (!k.serverHttp) return zamitnout(L"HTTP server není spuštěn");
        return kamere(L"Bude zastaven HTTP server");
    }
    return zamitnout(kTextNeznamyPrikaz);
}

std::string BajtyOdpovedi(std::wstring_view text) {
    std::string bajty = Holvent::Email::NaWindows1250(text);
    bajty.push_back('\0');
    return bajty;
}

// ------------------------------------------------------------------------------------ allowed peers

PovoleneAdresy PovoleneAdresy::Nacist(std::wstring_view text, std::vector<std::wstring>& chyby) {
    PovoleneAdresy vysledek;
    std::size_t pozice = 0;
    while (pozice < text.size()) {
        while (pozice < text.size() && OddelovacAdres(text[pozice])) ++pozice;
        const std::size_t zacatek = pozice;
        while (pozice < text.size() && !OddelovacAdres(text[pozice])) ++pozice;
        if (pozice == zacatek) break;
        const std::wstring_view polozka = text.substr(zacatek, pozice - zacatek);
        // Any entry, even a wrong one, means the user wants a list: nobody outside it gets in.
        vysledek.vsechny_ = false;
        const std::size_t lomitko = polozka.find(L'/');
        std::uint32_t adresa = 0;
        long delka = 32;
        if (lomitko != std::wstring_view::npos) delka = CisloZ(polozka.substr(lomitko + 1), 2, 32);
        if (delka < 0 || !AdresaZ(polozka.substr(0, lomitko), adresa)) {
            chyby.push_back(Knihovna::Formatovat(
                L"Položka \"%s\" seznamu povolených adres dálkového ovládání není adresa IPv4 ani síť "
                L"(například 192.168.1.0/24), a proto byla vynechána.",
                std::wstring(polozka).c_str()));
            continue;
        }
        const std::uint32_t maska = delka == 0 ? 0 : ~std::uint32_t{0} << (32 - delka);
        vysledek.site_.push_back({adresa & maska, maska});
    }
    return vysledek;
}

bool PovoleneAdresy::Povolena(std::uint32_t adresa) const {
    if (vsechny_) return true;
    for (const Sit& s : site_)
        if ((adresa & s.maska) == s.adresa) return true;
    return false;
}

std::wstring TextAdresy(std::uint32_t a) {
    return Knihovna::Formatovat(L"%u.%u.%u.%u", a >> 24, (a >> 16) & 0xFF, (a >> 8) & 0xFF, a & 0xFF);
}

bool HlaseniOdmitnuti::Hlasit(std::uint32_t adresa, std::uint32_t tiky) {
    const auto it = naposledy_.find(adresa);
    if (it != naposledy_.end()) {
        if (tiky - it->second < kPerioda) return false;
        it->second = tiky;
        return true;
    }
    if (naposledy_.size() >= kMaxAdres) {
        // Many strangers: those whose hour has passed are forgotten; if none has, the oldest goes.
        for (auto i = naposledy_.begin(); i != naposledy_.end();)
            i = tiky - i->second >= kPerioda ? naposledy_.erase(i) : std::next(i);
        if (naposledy_.size() >= kMaxAdres) {
            auto nejstarsi = naposledy_.begin();
            for (auto i = naposledy_.begin(); i != naposledy_.end(); ++i)
                if (tiky - i->second > tiky - nejstarsi->second) nejstarsi = i;
            naposledy_.erase(nejstarsi);
        }
    }
    naposledy_.emplace(adresa, tiky);
    return true;
}

std::wstring HlaseniOdmitnuti::Text(std::uint32_t adresa) {
    return Knihovna::Formatovat(
        L"Spojení dálkového ovládání z adresy %s bylo odmítnuto: adresa není mezi povolenými adresami.",
        TextAdresy(adresa).c_str());
}

}  // namespace DalkoveOvladani
