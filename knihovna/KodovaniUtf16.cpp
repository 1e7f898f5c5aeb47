#include "knihovna/KodovaniUtf16.h"

#include <cstdint>

namespace Knihovna {

namespace {

void PridatJednotku(std::string& vysledek, std::uint32_t jednotka) {
    vysledek += static_cast<char>(jednotka & 0xFF);
    vysledek += static_cast<char>((jednotka >> 8) & 0xFF);
}

// Code points of a wide text: wchar_t is UTF-16 on Windows, UTF-32 elsewhere.
template <class F>
void ProKazdyZnak(std::wstring_view text, F&& f) {
    for (size_t i = 0; i < text.size(); ++i) {
        std::uint32_t c = static_cast<std::uint32_t>(text[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            c &= 0xFFFF;
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
                const std::uint32_t d = static_cast<std::uint32_t>(text[i + 1]) & 0xFFFF;
                if (d >= 0xDC00 && d < 0xE000) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (d - 0xDC00);
                    ++i;
                }
            }
        }
        f(c);
    }
}

void PridatZnakWide(std::wstring& vysledek, std::uint32_t c) {
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            vysledek += static_cast<wchar_t>(0xD800 + (c >> 10));
            vysledek += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    vysledek += static_cast<wchar_t>(c);
}

}  // namespace

std::string KodovatUtf16LE(std::wstring_view text) {
    std::string vysledek;
    vysledek.reserve(text.size() * 2);
    if constexpr (sizeof(wchar_t) == 2) {
        for (wchar_t z : text) PridatJednotku(vysledek, static_cast<std::uint32_t>(z) & 0xFFFF);
    } else {
        for (wchar_t z : text) {
            std::uint32_t c = static_cast<std::uint32_t>(z);
            if (c >= 0x10000 && c <= 0x10FFFF) {
                c -= 0x10000;
                PridatJednotku(vysledek, 0xD800 + (c >> 10));
                PridatJednotku(vysledek, 0xDC00 + (c & 0x3FF));
            } else {
                PridatJednotku(vysledek, c & 0xFFFF);
            }
        }
    }
    return vysledek;
}

std::wstring DekodovatUtf16LE(std::string_view bajty) {
    std::wstring vysledek;
    vysledek.reserve(bajty.size() / 2);
    const size_t n = bajty.size() / 2;
    for (size_t i = 0; i < n; ++i) {
        std::uint32_t c = static_cast<unsigned char>(bajty[2 * i]) |
                          (static_cast<unsigned char>(bajty[2 * i + 1]) << 8);
        if constexpr (sizeof(wchar_t) == 4) {
            if (c >= 0xD800 && c < 0xDC00 && i + 1 < n) {
                const std::uint32_t d = static_cast<unsigned char>(bajty[2 * i + 2]) |
                                        (static_cast<unsigned char>(bajty[2 * i + 3]) << 8);
                if (d >= 0xDC00 && d < 0xE000) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (d - 0xDC00);
                    ++i;
                }
            }
        }
        vysledek += static_cast<wchar_t>(c);
    }
    return vysledek;
}

std::string NaUtf8(std::wstring_view text) {
    std::string vysledek;
    ProKazdyZnak(text, [&](std::uint32_t c) {
        if (c < 0x80) {
            vysledek += static_cast<char>(c);
        } else if (c < 0x800) {
            vysledek += static_cast<char>(0xC0 | (c >> 6));
            vysledek += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            vysledek += static_cast<char>(0xE0 | (c >> 12));
            vysledek += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            vysledek += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            vysledek += static_cast<char>(0xF0 | (c >> 18));
            vysledek += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            vysledek += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            vysledek += static_cast<char>(0x80 | (c & 0x3F));
        }
    });
    return vysledek;
}

std::wstring ZUtf8(std::string_view text) {
    // Only well-formed sequences (Unicode Table 3-7) are decoded: no overlong forms, no
    // surrogates, nothing above U+10FFFF. Each maximal ill-formed subpart becomes one U+FFFD,
    // and decoding resumes at the first byte that did not fit.
    std::wstring vysledek;
    vysledek.reserve(text.size());
    const size_t n = text.size();
    for (size_t i = 0; i < n;) {
        const unsigned char b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            vysledek += static_cast<wchar_t>(b);
            ++i;
            continue;
        }
        size_t delka = 0;
        std::uint32_t c = 0;
        unsigned char od = 0x80, po = 0xBF;  // the range of the second byte
        if (b >= 0xC2 && b <= 0xDF) { delka = 2; c = b & 0x1F; }
        else if (b >= 0xE0 && b <= 0xEF) {
            delka = 3; c = b & 0x0F;
            if (b == 0xE0) od = 0xA0;
            if (b == 0xED) po = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            delka = 4; c = b & 0x07;
            if (b == 0xF0) od = 0x90;
            if (b == 0xF4) po = 0x8F;
        }
        if (delka == 0) {
            vysledek += static_cast<wchar_t>(0xFFFD);
            ++i;
            continue;
        }
        size_t k = 1;
        for (; k < delka && i + k < n; ++k) {
            const unsigned char d = static_cast<unsigned char>(text[i + k]);
            const unsigned char dolni = k == 1 ? od : 0x80, horni = k == 1 ? po : 0xBF;
            if (d < dolni || d > horni) break;
            c = (c << 6) | (d & 0x3F);
        }
        PridatZnakWide(vysledek, k == delka ? c : 0xFFFD);
        i += k;
    }
    return vysledek;
}

}  // namespace Knihovna
