#include "knihovna/Formatovani.h"

#include <cstdio>
#include <cwchar>
#include <vector>

namespace Knihovna {

namespace {

// Rewrites "%s"/"%c" without a length modifier to "%ls"/"%lc", so that glibc and MinGW
// (with the ANSI stdio) read a wide argument for them.
std::wstring NormalizovatVzor(const wchar_t* vzor) {
    std::wstring vysledek;
    for (const wchar_t* p = vzor; *p;) {
        if (*p != L'%') {
            vysledek += *p++;
            continue;
        }
        vysledek += *p++;
        if (*p == L'%') {
            vysledek += *p++;
            continue;
        }
        bool delka = false;
        while (*p && std::wcschr(L"-+ #0123456789.*", *p)) vysledek += *p++;
        while (*p && std::wcschr(L"hlLqjztw", *p)) {
            delka = true;
            vysledek += *p++;
        }
        if (!*p) break;
        if ((*p == L's' || *p == L'c') && !delka) vysledek += L'l';
        vysledek += *p++;
    }
    return vysledek;
}

}  // namespace

std::wstring FormatovatV(const wchar_t* vzor, va_list argumenty) {
    const std::wstring normalni = NormalizovatVzor(vzor);
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list kopie;
        va_copy(kopie, argumenty);
        const int n = std::vswprintf(buf.data(), buf.size(), normalni.c_str(), kopie);
        va_end(kopie);
        if (n >= 0 && static_cast<size_t>(n) < buf.size()) return std::wstring(buf.data(), n);
        if (buf.size() > (1u << 24)) return normalni;  // a broken pattern: show it, do not loop
        buf.resize(buf.size() * 2);
    }
}

std::wstring Formatovat(const wchar_t* vzor, ...) {
    va_list argumenty;
    va_start(argumenty, vzor);
    std::wstring vysledek = FormatovatV(vzor, argumenty);
    va_end(argumenty);
    return vysledek;
}

std::string FormatovatA(const char* vzor, ...) {
    va_list argumenty;
    va_start(argumenty, vzor);
    va_list kopie;
    va_copy(kopie, argumenty);
    const int n = std::vsnprintf(nullptr, 0, vzor, kopie);
    va_end(kopie);
    std::string vysledek;
    if (n > 0) {
        vysledek.resize(static_cast<size_t>(n) + 1);
        std::vsnprintf(vysledek.data(), vysledek.size(), vzor, argumenty);
        vysledek.resize(static_cast<size_t>(n));
    }
    va_end(argumenty);
    return vysledek;
}

std::wstring STeckouNaKonci(std::wstring text) {
    if (text.empty() || text.back() != L'.') text += L'.';
    return text;
}

}  // namespace Knihovna
