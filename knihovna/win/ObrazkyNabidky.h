#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <vector>

#include "knihovna/win/UnikatniHandle.h"

namespace Knihovna::WinApi {

// Pictures beside menu commands, as themed menus draw them (32-bit bitmaps with premultiplied alpha in
// MENUITEMINFO::hbmpItem), from an image list by a command → image table. A window routes WM_INITMENUPOPUP here, so
// its menu bar, context menus and the tray menu all get them when they open. The bitmaps live as long as this object
// (the window's): menus only borrow them.
class ObrazkyNabidky {
public:
    using Vyber = int (*)(unsigned prikaz);  // the image of a command, -1 for none

    // Whether menus get pictures: the setting is on, Windows Vista or later (version code 0x0600) and themes are active
    // (classic menus draw such bitmaps badly).
    static bool Povolit(bool nastaveni, std::uint32_t verzeWindows);

    // WM_INITMENUPOPUP: every item of menu whose command has a picture gets it at the given size (from obrazky, a
    // list of that size); with zapnuto false the pictures this object gave are taken away again.
    void Pripravit(HMENU menu, bool zapnuto, HIMAGELIST obrazky, int velikost, Vyber vyber);

    // The bitmap of an image at a size (made once), null when the list has no such image.
    HBITMAP Bitmapa(HIMAGELIST obrazky, int index, int velikost);

private:
    bool Nase(HBITMAP b) const;

    std::map<std::pair<int, int>, UnikatniBitmapa> bitmapy_;  // by (size, image)
};

// An image of a list as a 32-bit top-down DIB section with premultiplied alpha (an image without alpha takes its
// transparency from the list's mask). Null on failure.
HBITMAP BitmapaSAlfou(HIMAGELIST obrazky, int index, int velikost);

}  // namespace Knihovna::WinApi
