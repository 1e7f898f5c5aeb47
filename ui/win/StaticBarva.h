#pragma once

#include <windows.h>

// A colour picker: a static painted in the colour and a button beside it; the button (or a click on the
// colour) opens the system's colour dialog. A change reaches the parent as kZmenaHodnoty.
class StaticBarva {
public:
    // Messages to the colour static: set the colour (wParam, a COLORREF) as the user would choose it; the colour.
    static constexpr UINT kNastavitBarvu = WM_USER + 1;
    static constexpr UINT kZjistitBarvu = WM_USER + 2;

    StaticBarva() = default;
    ~StaticBarva();
    StaticBarva(const StaticBarva&) = delete;
    StaticBarva& operator=(const StaticBarva&) = delete;

    // The static must have SS_NOTIFY for the click.
    void Pripojit(HWND barva, HWND tlacitko);
    void Nastavit(COLORREF barva);
    COLORREF Barva() const { return barva_; }
    // A click on the button or the static opens the colour dialog: true when it was one.
    bool Prikaz(WPARAM wp, LPARAM lp);

private:
    static LRESULT CALLBACK Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data);
    void Odpojit();
    void Kreslit();
    void Vybrat();
    void Zmenit(COLORREF barva);

    HWND static_ = nullptr;
    HWND tlacitko_ = nullptr;
    COLORREF barva_ = 0;
};
