#include "knihovna/win/MazaniDoKose.h"

#include <windows.h>

#include <shellapi.h>

#include "knihovna/Chyba.h"
#include "knihovna/ChybyOperaceSouboru.h"

namespace Knihovna::WinApi {

void SmazatDoKose(const std::vector<std::wstring>& soubory) {
    if (soubory.empty()) return;
    // The shell takes a list of names each ended by a zero, the whole list by another.
    std::wstring seznam;
    for (const auto& s : soubory) seznam.append(s).push_back(L'\0');
    seznam.push_back(L'\0');
    SHFILEOPSTRUCTW operace{};
    operace.wFunc = FO_DELETE;
    operace.pFrom = seznam.c_str();
    operace.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    const int vysledek = ::SHFileOperationW(&operace);
    if (vysledek != 0) {
        // The shell's own codes are no system codes: their text comes from here.
        const auto kod = static_cast<std::uint32_t>(vysledek);
        Vyhodit(HresultZWin32(kod), TextChybyOperaceSouboru(kod));
    }
    if (operace.fAnyOperationsAborted) Vyhodit(kE_ABORT);
}

}  // namespace Knihovna::WinApi
