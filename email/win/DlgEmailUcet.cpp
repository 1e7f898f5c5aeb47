#include "email/win/DlgEmailUcet.h"

#include <commctrl.h>

#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"

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

bool DlgEmailUcet::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(260, 134, Knihovna::Formatovat(L"%s - emailový účet", ucet_.email.c_str()));
    const wchar_t* popisky[] = {L"Emailová adresa:", L"Zobrazované jméno:", L"SMTP server:", L"Přihlašovací jméno:",
                                L"Heslo:"};
    for (int i = 0; i < 5; ++i) {
        const auto y = static_cast<short>(9 + 18 * i);
        s.Polozka(SS_LEFT, 7, static_cast<short>(y + 2), 80, 10, 0xFFFF, S::kPopisek, popisky[i]);
        s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | (i == 4 ? ES_PASSWORD : 0), 90, y, 163, 13,
                  static_cast<WORD>(kIdEmail + i), S::kEdit);
    }
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 90, 97, 163, 10, kIdZobrazitHeslo, S::kTlacitko, L"Zobrazit heslo");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 149, 114, 50, 14, IDOK, S::kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 203, 114, 50, 14, IDCANCEL, S::kTlacitko, L"Storno");
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), s.Sablona(), vlastnik, Procedura,
                                              reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(L"Dialog emailového účtu nelze zobrazit.");
    return r == IDOK;
}

INT_PTR CALLBACK DlgEmailUcet::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgEmailUcet*>(GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    try {
        return dlg->ZpracovatZpravu(okno, zprava, wp, lp);
    } catch (...) {
        MessageBeep(MB_ICONERROR);
        EndDialog(okno, IDCANCEL);
        return TRUE;
    }
}

INT_PTR DlgEmailUcet::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG:
        SetDlgItemTextW(okno, kIdEmail, ucet_.email.c_str());
        SetDlgItemTextW(okno, kIdJmeno, ucet_.jmeno.c_str());
        SetDlgItemTextW(okno, kIdServer, ucet_.server.c_str());
        SetDlgItemTextW(okno, kIdLogin, ucet_.id.c_str());
        SetDlgItemTextW(okno, kIdHeslo, ucet_.heslo.c_str());
        NastavitNapovedu(okno, kIdEmail, L"<Zadejte emailovou adresu>");
        NastavitNapovedu(okno, kIdJmeno, L"<Zadejte zobrazované jméno>");
        NastavitNapovedu(okno, kIdServer, L"<Zadejte SMTP server>");
        NastavitNapovedu(okno, kIdLogin, L"<Zadejte přihlašovací jméno>");
        NastavitNapovedu(okno, kIdHeslo, L"<Zadejte heslo>");
        MaskovatHeslo(okno, kIdHeslo, true);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdZobrazitHeslo:
            MaskovatHeslo(okno, kIdHeslo, IsDlgButtonChecked(okno, kIdZobrazitHeslo) != BST_CHECKED);
            return TRUE;
        case IDOK:
            ucet_.email = TextPrvku(okno, kIdEmail);
            ucet_.jmeno = TextPrvku(okno, kIdJmeno);
            ucet_.server = TextPrvku(okno, kIdServer);
            ucet_.id = TextPrvku(okno, kIdLogin);
            ucet_.heslo = TextPrvku(okno, kIdHeslo);
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
