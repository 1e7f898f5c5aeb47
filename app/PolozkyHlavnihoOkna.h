#pragma once

#include <cstdint>
#include <span>
#include <vector>

// The main window's menus and toolbar as tables, so that the window builds them and a test can walk them.
// Menu ids are the resource numbers the program's menus have always had; ids above 1000 are popups
// inside another menu that have no number of their own.
namespace PolozkyHlavnihoOkna {

constexpr std::uint32_t kMenuHlavni = 104;      // the menu bar
constexpr std::uint32_t kMenuNapoveda = 105;    // the help drop-down
constexpr std::uint32_t kMenuIkony = 109;       // the tray icon's menu
constexpr std::uint32_t kMenuPredvolby = 119;   // the settings drop-down
constexpr std::uint32_t kMenuKamery = 120;      // the camera list's context menu
constexpr std::uint32_t kMenuNastroje = 182;    // tools
constexpr std::uint32_t kMenuAplikace = 1041;   // "&Aplikace" of the menu bar
constexpr std::uint32_t kMenuKameryLista = 1042;  // "&Kamery" of the menu bar
constexpr std::uint32_t kMenuProcesy = 1821;    // tools as separate processes
// The tray menu's camera submenu: filled with the cameras (ids kPrvniKamera + index) when it opens.
constexpr std::uint32_t kMenuSeznamKamer = 1091;
constexpr std::uint32_t kPrvniKamera = 50000;
constexpr std::uint32_t kMaxKamerVMenu = 50;

struct Polozka {
    std::uint32_t prikaz;   // 0 with no text and no submenu: a separator
    const wchar_t* text;    // the item's label with its mnemonic and key
    std::uint32_t podmenu;  // a submenu's table id, else 0
};

// The items of one menu; empty for an unknown id.
std::span<const Polozka> Menu(std::uint32_t id);

struct Tlacitko {
    std::uint32_t prikaz;    // 0: separator
    int obrazek;             // image in the shared 16 x 16 image list
    std::uint32_t rozbalit;  // the drop-down menu of a split button, else 0
};
std::span<const Tlacitko> Panel();

// The taskbar thumbnail buttons: command and image.
struct TlacitkoNahledu {
    std::uint32_t prikaz;
    int obrazek;
};
std::span<const TlacitkoNahledu> TlacitkaNahledu();

// Every command of every menu, the toolbar and the thumbnail buttons, each once: every one of them has its
// description in the string table under its own number.
std::vector<std::uint32_t> VsechnyPrikazy();

// Commands that are shown but cannot be used yet in this build, because what they open is not there.
bool NedostupnyPrikaz(std::uint32_t prikaz);

}  // namespace PolozkyHlavnihoOkna
