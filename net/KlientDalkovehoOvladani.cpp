#include "net/KlientDalkovehoOvladani.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstring>

#include "email/Windows1250.h"

namespace Holvent::Ovladac {

std::string KlientDalkovehoOvladani::Pozadavek(int prikaz) {
    std::string text = "GET /" + std::to_string(prikaz);
    text.push_back('\0');
    return text;
}

std::vector<std::wstring> KlientDalkovehoOvladani::Odpovedi(std::string_view bajty) {
    // The receiver ends each reply with a zero byte; kept, it would hide every reply after it.
    std::vector<std::wstring> odpovedi;
    std::size_t zacatek = 0;
    while (zacatek < bajty.size()) {
        std::size_t konec = bajty.find('\0', zacatek);
        if (konec == std::string_view::npos) konec = bajty.size();
        if (konec > zacatek) odpovedi.push_back(Email::ZWindows1250(bajty.substr(zacatek, konec - zacatek)));
        zacatek = konec + 1;
    }
    return odpovedi;
}

bool KlientDalkovehoOvladani::JeAdresaIpv4(std::wstring_view text, std::uint32_t* adresa) {
    std::array<unsigned char, 4> bajty{};
    std::size_t i = 0;
    for (std::size_t cast = 0; cast < 4; ++cast) {
        if (cast > 0) {
            if (i >= text.size() || text[i] != L'.') return false;
            ++i;
        }
        unsigned hodnota = 0;
        std::size_t cislic = 0;
        while (i < text.size() && text[i] >= L'0' && text[i] <= L'9' && cislic < 4) {
            hodnota = hodnota * 10 + static_cast<unsigned>(text[i] - L'0');
            ++i;
            ++cislic;
        }
        if (cislic == 0 || cislic > 3 || hodnota > 255) return false;
        bajty[cast] = static_cast<unsigned char>(hodnota);
    }
    if (i != text.size()) return false;
    // Network byte order is the order of the bytes in memory, whatever the host's order.
    if (adresa) std::memcpy(adresa, bajty.data(), sizeof *adresa);
    return true;
}

std::wstring KlientDalkovehoOvladani::TextSelhani(Selhani selhani) {
    switch (selhani) {
    case Selhani::NeplatnaAdresa: return L"Neplatná IP adresa";
    case Selhani::CasOdpovedi:
        return L"Vzdálená aplikace nedokončila odpověď do " + std::to_wstring(kLimitOdpovediMs / 1000) + L" s.";
    case Selhani::DlouhaOdpoved:
        return L"Odpověď vzdálené aplikace je delší než " + std::to_wstring(kMaxOdpoved / 1024) +
               L" KiB, zbytek nebyl přijat.";
    case Selhani::Preruseno: return L"Odesílání příkazu bylo přerušeno.";
    case Selhani::Spojeni: return L"Nepodařilo se spojit se vzdálenou aplikací.";
    case Selhani::Odeslani: return L"Příkaz se nepodařilo odeslat.";
    case Selhani::Prijem: return L"Odpověď se nepodařilo přijmout.";
    case Selhani::Zadne: break;
    }
    return {};
}

void KlientDalkovehoOvladani::Prerusit() {
    preruseno_ = true;
    soket_.Prerusit();
}

VysledekPrikazu KlientDalkovehoOvladani::Odeslat(const std::wstring& adresa, std::uint16_t port, int prikaz) {
    VysledekPrikazu vysledek = Provest(adresa, port, prikaz);
    soket_.Zavrit();
    if (preruseno_ && !vysledek.Uspech()) {
        vysledek.selhani = Selhani::Preruseno;
        vysledek.kodSystemu = 0;
    }
    return vysledek;
}

bool KlientDalkovehoOvladani::Poslat(const std::string& data) {
    std::size_t odeslano = 0;
    while (odeslano < data.size()) {
        const int n = soket_.Odeslat(data.data() + odeslano, static_cast<int>(data.size() - odeslano));
        if (n < 0) return false;
        // Nothing went: room must come within the connect limit, else the send is a failure.
        if (n == 0 && !soket_.CekatNaZapis(limitSpojeniMs_)) return false;
        odeslano += static_cast<std::size_t>(n);
    }
    return true;
}

VysledekPrikazu KlientDalkovehoOvladani::Provest(const std::wstring& adresa, std::uint16_t port, int prikaz) {
    VysledekPrikazu v;
    auto selhat = [&](Selhani s) {
        v.selhani = s;
        v.kodSystemu = soket_.KodChyby();
        return v;
    };
    std::uint32_t ip = 0;
    if (!JeAdresaIpv4(adresa, &ip)) {
        v.selhani = Selhani::NeplatnaAdresa;
        return v;
    }
    if (!soket_.Vytvorit() || !soket_.Pripojit(ip, port, limitSpojeniMs_)) return selhat(Selhani::Spojeni);
    if (!Poslat(Pozadavek(prikaz)) || !soket_.UkoncitOdesilani()) return selhat(Selhani::Odeslani);

    using Hodiny = std::chrono::steady_clock;
    const auto konec = Hodiny::now() + std::chrono::milliseconds(limitOdpovediMs_);
    std::string prijato;
    std::array<char, kVelikostKusu> kus{};
    for (;;) {
        const auto zbyva = std::chrono::duration_cast<std::chrono::milliseconds>(konec - Hodiny::now()).count();
        const int pripraveno = zbyva > 0 ? soket_.CekatNaCteni(static_cast<int>(zbyva)) : 0;
        if (pripraveno == 0) {
            v.odpovedi = Odpovedi(prijato);
            v.selhani = Selhani::CasOdpovedi;
            return v;
        }
        const int n = pripraveno > 0 ? soket_.Prijmout(kus.data(), static_cast<int>(kus.size())) : -1;
        if (n == 0) break;  // the peer closed: the reply is complete
        if (n < 0) {
            v.odpovedi = Odpovedi(prijato);
            return selhat(Selhani::Prijem);
        }
        prijato.append(kus.data(), static_cast<std::size_t>(n));
        if (prijato.size() > kMaxOdpoved) {
            prijato.resize(kMaxOdpoved);
            v.odpovedi = Odpovedi(prijato);
            v.selhani = Selhani::DlouhaOdpoved;
            return v;
        }
    }
    v.odpovedi = Odpovedi(prijato);
    return v;
}

}  // namespace Holvent::Ovladac
