#pragma once

#include <windows.h>

// The notification code an own control of the settings dialogs sends to its parent as
// WM_COMMAND(MAKEWPARAM(id, kZmenaHodnoty), control) when the user changed its value.
inline constexpr WORD kZmenaHodnoty = 0x7F00;

// Tells the control's parent that the user changed the control's value.
inline void OznamitZmenuHodnoty(HWND prvek) {
    ::SendMessageW(::GetParent(prvek), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(prvek), kZmenaHodnoty),
                   reinterpret_cast<LPARAM>(prvek));
}
