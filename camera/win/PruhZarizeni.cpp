#include "camera/win/PruhZarizeni.h"

#include <commctrl.h>

#include <algorithm>

void PruhZarizeni::Vytvorit(HWND okno, HINSTANCE instance, UINT idCombo, const InfoZarizeni& vybrane) {
    pruh_ = ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_CLIPSIBLINGS | SS_NOTIFY, 0, 0, 10, kVyska, okno, nullptr,
                              instance, nullptr);
    HWND combo = ::CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VSCROLL | WS_TABSTOP | CBS_DROPDOWNLIST, 0, 0,
                                   300, 240, okno, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(idCombo)), instance,
                                   nullptr);
    // A new child goes below its older siblings: the box is lifted above the strip, or the strip covers it.
    ::SetWindowPos(combo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    combo_.Pripojit(combo);
    combo_.Naplnit(vybrane);
}

void PruhZarizeni::Zobrazit(bool zobrazit) {
    ::ShowWindow(pruh_, zobrazit ? SW_SHOWNA : SW_HIDE);
    ::ShowWindow(combo_.Hwnd(), zobrazit ? SW_SHOWNA : SW_HIDE);
}

bool PruhZarizeni::Zapnuty() const {
    // The own style, not IsWindowVisible: that is false for every child of a hidden window.
    return pruh_ && (::GetWindowLongPtrW(pruh_, GWL_STYLE) & WS_VISIBLE) != 0;
}

int PruhZarizeni::Rozmistit(int horni, int sirka) {
    if (!Zapnuty()) return 0;
    ::MoveWindow(pruh_, 0, horni, sirka, kVyska, TRUE);
    ::MoveWindow(combo_.Hwnd(), 4, horni + 4, std::min(sirka - 8, 360), 240, TRUE);
    return kVyska;
}
