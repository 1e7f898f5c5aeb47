#include "knihovna/win/Dpi.h"

namespace Knihovna::WinApi {

namespace {

// Both functions are newer than the import libraries and the oldest systems the program runs on: looked up once.
template <typename F>
F Funkce(const wchar_t* knihovna, const char* jmeno) {
    HMODULE modul = ::GetModuleHandleW(knihovna);
    if (!modul) modul = ::LoadLibraryW(knihovna);
    return modul ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(modul, jmeno))) : nullptr;
}

}  // namespace

UINT DpiOkna(HWND okno) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto dpiOkna = Funkce<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    if (dpiOkna && okno) {
        if (const UINT dpi = dpiOkna(okno)) return dpi;
    }
    HDC dc = ::GetDC(nullptr);
    const int dpi = dc ? ::GetDeviceCaps(dc, LOGPIXELSX) : 0;
    if (dc) ::ReleaseDC(nullptr, dc);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

void PrijmoutNavrhDpi(HWND okno, LPARAM lp) {
    const RECT* r = reinterpret_cast<const RECT*>(lp);
    if (r) ::SetWindowPos(okno, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                          SWP_NOZORDER | SWP_NOACTIVATE);
}

HICON NacistIkonu(HINSTANCE modul, const wchar_t* jmeno, int velikost) {
    using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);
    static const auto nacist = Funkce<LoadIconWithScaleDownFn>(L"comctl32.dll", "LoadIconWithScaleDown");
    if (nacist) {
        HICON ikona = nullptr;
        if (SUCCEEDED(nacist(modul, jmeno, velikost, velikost, &ikona)) && ikona) return ikona;
    }
    return static_cast<HICON>(::LoadImageW(modul, jmeno, IMAGE_ICON, velikost, velikost, LR_DEFAULTCOLOR));
}

}  // namespace Knihovna::WinApi
