#include "camera/win/NahledIkony.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kVyskaPopisu = 18;

long long BajtuRadku(const BITMAPINFOHEADER& h) { return ((static_cast<long long>(h.biWidth) * 24 + 31) / 32) * 4; }

}  // namespace

void NahledIkony::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_INFOBK + 1);
    trida.style |= CS_DROPSHADOW;
}

int NahledIkony::VyskaObrazu() const {
    if (data_.empty() || hlavicka_.biWidth <= 0) return kSirka * 3 / 4;
    const long long vyska = static_cast<long long>(kSirka) * std::abs(hlavicka_.biHeight) / hlavicka_.biWidth;
    return static_cast<int>(std::clamp<long long>(vyska, 16, 4 * kSirka));
}

void NahledIkony::Zobrazit(HWND vlastnik, POINT bod, const std::wstring& popis) {
    popis_ = popis;
    if (!Hwnd())
        Vytvorit(kTrida, L"", WS_POPUP | WS_BORDER, WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, 0, 0, 1, 1,
                 vlastnik);
    RECT r{0, 0, kSirka, VyskaObrazu() + kVyskaPopisu};
    ::AdjustWindowRectEx(&r, WS_POPUP | WS_BORDER, FALSE, WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
    const int sirka = r.right - r.left;
    const int vyska = r.bottom - r.top;
    // Above and left of the point, as the taskbar's own tooltips; pulled onto the work area.
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    RECT prace{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (::GetMonitorInfoW(::MonitorFromPoint(bod, MONITOR_DEFAULTTONEAREST), &monitor)) prace = monitor.rcWork;
    int x = bod.x - sirka + 8;
    int y = bod.y - vyska - 8;
    if (y < prace.top) y = bod.y + 20;
    x = std::clamp(x, static_cast<int>(prace.left), std::max<int>(prace.left, prace.right - sirka));
    y = std::clamp(y, static_cast<int>(prace.top), std::max<int>(prace.top, prace.bottom - vyska));
    ::SetWindowPos(Hwnd(), HWND_TOPMOST, x, y, sirka, vyska, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void NahledIkony::Skryt() {
    if (Hwnd()) ::ShowWindow(Hwnd(), SW_HIDE);
}

void NahledIkony::NastavitSnimek(const BITMAPINFOHEADER& hlavicka, const std::vector<std::uint8_t>& data) {
    if (hlavicka.biBitCount != 24 || hlavicka.biWidth <= 0 || hlavicka.biHeight == 0 ||
        BajtuRadku(hlavicka) * std::abs(static_cast<long long>(hlavicka.biHeight)) != static_cast<long long>(data.size()))
        return;
    const bool jinaVelikost = VyskaObrazu() != static_cast<int>(static_cast<long long>(kSirka) *
                                                                 std::abs(hlavicka.biHeight) / hlavicka.biWidth);
    hlavicka_ = hlavicka;
    data_ = data;
    if (!Hwnd()) return;
    if (jinaVelikost && Viditelny()) {
        RECT r{};
        ::GetWindowRect(Hwnd(), &r);
        Zobrazit(::GetWindow(Hwnd(), GW_OWNER), POINT{r.right - 8, r.bottom + 8}, popis_);
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void NahledIkony::Kreslit(HDC dc) const {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    RECT obraz = klient;
    obraz.bottom = std::max(klient.top, klient.bottom - kVyskaPopisu);
    if (data_.empty()) {
        ::FillRect(dc, &obraz, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    } else {
        BITMAPINFO info{};
        info.bmiHeader = hlavicka_;
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = 0;
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchDIBits(dc, obraz.left, obraz.top, obraz.right - obraz.left, obraz.bottom - obraz.top, 0, 0,
                        hlavicka_.biWidth, std::abs(hlavicka_.biHeight), data_.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    }
    RECT text = klient;
    text.top = obraz.bottom;
    ::FillRect(dc, &text, ::GetSysColorBrush(COLOR_INFOBK));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
    HGDIOBJ predchozi = ::SelectObject(dc, ::GetStockObject(DEFAULT_GUI_FONT));
    text.left += 4;
    text.right -= 4;
    ::DrawTextW(dc, popis_.c_str(), static_cast<int>(popis_.size()), &text,
                DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
    ::SelectObject(dc, predchozi);
}

LRESULT NahledIkony::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(Hwnd(), &ps);
        Kreslit(dc);
        ::EndPaint(Hwnd(), &ps);
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
