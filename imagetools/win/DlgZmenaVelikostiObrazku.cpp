#include "imagetools/win/DlgZmenaVelikostiObrazku.h"

#include <cwchar>

#include "email/win/SablonaDialogu.h"
#include "knihovna/win/ChybyWin.h"

using namespace Holvent::Obrazky;

using Holvent::Email::SablonaDialogu;

namespace {

constexpr WORD kTlacitko = SablonaDialogu::kTlacitko, kEdit = SablonaDialogu::kEdit,
               kPopisek = SablonaDialogu::kPopisek;

}  // namespace

DlgZmenaVelikostiObrazku::DlgZmenaVelikostiObrazku(std::wstring titulek, Rozmery stara)
    : titulek_(std::move(titulek)), stara_(stara), nova_(stara) {}

bool DlgZmenaVelikostiObrazku::Zobrazit(HWND vlastnik) {
    SablonaDialogu s(186, 104, titulek_);
    s.Polozka(SS_LEFT, 7, 7, 172, 10, kIdRozmeru, kPopisek, L"");
    s.Polozka(SS_LEFT, 7, 25, 60, 10, 0xFFFF, kPopisek, L"Nová šířka:");
    s.Polozka(ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 23, 50, 13, kIdSirky, kEdit, L"");
    s.Polozka(SS_LEFT, 7, 43, 60, 10, 0xFFFF, kPopisek, L"Nová výška:");
    s.Polozka(ES_NUMBER | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 70, 41, 50, 13, kIdVysky, kEdit, L"");
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 7, 61, 172, 10, kIdPomeru, kTlacitko, L"Zachovat poměr stran");
    s.Polozka(BS_DEFPUSHBUTTON | WS_TABSTOP, 75, 83, 50, 14, IDOK, kTlacitko, L"OK");
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 129, 83, 50, 14, IDCANCEL, kTlacitko, L"Storno");
    const INT_PTR r = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), s.Sablona(), vlastnik, Procedura,
                                                reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(L"Dialog změny rozměrů nelze zobrazit.");
    return r == IDOK;
}

INT_PTR CALLBACK DlgZmenaVelikostiObrazku::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) ::SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgZmenaVelikostiObrazku*>(::GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    // A dialog procedure is a boundary: nothing may unwind into user32.
    try {
        return dlg->ZpracovatZpravu(okno, zprava, wp);
    } catch (...) {
        ::MessageBeep(MB_ICONERROR);
        ::EndDialog(okno, IDCANCEL);
        return TRUE;
    }
}

bool DlgZmenaVelikostiObrazku::PrecistStranu(HWND okno, int id, std::uint32_t& strana) const {
    wchar_t text[32] = {};
    ::GetDlgItemTextW(okno, id, text, 32);
    // ES_NUMBER keeps letters out but not pasted text: anything that is not a whole number is out of range.
    wchar_t* konec = nullptr;
    const long long hodnota = text[0] ? std::wcstoll(text, &konec, 10) : 0;
    const bool cislo = konec && *konec == L'\0';
    if (auto chyba = OveritStranuZmeny(cislo ? hodnota : 0)) {
        ::MessageBoxW(okno, chyba->c_str(), titulek_.c_str(), MB_OK | MB_ICONEXCLAMATION);
        HWND pole = ::GetDlgItem(okno, id);
        ::SetFocus(pole);
        ::SendMessageW(pole, EM_SETSEL, 0, -1);
        return false;
    }
    strana = static_cast<std::uint32_t>(hodnota);
    return true;
}

INT_PTR DlgZmenaVelikostiObrazku::ZpracovatZpravu(HWND okno, UINT zprava, WPARAM wp) {
    switch (zprava) {
    case WM_INITDIALOG:
        ::SetDlgItemTextW(okno, kIdRozmeru, TextRozmeru(stara_).c_str());
        ::SetDlgItemInt(okno, kIdSirky, stara_.sirka, FALSE);
        ::SetDlgItemInt(okno, kIdVysky, stara_.vyska, FALSE);
        ::SendDlgItemMessageW(okno, kIdSirky, EM_SETLIMITTEXT, 9, 0);
        ::SendDlgItemMessageW(okno, kIdVysky, EM_SETLIMITTEXT, 9, 0);
        ::CheckDlgButton(okno, kIdPomeru, zachovatPomer_ ? BST_CHECKED : BST_UNCHECKED);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wp)) {
        case IDOK: {
            Rozmery r;
            if (!PrecistStranu(okno, kIdSirky, r.sirka) || !PrecistStranu(okno, kIdVysky, r.vyska)) return TRUE;
            nova_ = r;
            zachovatPomer_ = ::IsDlgButtonChecked(okno, kIdPomeru) == BST_CHECKED;
            ::EndDialog(okno, IDOK);
            return TRUE;
        }
        case IDCANCEL: ::EndDialog(okno, IDCANCEL); return TRUE;
        }
        break;
    }
    return FALSE;
}
