#include "email/win/DlgSeznamuZaznamu.h"

#include "email/EmailovyUcet.h"
#include "email/FtpMisto.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "ui/win/DlgZadaniTextu.h"

namespace Holvent::Email {

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(280, 170, popis_.nadpis);
    s.Polozka(SS_LEFT, 7, 7, 200, 10, 0xFFFF, S::kPopisek, popis_.popisekSeznamu);
    s.Polozka(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 19, 200, 80, kIdSeznam,
              S::kSeznam);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 7, 104, 266, 42, kIdPodrobnosti, S::kPopisek);
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 19, 60, 14, kIdPridat, S::kTlacitko, L"Přidat");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 37, 60, 14, kIdOdstranit, S::kTlacitko, L"Odstranit");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 55, 60, 14, kIdUpravit, S::kTlacitko, L"Upravit");
    PridatTlacitka(s);
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 213, 150, 60, 14, IDCANCEL, S::kTlacitko, L"Zavřít");
    ZobrazitModalne(vlastnik, s, popis_.chybaZobrazeni);
}

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::PriVyjimce(HWND okno, const Knihovna::Chyba* chyba) {
    // The list stays open: the user may retry or close it.
    if (chyba)
        Chyba(okno, Knihovna::WinApi::PopisChyby(*chyba));
    else
        MessageBeep(MB_ICONERROR);
}

template <class Zaznam>
INT_PTR DlgSeznamuZaznamu<Zaznam>::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG:
        Obnovit(okno, 0);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdSeznam:
            if (HIWORD(wp) == LBN_SELCHANGE) Obnovit(okno, Vybrany(okno));
            if (HIWORD(wp) == LBN_DBLCLK) Upravit(okno);
            return TRUE;
        case kIdPridat: Pridat(okno); return TRUE;
        case kIdOdstranit: Odstranit(okno); return TRUE;
        case kIdUpravit: Upravit(okno); return TRUE;
        case IDCANCEL:
        case IDOK:
            EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        if (ProvestPrikaz(okno, LOWORD(wp))) return TRUE;
        break;
    }
    return FALSE;
}

template <class Zaznam>
int DlgSeznamuZaznamu<Zaznam>::Vybrany(HWND okno) const {
    return static_cast<int>(SendDlgItemMessageW(okno, kIdSeznam, LB_GETCURSEL, 0, 0));
}

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::Obnovit(HWND okno, int vyber) {
    const auto zaznamy = seznam_.Zaznamy();
    HWND seznam = GetDlgItem(okno, kIdSeznam);
    SendMessageW(seznam, WM_SETREDRAW, FALSE, 0);
    SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (const auto& z : zaznamy)
        SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>((z.*popis_.klic).c_str()));
    if (vyber >= static_cast<int>(zaznamy.size())) vyber = static_cast<int>(zaznamy.size()) - 1;
    if (vyber >= 0) SendMessageW(seznam, LB_SETCURSEL, static_cast<WPARAM>(vyber), 0);
    SendMessageW(seznam, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(seznam, nullptr, TRUE);
    std::wstring podrobnosti;
    if (vyber >= 0) podrobnosti = Podrobnosti(zaznamy[static_cast<std::size_t>(vyber)]);
    SetDlgItemTextW(okno, kIdPodrobnosti, podrobnosti.c_str());
    const BOOL maVyber = vyber >= 0;
    EnableWindow(GetDlgItem(okno, kIdOdstranit), maVyber);
    EnableWindow(GetDlgItem(okno, kIdUpravit), maVyber);
}

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::Chyba(HWND okno, const std::wstring& text) const {
    MessageBoxW(okno, Knihovna::STeckouNaKonci(text).c_str(), titulek_.c_str(), MB_OK | MB_ICONERROR);
}

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::Pridat(HWND okno) {
    DlgZadaniTextu zadani(titulek_, popis_.vyzvaNovehoKlice, popis_.vzorNovehoKlice, 255);
    if (!zadani.Zobrazit(okno)) return;
    if (const std::wstring problem = ProblemNovehoKlice(zadani.Text()); !problem.empty()) {
        Chyba(okno, problem);
        return;
    }
    Zaznam novy;
    novy.*popis_.klic = zadani.Text();
    if (!UpravitZaznam(okno, novy)) return;
    // The key may have been changed in the record's dialog.
    if (const std::wstring problem = ProblemNovehoKlice(novy.*popis_.klic); !problem.empty()) {
        Chyba(okno, problem);
        return;
    }
    // A failed save has been reported by the store.
    const int index = seznam_.Pridat(novy);
    Obnovit(okno, index >= 0 ? index : Vybrany(okno));
}

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::Upravit(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto zaznamy = seznam_.Zaznamy();
    if (vyber < 0 || vyber >= static_cast<int>(zaznamy.size())) return;
    Zaznam zaznam = zaznamy[static_cast<std::size_t>(vyber)];
    if (!UpravitZaznam(okno, zaznam)) return;
    const int jiny = seznam_.Najit(zaznam.*popis_.klic);
    if (jiny >= 0 && jiny != vyber) {
        Chyba(okno, popis_.klicExistuje);
        return;
    }
    seznam_.Zmenit(vyber, zaznam);
    Obnovit(okno, vyber);
}

template <class Zaznam>
void DlgSeznamuZaznamu<Zaznam>::Odstranit(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto zaznamy = seznam_.Zaznamy();
    if (vyber < 0 || vyber >= static_cast<int>(zaznamy.size())) return;
    const std::wstring otazka = OtazkaOdebrani(zaznamy[static_cast<std::size_t>(vyber)]);
    if (MessageBoxW(okno, otazka.c_str(), titulek_.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    seznam_.Odebrat(vyber);
    Obnovit(okno, vyber);
}

// The record types with a list dialog; a new one is added here.
template class DlgSeznamuZaznamu<EmailovyUcet>;
template class DlgSeznamuZaznamu<FtpMisto>;

}  // namespace Holvent::Email
