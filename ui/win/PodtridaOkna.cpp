#include "ui/win/PodtridaOkna.h"

#include <commctrl.h>

#include "knihovna/win/ChybyWin.h"

PodtridaOkna::~PodtridaOkna() { Odpojit(); }

void PodtridaOkna::Pripojit(HWND okno, Obsluha obsluha) {
    Odpojit();
    if (!okno || !::IsWindow(okno)) Knihovna::Vyhodit(Knihovna::kE_INVALIDARG, L"Ovládací prvek neexistuje");
    obsluha_ = std::move(obsluha);
    // The object's address is the hook's id, so that several hooks of one procedure share a window.
    if (!::SetWindowSubclass(okno, &PodtridaOkna::Procedura, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this)))
        Knihovna::WinApi::VyhoditPosledniChybu(L"Ovládací prvek nelze rozšířit");
    okno_ = okno;
}

void PodtridaOkna::Odpojit() noexcept {
    if (okno_ && ::IsWindow(okno_))
        ::RemoveWindowSubclass(okno_, &PodtridaOkna::Procedura, reinterpret_cast<UINT_PTR>(this));
    okno_ = nullptr;
}

LRESULT PodtridaOkna::Vychozi(UINT zprava, WPARAM wp, LPARAM lp) const {
    return ::DefSubclassProc(okno_, zprava, wp, lp);
}

LRESULT CALLBACK PodtridaOkna::Procedura(HWND hwnd, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR data) {
    auto* podtrida = reinterpret_cast<PodtridaOkna*>(data);
    LRESULT vysledek = 0;
    bool osetreno = false;
    // A window procedure is a boundary: an exception of the handler ends here.
    try {
        if (podtrida->obsluha_) osetreno = podtrida->obsluha_(zprava, wp, lp, vysledek);
    } catch (const Knihovna::Chyba& chyba) {
        ::OutputDebugStringW(Knihovna::WinApi::PopisChyby(chyba).c_str());
        ::MessageBeep(MB_ICONEXCLAMATION);
        osetreno = false;
    } catch (...) {
        ::MessageBeep(MB_ICONEXCLAMATION);
        osetreno = false;
    }
    if (zprava == WM_NCDESTROY) {
        ::RemoveWindowSubclass(hwnd, &PodtridaOkna::Procedura, reinterpret_cast<UINT_PTR>(podtrida));
        podtrida->okno_ = nullptr;
        return ::DefSubclassProc(hwnd, zprava, wp, lp);
    }
    return osetreno ? vysledek : ::DefSubclassProc(hwnd, zprava, wp, lp);
}
