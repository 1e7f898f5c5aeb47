#include "ui/win/StaticBarva.h"

#include <commctrl.h>
#include <commdlg.h>

#include "knihovna/win/UnikatniHandle.h"
#include "ui/win/OznameniPrvku.h"

using namespace Knihovna::WinApi;

namespace {
constexpr UINT_PTR kIdPodtridy = 0x53424152;  // 'SBAR'
}

StaticBarva::~StaticBarva() { Odpojit(); }

void StaticBarva::Pripojit(HWND barva, HWND tlacitko) {
    Odpojit();
    static_ = barva;
    tlacitko_ = tlacitko;
    ::SetWindowSubclass(static_, &StaticBarva::Procedura, kIdPodtridy, reinterpret_cast<DWORD_PTR>(this));
}

void StaticBarva::Odpojit() {
    if (static_ && ::IsWindow(static_)) ::RemoveWindowSubclass(static_, &StaticBarva::Procedura, kIdPodtridy);
    static_ = nullptr;
}

void StaticBarva::Nastavit(COLORREF barva) {
    barva_ = barva & 0xFFFFFF;
    if (static_) ::InvalidateRect(static_, nullptr, TRUE);
}

void StaticBarva::Zmenit(COLORREF barva) {
    Nastavit(barva);
    OznamitZmenuHodnoty(static_);
}

bool StaticBarva::Prikaz(WPARAM wp, LPARAM lp) {
    const auto odesilatel = reinterpret_cast<HWND>(lp);
    const WORD kod = HIWORD(wp);
    if (!odesilatel || !((odesilatel == tlacitko_ && kod == BN_CLICKED) || (odesilatel == static_ && kod == STN_CLICKED)))
        return false;
    Vybrat();
    return true;
}

void StaticBarva::Vybrat() {
    // The custom colours stay for the run, as the user would expect from one dialog to the next.
    static COLORREF vlastni[16]{};
    CHOOSECOLORW volba{};
    volba.lStructSize = sizeof volba;
    volba.hwndOwner = ::GetParent(static_);
    volba.rgbResult = barva_;
    volba.lpCustColors = vlastni;
    volba.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (::ChooseColorW(&volba)) Zmenit(volba.rgbResult);
}

void StaticBarva::Kreslit() {
    KresleniOkna kresleni(static_);
    RECT r;
    ::GetClientRect(static_, &r);
    UnikatniStetec stetec(::CreateSolidBrush(barva_));
    ::FillRect(kresleni.Dc(), &r, stetec.get());
    ::FrameRect(kresleni.Dc(), &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

LRESULT CALLBACK StaticBarva::Procedura(HWND okno, UINT zprava, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR data) {
    auto* self = reinterpret_cast<StaticBarva*>(data);
    switch (zprava) {
    case WM_PAINT:
        self->Kreslit();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case kNastavitBarvu:
        self->Zmenit(static_cast<COLORREF>(wp));
        return 0;
    case kZjistitBarvu:
        return static_cast<LRESULT>(self->barva_);
    case WM_NCDESTROY:
        ::RemoveWindowSubclass(okno, &StaticBarva::Procedura, id);
        self->static_ = nullptr;
        break;
    }
    return ::DefSubclassProc(okno, zprava, wp, lp);
}
