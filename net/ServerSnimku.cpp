#include "net/ServerSnimku.h"

#include <algorithm>
#include <cstring>

#include "email/Base64.h"
#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Server {

namespace {

constexpr std::size_t kMaxMetoda = 16;
constexpr std::string_view kVerze = "HTTP/1.";

bool VelkePismeno(unsigned char c) { return c >= 'A' && c <= 'Z'; }
bool Pismeno(unsigned char c) { return VelkePismeno(c) || (c >= 'a' && c <= 'z'); }
bool Cislice(unsigned char c) { return c >= '0' && c <= '9'; }
bool ZnakSchematu(unsigned char c) { return Pismeno(c) || Cislice(c) || c == '+' || c == '-' || c == '.'; }
bool Mezera(char c) { return c == ' ' || c == '\t'; }

char Male(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool ZacinaBezVelikosti(std::string_view text, std::string_view zacatek) {
    if (text.size() < zacatek.size()) return false;
    for (std::size_t i = 0; i < zacatek.size(); ++i)
        if (Male(text[i]) != zacatek[i]) return false;
    return true;
}

std::string_view Orezat(std::string_view s) {
    while (!s.empty() && Mezera(s.front())) s.remove_prefix(1);
    while (!s.empty() && (Mezera(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// The path of a request target: origin form "/path?query#fragment" or absolute "scheme://authority/path?...".
std::string_view CestaCile(std::string_view cil) {
    if (cil.empty() || cil.front() != '/') {
        const std::size_t dvojtecka = cil.find(':');
        cil.remove_prefix(dvojtecka == std::string_view::npos ? cil.size() : dvojtecka + 1);
        if (cil.substr(0, 2) == "//") {
            cil.remove_prefix(2);
            const std::size_t konecAutority = cil.find_first_of("/?#");
            cil.remove_prefix(konecAutority == std::string_view::npos ? cil.size() : konecAutority);
        }
    }
    return cil.substr(0, cil.find_first_of("?#"));
}

// Strict Base64: the alphabet only, "=" only as the last one or two characters of a padded text.
bool PlatneBase64(std::string_view text) {
    std::size_t vypln = 0;
    for (char z : text) {
        const auto c = static_cast<unsigned char>(z);
        if (c == '=') {
            ++vypln;
        } else if (vypln > 0 || !(Pismeno(c) || Cislice(c) || c == '+' || c == '/')) {
            return false;
        }
    }
    if (vypln > 2) return false;
    if (vypln > 0) return text.size() % 4 == 0;
    return text.size() % 4 != 1;
}

std::string Cislo(std::size_t n) { return std::to_string(n); }

constexpr std::string_view kBezUkladani = "Cache-Control: no-store\r\nConnection: close\r\n\r\n";

}  // namespace

// ------------------------------------------------------------------------------------------ SpojeniServeru

SpojeniServeru::SpojeniServeru(std::wstring heslo, std::uint32_t zacatekMs)
    : heslo_(std::move(heslo)), zacatekMs_(zacatekMs) {}

Pozadavek SpojeniServeru::Prijmout(std::string_view bajty, std::uint32_t nyniMs) {
    // A deadline that passed before these bytes came decides first.
    if (Cas(nyniMs) != Pozadavek::Nerozhodnuto || bajty.empty()) return stav_;
    const std::size_t od = delka_;
    // A header byte at a time (what a slow client does): only a line end needs a look.
    if (bajty.size() == 1 && faze_ == Faze::Hlavicky && bajty.front() != '\n' && od < kMaxHlava) {
        prijato_[od] = bajty.front();
        delka_ = od + 1;
        return stav_;
    }
    if (!prijato_) prijato_ = std::make_unique_for_overwrite<char[]>(kMaxHlava);
    const std::size_t kolik = std::min(bajty.size(), kMaxHlava - od);
    std::memcpy(prijato_.get() + od, bajty.data(), kolik);
    delka_ += kolik;
    Prochazet(od);
    if (stav_ == Pozadavek::Nerozhodnuto && bajty.size() > kolik) Rozhodnout(Pozadavek::Zavrit);
    return stav_;
}

Pozadavek SpojeniServeru::Cas(std::uint32_t nyniMs) {
    if (stav_ != Pozadavek::Nerozhodnuto) return stav_;
    const auto rozdil = static_cast<std::int32_t>(nyniMs - zacatekMs_);
    const std::uint32_t uplynulo = rozdil > 0 ? static_cast<std::uint32_t>(rozdil) : 0;
    if (!http_ && uplynulo >= kLimitRadkuMs) Surove();
    else if (http_ && uplynulo >= kLimitHlavyMs) Rozhodnout(Pozadavek::Zavrit);
    return stav_;
}

Pozadavek SpojeniServeru::Stav() const { return stav_; }

void SpojeniServeru::Rozhodnout(Pozadavek p) {
    stav_ = p;
    // The head is of no further use.
    prijato_.reset();
    delka_ = 0;
}

void SpojeniServeru::Surove() { Rozhodnout(heslo_.empty() ? Pozadavek::Surovy : Pozadavek::Zavrit); }

// Scans the bytes from index od on, one at a time, so that any split of the stream ends the same way.
void SpojeniServeru::Prochazet(std::size_t od) {
    const char* const hlava = prijato_.get();
    const std::size_t konec = delka_;
    for (std::size_t i = od; i < konec; ++i) {
        if (faze_ == Faze::Hlavicky) {
            // Header lines matter only at their ends (memchr pays off only on longer runs).
            if (konec - i >= 64) {
                const void* lf = std::memchr(hlava + i, '\n', konec - i);
                if (!lf) return;
                i = static_cast<std::size_t>(static_cast<const char*>(lf) - hlava);
            } else {
                while (hlava[i] != '\n')
                    if (++i == konec) return;
            }
            std::string_view radek(hlava + zacatekRadku_, i - zacatekRadku_);
            if (!radek.empty() && radek.back() == '\r') radek.remove_suffix(1);
            if (radek.empty()) return HlavaUplna();
            constexpr std::string_view kAutorizace = "authorization:";
            if (!autorizace_ && !heslo_.empty() && ZacinaBezVelikosti(radek, kAutorizace)) {
                autorizace_ = true;
                autorizaceOd_ = zacatekRadku_ + kAutorizace.size();
                autorizaceDo_ = zacatekRadku_ + radek.size();
            }
            zacatekRadku_ = i + 1;
            continue;
        }
        const auto c = static_cast<unsigned char>(hlava[i]);
        switch (faze_) {
        case Faze::Metoda:
            if (VelkePismeno(c) && vFazi_ < kMaxMetoda) {
                ++vFazi_;
            } else if (c == ' ' && vFazi_ > 0) {
                konecMetody_ = i;
                faze_ = Faze::ZacatekCile;
            } else {
                return Surove();
            }
            break;
        case Faze::ZacatekCile:
            zacatekCile_ = i;
            if (c == '/') faze_ = Faze::Cil;
            else if (Pismeno(c)) faze_ = Faze::Schema;
            else return Surove();
            break;
        case Faze::Schema:
            if (c == ':') faze_ = Faze::Cil;
            else if (!ZnakSchematu(c)) return Surove();
            break;
        case Faze::Cil:
            if (c == ' ') {
                konecCile_ = i;
                vFazi_ = 0;
                faze_ = Faze::Verze;
            } else if (c < 0x21 || c == 0x7F) {
                return Surove();
            }
            break;
        case Faze::Verze:
            if (vFazi_ < kVerze.size() ? c != static_cast<unsigned char>(kVerze[vFazi_]) : !Cislice(c))
                return Surove();
            if (++vFazi_ > kVerze.size()) faze_ = Faze::KonecRadku;
            break;
        case Faze::KonecRadku:
        case Faze::LfRadku:
            if (c == '\r' && faze_ == Faze::KonecRadku) {
                faze_ = Faze::LfRadku;
            } else if (c == '\n') {
                http_ = true;
                zacatekRadku_ = i + 1;
                faze_ = Faze::Hlavicky;
            } else {
                return Surove();
            }
            break;
        case Faze::Hlavicky:
            break;
        }
    }
}

void SpojeniServeru::HlavaUplna() {
    const std::string_view hlava(prijato_.get(), delka_);
    if (!heslo_.empty()) {
        // Only the first "Authorization" header counts, wherever it stands.
        if (!autorizace_ || !OveritBasic(hlava.substr(autorizaceOd_, autorizaceDo_ - autorizaceOd_), heslo_))
            return Rozhodnout(Pozadavek::Neautorizovano);
    }
    if (hlava.substr(0, konecMetody_) == "HEAD") return Rozhodnout(Pozadavek::Hlava);
    const std::string_view cil = hlava.substr(zacatekCile_, konecCile_ - zacatekCile_);
    Rozhodnout(CestaCile(cil) == "/mjpeg" ? Pozadavek::Proud : Pozadavek::Snimek);
}

// ------------------------------------------------------------------------------------------ Basic

bool OveritBasic(std::string_view hodnota, const std::wstring& heslo) {
    hodnota = Orezat(hodnota);
    constexpr std::string_view kSchema = "basic";
    if (!ZacinaBezVelikosti(hodnota, kSchema) || hodnota.size() == kSchema.size() || !Mezera(hodnota[kSchema.size()]))
        return false;
    const std::string_view text = Orezat(hodnota.substr(kSchema.size()));
    if (text.empty() || !PlatneBase64(text)) return false;

    Email::Base64 b64;
    b64.Decode(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()));
    const std::string_view dekodovano(reinterpret_cast<const char*>(b64.DecodedData()), b64.DataLength());
    const std::size_t dvojtecka = dekodovano.find(':');
    if (dvojtecka == std::string_view::npos) return false;
    const std::string_view zadane = dekodovano.substr(dvojtecka + 1);
    const std::string ocekavane = Knihovna::NaUtf8(heslo);

    // The time depends on the length of what the client sent, never on where the first difference lies.
    unsigned rozdil = zadane.size() != ocekavane.size() ? 1u : 0u;
    for (std::size_t i = 0; i < zadane.size(); ++i) {
        const char o = i < ocekavane.size() ? ocekavane[i] : '\0';
        rozdil |= static_cast<unsigned char>(zadane[i] ^ o);
    }
    return rozdil == 0;
}

// ------------------------------------------------------------------------------------------ Answers

std::string HlavaSnimku(std::size_t delka) {
    std::string s = "HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: ";
    s += Cislo(delka);
    s += "\r\n";
    s += kBezUkladani;
    return s;
}

std::string OdpovedNeautorizovano() {
    const std::string telo = Knihovna::NaUtf8(L"Pro přístup ke kameře je nutné zadat heslo.\r\n");
    std::string s =
        "HTTP/1.0 401 Unauthorized\r\n"
        "WWW-Authenticate: Basic realm=\"Tervik\", charset=\"UTF-8\"\r\n"
        "Content-Type: text/plain; charset=utf-8\r\nContent-Length: ";
    s += Cislo(telo.size());
    s += "\r\n";
    s += kBezUkladani;
    s += telo;
    return s;
}

std::string HlavaProudu() {
    std::string s = "HTTP/1.0 200 OK\r\nContent-Type: multipart/x-mixed-replace; boundary=tervikframe\r\n";
    s += kBezUkladani;
    return s;
}

std::string HlavaCastiProudu(std::size_t delka) {
    std::string s = "--tervikframe\r\nContent-Type: image/jpeg\r\nContent-Length: ";
    s += Cislo(delka);
    s += "\r\n\r\n";
    return s;
}

// ------------------------------------------------------------------------------------------ Limits and pace

std::uint32_t LimitVlaken(std::uint32_t maxPocetVlaken) {
    return std::clamp<std::uint32_t>(maxPocetVlaken, 1, kMaxVlaken);
}

bool LzeSpustitPozadavek(std::uint32_t bezi, std::uint32_t maxPocetVlaken) {
    return bezi < LimitVlaken(maxPocetVlaken);
}

bool LzeSdilet(std::uint32_t porizenoMs, std::uint32_t nyniMs, std::uint32_t periodaMs) {
    if (periodaMs == 0) return false;
    // A picture stamped a moment after the caller read its clock is fresh too.
    const auto stari = static_cast<std::int32_t>(nyniMs - porizenoMs);
    return stari < 0 || static_cast<std::uint32_t>(stari) < periodaMs;
}

TempoProudu::TempoProudu(std::uint32_t snimkuZaSekundu)
    : periodaMs_(1000 / std::clamp<std::uint32_t>(snimkuZaSekundu, 1, 30)) {}

std::uint32_t TempoProudu::CekatMs(std::uint32_t nyniMs) const {
    if (prvni_) return 0;
    const auto zbyva = static_cast<std::int32_t>(dalsiMs_ - nyniMs);
    return zbyva > 0 ? static_cast<std::uint32_t>(zbyva) : 0;
}

void TempoProudu::Odeslano(std::uint32_t nyniMs) {
    const std::uint32_t podlePlanu = dalsiMs_ + periodaMs_;
    // Keep the schedule while it is still ahead; a frame late by a whole period starts it again from now.
    if (prvni_ || static_cast<std::int32_t>(podlePlanu - nyniMs) <= 0) dalsiMs_ = nyniMs + periodaMs_;
    else dalsiMs_ = podlePlanu;
    prvni_ = false;
}

}  // namespace Holvent::Server
