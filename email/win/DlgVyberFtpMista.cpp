#include "email/win/DlgVyberFtpMista.h"

#include "email/win/SablonaDialogu.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

bool DlgVyberFtpMista::Zobrazit(HWND vlastnik) {
    using S = SablonaDialogu;
    S s(220, 130, L"Vybrat FTP umístění");
    s.Polozka(LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 7, 206, 96, kIdSeznam,
              S::kSeznam);
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 109, 50, 14, IDOK, S::kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 163, 109, 50, 14, IDCANCEL, S::kTlacitko, L"Storno");
    seznam_ = mista_.Mista();
    return ZobrazitModalne(vlastnik, s, L"Dialog výběru FTP místa nelze zobrazit.") == IDOK;
}

bool DlgVyberFtpMista::Vybrat(HWND okno) {
    const auto i = static_cast<int>(SendDlgItemMessageW(okno, kIdSeznam, LB_GETCURSEL, 0, 0));
    if (i < 0 || i >= static_cast<int>(seznam_.size())) {
        MessageBeep(MB_OK);
        return false;
    }
    misto_ = seznam_[static_cast<std::size_t>(i)];
    EndDialog(okno, IDOK);
    return true;
}

INT_PTR DlgVyberFtpMista::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp, LPARAM) {
    switch (zprava) {
    case WM_INITDIALOG: {
        HWND seznam = GetDlgItem(okno, kIdSeznam);
        for (std::size_t i = 0; i < seznam_.size(); ++i) {
            SendMessageW(seznam, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(seznam_[i].server.c_str()));
            if (Knihovna::StejneBezVelikosti(seznam_[i].server, server_))
                SendMessageW(seznam, LB_SETCURSEL, i, 0);
        }
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case kIdSeznam:
            if (HIWORD(wp) == LBN_DBLCLK) Vybrat(okno);
            return TRUE;
        case IDOK:
            Vybrat(okno);
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
