#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

#include "email/win/DlgZeSablony.h"

namespace Holvent::Email {

class SablonaDialogu;

// Edits one record in a column of labelled text fields, one of them a password masked
// until "Zobrazit heslo" is ticked; OK copies the fields into the record, Storno leaves
// it as it was. The derived dialog describes the fields and adds the record's other controls.
template <class Zaznam>
class DlgUpravyZaznamu : private DlgZeSablony {
public:
    // Modal; true on OK, when the record holds the fields as entered.
    bool Zobrazit(HWND vlastnik);

    // A text field of the record: its control, label and row.
    struct Pole {
        int id;
        const wchar_t* popisek;
        const wchar_t* napoveda;  // cue text of the empty field, or null
        std::wstring Zaznam::*hodnota;
        short y;
        bool heslo;
    };
    // The fixed parts of the dialog.
    struct Popis {
        // The caption, with %s for the record's key field.
        const wchar_t* nadpis;
        std::wstring Zaznam::*klic;
        const wchar_t* chybaZobrazeni;
        const Pole* pole;
        std::size_t pocetPoli;
        int idHesla;
        int idZobrazitHeslo;
        short yZobrazitHeslo;
        // Why the record as entered cannot be kept, or empty: OK then says so and the
        // dialog stays open.
        std::wstring (*problem)(const Zaznam& zaznam);
        // Dialog units the dialog is taller than the usual, for the derived dialog's own rows.
        short vyskaNavic = 0;
    };

protected:
    // titulek: the caption of the dialog's message boxes (the product name); empty takes
    // the dialog's own caption.
    DlgUpravyZaznamu(const Popis& popis, Zaznam zaznam, std::wstring titulek)
        : zaznam_(std::move(zaznam)), popis_(popis), titulek_(std::move(titulek)) {}

    // The record's controls that are not text fields: added after "Zobrazit heslo",
    // filled at the start and read back on OK.
    virtual void PridatOvladace(SablonaDialogu&) const {}
    virtual void VyplnitOstatni(HWND) const {}
    virtual void PrecistOstatni(HWND) {}

    Zaznam zaznam_;

private:
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    bool Prevzit(HWND okno);

    const Popis& popis_;
    std::wstring titulek_;
};

// Cue text of an edit box and its masking, shared by the e-mail and FTP dialogs.
void NastavitNapovedu(HWND dialog, int id, const wchar_t* napoveda);
void MaskovatHeslo(HWND dialog, int id, bool maskovat);

}  // namespace Holvent::Email
