#pragma once

#include <shobjidl.h>
#include <wrl/client.h>

#include "app/win/ObrazekOblasti.h"
#include "app/win/OknoAplikace.h"
#include "app/win/RegistraceHorkychKlaves.h"
#include "knihovna/win/IkonaOznamovaciOblasti.h"
#include "knihovna/win/ObrazkyNabidky.h"
#include "knihovna/win/PanelNastroju.h"
#include "knihovna/win/StavovyRadek.h"
#include "knihovna/win/UnikatniHandle.h"
#include "net/win/PrijemDalkovehoOvladani.h"

class TervikOkno;

// The window of the full application: the camera list with its menus, toolbar, status bar, the tray
// icon, the global hotkeys and the taskbar thumbnail buttons. Its destruction ends the message loop.
class OknoHlavni final : public OknoAplikace {
public:
    OknoHlavni() : OknoAplikace(COLOR_BTNFACE) {}
    static constexpr const wchar_t* kTrida = L"RTervik4";
    static constexpr int kIdSeznamuKamer = 1048;
    static constexpr UINT kZpravaKlavesa = 0x8006;       // a key of the camera list, wParam = virtual key
    static constexpr UINT kZpravaIkony = 0x87D1;         // the tray icon's callback
    static constexpr UINT kIdIkony = 1;

    void Vytvorit();
    // Fills the camera list box from the camera list and selects the item (the first when out of range).
    void ObnovitSeznamKamer(int vyber);
    // Around the application settings dialog: the hotkeys are released before it opens; after it closed
    // they are read again from the registry and registered, the process priority is applied and the tray
    // icon follows "oznamovaciIkona".
    void PredNastavenimAplikace();
    void PoNastaveniAplikace();
    // The tray icon, for the balloons of other parts; null when there is none.
    Knihovna::WinApi::IkonaOznamovaciOblasti* Ikona() { return ikona_.Existuje() ? &ikona_ : nullptr; }
    // The remote-control receiver (started by the after-start steps).
    PrijemDalkovehoOvladani& Prijem() { return prijem_; }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void NeosetrenaChyba(const Knihovna::Chyba& chyba) override;

private:
    void VytvoritOvladace();
    void RozmistitOvladace();
    // The commands; false for a command this window does not know.
    bool ProvestPrikaz(UINT prikaz);
    // A key forwarded from the camera list; true when it did something.
    bool ZpracovatKlavesu(UINT vk);
    int VybranaKamera() const;
    void KreslitKameru(const DRAWITEMSTRUCT& polozka);
    // Starts the camera in its window, or closes the running one.
    void PrepnoutKameru(int index);
    // The default camera's window when it runs with its video on, else null.
    TervikOkno* BeziciVychoziKamera() const;

    // Menu item states, the toolbar and the status bar after a change.
    void ObnovitPrikazy();
    void NastavitStavPolozek(HMENU menu);
    bool PrikazPovolen(UINT prikaz) const;
    void ZobrazitMenu(UINT idMenu, POINT bod);
    void PopisPrikazu(UINT prikaz);
    // The bottom left corner of a toolbar button in screen coordinates (the cursor when there is none).
    POINT BodPodTlacitkem(UINT prikaz) const;

    // Tray icon and hiding.
    bool SkrytyRezim() const;
    void VytvoritIkonu();
    // The tray icon's picture: the application's when no camera runs, "a camera running" while one does.
    HICON IkonaOblasti();
    void OdebratIkonu();
    void Minimalizovat();
    void ZobrazitOkno();
    void PrikazIkony(LPARAM udalost);

    // The closing order; konecRelace when Windows ends the session (no question, nothing refused).
    void Zavrit(bool konecRelace);
    void PridatTlacitkaNahledu();

    // Tools: false when the command is not a tool's.
    bool PrikazNastroje(UINT prikaz);
    bool NastrojBezi(UINT prikaz) const;
    void SpustitProces(const wchar_t* prepinac);
    void RegistrovatKlavesy();
    void OdregistrovatKlavesy();

    static LRESULT CALLBACK ProceduraSeznamu(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR id,
                                             DWORD_PTR data);

    HWND seznamKamer_ = nullptr;
    HFONT pismo_ = nullptr;
    HFONT tucnePismo_ = nullptr;  // the default camera's item
    Knihovna::WinApi::PanelNastroju panel_;
    Knihovna::WinApi::StavovyRadek stav_;
    Knihovna::WinApi::IkonaOznamovaciOblasti ikona_;
    ObrazekOblasti obrazekOblasti_;
    Knihovna::WinApi::ObrazkyNabidky obrazkyNabidky_;  // the menus' pictures, lent to the menus while it lives
    HICON ikonaVOblasti_ = nullptr;               // what the tray icon shows now
    RegistraceHorkychKlaves klavesy_;  // after the icon: its warnings may use it until the end
    Microsoft::WRL::ComPtr<ITaskbarList3> panelUloh_;
    UINT zpravaTlacitkaUlohy_ = 0;
    UINT zpravaRestartuShellu_ = 0;
    bool zavira_ = false;
    bool otevrenDialog_ = false;  // one of the modal dialogs (accounts, places, about) is open
    int prikazyNaZasobniku_ = 0;  // commands running (one may wait in a dialog or a question)
    bool odmitaZavreni_ = false;  // a refusal to close is being shown
    PrijemDalkovehoOvladani prijem_;
};
