#pragma once

#include <windows.h>

// The WM_COMMAND notification code with which the own controls tell their parent that the user
// changed their value (the low word of wParam is the control's id, lParam its window).
inline constexpr WORD kZmenaHodnoty = 0x7F00;
