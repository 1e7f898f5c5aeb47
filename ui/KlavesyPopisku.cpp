#include "ui/KlavesyPopisku.h"

#include <cwctype>

namespace {

// Lower case of the letters a key can be typed with; the Czech letters with diacritics too.
wchar_t Male(wchar_t z) { return static_cast<wchar_t>(std::towlower(static_cast<wint_t>(z))); }

bool JePismeno(wchar_t z) {
    if ((z >= L'a' && z <= L'z') || (z >= L'A' && z <= L'Z') || (z >= L'0' && z <= L'9')) return true;
    // Letters with diacritics make poor access keys on keyboards without them: only as the last resort.
    return false;
}

}  // namespace

std::vector<std::wstring> PridatKlavesyPopisku(const std::vector<std::wstring>& texty, std::wstring obsazene) {
    for (wchar_t& z : obsazene) z = Male(z);
    std::vector<std::wstring> vysledek;
    vysledek.reserve(texty.size());
    for (const std::wstring& text : texty) {
        auto volne = [&](std::size_t i) { return JePismeno(text[i]) && obsazene.find(Male(text[i])) == std::wstring::npos; };
        std::size_t kde = std::wstring::npos;
        for (std::size_t i = 0; i < text.size() && kde == std::wstring::npos; ++i)
            if ((i == 0 || text[i - 1] == L' ') && volne(i)) kde = i;
        for (std::size_t i = 0; i < text.size() && kde == std::wstring::npos; ++i)
            if (volne(i)) kde = i;
        std::wstring s;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (i == kde) s += L'&';
            s += text[i];
            if (text[i] == L'&') s += L'&';
        }
        if (kde != std::wstring::npos) obsazene += Male(text[kde]);
        vysledek.push_back(std::move(s));
    }
    return vysledek;
}
