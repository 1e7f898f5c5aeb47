#include "imagetools/win/OknoEditorBitmapy.h"

#include <algorithm>
#include <memory>

#include "imagetools/RozmeryEditoru.h"
#include "knihovna/win/UnikatniHandle.h"
#include "video/RozvrzeniVidea.h"

using namespace Holvent::Obrazky;

namespace {

constexpr float kVelikostTextu = 24.0f;

// "Segoe UI", or the default GUI font's family where it is missing (under Wine only DejaVu Sans is found).
std::unique_ptr<Gdiplus::Font> PismoTextu(HDC dc) {
    auto pismo = std::make_unique<Gdiplus::Font>(L"Segoe UI", kVelikostTextu, Gdiplus::FontStyleRegular,
                                                 Gdiplus::UnitPixel);
    if (pismo->GetLastStatus() == Gdiplus::Ok) return pismo;
    LOGFONTW lf{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
    Gdiplus::Font zaklad(dc, &lf);
    Gdiplus::FontFamily rodina;
    if (zaklad.GetLastStatus() != Gdiplus::Ok || zaklad.GetFamily(&rodina) != Gdiplus::Ok) return nullptr;
    pismo = std::make_unique<Gdiplus::Font>(&rodina, kVelikostTextu, Gdiplus::FontStyleRegular, Gdiplus::UnitPixel);
    return pismo->GetLastStatus() == Gdiplus::Ok ? std::move(pismo) : nullptr;
}

}  // namespace

void OknoEditorBitmapy::Vytvorit(HWND rodic, UINT id, std::wstring textBezObrazku) {
    text_ = std::move(textBezObrazku);
    Okno::Vytvorit(kTrida, L"", WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE,
                   0, 0, 0, 0, rodic, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)));
    Rozvrhnout();
}

void OknoEditorBitmapy::PripravitTridu(WNDCLASSEXW& trida) {
    trida.style |= CS_HREDRAW | CS_VREDRAW;
    trida.hbrBackground = nullptr;  // painted whole in WM_PAINT
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
}

void OknoEditorBitmapy::NastavitObrazek(Gdiplus::Image* obraz) {
    obraz_ = obraz;
    posunX_ = posunY_ = 0;
    Rozvrhnout();
}

void OknoEditorBitmapy::NastavitPrizpusobeni(bool prizpusobit) {
    prizpusobit_ = prizpusobit;
    Rozvrhnout();
}

void OknoEditorBitmapy::NastavitMeritko(int procenta) {
    meritko_ = std::clamp(procenta, kMinMeritko, kMaxMeritko);
    Rozvrhnout();
}

int OknoEditorBitmapy::ZobrazeneMeritko() const {
    if (!obraz_ || !prizpusobit_) return meritko_;
    return MeritkoPrizpusobeni(umisteni_.right - umisteni_.left, static_cast<int>(obraz_->GetWidth()));
}

void OknoEditorBitmapy::Rozvrhnout() {
    if (!Hwnd()) return;
    // The client area without scroll bars: the rule decides which it needs.
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    const DWORD styl = static_cast<DWORD>(::GetWindowLongPtrW(Hwnd(), GWL_STYLE));
    if (styl & WS_VSCROLL) klient.right += ::GetSystemMetrics(SM_CXVSCROLL);
    if (styl & WS_HSCROLL) klient.bottom += ::GetSystemMetrics(SM_CYHSCROLL);
    VstupRozvrzeni v;
    v.grafExistuje = obraz_ != nullptr;
    v.prizpusobit = prizpusobit_;
    v.sirkaKlienta = klient.right;
    v.vyskaKlienta = klient.bottom;
    v.sirkaVidea = obraz_ ? static_cast<int>(obraz_->GetWidth()) : 0;
    v.vyskaVidea = obraz_ ? static_cast<int>(obraz_->GetHeight()) : 0;
    v.posunX = posunX_;
    v.posunY = posunY_;
    v.sirkaSvislehoPosuvniku = ::GetSystemMetrics(SM_CXVSCROLL);
    v.vyskaVodorovnehoPosuvniku = ::GetSystemMetrics(SM_CYHSCROLL);
    v.meritko = meritko_;
    const RozvrzeniVidea r = RozvrhnoutVideo(v);
    posunX_ = r.posunX;
    posunY_ = r.posunY;
    umisteni_ = r.umistitVideo ? RECT{r.video.left, r.video.top, r.video.right, r.video.bottom} : RECT{};
    ::ShowScrollBar(Hwnd(), SB_HORZ, r.vodorovnyPosuvnik);
    ::ShowScrollBar(Hwnd(), SB_VERT, r.svislyPosuvnik);
    SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
    if (r.vodorovnyPosuvnik) {
        si.nMax = r.rozsahX - 1;
        si.nPage = static_cast<UINT>(r.strankaX);
        si.nPos = r.posunX;
        ::SetScrollInfo(Hwnd(), SB_HORZ, &si, TRUE);
    }
    if (r.svislyPosuvnik) {
        si.nMax = r.rozsahY - 1;
        si.nPage = static_cast<UINT>(r.strankaY);
        si.nPos = r.posunY;
        ::SetScrollInfo(Hwnd(), SB_VERT, &si, TRUE);
    }
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoEditorBitmapy::Posunout(int osa, WPARAM wp) {
    SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
    if (!::GetScrollInfo(Hwnd(), osa, &si)) return;
    int pozice = si.nPos;
    const int krok = 20;
    switch (LOWORD(wp)) {
    case SB_LINEUP: pozice -= krok; break;
    case SB_LINEDOWN: pozice += krok; break;
    case SB_PAGEUP: pozice -= static_cast<int>(si.nPage); break;
    case SB_PAGEDOWN: pozice += static_cast<int>(si.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pozice = si.nTrackPos; break;
    case SB_TOP: pozice = si.nMin; break;
    case SB_BOTTOM: pozice = si.nMax; break;
    default: return;
    }
    (osa == SB_HORZ ? posunX_ : posunY_) = std::max(0, pozice);
    Rozvrhnout();
}

void OknoEditorBitmapy::KreslitPrizpusobene(Gdiplus::Graphics& g, Gdiplus::Image& obraz, int sirka, int vyska) {
    VstupRozvrzeni v;
    v.grafExistuje = true;
    v.prizpusobit = true;
    v.sirkaKlienta = sirka;
    v.vyskaKlienta = vyska;
    v.sirkaVidea = static_cast<int>(obraz.GetWidth());
    v.vyskaVidea = static_cast<int>(obraz.GetHeight());
    // The fit rule never enlarges: stretch to the target box instead, keeping the ratio.
    const double k = std::min(static_cast<double>(sirka) / v.sirkaVidea, static_cast<double>(vyska) / v.vyskaVidea);
    const int s = std::max(1, static_cast<int>(v.sirkaVidea * k + 0.5));
    const int h = std::max(1, static_cast<int>(v.vyskaVidea * k + 0.5));
    Gdiplus::SolidBrush pozadi(Gdiplus::Color(255, 255, 255, 255));
    g.FillRectangle(&pozadi, 0, 0, sirka, vyska);
    g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
    g.DrawImage(&obraz, (sirka - s) / 2, (vyska - h) / 2, s, h);
}

void OknoEditorBitmapy::KreslitText(Gdiplus::Graphics& g, const RECT& klient) {
    HDC dc = g.GetHDC();
    auto pismo = PismoTextu(dc);
    g.ReleaseHDC(dc);
    if (!pismo) return;  // painting never fails: without a font the view stays white
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    Gdiplus::SolidBrush stetec(Gdiplus::Color(255, 96, 96, 96));
    g.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
    const Gdiplus::RectF obdelnik(0, 0, static_cast<float>(klient.right), static_cast<float>(klient.bottom));
    g.DrawString(text_.c_str(), static_cast<INT>(text_.size()), pismo.get(), obdelnik, &format, &stetec);
}

void OknoEditorBitmapy::Kreslit(HDC dc) {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    if (klient.right <= 0 || klient.bottom <= 0) return;
    // Drawn off screen first: no flicker while zooming and scrolling.
    Knihovna::WinApi::UnikatniDc pamet(::CreateCompatibleDC(dc));
    Knihovna::WinApi::UnikatniBitmapa bitmapa(::CreateCompatibleBitmap(dc, klient.right, klient.bottom));
    if (!pamet || !bitmapa) return;
    const HGDIOBJ stara = ::SelectObject(pamet.get(), bitmapa.get());
    {
        Gdiplus::Graphics g(pamet.get());
        g.Clear(Gdiplus::Color(255, 255, 255, 255));
        if (!obraz_) {
            KreslitText(g, klient);
        } else {
            const int s = umisteni_.right - umisteni_.left;
            const int h = umisteni_.bottom - umisteni_.top;
            g.SetInterpolationMode(prizpusobit_ || meritko_ < 100 ? Gdiplus::InterpolationModeHighQualityBicubic
                                                                  : Gdiplus::InterpolationModeNearestNeighbor);
            g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
            g.DrawImage(obraz_, static_cast<INT>(umisteni_.left), static_cast<INT>(umisteni_.top), s, h);
        }
    }
    ::BitBlt(dc, 0, 0, klient.right, klient.bottom, pamet.get(), 0, 0, SRCCOPY);
    ::SelectObject(pamet.get(), stara);
}

LRESULT OknoEditorBitmapy::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_SIZE: Rozvrhnout(); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: {
        Knihovna::WinApi::KresleniOkna kresleni(Hwnd());
        Kreslit(kresleni.Dc());
        return 0;
    }
    case WM_HSCROLL: Posunout(SB_HORZ, wp); return 0;
    case WM_VSCROLL: Posunout(SB_VERT, wp); return 0;
    case WM_MOUSEWHEEL:
        if (!obraz_ || prizpusobit_) return 0;
        Posunout(SB_VERT, GET_WHEEL_DELTA_WPARAM(wp) > 0 ? SB_PAGEUP : SB_PAGEDOWN);
        return 0;
    case WM_CONTEXTMENU:
        // The editor window shows it.
        ::SendMessageW(::GetParent(Hwnd()), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(Hwnd()), lp);
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
