#include "ui/win/DlgNastKamEmail.h"

#include <commctrl.h>

#include "email/win/DlgEmailUcty.h"
#include "email/win/SablonaDialogu.h"
#include "ui/StrankyNastaveniKamery.h"

using Holvent::Email::SablonaDialogu;

void DlgNastKamEmail::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    DlgNastStrankaTabulky::Vytvorit(s, o);
    const short y = static_cast<short>(o.y + o.vyska - 14);
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, o.x, y, 80, 14, kIdUcty, SablonaDialogu::kTlacitko, L"Emailové úč&ty...");
    Pridat(s, WS_TABSTOP | (testovaciEmail_ ? 0 : WS_DISABLED), static_cast<short>(o.x + 90), static_cast<short>(y + 3),
           static_cast<short>(o.sirka - 90), 10, kIdTest, WC_LINK, std::wstring(L"<a>") + kTextTestu + L"</a>");
}

short DlgNastKamEmail::RezervaDole() const { return StrankyNastaveniKamery::kRezervaTlacitek; }

std::vector<std::wstring> DlgNastKamEmail::MoznostiTextu(const ModelStranky::Hodnota&) {
    std::vector<std::wstring> adresy;
    for (const Holvent::Email::EmailovyUcet& u : ucty_.Ucty()) adresy.push_back(u.email);
    return adresy;
}

bool DlgNastKamEmail::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) != kIdUcty) return DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
    if (HIWORD(wp) == BN_CLICKED) {
        Holvent::Email::DlgEmailUcty(ucty_, produkt_).Zobrazit(Dialog());
        ObnovitMoznostiTextu();
    }
    return true;
}

bool DlgNastKamEmail::Zprava(UINT zprava, WPARAM wp, LPARAM lp, INT_PTR& vysledek) {
    if (zprava == WM_NOTIFY) {
        const auto* h = reinterpret_cast<const NMHDR*>(lp);
        if (h->idFrom == kIdTest && (h->code == NM_CLICK || h->code == NM_RETURN)) {
            OdeslatTest();
            vysledek = 0;
            return true;
        }
    }
    return DlgNastStrankaTabulky::Zprava(zprava, wp, lp, vysledek);
}

void DlgNastKamEmail::OdeslatTest() {
    if (!testovaciEmail_) return;
    // The other pages were taken when they were left; this one is taken now, and a refused value is shown
    // instead of being sent.
    if (auto o = Prevzit()) {
        ::MessageBoxW(Dialog(), o->zprava.c_str(), produkt_.c_str(), MB_OK | MB_ICONWARNING);
        ::SetFocus(Prvek(o->id));
        return;
    }
    testovaciEmail_(Dialog());
}
