#pragma once

#include "knihovna/win/Okno.h"

namespace Holvent::DirectShow {
class PrehravaniVidea;
}

// The player's video area, a child window at the origin of the player window's client area. It
// places the picture by the live video window's fit rule (or at its native size at the origin).
// Without a file it shows the player's name in the glowing style. While a picture plays the area
// is hidden and the windowless renderer draws straight on the player window (in the same
// coordinates): under Wine a renderer's picture on a child window, or under one, never reaches
// the screen.
class OknoPrehravacVidea final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"TervikOknoPrehravacVidea";

    void Vytvorit(HWND rodic, const std::wstring& nazev);
    // The engine whose picture this window shows (it outlives the window's use of it).
    void NastavitPrehravani(Holvent::DirectShow::PrehravaniVidea* prehravani) { prehravani_ = prehravani; }
    void NastavitPrizpusobeni(bool prizpusobit);
    bool Prizpusobit() const { return prizpusobit_; }
    // Places the picture for the current client size and repaints.
    void Rozvrhnout();
    // Where the picture is (client coordinates of both windows); empty when none.
    const RECT& Obraz() const { return obraz_; }
    // Paints the area's part of the player window while a picture plays: black around the picture,
    // which the renderer repaints.
    void KreslitOkoliObrazu(HDC dc) const;

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;

private:
    void Kreslit(HDC dc);

    Holvent::DirectShow::PrehravaniVidea* prehravani_ = nullptr;
    std::wstring nazev_;
    bool prizpusobit_ = true;
    RECT obraz_{};  // where the picture is, empty when none
};
