#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/win/Okno.h"

// The small window with the live picture shown while the mouse points at a camera's notification
// icon. It never takes the focus nor the mouse; the camera hands it frames (24-bit DIBs) to draw.
class NahledIkony final : public Knihovna::WinApi::Okno {
public:
    static constexpr const wchar_t* kTrida = L"Tervik4NahledIkony";
    static constexpr int kSirka = 176;

    // Shows the window near the screen point (above and left of it, kept on the monitor's work area).
    void Zobrazit(HWND vlastnik, POINT bod, const std::wstring& popis);
    void Skryt();
    bool Viditelny() const { return Hwnd() && ::IsWindowVisible(Hwnd()); }
    // The frame to draw from now on; a frame that is not a 24-bit DIB of exactly that data is ignored.
    void NastavitSnimek(const BITMAPINFOHEADER& hlavicka, const std::vector<std::uint8_t>& data);
    bool MaSnimek() const { return !data_.empty(); }

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override;
    void PripravitTridu(WNDCLASSEXW& trida) override;
    std::wstring JmenoUmisteni() const override { return {}; }

private:
    void Kreslit(HDC dc) const;
    int VyskaObrazu() const;

    BITMAPINFOHEADER hlavicka_{};
    std::vector<std::uint8_t> data_;
    std::wstring popis_;
};
