#pragma once

#include <windows.h>

#include "knihovna/win/UnikatniHandle.h"

// The picture of the main window's tray icon: the application's icon while no camera runs, then a running camera, a
// camera's motion (for a while after its last report) or a camera's fault. The pictures come from the program's
// strip at the tray's size; a timer asks again when a shown motion is over.
class ObrazekOblasti {
public:
    static constexpr UINT_PTR kCasovac = 0x8046;

    // The picture for the cameras' state now (necinna when none runs); arms the timer on okno when a shown motion
    // ends later.
    HICON Vybrat(HWND okno, HICON necinna);
    // WM_TIMER: true when it was this one (stopped; the caller asks for the picture again).
    bool Casovac(HWND okno, UINT_PTR id);

private:
    Knihovna::WinApi::UnikatniIkona ikony_[3];  // running, motion, fault: made when first shown
};
