#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/win/PodtridaOkna.h"

// The JPEG quality on a track bar from 1 to 100 with a static beside it that says "Kvalita: 85 %".
// A move by the user is reported to the track bar's parent as WM_COMMAND(MAKEWPARAM(id, kZmenaHodnoty),
// track bar). The parent is subclassed to see the bar's WM_HSCROLL (WM_VSCROLL when vertical), so the
// dialog need not forward it; it still receives the message itself.
class TrackBarKvalitaJpeg {
public:
    static constexpr std::uint32_t kNejmene = 1;
    static constexpr std::uint32_t kNejvice = 100;

    TrackBarKvalitaJpeg() = default;
    ~TrackBarKvalitaJpeg();
    TrackBarKvalitaJpeg(const TrackBarKvalitaJpeg&) = delete;
    TrackBarKvalitaJpeg& operator=(const TrackBarKvalitaJpeg&) = delete;

    // Creates the bar and, at its right end inside r, its value static (ids id and idPopisku), then attaches them.
    void Vytvorit(HWND rodic, int id, int idPopisku, const RECT& r);
    // popisek may be null: then only the bar is driven.
    void Pripojit(HWND trackbar, HWND popisek);
    void Odpojit() noexcept;
    HWND Hwnd() const { return bar_.Okno(); }
    HWND Popisek() const { return popisek_; }

    // Clamped into [1, 100]; no notification.
    void Nastavit(std::uint32_t kvalita);
    std::uint32_t Hodnota() const { return hodnota_; }

    // "Kvalita: 85 %".
    static std::wstring TextHodnoty(std::uint32_t kvalita);

private:
    bool ObsluhaRodice(UINT zprava, WPARAM wp, LPARAM lp);
    void Zobrazit();

    PodtridaOkna bar_;
    PodtridaOkna rodic_;
    HWND popisek_ = nullptr;
    std::uint32_t hodnota_ = 85;
};
