#pragma once

#include <windows.h>

#include <cstdint>

// The main window's menus built from their tables.
namespace MenuHlavnihoOkna {

// The menu with its submenus; a menu bar when lista, else a popup. The caller destroys it.
HMENU Vytvorit(std::uint32_t id, bool lista = false);

// The command of an item by its position (also a submenu's own number); 0 when it has none.
UINT PrikazPolozky(HMENU menu, UINT pozice);

// Refills a camera submenu: one item per camera (ids from 50000), checked while it runs.
void NaplnitKamery(HMENU menu);

}  // namespace MenuHlavnihoOkna
