#pragma once

#include <windows.h>

namespace Knihovna::WinApi {

// The DPI a window is drawn at: GetDpiForWindow where the system has it (Windows 10 1607 and later), else the
// screen's logical pixels per inch.
UINT DpiOkna(HWND okno);

// WM_DPICHANGED: moves and sizes the window to the rectangle the system suggests (lp); WM_SIZE lays it out again.
void PrijmoutNavrhDpi(HWND okno, LPARAM lp);

// An icon resource at the given size, scaled down from a larger picture of the .ico when it lacks that size
// (LoadIconWithScaleDown where comctl32 has it, else LoadImageW). Null on failure, with the last error set.
HICON NacistIkonu(HINSTANCE modul, const wchar_t* jmeno, int velikost);

}  // namespace Knihovna::WinApi
