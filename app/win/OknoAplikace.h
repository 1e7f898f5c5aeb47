#pragma once

#include "knihovna/win/Okno.h"

// A top-level window of the program: the application's icons on its class, its placement kept
// under "Parametry oken" and saved when it is closed.
class OknoAplikace : public Knihovna::WinApi::Okno {
protected:
    explicit OknoAplikace(int barvaPozadi) : barvaPozadi_(barvaPozadi) {}

    void PripravitTridu(WNDCLASSEXW& trida) override;
    // WM_CLOSE: saves the placement (a failure is reported) and destroys the window.
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    // Restores the stored placement, or centres the window when there is none.
    void ObnovitUmisteni();

private:
    int barvaPozadi_;  // system colour index of the background
};
