#pragma once

#include "app/win/OknoAplikace.h"

// The window of the full application: the camera list box, for now without menus, toolbar
// and tray icon. Its destruction ends the message loop.
class OknoHlavni final : public OknoAplikace {
public:
    OknoHlavni() : OknoAplikace(COLOR_BTNFACE) {}
    static constexpr const wchar_t* kTrida = L"RTervik4";
    static constexpr int kIdSeznamuKamer = 1048;

    void Vytvorit();
    // Fills the camera list box from the camera list and selects the item (the first when out of range).
    void ObnovitSeznamKamer(int vyber);

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void NeosetrenaChyba(const Knihovna::Chyba& chyba) override;

private:
    void RozmistitOvladace(int sirka, int vyska);
    // The camera list commands; false for a command this window does not know.
    bool ProvestPrikaz(UINT prikaz);
    int VybranaKamera() const;
    void KreslitKameru(const DRAWITEMSTRUCT& polozka);
    // Double click or Enter on a camera: starts it in its window, or closes the running one.
    void PrepnoutKameru(int index);

    HWND seznamKamer_ = nullptr;
    HFONT pismo_ = nullptr;
    HFONT tucnePismo_ = nullptr;  // the default camera's item
};
