#pragma once

#include <windows.h>

namespace Knihovna::WinApi {

// Takes one posted message of the kind from the window's queue; false when none is left. PeekMessage hands out
// a posted WM_QUIT whatever the filter: that one goes back to the thread's loop and ends the taking.
inline bool VyzvednoutZpravu(MSG& m, HWND okno, UINT zprava) {
    if (!::PeekMessageW(&m, okno, zprava, zprava, PM_REMOVE)) return false;
    if (m.message == WM_QUIT) {
        ::PostQuitMessage(static_cast<int>(m.wParam));
        return false;
    }
    return true;
}

}  // namespace Knihovna::WinApi
