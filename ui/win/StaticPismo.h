#pragma once

#include <windows.h>

#include <string>

#include "camera/PopisPisma.h"
#include "ui/win/ObjektGdiPrvku.h"
#include "ui/win/PodtridaOkna.h"

// A font picker on an existing static or push button of a dialog: the control shows the font's
// description ("Tahoma, 10 pt, tučné"), in that font or in its own; a click (on a button also Space
// or Enter) opens the system font dialog, and a confirmed choice is kept and reported to the parent
// as WM_COMMAND(MAKEWPARAM(id, kZmenaHodnoty), control). A button also sends its BN_CLICKED, which
// the dialog ignores.
class StaticPismo {
public:
    StaticPismo() = default;
    ~StaticPismo();
    StaticPismo(const StaticPismo&) = delete;
    StaticPismo& operator=(const StaticPismo&) = delete;

    // vTomtoPisme: the description is drawn in the font itself (its height limited to the control's).
    void Pripojit(HWND prvek, bool vTomtoPisme = true);
    // Gives the control its own font back and lets it go; the destructor does the same.
    void Odpojit() noexcept;
    // colour: the font dialog offers the text colour and the effects (underline, strike-out).
    void NabizetBarvu(bool nabizet) { barva_ = nabizet; }

    // No notification.
    void Nastavit(const LOGFONTW& pismo);
    void Nastavit(const PopisPisma& popis);
    void NastavitBarvu(COLORREF barva) { barvaTextu_ = barva; }
    const LOGFONTW& Pismo() const { return pismo_; }
    PopisPisma Popis() const;
    COLORREF Barva() const { return barvaTextu_; }
    HWND Prvek() const { return podtrida_.Okno(); }
    // The description the control shows for the font.
    std::wstring Text() const;

    // Opens the font dialog as a click does; true when the user confirmed it.
    bool Vybrat();

private:
    bool Obsluha(UINT zprava, WPARAM wp, LPARAM lp, LRESULT& vysledek);
    void Zobrazit();

    PodtridaOkna podtrida_;
    LOGFONTW pismo_{};
    COLORREF barvaTextu_ = 0;
    ObjektGdiPrvku<HFONT> zobrazene_;  // the control's font while it shows the font itself
    HFONT puvodni_ = nullptr;          // the control's own font, given back on Odpojit
    bool vTomtoPisme_ = true;
    bool tlacitko_ = false;
    bool barva_ = false;
    bool stisknuto_ = false;
    bool vyber_ = false;  // the font dialog is open
};
