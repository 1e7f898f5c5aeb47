#include "video/win/OknoPrehravacVidea.h"

#include "knihovna/win/UnikatniHandle.h"
#include "video/RizeniPrehravace.h"
#include "video/win/PrehravaniVidea.h"
#include "video/win/ZariciText.h"

using Knihovna::WinApi::KresleniOkna;

void OknoPrehravacVidea::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    trida.hbrBackground = nullptr;
}

void OknoPrehravacVidea::Vytvorit(HWND rodic, const std::wstring& nazev) {
    nazev_ = nazev;
    Okno::Vytvorit(kTrida, L"PrehravacVideo", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0,
                   0, rodic);
}

void OknoPrehravacVidea::NastavitPrizpusobeni(bool prizpusobit) {
    prizpusobit_ = prizpusobit;
    Rozvrhnout();
}

void OknoPrehravacVidea::Rozvrhnout() {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    obraz_ = {};
    const bool soubor = prehravani_ && prehravani_->Stav() != Prehravac::Stav::BezSouboru && prehravani_->MaVideo();
    if (soubor) {
        if (const auto r = Prehravac::UmisteniObrazu(true, prizpusobit_, klient.right, klient.bottom,
                                                     prehravani_->SirkaVidea(), prehravani_->VyskaVidea())) {
            obraz_ = {r->left, r->top, r->right, r->bottom};
            prehravani_->NastavitPoziciObrazu(obraz_);
        }
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
    if (HWND rodic = ::GetParent(Hwnd())) {
        RECT oblast = klient;
        ::MapWindowPoints(Hwnd(), rodic, reinterpret_cast<POINT*>(&oblast), 2);
        ::InvalidateRect(rodic, &oblast, FALSE);
    }
}

void OknoPrehravacVidea::Kreslit(HDC dc) {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    // A file without a picture (sound only) leaves the area black.
    if (prehravani_ && prehravani_->Stav() != Prehravac::Stav::BezSouboru)
        ::FillRect(dc, &klient, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    else
        KreslitZariciText(dc, klient, nazev_);
}

void OknoPrehravacVidea::KreslitOkoliObrazu(HDC dc) const {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    const HRGN okoli = ::CreateRectRgnIndirect(&klient);
    const HRGN obraz = ::CreateRectRgnIndirect(&obraz_);
    if (okoli && obraz && !::IsRectEmpty(&obraz_)) ::CombineRgn(okoli, okoli, obraz, RGN_DIFF);
    if (okoli) ::FillRgn(dc, okoli, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    if (okoli) ::DeleteObject(okoli);
    if (obraz) ::DeleteObject(obraz);
    // While the graph runs the next frame comes anyway; Wine's VMR-9 stops delivering frames
    // when it is asked to repaint while running.
    if (prehravani_ && !::IsRectEmpty(&obraz_) && prehravani_->Stav() != Prehravac::Stav::Bezi)
        prehravani_->PrekreslitObraz(dc);
}

LRESULT OknoPrehravacVidea::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
        case WM_SIZE:
            Rozvrhnout();
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            KresleniOkna kresleni(Hwnd());
            Kreslit(kresleni.Dc());
            return 0;
        }
        case WM_THEMECHANGED:
            ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_CONTEXTMENU:
            // The player window shows the context menu with its commands.
            if (HWND rodic = ::GetParent(Hwnd())) ::SendMessageW(rodic, WM_CONTEXTMENU, wp, lp);
            return 0;
        default:
            break;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
