#include "email/win/DlgUpravyZaznamu.h"

#include <commctrl.h>

#include "email/EmailovyUcet.h"
#include "email/FtpMisto.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Email {

namespace {

constexpr wchar_t kZnakHesla = 0x25CF;

}  // namespace

void NastavitNapovedu(HWND dialog, int id, const wchar_t* napoveda) {
    SendDlgItemMessageW(dialog, id, EM_SETCUEBANNER, TRUE, reinterpret_cast<LPARAM>(napoveda));
}

void MaskovatHeslo(HWND dialog, int id, bool maskovat) {
    SendDlgItemMessageW(dialog, id, EM_SETPASSWORDCHAR, maskovat ? kZnakHesla : 0, 0);
    InvalidateRect(GetDlgItem(dialog, id), nullptr, TRUE);
}

template <class Zaznam>
bool DlgUpravyZaznamu<Zaznam>::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(260, static_cast<short>(134 + popis_.vyskaNavic), Knihovna::Formatovat(popis_.nadpis, (zaznam_.*popis_.klic).c_str()));
    for (std::size_t i = 0; i < popis_.pocetPoli; ++i) {
        const Pole& p = popis_.pole[i];
        s.Polozka(SS_LEFT, 7, static_cast<short>(p.y + 2), 80, 10, 0xFFFF, S::kPopisek, p.popisek);
        s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (p.heslo ? ES_PASSWORD : 0), 90, p.y, 163, 13,
                  static_cast<WORD>(p.id), S::kEdit);
    }
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 90, popis_.yZobrazitHeslo, 163, 10, static_cast<WORD>(popis_.idZobrazitHeslo),
              S::kTlacitko, L"Zobrazit heslo");
    PridatOvladace(s);
    const short yTlacitek = static_cast<short>(114 + popis_.vyskaNavic);
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 149, yTlacitek, 50, 14, IDOK, S::kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 203, yTlacitek, 50, 14, IDCANCEL, S::kTlacitko, L"Storno");
    return ZobrazitModalne(vlastnik, s, popis_.chybaZobrazeni) == IDOK;
}

template <class Zaznam>
INT_PTR DlgUpravyZaznamu<Zaznam>::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG:
        for (std::size_t i = 0; i < popis_.pocetPoli; ++i) {
            const Pole& p = popis_.pole[i];
            SetDlgItemTextW(okno, p.id, (zaznam_.*p.hodnota).c_str());
            if (p.napoveda) NastavitNapovedu(okno, p.id, p.napoveda);
        }
        VyplnitOstatni(okno);
        MaskovatHeslo(okno, popis_.idHesla, true);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wp) == popis_.idZobrazitHeslo) {
            MaskovatHeslo(okno, popis_.idHesla, IsDlgButtonChecked(okno, popis_.idZobrazitHeslo) != BST_CHECKED);
            return TRUE;
        }
        switch (LOWORD(wp)) {
        case IDOK:
            if (Prevzit(okno)) EndDialog(okno, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

template <class Zaznam>
bool DlgUpravyZaznamu<Zaznam>::Prevzit(HWND okno) {
    const Zaznam puvodni = zaznam_;
    for (std::size_t i = 0; i < popis_.pocetPoli; ++i)
        zaznam_.*popis_.pole[i].hodnota = TextPrvku(okno, popis_.pole[i].id);
    PrecistOstatni(okno);
    const std::wstring problem = popis_.problem ? popis_.problem(zaznam_) : std::wstring();
    if (problem.empty()) return true;
    // Nothing typed is lost: the dialog stays open with the fields as they are.
    zaznam_ = puvodni;
    std::wstring titulek = titulek_;
    if (titulek.empty()) {
        wchar_t nadpis[256] = {};
        GetWindowTextW(okno, nadpis, 256);
        titulek = nadpis;
    }
    MessageBoxW(okno, Knihovna::STeckouNaKonci(problem).c_str(), titulek.c_str(), MB_OK | MB_ICONERROR);
    return false;
}

// The record types with an edit dialog; a new one is added here.
template class DlgUpravyZaznamu<EmailovyUcet>;
template class DlgUpravyZaznamu<FtpMisto>;

}  // namespace Holvent::Email
