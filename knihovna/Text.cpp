#include "knihovna/Text.h"

namespace Knihovna {

wchar_t MalePismeno(wchar_t znak) {
    const unsigned c = static_cast<unsigned>(znak);
    if (c >= L'A' && c <= L'Z') return static_cast<wchar_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<wchar_t>(c + 32);
    if (c >= 0x100 && c <= 0x137 && c != 0x130) return static_cast<wchar_t>(c | 1);
    if (c >= 0x139 && c <= 0x148) return static_cast<wchar_t>((c & 1) ? c + 1 : c);
    if (c >= 0x14A && c <= 0x177) return static_cast<wchar_t>(c | 1);
    if (c == 0x178) return static_cast<wchar_t>(0xFF);
    if (c >= 0x179 && c <= 0x17E) return static_cast<wchar_t>((c & 1) ? c + 1 : c);
    return znak;
}

std::wstring MalymiPismeny(std::wstring_view text) {
    std::wstring vysledek(text);
    for (wchar_t& z : vysledek) z = MalePismeno(z);
    return vysledek;
}

bool StejneBezVelikosti(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (MalePismeno(a[i]) != MalePismeno(b[i])) return false;
    return true;
}

}  // namespace Knihovna
