#include "ui/win/DlgNastKamPlanovani.h"

#include <algorithm>

#include "camera/ParametryKamery.h"
#include "email/win/SablonaDialogu.h"

using Holvent::Email::SablonaDialogu;
using Holvent::Email::TextPrvku;

void DlgNastKamPlanovani::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    DlgNastStrankaTabulky::Vytvorit(s, o);
    short y = VolneY();
    const short x = o.x, w = o.sirka;
    Pridat(s, SS_LEFT, x, y, w, 8, kIdPopisuSeznamu, SablonaDialogu::kPopisek, L"Ča&sy snímků:");
    y += 10;
    const short vyska = static_cast<short>(o.y + o.vyska - y);
    Pridat(s, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER | WS_TABSTOP, x, y, 140, vyska, kIdSeznamu,
           SablonaDialogu::kSeznam);
    const short xp = static_cast<short>(x + 150), wp = static_cast<short>(w - 150);
    Pridat(s, SS_LEFT, xp, y, wp, 8, kIdPopisuCasu, SablonaDialogu::kPopisek, L"&Nový čas (h:mm:ss):");
    Pridat(s, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, xp, static_cast<short>(y + 10), 60, 12, kIdCasu,
           SablonaDialogu::kEdit);
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, static_cast<short>(xp + 65), static_cast<short>(y + 9), 60, 14, kIdPridat,
           SablonaDialogu::kTlacitko, L"Přid&at čas");
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, xp, static_cast<short>(y + 30), 60, 14, kIdOdebrat, SablonaDialogu::kTlacitko,
           L"&Odebrat čas");
}

void DlgNastKamPlanovani::Naplnit() {
    DlgNastStrankaTabulky::Naplnit();
    ::SendMessageW(Prvek(kIdCasu), EM_SETLIMITTEXT, 16, 0);
    NaplnitSeznam(0);
}

void DlgNastKamPlanovani::NaplnitSeznam(int vybrat) {
    HWND seznam = Prvek(kIdSeznamu);
    ::SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (std::uint32_t cas : casy_)
        ::SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(TextCasu(cas).c_str()));
    if (!casy_.empty())
        ::SendMessageW(seznam, LB_SETCURSEL, std::clamp(vybrat, 0, static_cast<int>(casy_.size()) - 1), 0);
    ::EnableWindow(Prvek(kIdOdebrat), !casy_.empty());
}

void DlgNastKamPlanovani::PridatCas() {
    const std::wstring text = TextPrvku(Dialog(), kIdCasu);
    const auto cas = CasZTextu(text);
    if (!cas) {
        ::MessageBoxW(Dialog(), L"Zadejte čas ve tvaru h:mm nebo h:mm:ss (0:00:00 až 23:59:59).", produkt_.c_str(),
                      MB_OK | MB_ICONWARNING);
        ::SetFocus(Prvek(kIdCasu));
        ::SendMessageW(Prvek(kIdCasu), EM_SETSEL, 0, -1);
        return;
    }
    if (!PridatPlanovanySnimek(casy_, *cas)) {
        ::MessageBoxW(Dialog(), L"Tento čas již v seznamu je.", produkt_.c_str(), MB_OK | MB_ICONINFORMATION);
        return;
    }
    const auto kde = std::find(casy_.begin(), casy_.end(), *cas) - casy_.begin();
    NaplnitSeznam(static_cast<int>(kde));
    ::SetWindowTextW(Prvek(kIdCasu), L"");
    OznamitZmenu();
}

void DlgNastKamPlanovani::OdebratCas() {
    const LRESULT i = ::SendMessageW(Prvek(kIdSeznamu), LB_GETCURSEL, 0, 0);
    if (i == LB_ERR || static_cast<std::size_t>(i) >= casy_.size()) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    casy_.erase(casy_.begin() + i);
    NaplnitSeznam(static_cast<int>(i));
    OznamitZmenu();
}

bool DlgNastKamPlanovani::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    const int id = LOWORD(wp);
    if (id < kIdSeznamu || id > kIdPopisuSeznamu) return DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
    if (HIWORD(wp) == BN_CLICKED) {
        if (id == kIdPridat) PridatCas();
        else if (id == kIdOdebrat) OdebratCas();
    }
    return true;
}
