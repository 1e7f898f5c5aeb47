#pragma once

#include <windows.h>

#include <string>

#include "email/UlozisteZaznamu.h"
#include "email/win/DlgZeSablony.h"

namespace Holvent::Email {

class SablonaDialogu;

// The list of a store's records by their keys with the details of the selected one; adds,
// edits and removes records, each change saved by the store. The derived dialog supplies
// the record's own texts and its edit dialog.
template <class Zaznam>
class DlgSeznamuZaznamu : private DlgZeSablony {
public:
    static constexpr int kIdSeznam = 201;
    static constexpr int kIdPodrobnosti = 202;
    static constexpr int kIdPridat = 203;
    static constexpr int kIdOdstranit = 204;
    static constexpr int kIdUpravit = 205;

    void Zobrazit(HWND vlastnik);

    // The fixed texts of the dialog.
    struct Popis {
        const wchar_t* nadpis;
        const wchar_t* popisekSeznamu;
        const wchar_t* chybaZobrazeni;
        // The prompt for a new record's key and the example it starts with.
        const wchar_t* vyzvaNovehoKlice;
        const wchar_t* vzorNovehoKlice;
        // Said when an edited record takes the key of another.
        const wchar_t* klicExistuje;
        // The field the list shows and the store keys on.
        std::wstring Zaznam::*klic;
    };

protected:
    // titulek: the caption of the dialog's message boxes (the product name).
    DlgSeznamuZaznamu(const Popis& popis, UlozisteZaznamu<Zaznam>& seznam, std::wstring titulek)
        : seznam_(seznam), titulek_(std::move(titulek)), popis_(popis) {}

    // Why a new record cannot have the key, or empty.
    virtual std::wstring ProblemNovehoKlice(const std::wstring& klic) const = 0;
    // Shows the record's edit dialog; true on OK, when zaznam holds what was entered.
    virtual bool UpravitZaznam(HWND vlastnik, Zaznam& zaznam) const = 0;
    virtual std::wstring Podrobnosti(const Zaznam& zaznam) const = 0;
    virtual std::wstring OtazkaOdebrani(const Zaznam& zaznam) const = 0;
    // The record's own buttons, added below Upravit, and their commands (false when the
    // command is not one of them).
    virtual void PridatTlacitka(SablonaDialogu&) const {}
    virtual bool ProvestPrikaz(HWND, int) { return false; }

    int Vybrany(HWND okno) const;

    UlozisteZaznamu<Zaznam>& seznam_;
    std::wstring titulek_;

private:
    INT_PTR ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) override;
    void PriVyjimce(HWND okno, const Knihovna::Chyba* chyba) override;
    void Obnovit(HWND okno, int vyber);
    void Pridat(HWND okno);
    void Upravit(HWND okno);
    void Odstranit(HWND okno);
    void Chyba(HWND okno, const std::wstring& text) const;

    const Popis& popis_;
};

}  // namespace Holvent::Email
