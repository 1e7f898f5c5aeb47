#include "ui/win/EditSoubor.h"

#include <commdlg.h>

#include <cwchar>

#include "knihovna/Formatovani.h"

std::wstring EditSoubor::FiltrDialogu(const std::wstring& filtr) {
    std::wstring f = filtr;
    for (wchar_t& z : f)
        if (z == L'|') z = L'\0';
    f.push_back(L'\0');
    f.push_back(L'\0');
    return f;
}

std::optional<std::wstring> EditSoubor::Overit() const {
    const std::wstring soubor = Text();
    if (soubor.empty() || ulozit_) return std::nullopt;
    const DWORD atributy = ::GetFileAttributesW(soubor.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || (atributy & FILE_ATTRIBUTE_DIRECTORY))
        return Knihovna::Formatovat(L"Soubor \"%ls\" neexistuje. Zadejte existující soubor.", soubor.c_str());
    return std::nullopt;
}

std::optional<std::wstring> EditSoubor::Vybrat(HWND vlastnik, const std::wstring& soucasna) {
    wchar_t cesta[MAX_PATH] = {};
    std::wcsncpy(cesta, soucasna.c_str(), MAX_PATH - 1);
    const std::wstring filtr = FiltrDialogu(filtr_);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = vlastnik;
    ofn.lpstrFilter = filtr.c_str();
    ofn.lpstrFile = cesta;
    ofn.nMaxFile = MAX_PATH;
    ofn.Flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER |
                (ulozit_ ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL ok = ulozit_ ? ::GetSaveFileNameW(&ofn) : ::GetOpenFileNameW(&ofn);
    if (!ok) return std::nullopt;
    return std::wstring(cesta);
}
