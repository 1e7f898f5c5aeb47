#include "imagetools/win/VycetSlozkyWin.h"

#include <windows.h>

namespace Holvent::Obrazky {

void VycetSlozkyWin(const std::wstring& slozka, const std::function<bool(const PolozkaSlozky&)>& polozka) {
    const bool lomitko = !slozka.empty() && (slozka.back() == L'\\' || slozka.back() == L'/');
    const std::wstring vzor = slozka + (lomitko ? L"*" : L"\\*");
    WIN32_FIND_DATAW data{};
    HANDLE h = ::FindFirstFileW(vzor.c_str(), &data);
    if (h == INVALID_HANDLE_VALUE) return;
    struct Zavrit {
        HANDLE h;
        ~Zavrit() { ::FindClose(h); }
    } zavrit{h};
    PolozkaSlozky p;
    do {
        p.jmeno = data.cFileName;
        p.slozka = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        p.bodZnovuzpracovani = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        if (!polozka(p)) return;
    } while (::FindNextFileW(h, &data));
}

}  // namespace Holvent::Obrazky
