#pragma once

#include <array>
#include <cstdint>

#include "resources/IdZdroju.h"

// The commands of the main window's menus, toolbar and thumbnail toolbar, in display order
// (kOddelovac is a separator). Every command listed here has its description in the string table
// under the same id (status bar and tooltips).
namespace PrikazyHlavnihoOkna {

using namespace IdZdroju;

constexpr std::uint32_t kOddelovac = 0;

// Menu numbers (the menu bar is IdZdroju::kMenuHlavni, 104).
constexpr std::uint32_t kMenuNapoveda = 105;
constexpr std::uint32_t kMenuOznamovaciOblast = 109;
constexpr std::uint32_t kMenuPredvolby = 119;
constexpr std::uint32_t kMenuKamera = 120;
constexpr std::uint32_t kMenuNastroje = 182;

// 104, the menu bar: "&Aplikace" and "&Kamery".
constexpr std::array<std::uint32_t, 2> kHlavniAplikace{kPrikazSkrytOkno, kPrikazKonec};
constexpr std::array<std::uint32_t, 10> kHlavniKamery{
    kPrikazPrepnoutKameru, kPrikazKameraVProcesu,  kOddelovac, kPrikazNovaKamera, kPrikazOdebratKameru,
    kPrikazPrejmenovatKameru, kOddelovac, kPrikazVychoziKamera, kOddelovac, kPrikazVychoziSeznamKamer};
// 105, the help drop-down.
constexpr std::array<std::uint32_t, 5> kNapoveda{kPrikazWeboveStranky, kPrikazTechnickaPodpora, kPrikazAktualizace,
                                                 kOddelovac, kPrikazOAplikaci};
// 109, the tray menu: 40018 opens the cameras (items 50000 + index), 40103 the tools (182).
constexpr std::array<std::uint32_t, 9> kOznamovaciOblast{kPrikazZobrazitOkno, kPrikazKamery, kPrikazNastroje,
                                                         kOddelovac, kPrikazPredvolby, kOddelovac, kPrikazNapoveda,
                                                         kOddelovac, kPrikazKonec};
// 119, the settings drop-down.
constexpr std::array<std::uint32_t, 4> kPredvolby{kPrikazPredvolby, kOddelovac, kPrikazFtpMista, kPrikazEmailoveUcty};
// 120, the camera list's context menu.
constexpr std::array<std::uint32_t, 10> kKamera = kHlavniKamery;
// 182, the tools, then the submenu "&Spustit jako samostaný proces".
constexpr std::array<std::uint32_t, 6> kNastroje{kPrikazSitovyOvladac, kPrikazPrijemDalkovehoOvladani,
                                                 kPrikazPrehravacVidea, kPrikazEditorObrazku, kPrikazProhlizecFtp,
                                                 kPrikazEditorPrx};
constexpr std::array<std::uint32_t, 4> kNastrojeProcesy{kPrikazEditorObrazkuProces, kPrikazPrehravacVideaProces,
                                                        kPrikazProhlizecFtpProces, kPrikazSitovyOvladacProces};
constexpr const wchar_t* kTextNastrojeProcesy = L"&Spustit jako samostaný proces";

// The toolbar; three buttons drop a menu down.
constexpr std::array<std::uint32_t, 10> kPanelNastroju{
    kPrikazPrepnoutKameru, kOddelovac, kPrikazNovaKamera, kPrikazOdebratKameru, kPrikazPrejmenovatKameru,
    kOddelovac, kPrikazPredvolby, kPrikazNastroje, kOddelovac, kPrikazOAplikaci};
struct RozbalovaciTlacitko {
    std::uint32_t prikaz;
    std::uint32_t menu;
};
constexpr std::array<RozbalovaciTlacitko, 3> kRozbalovaciTlacitka{
    {{kPrikazPredvolby, kMenuPredvolby}, {kPrikazOAplikaci, kMenuNapoveda}, {kPrikazNastroje, kMenuNastroje}}};

// The taskbar thumbnail toolbar with the image of each button in the shared image list.
struct TlacitkoNahledu {
    std::uint32_t prikaz;
    int obrazek;
};
constexpr std::array<TlacitkoNahledu, 3> kTlacitkaNahledu{
    {{kPrikazPrepnoutKameru, 10}, {kPrikazPredvolby, 1}, {kPrikazKonec, 0}}};

// Commands the window carries out that no menu shows: hotkeys and the remote control reach them.
constexpr std::array<std::uint32_t, 10> kBezMenu{
    kPrikazZapnoutKameru,           kPrikazVypnoutKameru,           kPrikazVychoziKameraSnimekNaDisk,
    kPrikazVychoziKameraSnimekEmailem, kPrikazVychoziKameraSnimekNaFtp, kPrikazVychoziKameraZaznamStart,
    kPrikazVychoziKameraZaznamStop, kPrikazVychoziKameraAutoDisk,   kPrikazVychoziKameraAutoEmail,
    kPrikazVychoziKameraAutoFtp};

}  // namespace PrikazyHlavnihoOkna
