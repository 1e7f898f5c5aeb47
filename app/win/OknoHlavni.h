#pragma once

#include "knihovna/win/Okno.h"

// The window of the full application: the camera list box, for now without menus, toolbar
// and tray icon. Its destruction ends the message loop.
class OknoHlavni final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"RTervik4";
    static constexpr int kIdSeznamuKamer = 1048;

    void Vytvorit();

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;
    void NeosetrenaChyba(const Knihovna::Chyba& chyba) override;

private:
    void RozmistitOvladace(int sirka, int vyska);

    HWND seznamKamer_ = nullptr;
    HFONT pismo_ = nullptr;
};
