#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "email/win/DlgZeSablony.h"
#include "ui/RozvrzeniStranky.h"
#include "ui/win/StaticTitulek.h"
#include "ui/win/StrankaNastaveni.h"

// A settings dialog: the tree of pages on the left, the chosen page on the right under its title, OK, "Storno"
// and "Použít". The pages edit a copy; a page whose value is refused cannot be left, and OK and "Použít" take
// every page first and commit only when all of them took their values. The derived dialog commits and saves.
class DlgNastaveni : private Holvent::Email::DlgZeSablony {
public:
    static constexpr UINT kZpravaZmena = 0x8001;  // a page's value changed
    static constexpr int kIdStromu = 1999;
    static constexpr int kIdPouzit = 1998;
    static constexpr int kIdTitulku = 1997;

    // The layout in dialog units, so that it scales with the system's font and DPI: the pages' area has this
    // size unless the dialog asks for another.
    static constexpr short kSirkaStranky = RozvrzeniStranky::kOblastAplikace.sirka,
                           kVyskaStranky = RozvrzeniStranky::kOblastAplikace.vyska;

    DlgNastaveni(std::wstring titulek, std::wstring produkt, short sirkaStranky = kSirkaStranky,
                 short vyskaStranky = kVyskaStranky);
    ~DlgNastaveni() override;

    // A page of the tree, under the page rodic (an index of an earlier page) or at the top.
    int PridatStranku(std::unique_ptr<StrankaNastaveni> stranka, int rodic = -1);
    // Shows the dialog modally; true when anything was committed (OK or "Použít").
    bool Zobrazit(HWND vlastnik);

protected:
    // Every page took its values into the copy: commit it into the record and save it. False keeps the dialog
    // open (the reason was shown).
    virtual bool Potvrdit() = 0;
    // "Použít" committed the values while the dialog stays open: the owner may apply them now. After OK it applies
    // them when Zobrazit has returned.
    virtual void Pouzito() {}
    HWND Okno() const { return okno_; }
    const std::wstring& Produkt() const { return produkt_; }

private:
    struct Polozka {
        std::unique_ptr<StrankaNastaveni> stranka;
        int rodic;
        HANDLE strom = nullptr;  // its item in the tree
    };

    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void Inicializovat();
    void ZobrazitStranku(int stranka);
    void VybratStranku(int stranka);
    void Odmitnout(const StrankaNastaveni::Odmitnuti& o);
    bool PrevzitVse();

    std::wstring titulek_;
    std::wstring produkt_;
    StrankaNastaveni::Oblast oblast_;  // where the pages are
    short sirka_, vyska_;               // of the dialog
    std::vector<Polozka> stranky_;
    StaticTitulek titulekStranky_;
    HWND okno_ = nullptr;
    HWND strom_ = nullptr;
    int stranka_ = -1;
    bool potvrzeno_ = false;
};
