// The composer's coders. The first byte picks one; each decodes any bytes and gives back what it can represent:
// quoted-printable and the line wrapping (lines of at most 76, nothing lost but the line-break style), Base64 in
// lines, SMTP transparency, Windows-1250, UTF-16LE and UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "Pomocne.h"
#include "email/Base64.h"
#include "email/Kodovani.h"
#include "email/Windows1250.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

void Over(bool podminka) {
    if (!podminka) std::abort();
}

// Every line break is CR LF and no line is longer than delka (without the break).
bool RadkyNejvys(std::string_view text, std::size_t delka) {
    std::size_t radek = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return false;
        if (text[i] == '\r') {
            if (i + 1 >= text.size() || text[i + 1] != '\n') return false;
            ++i;
            radek = 0;
        } else if (++radek > delka) {
            return false;
        }
    }
    return true;
}

std::string BezKoncuRadku(std::string_view text) {
    std::string v;
    for (char z : text)
        if (z != '\r' && z != '\n') v.push_back(z);
    return v;
}

void QuotedPrintableTam(std::string_view vstup) {
    const std::string qp = QuotedPrintable(vstup);
    Over(RadkyNejvys(qp, 76));
    for (char z : qp) Over(z == '\r' || z == '\n' || z == '\t' || (z >= 32 && z < 127));
    std::string zpet;
    Over(FuzzPomocne::DekodovatQp(qp, zpet));
    Over(zpet == FuzzPomocne::NormalizovatKonceRadku(std::string(vstup)));
    // Any text at all goes through the strict decoder without harm.
    FuzzPomocne::DekodovatQp(vstup, zpet);
}

void Zalamovani(std::string_view vstup) {
    const std::string zalomeny = WrapLines(vstup);
    Over(RadkyNejvys(zalomeny, 76));
    Over(BezKoncuRadku(zalomeny) == BezKoncuRadku(vstup));
    // Transparency: a receiving server drops the first dot of each line and has the text back.
    const std::string tecky = ZdvojitTeckyNaZacatkuRadku(zalomeny);
    std::string zpet;
    bool zacatek = true;
    for (std::size_t i = 0; i < tecky.size(); ++i) {
        if (zacatek && tecky[i] == '.') {
            Over(i + 1 < tecky.size() && tecky[i + 1] == '.');
            ++i;
        }
        zpet.push_back(tecky[i]);
        zacatek = tecky[i] == '\n';
    }
    Over(zpet == zalomeny);
}

void Base64Radky(std::string_view vstup) {
    const auto* bajty = reinterpret_cast<const std::uint8_t*>(vstup.data());
    const std::string radky = Base64VRadcich(bajty, vstup.size());
    Base64 k;
    k.Encode(bajty, static_cast<std::uint32_t>(vstup.size()));
    Over(radky == WrapLines(std::string_view(k.EncodedText(), k.TextLength())));
    Base64 d;
    d.Decode(reinterpret_cast<const std::uint8_t*>(radky.data()), static_cast<std::uint32_t>(radky.size()));
    Over(std::string_view(reinterpret_cast<const char*>(d.DecodedData()), d.DataLength()) == vstup);
}

void Windows1250(std::string_view vstup) {
    const std::wstring text = ZWindows1250(vstup);
    Over(text.size() == vstup.size());
    const std::string zpet = NaWindows1250(text);
    Over(zpet.size() == vstup.size());
    for (std::size_t i = 0; i < vstup.size(); ++i)
        Over(zpet[i] == vstup[i] || (text[i] == 0xFFFD && zpet[i] == '?'));
    // Wide text of 16-bit characters: what the code page has comes back, the rest is "?".
    std::wstring siroky;
    for (std::size_t i = 0; i + 1 < vstup.size(); i += 2)
        siroky.push_back(static_cast<wchar_t>(static_cast<unsigned char>(vstup[i]) |
                                              (static_cast<unsigned char>(vstup[i + 1]) << 8)));
    const std::string bajty = NaWindows1250(siroky);
    const std::wstring znovu = ZWindows1250(bajty);
    Over(znovu.size() == siroky.size());
    for (std::size_t i = 0; i < siroky.size(); ++i) Over(znovu[i] == siroky[i] || bajty[i] == '?');
}

void Utf16(std::string_view vstup) {
    const std::wstring text = Knihovna::DekodovatUtf16LE(vstup);
    Over(Knihovna::KodovatUtf16LE(text) == vstup.substr(0, vstup.size() / 2 * 2));
}

void Utf8(std::string_view vstup) {
    const std::wstring text = Knihovna::ZUtf8(vstup);
    const std::string zpet = Knihovna::NaUtf8(text);
    // Well-formed input comes back byte for byte; ill-formed input shows as U+FFFD, which stays.
    Over(zpet == vstup || text.find(static_cast<wchar_t>(0xFFFD)) != std::wstring::npos);
    Over(Knihovna::ZUtf8(zpet) == text);
    // Wide text of Unicode scalar values survives UTF-8 and back.
    std::wstring siroky;
    for (std::size_t i = 0; i + 2 < vstup.size(); i += 3) {
        const std::uint32_t c = (static_cast<unsigned char>(vstup[i]) | (static_cast<unsigned char>(vstup[i + 1]) << 8) |
                                 (static_cast<unsigned char>(vstup[i + 2]) << 16)) % 0x110000;
        if ((c >= 0xD800 && c < 0xE000) || (sizeof(wchar_t) == 2 && c >= 0x10000)) continue;
        siroky.push_back(static_cast<wchar_t>(c));
    }
    Over(Knihovna::ZUtf8(Knihovna::NaUtf8(siroky)) == siroky);
    Over(Knihovna::DekodovatUtf16LE(Knihovna::KodovatUtf16LE(siroky)) == siroky);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string_view vstup(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 6) {
    case 0: QuotedPrintableTam(vstup); break;
    case 1: Zalamovani(vstup); break;
    case 2: Base64Radky(vstup); break;
    case 3: Windows1250(vstup); break;
    case 4: Utf16(vstup); break;
    default: Utf8(vstup); break;
    }
    return 0;
}
