#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "app/win/KontrolaAktualizaci.h"
#include "knihovna/win/IkonaOznamovaciOblasti.h"

class DlgAktualizaceAplikace;

// The update check of the full application: the user's check (command "Vyhledat aktualizace") with its progress
// balloon, its result dialog or failure message; the silent check some time after start-up; and what closing the
// main window does while one of them runs. Owned by the application object; the main window routes its command,
// timer, result message and close to it.
class AktualizaceAplikace {
public:
    // The main window's timer of the silent check after start-up.
    static constexpr UINT_PTR kCasovac = 0x8032;
    static constexpr UINT kZpozdeniTicheMs = 30000;
    // The progress icon in the notification area (beside the main window's own).
    static constexpr UINT kIdIkony = 99;

    AktualizaceAplikace();
    ~AktualizaceAplikace();
    AktualizaceAplikace(const AktualizaceAplikace&) = delete;
    AktualizaceAplikace& operator=(const AktualizaceAplikace&) = delete;

    // After the after-start steps: schedules the silent check when "hledatPoSpusteni" asks for it.
    void PoSpusteni(HWND okno);
    // A timer of the main window; true when it was this one's.
    bool Casovac(HWND okno, UINT_PTR id);
    // The user's check; while one runs, only a beep (a silent one becomes the user's).
    void Spustit(HWND okno);
    // The worker's result (lParam of kZpravaVysledekAktualizace), taken over here.
    void Vysledek(LPARAM vysledek);
    // The main window is to close: refused (false) while the result dialog or message is shown, asked while the
    // user's check runs; a check that is left is abandoned. konecRelace: nothing refused or asked.
    bool PovolitZavreni(bool konecRelace);
    // Shutdown: abandons a running check and removes the progress icon.
    void Ukoncit();

private:
    void Zpracovat(std::unique_ptr<KontrolaAktualizaci::Vysledek> vysledek);
    void ZpracovatTichou(const KontrolaAktualizaci::Vysledek& vysledek);
    void ZobrazitPrubeh(HWND okno);
    void Opustit();
    std::wstring VlastniVerze() const;

    KontrolaAktualizaci kontrola_;
    Knihovna::WinApi::IkonaOznamovaciOblasti ikona_;
    DlgAktualizaceAplikace* dialog_ = nullptr;  // the open result dialog
    bool uzivatelska_ = false;                  // the running check is the user's (else silent)
    bool hlasi_ = false;                        // the result dialog or the failure message is shown
    bool ptaSe_ = false;                        // the closing question is shown
    std::unique_ptr<KontrolaAktualizaci::Vysledek> odlozeny_;  // a result that came during the question
};
