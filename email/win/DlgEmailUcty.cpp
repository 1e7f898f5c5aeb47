#include "email/win/DlgEmailUcty.h"

#include "email/win/DlgEmailUcet.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "ui/win/DlgZadaniTextu.h"

namespace Holvent::Email {

void DlgEmailUcty::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(280, 170, L"Emailové účty");
    s.Polozka(SS_LEFT, 7, 7, 200, 10, 0xFFFF, S::kPopisek, L"Emailové účty pro odesílání:");
    s.Polozka(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 19, 200, 80, kIdSeznam,
              S::kSeznam);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 7, 104, 266, 42, kIdPodrobnosti, S::kPopisek);
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 19, 60, 14, kIdPridat, S::kTlacitko, L"Přidat");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 37, 60, 14, kIdOdstranit, S::kTlacitko, L"Odstranit");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 55, 60, 14, kIdUpravit, S::kTlacitko, L"Upravit");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 73, 60, 14, kIdHeslo, S::kTlacitko, L"Zobrazit heslo");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 213, 150, 60, 14, IDCANCEL, S::kTlacitko, L"Zavřít");
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), s.Sablona(), vlastnik, Procedura,
                                              reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(L"Dialog emailových účtů nelze zobrazit.");
}

INT_PTR CALLBACK DlgEmailUcty::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgEmailUcty*>(GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    try {
        return dlg->ZpracovatZpravu(okno, zprava, wp, lp);
    } catch (const Knihovna::Chyba& chyba) {
        dlg->Chyba(okno, Knihovna::WinApi::PopisChyby(chyba));
        return TRUE;
    } catch (...) {
        MessageBeep(MB_ICONERROR);
        return TRUE;
    }
}

INT_PTR DlgEmailUcty::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
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
        case kIdHeslo: UkazatHeslo(okno); return TRUE;
        case IDCANCEL:
        case IDOK:
            EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

int DlgEmailUcty::Vybrany(HWND okno) const {
    return static_cast<int>(SendDlgItemMessageW(okno, kIdSeznam, LB_GETCURSEL, 0, 0));
}

void DlgEmailUcty::Obnovit(HWND okno, int vyber) {
    const auto ucty = ucty_.Ucty();
    HWND seznam = GetDlgItem(okno, kIdSeznam);
    SendMessageW(seznam, WM_SETREDRAW, FALSE, 0);
    SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (const auto& u : ucty) SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u.email.c_str()));
    if (vyber >= static_cast<int>(ucty.size())) vyber = static_cast<int>(ucty.size()) - 1;
    if (vyber >= 0) SendMessageW(seznam, LB_SETCURSEL, static_cast<WPARAM>(vyber), 0);
    SendMessageW(seznam, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(seznam, nullptr, TRUE);
    std::wstring podrobnosti;
    if (vyber >= 0) {
        const EmailovyUcet& u = ucty[static_cast<std::size_t>(vyber)];
        podrobnosti = Knihovna::Formatovat(L"Email: %s\nJméno: %s\nSMTP server: %s\nPřihlašovací jméno: %s",
                                           u.email.c_str(), u.jmeno.c_str(), u.server.c_str(), u.id.c_str());
    }
    SetDlgItemTextW(okno, kIdPodrobnosti, podrobnosti.c_str());
    const BOOL maVyber = vyber >= 0;
    EnableWindow(GetDlgItem(okno, kIdOdstranit), maVyber);
    EnableWindow(GetDlgItem(okno, kIdUpravit), maVyber);
}

void DlgEmailUcty::Chyba(HWND okno, const std::wstring& text) const {
    MessageBoxW(okno, Knihovna::STeckouNaKonci(text).c_str(), titulek_.c_str(), MB_OK | MB_ICONERROR);
}

void DlgEmailUcty::Pridat(HWND okno) {
    DlgZadaniTextu zadani(titulek_, L"Zadejte emailovou adresu nového účtu", L"kamera@example.com", 255);
    if (!zadani.Zobrazit(okno)) return;
    if (const std::wstring problem = ucty_.ProblemNoveAdresy(zadani.Text()); !problem.empty()) {
        Chyba(okno, problem);
        return;
    }
    EmailovyUcet novy;
    novy.email = zadani.Text();
    DlgEmailUcet dlg(novy);
    if (!dlg.Zobrazit(okno)) return;
    // The address may have been changed in the account dialog.
    if (const std::wstring problem = ucty_.ProblemNoveAdresy(dlg.Ucet().email); !problem.empty()) {
        Chyba(okno, problem);
        return;
    }
    // A failed save has been reported by the store.
    const int index = ucty_.AddAccount(dlg.Ucet());
    Obnovit(okno, index >= 0 ? index : Vybrany(okno));
}

void DlgEmailUcty::Upravit(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto ucty = ucty_.Ucty();
    if (vyber < 0 || vyber >= static_cast<int>(ucty.size())) return;
    DlgEmailUcet dlg(ucty[static_cast<std::size_t>(vyber)]);
    if (!dlg.Zobrazit(okno)) return;
    const int jiny = ucty_.FindAccount(dlg.Ucet().email);
    if (jiny >= 0 && jiny != vyber) {
        Chyba(okno, L"Zadaná emailová adresa již existuje");
        return;
    }
    ucty_.ZmenitUcet(vyber, dlg.Ucet());
    Obnovit(okno, vyber);
}

void DlgEmailUcty::Odstranit(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto ucty = ucty_.Ucty();
    if (vyber < 0 || vyber >= static_cast<int>(ucty.size())) return;
    const EmailovyUcet& u = ucty[static_cast<std::size_t>(vyber)];
    const std::wstring otazka =
        Knihovna::Formatovat(L"Opravdu chcete odebrat tento účet?\n\n%s\n%s", u.email.c_str(), u.jmeno.c_str());
    if (MessageBoxW(okno, otazka.c_str(), titulek_.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    ucty_.RemoveAccount(vyber);
    Obnovit(okno, vyber);
}

void DlgEmailUcty::UkazatHeslo(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto ucty = ucty_.Ucty();
    if (vyber < 0 || vyber >= static_cast<int>(ucty.size())) {
        MessageBeep(MB_OK);
        return;
    }
    MessageBoxW(okno, ucty[static_cast<std::size_t>(vyber)].heslo.c_str(), L"Heslo vybraného účtu",
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace Holvent::Email
