#include "video/win/OknoVideo.h"

#include <algorithm>

#include "knihovna/win/GdiPlus.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/win/ZariciText.h"

using Knihovna::WinApi::KresleniOkna;

namespace {

constexpr int kKrokPosunu = 20;

}  // namespace

OknoVideo::~OknoVideo() { zachytavani_.UvolnitVse(); }

void OknoVideo::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    trida.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
}

void OknoVideo::Vytvorit(HWND rodic) {
    RECT r{};
    ::GetClientRect(rodic, &r);
    Okno::Vytvorit(kTrida, L"Video", WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, r.right - r.left,
                   r.bottom - r.top, rodic);
    ::ShowWindow(Hwnd(), SW_SHOW);
    zachytavani_.Resetovat();
    zachytavani_.NastavitVlastnika(Hwnd());
    zachytavani_.VybratPrvniZarizeni();
}

void OknoVideo::NastavitPrizpusobeni(bool prizpusobit) {
    prizpusobit_ = prizpusobit;
    jednaKuJedne_ = !prizpusobit;
    if (prizpusobit && Hwnd()) {
        posunX_ = posunY_ = 0;
        ::ShowScrollBar(Hwnd(), SB_BOTH, FALSE);
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
        ::SetScrollInfo(Hwnd(), SB_HORZ, &si, FALSE);
        ::SetScrollInfo(Hwnd(), SB_VERT, &si, FALSE);
    }
    if (Hwnd()) {
        RECT r{};
        ::GetClientRect(Hwnd(), &r);
        ::PostMessageW(Hwnd(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(r.right, r.bottom));
    }
}

void OknoVideo::ZapnoutVideo() {
    zachytavani_.NastavitVlastnika(Hwnd());
    zachytavani_.Zapnout();
    Rozvrhnout();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoVideo::VypnoutVideo() {
    zachytavani_.Vypnout();
    Rozvrhnout();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoVideo::ZmenitVelikostVidea(int sirka, int vyska) {
    // The layout follows whatever size the device ended with, also when the change failed.
    struct Rozvrh {
        OknoVideo& o;
        ~Rozvrh() {
            o.Rozvrhnout();
            ::InvalidateRect(o.Hwnd(), nullptr, FALSE);
        }
    } rozvrh{*this};
    zachytavani_.NastavitVelikost(sirka, vyska);
}

void OknoVideo::Rozvrhnout() {
    if (!Hwnd() || rozvrhuji_) return;
    rozvrhuji_ = true;
    RECT r{};
    ::GetClientRect(Hwnd(), &r);
    // The layout works with the whole area; bars shown now are given back to it.
    const LONG_PTR styl = ::GetWindowLongPtrW(Hwnd(), GWL_STYLE);
    const int sirkaSvisleho = ::GetSystemMetrics(SM_CXVSCROLL);
    const int vyskaVodorovneho = ::GetSystemMetrics(SM_CYHSCROLL);
    VstupRozvrzeni v;
    v.grafExistuje = zachytavani_.GrafExistuje();
    v.prizpusobit = prizpusobit_;
    v.sirkaKlienta = r.right + ((styl & WS_VSCROLL) ? sirkaSvisleho : 0);
    v.vyskaKlienta = r.bottom + ((styl & WS_HSCROLL) ? vyskaVodorovneho : 0);
    v.sirkaVidea = zachytavani_.Sirka();
    v.vyskaVidea = zachytavani_.Vyska();
    v.posunX = posunX_;
    v.posunY = posunY_;
    v.sirkaSvislehoPosuvniku = sirkaSvisleho;
    v.vyskaVodorovnehoPosuvniku = vyskaVodorovneho;
    rozvrzeni_ = RozvrhnoutVideo(v);
    posunX_ = rozvrzeni_.posunX;
    posunY_ = rozvrzeni_.posunY;

    if (rozvrzeni_.vodorovnyPosuvnik) {
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, rozvrzeni_.rozsahX - 1,
                      static_cast<UINT>(rozvrzeni_.strankaX), posunX_, 0};
        ::SetScrollInfo(Hwnd(), SB_HORZ, &si, TRUE);
    }
    if (rozvrzeni_.svislyPosuvnik) {
        SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, rozvrzeni_.rozsahY - 1,
                      static_cast<UINT>(rozvrzeni_.strankaY), posunY_, 0};
        ::SetScrollInfo(Hwnd(), SB_VERT, &si, TRUE);
    }
    ::ShowScrollBar(Hwnd(), SB_HORZ, rozvrzeni_.vodorovnyPosuvnik ? TRUE : FALSE);
    ::ShowScrollBar(Hwnd(), SB_VERT, rozvrzeni_.svislyPosuvnik ? TRUE : FALSE);
    if (rozvrzeni_.umistitVideo) {
        const auto& o = rozvrzeni_.video;
        zachytavani_.NastavitPoziciVidea(o.left, o.top, o.Sirka(), o.Vyska());
    }
    rozvrhuji_ = false;
}

void OknoVideo::Posunout(int posuvnik, WPARAM wp) {
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(Hwnd(), posuvnik, &si)) return;
    int pozice = si.nPos;
    switch (LOWORD(wp)) {
        case SB_LINEUP:
            pozice -= kKrokPosunu;
            break;
        case SB_LINEDOWN:
            pozice += kKrokPosunu;
            break;
        case SB_PAGEUP:
            pozice -= static_cast<int>(si.nPage);
            break;
        case SB_PAGEDOWN:
            pozice += static_cast<int>(si.nPage);
            break;
        case SB_THUMBTRACK:
        case SB_THUMBPOSITION:
            pozice = si.nTrackPos;
            break;
        case SB_TOP:
            pozice = si.nMin;
            break;
        case SB_BOTTOM:
            pozice = si.nMax;
            break;
        default:
            return;
    }
    (posuvnik == SB_HORZ ? posunX_ : posunY_) = std::max(0, pozice);
    Rozvrhnout();
}

void OknoVideo::Kreslit(HDC dc) {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    if (!zachytavani_.GrafExistuje()) {
        KreslitNazev(dc, klient);
        return;
    }
    // The renderer paints its own rectangle (the window clips its children); the rest of the
    // area is not erased by the background, so it is filled here.
    const HRGN zbytek = ::CreateRectRgnIndirect(&klient);
    const auto& v = rozvrzeni_.video;
    const HRGN video = ::CreateRectRgn(v.left, v.top, v.right, v.bottom);
    if (zbytek && video && rozvrzeni_.umistitVideo) ::CombineRgn(zbytek, zbytek, video, RGN_DIFF);
    if (zbytek) ::FillRgn(dc, zbytek, ::GetSysColorBrush(COLOR_WINDOW));
    if (zbytek) ::DeleteObject(zbytek);
    if (video) ::DeleteObject(video);
}

void OknoVideo::KreslitNazev(HDC dc, const RECT& klient) {
    KreslitZariciText(dc, klient, zachytavani_.ZarizeniVideo().friendlyName);
}

LRESULT OknoVideo::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
        case WM_SIZE:
            Rozvrhnout();
            return 0;
        case WM_ERASEBKGND:
            return 0;
        case WM_PAINT: {
            KresleniOkna kresleni(Hwnd());
            Kreslit(kresleni.Dc());
            return 0;
        }
        case WM_SETCURSOR:
            if (LOWORD(lp) == HTCLIENT) {
                const bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
                ::SetCursor(::LoadCursorW(nullptr, ctrl ? IDC_HAND : IDC_ARROW));
                return TRUE;
            }
            break;
        case WM_LBUTTONDOWN:
            if (wp & MK_CONTROL) {
                if (cilKliknuti_) ::PostMessageW(cilKliknuti_, kZpravaCtrlKlik, wp, lp);
            } else if (HWND rodic = ::GetParent(Hwnd())) {
                ::PostMessageW(rodic, WM_LBUTTONDOWN, wp, lp);
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (cilKliknuti_) ::PostMessageW(cilKliknuti_, kZpravaDvojklik, wp, lp);
            break;
        case WM_THEMECHANGED:
            ::RedrawWindow(Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
            break;
        case WM_HSCROLL:
            Posunout(SB_HORZ, wp);
            return 0;
        case WM_VSCROLL:
            Posunout(SB_VERT, wp);
            return 0;
        case WM_MOUSEWHEEL:
            if (rozvrzeni_.svislyPosuvnik) {
                posunY_ -= GET_WHEEL_DELTA_WPARAM(wp) / WHEEL_DELTA * 3 * kKrokPosunu;
                posunY_ = std::max(0, posunY_);
                Rozvrhnout();
                return 0;
            }
            break;
        case WM_DESTROY:
            zachytavani_.UvolnitVse();
            break;
        default:
            break;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
