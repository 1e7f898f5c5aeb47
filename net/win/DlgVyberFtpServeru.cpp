#include "net/win/DlgVyberFtpServeru.h"

#include "email/win/SablonaDialogu.h"
#include "knihovna/Text.h"

using Holvent::Email::SablonaDialogu;
using Holvent::Email::TextPrvku;

bool DlgVyberFtpServeru::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(250, 140, L"Vybrat FTP server");
    s.Polozka(0, 7, 9, 60, 8, 0xFFFF, S::kPopisek, L"&FTP server:");
    s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 7, 173, 13, kIdServer, S::kEdit);
    s.Polozka(0, 7, 27, 60, 8, 0xFFFF, S::kPopisek, L"&Uživatel:");
    s.Polozka(ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 25, 173, 13, kIdUzivatel, S::kEdit);
    s.Polozka(0, 7, 45, 60, 8, 0xFFFF, S::kPopisek, L"&Heslo:");
    s.Polozka(ES_AUTOHSCROLL | ES_PASSWORD | WS_BORDER | WS_TABSTOP, 70, 43, 113, 13, kIdHeslo, S::kEdit);
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 188, 44, 56, 12, kIdZobrazovat, S::kTlacitko, L"&Zobrazovat");
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 7, 62, 236, 12, kIdPasivni, S::kTlacitko,
              L"&Připojení k FTP serveru v pasivním režimu");
    s.Polozka(0, 7, 86, 236, 8, 0xFFFF, S::kPopisek, L"P&oužít parametry následujícího předkonfigurovaného FTP místa:");
    s.Polozka(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 7, 98, 181, 100, kIdMista, L"ComboBox");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 193, 97, 50, 14, kIdNacist, S::kTlacitko, L"&Načíst");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 139, 119, 50, 14, IDOK, S::kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 193, 119, 50, 14, IDCANCEL, S::kTlacitko, L"Storno");
    seznam_ = mista_.Mista();
    return ZobrazitModalne(vlastnik, s, L"Dialog výběru FTP serveru nelze zobrazit.") == IDOK;
}

void DlgVyberFtpServeru::Naplnit(HWND okno, const std::wstring& server, const std::wstring& uzivatel,
                                 const std::wstring& heslo, bool pasivni) {
    ::SetDlgItemTextW(okno, kIdServer, server.c_str());
    ::SetDlgItemTextW(okno, kIdUzivatel, uzivatel.c_str());
    ::SetDlgItemTextW(okno, kIdHeslo, heslo.c_str());
    ::CheckDlgButton(okno, kIdPasivni, pasivni ? BST_CHECKED : BST_UNCHECKED);
}

bool DlgVyberFtpServeru::Prevzit(HWND okno) {
    const std::wstring server = TextPrvku(okno, kIdServer);
    if (server.find_first_not_of(L" \t") == std::wstring::npos) {
        ::MessageBoxW(okno, L"Zadejte adresu FTP serveru.", L"Vybrat FTP server", MB_OK | MB_ICONWARNING);
        ::SetFocus(::GetDlgItem(okno, kIdServer));
        return false;
    }
    nastaveni_.server = server;
    nastaveni_.uzivatel = TextPrvku(okno, kIdUzivatel);
    nastaveni_.heslo = TextPrvku(okno, kIdHeslo);
    nastaveni_.pasivniRezim = ::IsDlgButtonChecked(okno, kIdPasivni) == BST_CHECKED;
    return true;
}

INT_PTR DlgVyberFtpServeru::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG: {
        Naplnit(okno, nastaveni_.server, nastaveni_.uzivatel, nastaveni_.heslo, nastaveni_.pasivniRezim);
        HWND mista = ::GetDlgItem(okno, kIdMista);
        for (const auto& m : seznam_) ::SendMessageW(mista, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(m.server.c_str()));
        if (!seznam_.empty()) ::SendMessageW(mista, CB_SETCURSEL, 0, 0);
        ::EnableWindow(mista, !seznam_.empty());
        ::EnableWindow(::GetDlgItem(okno, kIdNacist), !seznam_.empty());
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdZobrazovat: {
            const bool zobrazit = ::IsDlgButtonChecked(okno, kIdZobrazovat) == BST_CHECKED;
            HWND heslo = ::GetDlgItem(okno, kIdHeslo);
            ::SendMessageW(heslo, EM_SETPASSWORDCHAR, zobrazit ? 0 : static_cast<WPARAM>(L'\x25CF'), 0);
            ::InvalidateRect(heslo, nullptr, TRUE);
            return TRUE;
        }
        case kIdNacist: {
            // CB_ADDSTRING without CBS_SORT keeps the places' order.
            const auto i = ::SendDlgItemMessageW(okno, kIdMista, CB_GETCURSEL, 0, 0);
            if (i < 0 || static_cast<std::size_t>(i) >= seznam_.size()) {
                ::MessageBeep(MB_OK);
                return TRUE;
            }
            const auto& m = seznam_[static_cast<std::size_t>(i)];
            Naplnit(okno, m.server, m.uzivatel, m.heslo, m.pasivniRezim);
            return TRUE;
        }
        case IDOK:
            if (Prevzit(okno)) ::EndDialog(okno, IDOK);
            return TRUE;
        case IDCANCEL:
            ::EndDialog(okno, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}
