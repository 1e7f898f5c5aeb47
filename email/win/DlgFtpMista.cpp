#include "email/win/DlgFtpMista.h"

#include "email/win/DlgFtpMisto.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "ui/win/DlgZadaniTextu.h"

namespace Holvent::Email {

void DlgFtpMista::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(280, 170, L"FTP místa");
    s.Polozka(SS_LEFT, 7, 7, 200, 10, 0xFFFF, S::kPopisek, L"FTP místa pro odesílání snímků:");
    s.Polozka(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 19, 200, 80, kIdSeznam,
              S::kSeznam);
    s.Polozka(SS_LEFT | SS_NOPREFIX, 7, 104, 266, 42, kIdPodrobnosti, S::kPopisek);
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 19, 60, 14, kIdPridat, S::kTlacitko, L"Přidat");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 37, 60, 14, kIdOdstranit, S::kTlacitko, L"Odstranit");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 55, 60, 14, kIdUpravit, S::kTlacitko, L"Upravit");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 213, 150, 60, 14, IDCANCEL, S::kTlacitko, L"Zavřít");
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), s.Sablona(), vlastnik, Procedura,
                                              reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(L"Dialog FTP míst nelze zobrazit.");
}

INT_PTR CALLBACK DlgFtpMista::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgFtpMista*>(GetWindowLongPtrW(okno, DWLP_USER));
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

INT_PTR DlgFtpMista::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
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
        break;
    }
    return FALSE;
}

int DlgFtpMista::Vybrany(HWND okno) const {
    return static_cast<int>(SendDlgItemMessageW(okno, kIdSeznam, LB_GETCURSEL, 0, 0));
}

void DlgFtpMista::Obnovit(HWND okno, int vyber) {
    const auto ucty = ucty_.Mista();
    HWND seznam = GetDlgItem(okno, kIdSeznam);
    SendMessageW(seznam, WM_SETREDRAW, FALSE, 0);
    SendMessageW(seznam, LB_RESETCONTENT, 0, 0);
    for (const auto& u : ucty) SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u.server.c_str()));
    if (vyber >= static_cast<int>(ucty.size())) vyber = static_cast<int>(ucty.size()) - 1;
    if (vyber >= 0) SendMessageW(seznam, LB_SETCURSEL, static_cast<WPARAM>(vyber), 0);
    SendMessageW(seznam, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(seznam, nullptr, TRUE);
    std::wstring podrobnosti;
    if (vyber >= 0) {
        const FtpMisto& u = ucty[static_cast<std::size_t>(vyber)];
        podrobnosti = Knihovna::Formatovat(L"FTP server: %s\nPřihlašovací jméno: %s", u.server.c_str(),
                                           u.uzivatel.c_str());
    }
    SetDlgItemTextW(okno, kIdPodrobnosti, podrobnosti.c_str());
    const BOOL maVyber = vyber >= 0;
    EnableWindow(GetDlgItem(okno, kIdOdstranit), maVyber);
    EnableWindow(GetDlgItem(okno, kIdUpravit), maVyber);
}

void DlgFtpMista::Chyba(HWND okno, const std::wstring& text) const {
    MessageBoxW(okno, Knihovna::STeckouNaKonci(text).c_str(), titulek_.c_str(), MB_OK | MB_ICONERROR);
}

void DlgFtpMista::Pridat(HWND okno) {
    DlgZadaniTextu zadani(titulek_, L"Zadejte nový FTP server", L"ftp.example.com", 255);
    if (!zadani.Zobrazit(okno)) return;
    if (const std::wstring problem = ucty_.ProblemNovehoServeru(zadani.Text()); !problem.empty()) {
        Chyba(okno, problem);
        return;
    }
    FtpMisto novy;
    novy.server = zadani.Text();
    DlgFtpMisto dlg(novy);
    if (!dlg.Zobrazit(okno)) return;
    // The server may have been changed in the place dialog.
    if (const std::wstring problem = ucty_.ProblemNovehoServeru(dlg.Misto().server); !problem.empty()) {
        Chyba(okno, problem);
        return;
    }
    // A failed save has been reported by the store.
    const int index = ucty_.AddPlace(dlg.Misto());
    Obnovit(okno, index >= 0 ? index : Vybrany(okno));
}

void DlgFtpMista::Upravit(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto ucty = ucty_.Mista();
    if (vyber < 0 || vyber >= static_cast<int>(ucty.size())) return;
    DlgFtpMisto dlg(ucty[static_cast<std::size_t>(vyber)]);
    if (!dlg.Zobrazit(okno)) return;
    const int jiny = ucty_.FindPlace(dlg.Misto().server);
    if (jiny >= 0 && jiny != vyber) {
        Chyba(okno, L"Zadaný FTP server již v seznamu existuje");
        return;
    }
    ucty_.ZmenitMisto(vyber, dlg.Misto());
    Obnovit(okno, vyber);
}

void DlgFtpMista::Odstranit(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto ucty = ucty_.Mista();
    if (vyber < 0 || vyber >= static_cast<int>(ucty.size())) return;
    const FtpMisto& u = ucty[static_cast<std::size_t>(vyber)];
    const std::wstring otazka =
        Knihovna::Formatovat(L"Opravdu chcete odebrat toto FTP místo?\n\n%s\n%s", u.server.c_str(), u.uzivatel.c_str());
    if (MessageBoxW(okno, otazka.c_str(), titulek_.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return;
    ucty_.RemovePlace(vyber);
    Obnovit(okno, vyber);
}

}  // namespace Holvent::Email
