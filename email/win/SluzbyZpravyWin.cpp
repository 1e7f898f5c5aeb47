#include "email/win/SluzbyZpravyWin.h"

#include <windows.h>

namespace Holvent::Email {

std::wstring TypObsahuZRegistru(const std::wstring& pripona) {
    HKEY klic = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, pripona.c_str(), 0, KEY_QUERY_VALUE, &klic) != ERROR_SUCCESS) return {};
    // At most 260 bytes, as a media type never needs more.
    wchar_t hodnota[131] = {};
    DWORD typ = 0;
    DWORD velikost = 260;
    const LONG r = RegQueryValueExW(klic, L"Content Type", nullptr, &typ, reinterpret_cast<BYTE*>(hodnota), &velikost);
    RegCloseKey(klic);
    // A value of another type, or one too long, is no media type.
    if (r != ERROR_SUCCESS || (typ != REG_SZ && typ != REG_EXPAND_SZ)) return {};
    std::wstring vysledek(hodnota, velikost / sizeof(wchar_t));
    while (!vysledek.empty() && vysledek.back() == L'\0') vysledek.pop_back();
    return vysledek;
}

void PripojitSluzbyWindows(Zprava& zprava) {
    zprava.hledatTypObsahu = TypObsahuZRegistru;
    zprava.ladiciVystup = [](const std::wstring& radek) { OutputDebugStringW(radek.c_str()); };
}

}  // namespace Holvent::Email
