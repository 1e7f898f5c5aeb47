#include "ui/win/OknoRozdelovac.h"

#include <windowsx.h>

#include "knihovna/win/UnikatniHandle.h"
#include "ui/win/OznameniPrvku.h"

HWND OknoRozdelovac::Vytvorit(HWND rodic, int id, const RECT& r) {
    return Okno::Vytvorit(kTrida, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT, r.left, r.top,
                          r.right - r.left, r.bottom - r.top, rodic, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void OknoRozdelovac::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    // The cursor is chosen in WM_SETCURSOR: arrows over the bar only.
    trida.hCursor = nullptr;
}

void OknoRozdelovac::NastavitPanely(HWND prvni, HWND druhy) {
    prvni_ = prvni;
    druhy_ = druhy;
    for (HWND h : {prvni, druhy})
        if (h && ::GetParent(h) != Hwnd()) ::SetParent(h, Hwnd());
    Rozmistit();
}

void OknoRozdelovac::NastavitMinima(int prvni, int druhy) {
    geometrie_.NastavitMinima(prvni, druhy);
    Rozmistit();
}

void OknoRozdelovac::NastavitTloustkuPruhu(int tloustka) {
    geometrie_.NastavitTloustkuPruhu(tloustka);
    Rozmistit();
}

void OknoRozdelovac::NastavitPolohu(int poloha) {
    geometrie_.Presunout(poloha);
    Rozmistit();
}

void OknoRozdelovac::Rozmistit() {
    if (!Hwnd()) return;
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    geometrie_.NastavitOblast({r.left, r.top, r.right, r.bottom});
    const Knihovna::Obdelnik a = geometrie_.Prvni(), b = geometrie_.Druhy();
    for (auto [h, o] : {std::pair{prvni_, a}, std::pair{druhy_, b}})
        if (h && ::IsWindow(h))
            ::SetWindowPos(h, nullptr, o.left, o.top, o.Sirka(), o.Vyska(), SWP_NOZORDER | SWP_NOACTIVATE);
    const Knihovna::Obdelnik p = geometrie_.Pruh();
    RECT pruh{p.left, p.top, p.right, p.bottom};
    ::InvalidateRect(Hwnd(), &pruh, TRUE);
}

int OknoRozdelovac::Souradnice(LPARAM lp) const { return geometrie_.VedleSebe() ? GET_X_LPARAM(lp) : GET_Y_LPARAM(lp); }

void OknoRozdelovac::UkoncitTazeni() {
    if (!tazeni_) return;
    tazeni_ = false;
    if (::GetCapture() == Hwnd()) ::ReleaseCapture();
    if (geometrie_.Poloha() != polohaPredTazenim_)
        OznamitZmenuHodnoty(Hwnd());
}

void OknoRozdelovac::Kreslit() {
    Knihovna::WinApi::KresleniOkna kresleni(Hwnd());
    // The bar is the background colour with a raised edge, as a dialog's own splitters look.
    const Knihovna::Obdelnik p = geometrie_.Pruh();
    RECT pruh{p.left, p.top, p.right, p.bottom};
    if (pruh.right > pruh.left && pruh.bottom > pruh.top)
        ::DrawEdge(kresleni.Dc(), &pruh, EDGE_RAISED,
                   geometrie_.VedleSebe() ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
}

LRESULT OknoRozdelovac::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
        case WM_SIZE:
            Rozmistit();
            return 0;
        case WM_PAINT:
            Kreslit();
            return 0;
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == Hwnd() && LOWORD(lp) == HTCLIENT) {
                POINT bod{};
                ::GetCursorPos(&bod);
                ::ScreenToClient(Hwnd(), &bod);
                const bool naPruhu = tazeni_ || geometrie_.NaPruhu(bod.x, bod.y);
                ::SetCursor(::LoadCursorW(nullptr, !naPruhu                 ? IDC_ARROW
                                                   : geometrie_.VedleSebe() ? IDC_SIZEWE
                                                                            : IDC_SIZENS));
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            if (geometrie_.NaPruhu(GET_X_LPARAM(lp), GET_Y_LPARAM(lp))) {
                tazeni_ = true;
                odsazeni_ = Souradnice(lp) - geometrie_.Poloha();
                polohaPredTazenim_ = geometrie_.Poloha();
                ::SetCapture(Hwnd());
            }
            return 0;
        case WM_MOUSEMOVE:
            if (tazeni_) {
                const int pred = geometrie_.Poloha();
                geometrie_.Presunout(Souradnice(lp) - odsazeni_);
                if (geometrie_.Poloha() != pred) {
                    Rozmistit();
                    ::UpdateWindow(Hwnd());
                }
            }
            return 0;
        case WM_LBUTTONUP:
            UkoncitTazeni();
            return 0;
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lp) != Hwnd()) UkoncitTazeni();
            return 0;
        case WM_KEYDOWN:
            // Escape puts a dragged bar back.
            if (tazeni_ && wp == VK_ESCAPE) {
                geometrie_.Presunout(polohaPredTazenim_);
                Rozmistit();
                UkoncitTazeni();
                return 0;
            }
            break;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORSCROLLBAR:
        case WM_DRAWITEM:
        case WM_MEASUREITEM:
        case WM_COMPAREITEM:
        case WM_DELETEITEM:
        case WM_VKEYTOITEM:
        case WM_CHARTOITEM:
            // The panes' controls belong to the dialog around the splitter: it answers for them (a dialog's
            // own procedure already turns its DWLP_MSGRESULT into the result).
            if (HWND rodic = ::GetParent(Hwnd())) return ::SendMessageW(rodic, zprava, wp, lp);
            break;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
