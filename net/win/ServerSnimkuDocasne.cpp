// TEMPORARY stand-in of the snapshot server's portable logic (net/ServerSnimku.h) so that the server can run
// before the logic's own implementation is merged. Remove this file after that merge.
#include "net/ServerSnimku.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "email/Base64.h"
#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Server {

namespace {

bool ZacinaHttp(std::string_view s, bool& uplny) {
    // "METHOD SP target SP HTTP/1.x" up to its line end; false when s cannot begin such a line.
    uplny = false;
    std::size_t i = 0;
    while (i < s.size() && std::isupper(static_cast<unsigned char>(s[i]))) ++i;
    if (i == s.size()) return true;
    if (i == 0 || s[i] != ' ') return false;
    std::size_t j = i + 1;
    while (j < s.size() && s[j] != ' ' && s[j] != '\r' && s[j] != '\n') ++j;
    if (j == s.size()) return true;
    if (j == i + 1 || s[j] != ' ') return false;
    const std::string_view verze = "HTTP/1.";
    std::string_view zbytek = s.substr(j + 1);
    for (std::size_t k = 0; k < std::min(zbytek.size(), verze.size()); ++k)
        if (zbytek[k] != verze[k]) return false;
    if (zbytek.size() <= verze.size()) return true;
    if (!std::isdigit(static_cast<unsigned char>(zbytek[verze.size()]))) return false;
    if (zbytek.size() == verze.size() + 1) return true;
    const char z = zbytek[verze.size() + 1];
    if (z == '\n') uplny = true;
    else if (z == '\r') uplny = true;
    else return false;
    return true;
}

std::string Mala(std::string_view s) {
    std::string v(s);
    for (char& z : v) z = static_cast<char>(std::tolower(static_cast<unsigned char>(z)));
    return v;
}

}  // namespace

SpojeniServeru::SpojeniServeru(std::wstring heslo, std::uint32_t zacatekMs)
    : heslo_(std::move(heslo)), zacatekMs_(zacatekMs) {}

Pozadavek SpojeniServeru::Stav() const { return stav_; }

Pozadavek SpojeniServeru::Prijmout(std::string_view bajty, std::uint32_t nyniMs) {
    if (stav_ != Pozadavek::Nerozhodnuto) return stav_;
    prijato_.append(bajty.substr(0, std::min(bajty.size(), kMaxHlava + 1)));
    if (!http_) {
        bool uplny = false;
        if (!ZacinaHttp(prijato_, uplny)) {
            stav_ = heslo_.empty() ? Pozadavek::Surovy : Pozadavek::Zavrit;
            return stav_;
        }
        if (!uplny) {
            if (prijato_.size() > kMaxHlava) stav_ = Pozadavek::Zavrit;
            return Cas(nyniMs);
        }
        http_ = true;
    }
    std::size_t konec = prijato_.find("\r\n\r\n");
    if (konec == std::string::npos) konec = prijato_.find("\n\n");
    if (konec == std::string::npos || konec > kMaxHlava) {
        if (prijato_.size() > kMaxHlava) stav_ = Pozadavek::Zavrit;
        return Cas(nyniMs);
    }
    const std::string hlava = prijato_.substr(0, konec);
    const std::size_t mezera = hlava.find(' ');
    const std::string metoda = hlava.substr(0, mezera);
    const std::size_t mezera2 = hlava.find(' ', mezera + 1);
    std::string cil = hlava.substr(mezera + 1, mezera2 - mezera - 1);
    cil = cil.substr(0, cil.find('?'));
    if (!heslo_.empty()) {
        bool ok = false;
        std::size_t pozice = 0;
        while ((pozice = hlava.find('\n', pozice)) != std::string::npos) {
            ++pozice;
            const std::size_t konecRadku = hlava.find_first_of("\r\n", pozice);
            const std::string radek = hlava.substr(pozice, konecRadku - pozice);
            const std::size_t dvojtecka = radek.find(':');
            if (dvojtecka != std::string::npos && Mala(radek.substr(0, dvojtecka)) == "authorization") {
                std::string hodnota = radek.substr(dvojtecka + 1);
                hodnota.erase(0, hodnota.find_first_not_of(" \t"));
                ok = OveritBasic(hodnota, heslo_);
            }
        }
        if (!ok) return stav_ = Pozadavek::Neautorizovano;
    }
    if (cil == "/mjpeg") stav_ = Pozadavek::Proud;
    else if (metoda == "HEAD") stav_ = Pozadavek::Hlava;
    else stav_ = Pozadavek::Snimek;
    return stav_;
}

Pozadavek SpojeniServeru::Cas(std::uint32_t nyniMs) {
    if (stav_ != Pozadavek::Nerozhodnuto) return stav_;
    const std::uint32_t uplynulo = nyniMs - zacatekMs_;
    if (!http_ && uplynulo >= kLimitRadkuMs) stav_ = heslo_.empty() ? Pozadavek::Surovy : Pozadavek::Zavrit;
    else if (http_ && uplynulo >= kLimitHlavyMs) stav_ = Pozadavek::Zavrit;
    return stav_;
}

bool OveritBasic(std::string_view hodnota, const std::wstring& heslo) {
    if (hodnota.size() < 6 || Mala(hodnota.substr(0, 6)) != "basic ") return false;
    std::string_view kod = hodnota.substr(6);
    while (!kod.empty() && (kod.back() == ' ' || kod.back() == '\t')) kod.remove_suffix(1);
    if (kod.empty() || kod.size() % 4 != 0) return false;
    for (char z : kod)
        if (!std::isalnum(static_cast<unsigned char>(z)) && z != '+' && z != '/' && z != '=') return false;
    Holvent::Email::Base64 b;
    b.Decode(reinterpret_cast<const std::uint8_t*>(kod.data()), static_cast<std::uint32_t>(kod.size()));
    const std::string text(reinterpret_cast<const char*>(b.DecodedData()), b.DataLength());
    const std::size_t dvojtecka = text.find(':');
    if (dvojtecka == std::string::npos) return false;
    const std::string zadane = text.substr(dvojtecka + 1);
    const std::string spravne = Knihovna::NaUtf8(heslo);
    unsigned rozdil = zadane.size() != spravne.size();
    for (std::size_t i = 0; i < zadane.size(); ++i)
        rozdil |= static_cast<unsigned char>(zadane[i]) ^ static_cast<unsigned char>(spravne[i % std::max<std::size_t>(1, spravne.size())]);
    return rozdil == 0;
}

std::string HlavaSnimku(std::size_t delka) {
    return "HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: " + std::to_string(delka) +
           "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n";
}

std::string OdpovedNeautorizovano() {
    const std::string telo = "P\xc5\x99\xc3\xads" "tup vy\xc5\xbe" "aduje heslo.\r\n";
    return "HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"Tervik\", charset=\"UTF-8\"\r\n"
           "Content-Type: text/plain; charset=utf-8\r\nContent-Length: " +
           std::to_string(telo.size()) + "\r\nConnection: close\r\n\r\n" + telo;
}

std::string HlavaProudu() {
    return "HTTP/1.0 200 OK\r\nContent-Type: multipart/x-mixed-replace; boundary=tervikframe\r\n"
           "Cache-Control: no-store\r\nConnection: close\r\n\r\n";
}

std::string HlavaCastiProudu(std::size_t delka) {
    return "--tervikframe\r\nContent-Type: image/jpeg\r\nContent-Length: " + std::to_string(delka) + "\r\n\r\n";
}

std::uint32_t LimitVlaken(std::uint32_t maxPocetVlaken) { return std::clamp<std::uint32_t>(maxPocetVlaken, 1, kMaxVlaken); }

bool LzeSpustitPozadavek(std::uint32_t bezi, std::uint32_t maxPocetVlaken) { return bezi < LimitVlaken(maxPocetVlaken); }

bool LzeSdilet(std::uint32_t porizenoMs, std::uint32_t nyniMs, std::uint32_t periodaMs) {
    return nyniMs - porizenoMs < periodaMs;
}

TempoProudu::TempoProudu(std::uint32_t snimkuZaSekundu)
    : periodaMs_(1000 / std::clamp<std::uint32_t>(snimkuZaSekundu, 1, 30)) {}

std::uint32_t TempoProudu::CekatMs(std::uint32_t nyniMs) const {
    if (prvni_) return 0;
    const auto zbyva = static_cast<std::int32_t>(dalsiMs_ - nyniMs);
    return zbyva > 0 ? static_cast<std::uint32_t>(zbyva) : 0;
}

void TempoProudu::Odeslano(std::uint32_t nyniMs) {
    if (prvni_ || static_cast<std::int32_t>(nyniMs - dalsiMs_) >= static_cast<std::int32_t>(periodaMs_))
        dalsiMs_ = nyniMs + periodaMs_;
    else
        dalsiMs_ += periodaMs_;
    prvni_ = false;
}

}  // namespace Holvent::Server
