#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "knihovna/Chyba.h"
#include "knihovna/Obdelnik.h"
#include "knihovna/Registr.h"

namespace Knihovna::WinApi {

// The base of the program's own windows: one virtual message handler, safe self-deletion
// after the last message, and the window placement kept in the registry.
class Okno {
public:
    Okno() = default;
    virtual ~Okno();
    Okno(const Okno&) = delete;
    Okno& operator=(const Okno&) = delete;

    HWND Hwnd() const { return hwnd_; }
    // True while one of this window's messages is being handled; seen from another window of the thread
    // it means the handler waits in a nested message loop (a dialog, a message box, a menu).
    bool ZpracovavaZpravu() const { return hloubka_ > 0; }

    // Registers the class (once per process; PripravitTridu fills it) and creates the window.
    // Raises the last Win32 error when either fails.
    HWND Vytvorit(const std::wstring& trida, const std::wstring& titulek, DWORD styl, DWORD rozsirenyStyl = 0,
                  int x = CW_USEDEFAULT, int y = CW_USEDEFAULT, int sirka = CW_USEDEFAULT, int vyska = CW_USEDEFAULT,
                  HWND rodic = nullptr, HMENU menu = nullptr);
    // DestroyWindow; a failure raises.
    void Znicit();

    // Placement under koren\"Parametry oken"\<name>: applied when both values exist, then the
    // window is pulled fully onto the nearest monitor's work area. True when a placement was applied.
    bool NacistUmisteni(Registr& registr, const std::wstring& koren, bool jenPoloha = false);
    // Saved only for a visible window that is not minimised and not at negative coordinates on both axes.
    void UlozitUmisteni(Registr& registr, const std::wstring& koren);
    // The subkey name of the placement: the class name by default.
    virtual std::wstring JmenoUmisteni() const;
    // Centres the window on its owner, else on the monitor's work area.
    void Vycentrovat();
    // The window's restored (not minimised, not maximised) rectangle in screen coordinates, as MoveWindow takes it.
    Obdelnik NormalniObdelnik() const;

    // The window object of a handle created by this class (nullptr for foreign windows).
    static Okno* ZHandle(HWND hwnd);

protected:
    virtual LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp);
    // Adjusts the class before its registration (icon, cursor, background, style).
    virtual void PripravitTridu(WNDCLASSEXW& trida);
    // Runs when the outermost message after WM_NCDESTROY has unwound; the object may delete itself here.
    virtual void PoPosledniZprave() {}
    // An exception that reached the window procedure; the default beeps and writes it to the debugger.
    virtual void NeosetrenaChyba(const Chyba& chyba);

private:
    static LRESULT CALLBACK Procedura(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp);

    HWND hwnd_ = nullptr;
    int hloubka_ = 0;
    bool zniceno_ = false;
};

// The first window of this thread owned by vlastnik for which podminka holds (an open dialog of a window), or null.
HWND NajitVlastneneOkno(HWND vlastnik, const std::function<bool(HWND)>& podminka);

}  // namespace Knihovna::WinApi
