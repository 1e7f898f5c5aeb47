#pragma once

#include <cstddef>
#include <vector>

#include "app/SeznamHorkychKlaves.h"
#include "app/StrankaHorkychKlaves.h"
#include "ui/win/StrankaNastaveni.h"

// The hotkey page of the application settings: the commands of a group, the hotkey control, "Nastavit" and
// "Vymazat". It edits a copy of the hotkey table.
class DlgNastAplKlavesy : public StrankaNastaveni {
public:
    static constexpr int kIdSkupiny = 1990, kIdPrikazu = 1991, kIdKlavesy = 1992, kIdNastavit = 1993,
                         kIdVymazat = 1994, kIdPopisuSkupiny = 1995, kIdPopisuKlavesy = 1996;

    // produkt: the caption of the message that refuses a key already used.
    DlgNastAplKlavesy(SeznamHorkychKlaves& klavesy, std::wstring produkt);
    ~DlgNastAplKlavesy() override;

    std::wstring Nazev() const override { return L"Klávesové zkratky"; }
    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;
    std::optional<Odmitnuti> Prevzit() override { return std::nullopt; }  // a key is taken by "Nastavit"

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;

private:
    void NaplnitPrikazy();
    void ZobrazitKlavesu();
    void NastavitKlavesu(bool vymazat);

    SeznamHorkychKlaves& klavesy_;
    StrankaHorkychKlaves stranka_{klavesy_};
    std::wstring produkt_;
    std::vector<std::size_t> zobrazene_;  // the entries the command list shows
    Oblast oblast_{};
    HWND ovladacKlavesy_ = nullptr;
    HWND tip_ = nullptr;
};
