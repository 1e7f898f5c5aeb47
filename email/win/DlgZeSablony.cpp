#include "email/win/DlgZeSablony.h"

#include "email/win/SablonaDialogu.h"
#include "knihovna/win/ChybyWin.h"

namespace Holvent::Email {

INT_PTR DlgZeSablony::ZobrazitModalne(HWND vlastnik, const SablonaDialogu& sablona, const wchar_t* chybaZobrazeni,
                                      std::source_location misto) {
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), sablona.Sablona(), vlastnik, Procedura,
                                              reinterpret_cast<LPARAM>(this));
    if (r == -1) Knihovna::WinApi::VyhoditPosledniChybu(chybaZobrazeni, misto);
    return r;
}

void DlgZeSablony::PriVyjimce(HWND okno, const Knihovna::Chyba*) {
    MessageBeep(MB_ICONERROR);
    EndDialog(okno, IDCANCEL);
}

// The dialog procedure is a boundary: nothing escapes into user32.
INT_PTR CALLBACK DlgZeSablony::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp) {
    if (zprava == WM_INITDIALOG) SetWindowLongPtrW(okno, DWLP_USER, lp);
    auto* dlg = reinterpret_cast<DlgZeSablony*>(GetWindowLongPtrW(okno, DWLP_USER));
    if (!dlg) return FALSE;
    try {
        return dlg->ZpracovatZpravu(okno, zprava, wp, lp);
    } catch (const Knihovna::Chyba& chyba) {
        try {
            dlg->PriVyjimce(okno, &chyba);
        } catch (...) {
            MessageBeep(MB_ICONERROR);
        }
        return TRUE;
    } catch (...) {
        try {
            dlg->PriVyjimce(okno, nullptr);
        } catch (...) {
            MessageBeep(MB_ICONERROR);
        }
        return TRUE;
    }
}

}  // namespace Holvent::Email
