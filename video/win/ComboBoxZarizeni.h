#pragma once

#include <windows.h>

#include <optional>

#include "video/InfoZarizeni.h"

// A combo box of capture devices over an application-wide device list: each item's text is the
// friendly name, its data the index in the list.
class ComboBoxZarizeni {
public:
    ComboBoxZarizeni(const SeznamZarizeni& zarizeni, DruhZarizeni druh) : zarizeni_(zarizeni), druh_(druh) {}
    virtual ~ComboBoxZarizeni() = default;

    // The combo box (CBS_DROPDOWNLIST) this object fills and reads.
    void Pripojit(HWND combo) { combo_ = combo; }
    HWND Hwnd() const { return combo_; }

    // Clears and fills the box and selects the item of the stored record (see IndexVyberuZarizeni).
    void Naplnit(const InfoZarizeni& vybrane);
    // The selected device; nullopt when nothing is selected or the item's data is out of range.
    std::optional<InfoZarizeni> Precist() const;

private:
    const SeznamZarizeni& zarizeni_;
    DruhZarizeni druh_;
    HWND combo_ = nullptr;
};

// The video device box: a stored record is found by its device path.
class ComboBoxZarizeniVideo final : public ComboBoxZarizeni {
public:
    explicit ComboBoxZarizeniVideo(const SeznamZarizeni& zarizeni) : ComboBoxZarizeni(zarizeni, DruhZarizeni::Video) {}
};

// The audio device box: a stored record is found by its friendly name.
class ComboBoxZarizeniZvuk final : public ComboBoxZarizeni {
public:
    explicit ComboBoxZarizeniZvuk(const SeznamZarizeni& zarizeni) : ComboBoxZarizeni(zarizeni, DruhZarizeni::Zvuk) {}
};
