#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The main window's decisions that do not need a window: which command a key or a default-camera
// command becomes, the tray icon's tooltip, and when the tray icon exists.
namespace PravidlaHlavnihoOkna {

// 40117 to 40124 become the default camera's own command (40046 save snapshot, 40053 e-mail,
// 40052 FTP, 40055/40056 recording on/off, 40039/40041/40040 automatic disk/e-mail/FTP); 0 otherwise.
std::uint32_t PrikazVychoziKamery(std::uint32_t prikaz);

// A key pressed in the camera list (forwarded to the main window as 0x8006): Enter or F5 toggle the
// selected camera (40011), Ctrl+Insert adds one (40012), Delete removes (40013), F2 renames (40014),
// F4 opens the application settings (40002); 0 for every other key.
std::uint32_t PrikazKlavesy(std::uint32_t virtualniKlavesa, bool ctrl);

// The main window's tray tooltip: "** product **", user, computer, IP address.
std::wstring TipIkony(const std::wstring& produkt, const std::wstring& uzivatel, const std::wstring& pocitac,
                      const std::wstring& ip);

// Hidden mode shows no tray icon: message mode 2, or "skrytyRezim" with a key that brings the window back.
bool SkrytyRezim(bool skryteZpravy, bool skrytyRezimNastaven, bool klavesaZobrazitOkno);

// "oznamovaciIkona": 2 always, 1 only when minimised, 0 never.
bool IkonaPriVytvoreni(std::uint32_t oznamovaciIkona, bool skrytyRezim);
bool IkonaPriMinimalizaci(std::uint32_t oznamovaciIkona, bool skrytyRezim);
// Whether minimising hides the window. Without any icon a hidden window could only come back through a
// hotkey that by default is not assigned: with 0, or when the icon could not be added (no shell yet), the
// window stays minimised on the taskbar.
bool SkrytPriMinimalizaci(std::uint32_t oznamovaciIkona, bool skrytyRezim, bool ikonaExistuje);
// After "TaskbarCreated" (a shell that started or restarted): whether the window should have its icon.
// 2 always, 1 while the window is hidden or minimised; never in hidden mode.
bool IkonaPoStartuShellu(std::uint32_t oznamovaciIkona, bool skrytyRezim, bool oknoSkryteNeboMinimalizovane);

enum class ZmenaIkony { Ponechat, Vytvorit, Odebrat };
// After the settings dialog: 2 creates a missing icon; 0 removes it while the window is visible (a hidden
// window keeps its way back); 1 creates it while the window is hidden and removes it while visible.
ZmenaIkony IkonaPoNastaveni(std::uint32_t oznamovaciIkona, bool skrytyRezim, bool oknoViditelne, bool ikonaExistuje);

// What the tray icon shows: an error of any camera before a recent motion before a running camera before none.
enum class StavOblasti { Necinna, Bezi, Pohyb, Chyba };
struct StavKameryOblasti {
    bool bezi = false;
    bool chyba = false;                // its device is lost, or a delivery road stopped after a failure
    bool pohyb = false;                // it has reported motion, at posledniPohyb (a tick in ms)
    std::uint32_t posledniPohyb = 0;
};
// How long the icon shows motion after the last report, ms.
inline constexpr std::uint32_t kDobaPohybuVOblasti = 10000;
struct VysledekOblasti {
    StavOblasti stav = StavOblasti::Necinna;
    std::uint32_t obnovitZa = 0;  // ms until a motion shown now ends (then the state is asked again); 0 none
};
// nyni is the same tick as posledniPohyb (it may have wrapped round since).
VysledekOblasti UrcitStavOblasti(const std::vector<StavKameryOblasti>& kamery, std::uint32_t nyni);

}  // namespace PravidlaHlavnihoOkna
