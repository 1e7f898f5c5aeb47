#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "email/win/SablonaDialogu.h"

// One page of a settings dialog (DlgNastaveni): it adds its controls to the dialog's template, fills them from
// the copy the dialog edits, and takes them back into it when the page is left or the dialog confirmed.
class StrankaNastaveni {
public:
    // The place of the page in the dialog, in dialog units.
    struct Oblast {
        short x, y, sirka, vyska;
    };
    // A refused control and the message that tells why.
    struct Odmitnuti {
        int id;
        std::wstring zprava;
    };

    virtual ~StrankaNastaveni() = default;

    virtual std::wstring Nazev() const = 0;
    // Adds the page's controls, hidden, inside oblast.
    virtual void Vytvorit(Holvent::Email::SablonaDialogu& sablona, const Oblast& oblast) = 0;
    // The dialog exists: attach the own controls, create the run-time ones and fill everything from the copy.
    void Inicializovat(HWND dialog);
    // Takes the controls' content into the copy: nothing when every value was taken, else the first refusal.
    virtual std::optional<Odmitnuti> Prevzit() = 0;
    // A WM_COMMAND from one of the page's controls; true when the page handled it.
    bool Prikaz(WPARAM wp, LPARAM lp);
    // Another message the dialog passes to its pages (WM_HSCROLL, WM_NOTIFY); true when handled, with the result.
    virtual bool Zprava(UINT zprava, WPARAM wp, LPARAM lp, INT_PTR& vysledek);
    void Zobrazit(bool zobrazit);
    // The ids of the page's controls, in the order they were added.
    const std::vector<int>& IdPrvku() const { return idPrvku_; }

protected:
    // Fills the controls; change notifications are off meanwhile.
    virtual void Naplnit() = 0;
    // A command of the page's controls; true when handled. Changes are reported by OznamitZmenu.
    virtual bool ZpracovatPrikaz(WPARAM wp, LPARAM lp) = 0;

    // Adds a control of the page to the template and remembers its id.
    void Pridat(Holvent::Email::SablonaDialogu& sablona, DWORD styl, short x, short y, short cx, short cy, WORD id,
                WORD trida, const std::wstring& text = {});
    void Pridat(Holvent::Email::SablonaDialogu& sablona, DWORD styl, short x, short y, short cx, short cy, WORD id,
                const std::wstring& trida, const std::wstring& text = {});
    // A control created at run time belongs to the page too.
    void PridatId(int id) { idPrvku_.push_back(id); }
    // Tells the dialog that a value changed (enables "Použít"), unless the page is being filled.
    void OznamitZmenu();
    HWND Dialog() const { return dialog_; }
    HWND Prvek(int id) const { return ::GetDlgItem(dialog_, id); }

private:
    HWND dialog_ = nullptr;
    std::vector<int> idPrvku_;
    bool naplnovani_ = false;
};
