#pragma once

#include <memory>
#include <string>
#include <vector>

#include "ui/KopieHodnot.h"
#include "ui/ModelStranky.h"
#include "ui/win/EditCesta.h"
#include "ui/win/EditCislo.h"
#include "ui/win/StaticBarva.h"
#include "ui/win/StaticPismo.h"
#include "ui/win/StrankaNastaveni.h"
#include "ui/win/TrackBarKvalitaJpeg.h"

// A settings page laid out from its table: one row of controls per value, in table order, each editing its
// value in the dialog's copy; rows that do not fit the page's height flow into a second column. The value i has
// the ids prvniId + 4 i (its label), + 1 (its control), + 2 (the browse button, the colour or font button, the
// text that explains the number, the JPEG quality's value) and + 3 (its heading). An image is chosen from a list of
// the program's images. A font is set by WM_COPYDATA to the dialog too (dwData = the control's id, a LOGFONTW), as
// the user would choose it. A password is masked while its check box is off; a switch that is always on is greyed.
class DlgNastStrankaTabulky : public StrankaNastaveni {
public:
    static constexpr int kIdNaHodnotu = 4;

    // obsazeneKlavesy: the access keys the dialog and the page's own controls already use.
    DlgNastStrankaTabulky(const ModelStranky::Stranka& stranka, KopieHodnot& kopie, int prvniId,
                          std::wstring obsazeneKlavesy = L"p");
    ~DlgNastStrankaTabulky() override;

    std::wstring Nazev() const override { return stranka_.nazev; }
    void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) override;
    std::optional<Odmitnuti> Prevzit() override;
    // The id of a value's control; -1 when the page does not show it.
    int IdOvladace(const ModelStranky::Hodnota& h) const;

protected:
    void Naplnit() override;
    bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) override;
    bool Zprava(UINT zprava, WPARAM wp, LPARAM lp, INT_PTR& vysledek) override;
    // Where the page's own controls may go below the values (dialog units).
    short VolneY() const { return volneY_; }
    // How much of the page's foot the derived page keeps for its own controls.
    virtual short RezervaDole() const { return 0; }
    KopieHodnot& Kopie() { return kopie_; }
    // The texts a VyberTextu value offers (the page fills them; none by default).
    virtual std::vector<std::wstring> MoznostiTextu(const ModelStranky::Hodnota&) { return {}; }
    // The browse button of a TextSVyberem value: true when the user chose a new text into text.
    virtual bool VybratText(const ModelStranky::Hodnota&, std::wstring&) { return false; }
    // Fills the VyberTextu lists again (their offers changed), keeping what each shows.
    void ObnovitMoznostiTextu();
    // The control of the page's value by its name; null when the page has none.
    HWND PrvekHodnoty(const wchar_t* jmeno) const;

private:
    struct Radek {
        const ModelStranky::Hodnota* hodnota;
        int id;  // of the control
        std::unique_ptr<EditCislo> cislo;
        std::unique_ptr<EditCesta> cesta;
        std::unique_ptr<StaticBarva> barva;
        std::unique_ptr<StaticPismo> pismo;
        std::unique_ptr<TrackBarKvalitaJpeg> kvalita;
    };

    std::optional<std::wstring> PrevzitRadek(Radek& p);
    void NaplnitVyberTextu(const Radek& p, const std::wstring& vybrany);
    void MaskovatHesla();
    void ZobrazitVysvetlivku(const Radek& p);

    const ModelStranky::Stranka& stranka_;
    KopieHodnot& kopie_;
    int prvniId_;
    std::wstring obsazeneKlavesy_;
    std::vector<Radek> radky_;
    short volneY_ = 0;
};
