#pragma once

#include <windows.h>

#include "knihovna/win/UnikatniHandle.h"

// The title of a settings page: a static in the bold form of the dialog's font, which it owns.
class StaticTitulek {
public:
    void Pripojit(HWND prvek);
    void Nastavit(const wchar_t* text) { ::SetWindowTextW(prvek_, text); }
    HWND Okno() const { return prvek_; }

private:
    HWND prvek_ = nullptr;
    Knihovna::WinApi::UnikatniFont pismo_;
};
