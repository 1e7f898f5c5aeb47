#include "ui/win/DlgNastKamZaznamAvi.h"

#include <string>

#include "email/win/SablonaDialogu.h"
#include "ui/StrankyZaznamu.h"

using Holvent::Email::SablonaDialogu;

void DlgNastKamZaznamAvi::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    DlgNastStrankaTabulky::Vytvorit(s, o);
    const short y = static_cast<short>(VolneY() + 6);
    const short dole = static_cast<short>(o.y + o.vyska);
    Pridat(s, SS_LEFT, o.x, y, o.sirka, 8, kIdPopisuFormatu, SablonaDialogu::kPopisek,
           L"Formáty podporované aktuálně vybraným videozařízením:");
    const short ySeznamu = static_cast<short>(y + 10);
    const short vyskaSeznamu = static_cast<short>(dole - ySeznamu - 34);
    Pridat(s, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, o.x, ySeznamu, 200,
           vyskaSeznamu, kIdFormaty, SablonaDialogu::kSeznam);
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(o.x + 206), ySeznamu, 50, 14, kIdPouzit,
           SablonaDialogu::kTlacitko, L"Použít");
    Pridat(s, SS_LEFT | SS_NOPREFIX, o.x, static_cast<short>(ySeznamu + vyskaSeznamu + 6), o.sirka, 8, kIdBezFormatu,
           SablonaDialogu::kPopisek);
}

void DlgNastKamZaznamAvi::Naplnit() {
    DlgNastStrankaTabulky::Naplnit();
    HWND seznam = Prvek(kIdFormaty);
    ::SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (const Holvent::DirectShow::FormatVidea& f : formaty_)
        ::SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(StrankyZaznamu::TextFormatu(f).c_str()));
    // A text, not a hidden control: showing the page shows all its controls.
    ::SetWindowTextW(Prvek(kIdBezFormatu), formaty_.empty() ? kTextBezFormatu : L"");
    VybratPodleVelikosti();
}

void DlgNastKamZaznamAvi::VybratPodleVelikosti() {
    BOOL okSirka = FALSE, okVyska = FALSE;
    const UINT sirka = ::GetDlgItemInt(Dialog(), ::GetDlgCtrlID(PrvekHodnoty(L"sirkaVidea")), &okSirka, FALSE);
    const UINT vyska = ::GetDlgItemInt(Dialog(), ::GetDlgCtrlID(PrvekHodnoty(L"vyskaVidea")), &okVyska, FALSE);
    const int i = okSirka && okVyska ? StrankyZaznamu::VybranyFormat(formaty_, sirka, vyska) : -1;
    ::SendMessageW(Prvek(kIdFormaty), LB_SETCURSEL, static_cast<WPARAM>(i), 0);
    ::EnableWindow(Prvek(kIdPouzit), i >= 0);
}

void DlgNastKamZaznamAvi::Pouzit() {
    const LRESULT i = ::SendMessageW(Prvek(kIdFormaty), LB_GETCURSEL, 0, 0);
    if (i < 0 || static_cast<std::size_t>(i) >= formaty_.size()) return;
    const Holvent::DirectShow::FormatVidea& f = formaty_[static_cast<std::size_t>(i)];
    // Each field reports its change itself, which the dialog takes as a change of the page.
    ::SetWindowTextW(PrvekHodnoty(L"sirkaVidea"), std::to_wstring(f.sirka).c_str());
    ::SetWindowTextW(PrvekHodnoty(L"vyskaVidea"), std::to_wstring(f.vyska).c_str());
    ::SetWindowTextW(PrvekHodnoty(L"frekvence"), std::to_wstring(StrankyZaznamu::NejviceSnimku(f.minInterval)).c_str());
}

bool DlgNastKamZaznamAvi::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    const WORD kod = HIWORD(wp);
    if (id == kIdPouzit) {
        if (kod == BN_CLICKED) Pouzit();
        return true;
    }
    if (id == kIdFormaty) {
        if (kod == LBN_SELCHANGE)
            ::EnableWindow(Prvek(kIdPouzit), ::SendMessageW(Prvek(kIdFormaty), LB_GETCURSEL, 0, 0) >= 0);
        else if (kod == LBN_DBLCLK)
            Pouzit();
        return true;
    }
    const bool vysledek = DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
    const HWND prvek = reinterpret_cast<HWND>(lp);
    if (kod == EN_CHANGE && prvek && (prvek == PrvekHodnoty(L"sirkaVidea") || prvek == PrvekHodnoty(L"vyskaVidea")))
        VybratPodleVelikosti();
    return vysledek;
}
