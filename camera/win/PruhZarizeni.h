#pragma once

#include <windows.h>

#include <optional>

#include "video/InfoZarizeni.h"
#include "video/win/ComboBoxZarizeni.h"

// The device bar of a camera window: a strip across the window with the video device box. Whether
// it is on is its own WS_VISIBLE style, so a hidden camera window does not make it count as off.
class PruhZarizeni {
public:
    static constexpr int kVyska = 30;

    explicit PruhZarizeni(const SeznamZarizeni& zarizeni) : combo_(zarizeni) {}

    // Creates the bar (hidden) and the box with the id idCombo, a child of the window, whose
    // notifications it gets; the box selects the stored device.
    void Vytvorit(HWND okno, HINSTANCE instance, UINT idCombo, const InfoZarizeni& vybrane);
    void Zobrazit(bool zobrazit);
    bool Zapnuty() const;
    // Lays the bar out from the top edge across the width; the height it takes (0 when off).
    int Rozmistit(int horni, int sirka);
    // Fills the box again with the device that is selected.
    void Naplnit(const InfoZarizeni& vybrane) { combo_.Naplnit(vybrane); }
    // The device chosen in the box; nullopt without a choice.
    std::optional<InfoZarizeni> Vybrane() const { return combo_.Precist(); }

private:
    HWND pruh_ = nullptr;
    ComboBoxZarizeniVideo combo_;
};
