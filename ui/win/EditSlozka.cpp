#include "ui/win/EditSlozka.h"

#include <shlobj.h>

#include "knihovna/Formatovani.h"

namespace {

int CALLBACK PriUdalosti(HWND okno, UINT udalost, LPARAM, LPARAM data) {
    // Start in the folder the edit holds.
    if (udalost == BFFM_INITIALIZED && data) ::SendMessageW(okno, BFFM_SETSELECTIONW, TRUE, data);
    return 0;
}

}  // namespace

std::optional<std::wstring> EditSlozka::Overit() const {
    const std::wstring slozka = Text();
    const DWORD atributy = slozka.empty() ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(slozka.c_str());
    if (atributy == INVALID_FILE_ATTRIBUTES || !(atributy & FILE_ATTRIBUTE_DIRECTORY))
        return Knihovna::Formatovat(L"Složka \"%ls\" neexistuje. Zadejte existující složku.", slozka.c_str());
    return std::nullopt;
}

std::optional<std::wstring> EditSlozka::Vybrat(HWND vlastnik, const std::wstring& soucasna) {
    pocatecni_ = soucasna;
    BROWSEINFOW info{};
    info.hwndOwner = vlastnik;
    info.lpszTitle = titulek_.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = &PriUdalosti;
    info.lParam = pocatecni_.empty() ? 0 : reinterpret_cast<LPARAM>(pocatecni_.c_str());
    PIDLIST_ABSOLUTE vyber = ::SHBrowseForFolderW(&info);
    if (!vyber) return std::nullopt;
    wchar_t cesta[MAX_PATH] = {};
    const bool ok = ::SHGetPathFromIDListW(vyber, cesta) != FALSE;
    ::CoTaskMemFree(vyber);
    if (!ok) return std::nullopt;
    return std::wstring(cesta);
}
