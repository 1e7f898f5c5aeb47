#pragma once

#include "video/InfoZarizeni.h"
#include "video/win/ComboBoxZarizeni.h"
#include "ui/win/StrankaNastaveni.h"

// The devices page of a camera: the video device with its device path and description, and the audio device
// for recordings. It edits the dialog's copies of the two device records.
class DlgNastKamZarizeni : public StrankaNastaveni {
public:
    static constexpr int kIdVidea = 1900, kIdCesty = 1901, kIdPopisu = 1902, kIdZvuku = 1903;

    DlgNastKamZarizeni(const SeznamZarizeni& video, const SeznamZarizeni& zvuk, InfoZarizeni& zarizeniVideo,
                       InfoZarizeni& zarizeniZvuk);

    std::wstring Nazev() const override { return L"Zařízení"; }
    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;
    std::optional<Odmitnuti> Prevzit() override;

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;

private:
    void ZobrazitPopis();

    ComboBoxZarizeniVideo video_;
    ComboBoxZarizeniZvuk zvuk_;
    InfoZarizeni& zarizeniVideo_;
    InfoZarizeni& zarizeniZvuk_;
};
