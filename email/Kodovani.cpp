#include "email/Kodovani.h"

#include <vector>

#include "email/Base64.h"
#include "email/Windows1250.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

namespace {

constexpr std::size_t kSirka = 76;
constexpr std::string_view kOddelovace = " -;.,?!";

// Lines of a text: a CR, an LF or a CR LF pair end a line. A bare LF is a break as well,
// since SMTP forbids it inside a message.
std::vector<std::string_view> Radky(std::string_view text) {
    std::vector<std::string_view> radky;
    std::size_t zacatek = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            radky.push_back(text.substr(zacatek, i - zacatek));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
            zacatek = i + 1;
        }
    }
    radky.push_back(text.substr(zacatek));
    return radky;
}

// Where a quoted-printable line longer than 76 is cut so that no "=XX" is split.
std::size_t MistoRezuQp(const std::string& radek) {
    if (radek[74] == '=') return 74;
    if (radek[73] == '=') return 73;
    return 75;
}

}  // namespace

const wchar_t* NazevKodovani(EncodingKind druh) {
    switch (druh) {
    case EncodingKind::Bit7: return L"7bit";
    case EncodingKind::Bit8: return L"8bit";
    case EncodingKind::QuotedPrintable: return L"quoted-printable";
    case EncodingKind::Base64: return L"base64";
    default: return L"";
    }
}

EncodingKind ChooseEncoding(const std::uint8_t* bajty, std::size_t delka) {
    if (delka == 0) return EncodingKind::Base64;
    std::size_t tisknutelnych = 0;
    bool dlouhyRadek = false;
    bool nula = false;
    // Every line counts, whichever break ends it (CR, LF or none at the end): one longer
    // than 76 would be broken by WrapLines, which changes the content.
    std::size_t delkaRadku = 0;
    for (std::size_t i = 0; i < delka; ++i) {
        const std::uint8_t b = bajty[i];
        if ((b >= 32 && b < 127) || b == '\t' || b == '\r' || b == '\n') ++tisknutelnych;
        if (b == 0) nula = true;
        if (b == '\r' || b == '\n') {
            delkaRadku = 0;
        } else if (++delkaRadku > kSirka) {
            dlouhyRadek = true;
        }
    }
    // RFC 2045 allows no NUL in 7bit or 8bit data.
    if (nula || tisknutelnych * 100 / delka < 90) return EncodingKind::Base64;
    if (dlouhyRadek) return EncodingKind::QuotedPrintable;
    if (tisknutelnych != delka) return EncodingKind::Bit8;
    return EncodingKind::Bit7;
}

std::string WrapLines(std::string_view text) {
    std::string vysledek;
    vysledek.reserve(text.size() + text.size() / 32 + 2);
    const auto radky = Radky(text);
    for (std::size_t r = 0; r < radky.size(); ++r) {
        std::string_view radek = radky[r];
        while (radek.size() > kSirka) {
            std::size_t rez = kSirka;
            const std::size_t oddelovac = radek.substr(0, kSirka).find_last_of(kOddelovace);
            if (oddelovac != std::string_view::npos) rez = oddelovac + 1;
            vysledek.append(radek.substr(0, rez));
            vysledek.append("\r\n");
            radek.remove_prefix(rez);
        }
        vysledek.append(radek);
        if (r + 1 < radky.size()) vysledek.append("\r\n");
    }
    return vysledek;
}

std::string Base64VRadcich(const std::uint8_t* bajty, std::size_t delka) {
    static constexpr char kAbeceda[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    constexpr std::size_t kSkupinNaRadek = kSirka / 4;  // 19 groups of 3 bytes make one line of 76
    const std::size_t znaku = (delka + 2) / 3 * 4;
    std::string vysledek(znaku + (znaku / kSirka) * 2, '\0');
    char* v = vysledek.data();
    std::size_t i = 0, skupin = 0;
    for (; i + 3 <= delka; i += 3) {
        if (skupin == kSkupinNaRadek) {
            *v++ = '\r';
            *v++ = '\n';
            skupin = 0;
        }
        const std::uint32_t n = (std::uint32_t{bajty[i]} << 16) | (std::uint32_t{bajty[i + 1]} << 8) | bajty[i + 2];
        v[0] = kAbeceda[n >> 18];
        v[1] = kAbeceda[(n >> 12) & 0x3F];
        v[2] = kAbeceda[(n >> 6) & 0x3F];
        v[3] = kAbeceda[n & 0x3F];
        v += 4;
        ++skupin;
    }
    if (i < delka) {
        if (skupin == kSkupinNaRadek) {
            *v++ = '\r';
            *v++ = '\n';
        }
        const std::uint32_t n = (std::uint32_t{bajty[i]} << 16) | (i + 1 < delka ? std::uint32_t{bajty[i + 1]} << 8 : 0);
        v[0] = kAbeceda[n >> 18];
        v[1] = kAbeceda[(n >> 12) & 0x3F];
        v[2] = i + 1 < delka ? kAbeceda[(n >> 6) & 0x3F] : '=';
        v[3] = '=';
        v += 4;
    }
    vysledek.resize(static_cast<std::size_t>(v - vysledek.data()));
    return vysledek;
}

std::string QuotedPrintable(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string unikly;
    unikly.reserve(text.size() + text.size() / 8);
    for (char z : text) {
        const auto b = static_cast<unsigned char>(z);
        if (b == '=' || b > 126 || (b < 32 && b != '\r' && b != '\n' && b != '\t')) {
            unikly.push_back('=');
            unikly.push_back(kHex[b >> 4]);
            unikly.push_back(kHex[b & 0x0F]);
        } else {
            unikly.push_back(z);
        }
    }
    std::string vysledek;
    vysledek.reserve(unikly.size() + unikly.size() / 64 + 2);
    const auto radky = Radky(unikly);
    for (std::size_t r = 0; r < radky.size(); ++r) {
        std::string radek(radky[r]);
        bool konecUnikly = false;
        for (;;) {
            if (radek.size() > kSirka) {
                const std::size_t rez = MistoRezuQp(radek);
                vysledek.append(radek, 0, rez);
                vysledek.append("=\r\n");
                radek.erase(0, rez);
                continue;
            }
            // Trailing white space would be stripped in transport.
            if (!konecUnikly && !radek.empty() && (radek.back() == ' ' || radek.back() == '\t')) {
                const char* escape = radek.back() == ' ' ? "=20" : "=09";
                radek.pop_back();
                radek.append(escape);
                konecUnikly = true;
                continue;
            }
            vysledek.append(radek);
            break;
        }
        if (r + 1 < radky.size()) vysledek.append("\r\n");
    }
    return vysledek;
}

std::string ZdvojitTeckyNaZacatkuRadku(std::string text) {
    std::string vysledek;
    vysledek.reserve(text.size() + 16);
    bool zacatekRadku = true;
    for (char z : text) {
        if (zacatekRadku && z == '.') vysledek.push_back('.');
        vysledek.push_back(z);
        zacatekRadku = (z == '\n');
    }
    return vysledek;
}

bool JenAscii(std::wstring_view text) {
    for (wchar_t z : text)
        if (static_cast<std::uint32_t>(z) > 127) return false;
    return true;
}

std::string ZakodovatText(std::wstring_view text, std::wstring& charset) {
    using Knihovna::StejneBezVelikosti;
    if (StejneBezVelikosti(charset, L"iso-8859-1") || StejneBezVelikosti(charset, L"latin1") ||
        StejneBezVelikosti(charset, L"us-ascii")) {
        bool latin1 = true;
        for (wchar_t z : text)
            if (static_cast<std::uint32_t>(z) > 0xFF) latin1 = false;
        const bool ascii = StejneBezVelikosti(charset, L"us-ascii");
        if (latin1 && (!ascii || JenAscii(text))) {
            std::string bajty;
            bajty.reserve(text.size());
            for (wchar_t z : text) bajty.push_back(static_cast<char>(static_cast<std::uint32_t>(z)));
            return bajty;
        }
    } else if (StejneBezVelikosti(charset, L"windows-1250")) {
        return NaWindows1250(text);
    } else if (StejneBezVelikosti(charset, L"utf-8")) {
        return Knihovna::NaUtf8(text);
    }
    charset = L"utf-8";
    return Knihovna::NaUtf8(text);
}

namespace {

// Header text a reader takes as it stands: ASCII without control characters (a fold's CR LF aside) and without
// "=?", which would start an encoded word and be shown decoded.
bool PlatiDoslova(std::wstring_view text) {
    for (wchar_t z : text)
        if (static_cast<std::uint32_t>(z) > 126 || (z < 32 && z != L'\t' && z != L'\r' && z != L'\n')) return false;
    return text.find(L"=?") == std::wstring_view::npos;
}

}  // namespace

std::wstring ZakodovatHlavicku(std::wstring_view text, bool vzdy) {
    if (text.empty() || (!vzdy && PlatiDoslova(text))) return std::wstring(text);
    // Encoded words of at most 75 characters: 45 bytes of UTF-8 give 60 Base64 characters;
    // a multi-byte character is never split between two words.
    const std::string utf8 = Knihovna::NaUtf8(text);
    std::wstring vysledek;
    Base64 base64;
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t konec = std::min(utf8.size(), i + 45);
        while (konec < utf8.size() && konec > i + 1 &&
               (static_cast<unsigned char>(utf8[konec]) & 0xC0) == 0x80)
            --konec;
        base64.Encode(reinterpret_cast<const std::uint8_t*>(utf8.data() + i),
                      static_cast<std::uint32_t>(konec - i));
        if (!vysledek.empty()) vysledek += L"\r\n\t";
        vysledek += L"=?utf-8?B?";
        for (const char* p = base64.EncodedText(); *p; ++p) vysledek.push_back(static_cast<wchar_t>(*p));
        vysledek += L"?=";
        i = konec;
    }
    return vysledek;
}

}  // namespace Holvent::Email
