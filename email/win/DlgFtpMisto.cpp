#include "email/win/DlgFtpMisto.h"

#include "email/win/DlgEmailUcet.h"

#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"

namespace Holvent::Email {

bool DlgFtpMisto::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(260, 134, Knihovna::Formatovat(L"%s - FTP místo", misto_.server.c_str()));
    const wchar_t* popisky[] = {L"FTP server:", L"Přihlašovací jméno:", L"Heslo:", L"Složka na serveru:"};
    const WORD idy[] = {kIdServer, kIdUzivatel, kIdHeslo, kIdSlozka};
    for (int i = 0; i < 4; ++i) {
        const auto y = static_cast<short>(9 + 18 * i + (i == 3 ? 12 : 0));
        s.Polozka(SS_LEFT, 7, static_cast<short>(y + 2), 80, 10, 0xFFFF, S::kPopisek, popisky[i]);
        s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (i == 2 ? ES_PASSWORD : 0), 90, y, 163, 13, idy[i],
                  S::kEdit);
    }
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 90, 61, 163, 10, kIdZobrazitHeslo, S::kTlacitko, L"Zobrazit heslo");
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 90, 97, 163, 10, kIdPasivni, S::kTlacitko, L"Pasivní režim přenosu");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 149, 114, 50, 14, IDOK, S::kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 203, 114, 50, 14, IDCANCEL, S::kTlacitko, L"Storno");
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), s.Sablona(), vlastnik, Procedura,
                                              reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(L"Dialog FTP místa nelze zobrazit.");
    return r == IDOK;
}

INT_PTR CALLBACK DlgFtpMisto::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgFtpMisto*>(GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    try {
        return dlg->ZpracovatZpravu(okno, zprava, wp, lp);
    } catch (...) {
        MessageBeep(MB_ICONERROR);
        EndDialog(okno, IDCANCEL);
        return TRUE;
    }
}

INT_PTR DlgFtpMisto::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG:
        SetDlgItemTextW(okno, kIdServer, misto_.server.c_str());
        SetDlgItemTextW(okno, kIdUzivatel, misto_.uzivatel.c_str());
        SetDlgItemTextW(okno, kIdHeslo, misto_.heslo.c_str());
        SetDlgItemTextW(okno, kIdSlozka, misto_.slozka.c_str());
        CheckDlgButton(okno, kIdPasivni, misto_.pasivniRezim ? BST_CHECKED : BST_UNCHECKED);
        NastavitNapovedu(okno, kIdServer, L"<Zadejte FTP server>");
        NastavitNapovedu(okno, kIdUzivatel, L"<Zadejte přihlašovací jméno>");
        NastavitNapovedu(okno, kIdHeslo, L"<Zadejte heslo>");
        MaskovatHeslo(okno, kIdHeslo, true);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdZobrazitHeslo:
            MaskovatHeslo(okno, kIdHeslo, IsDlgButtonChecked(okno, kIdZobrazitHeslo) != BST_CHECKED);
            return TRUE;
        case IDOK:
            misto_.server = TextPrvku(okno, kIdServer);
            misto_.uzivatel = TextPrvku(okno, kIdUzivatel);
            misto_.heslo = TextPrvku(okno, kIdHeslo);
            misto_.slozka = TextPrvku(okno, kIdSlozka);
            misto_.pasivniRezim = IsDlgButtonChecked(okno, kIdPasivni) == BST_CHECKED;
            EndDialog(okno, IDOK);
            return TRUE;
        case IDCANCEL:
            EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

}  // namespace Holvent::Email
