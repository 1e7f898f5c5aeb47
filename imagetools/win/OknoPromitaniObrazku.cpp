#include "imagetools/win/OknoPromitaniObrazku.h"

#include <process.h>

#include <algorithm>
#include <atomic>
#include <utility>

#include "camera/AktivityKamery.h"
#include "imagetools/win/VycetSlozkyWin.h"
#include "knihovna/Formatovani.h"
#include "knihovna/win/ChybyWin.h"
#include "knihovna/win/GdiPlus.h"
#include "video/win/Bitmapa.h"

using Holvent::Obrazky::StavPromitani;
using Holvent::Obrazky::VysledekSberu;
using Knihovna::WinApi::UnikatniBitmapa;
using Knihovna::WinApi::UnikatniDc;

namespace {

constexpr UINT_PTR kCasovac = 1;
constexpr DWORD kCekaniNaSber = 3000;  // ms; a worker left after that owns only its state
constexpr UINT kNejkratsiInterval = 100;

}  // namespace

// Everything the collecting worker touches: the window only posts to, the folder and the cancel flag.
struct OknoPromitaniObrazku::StavSberu {
    HWND okno = nullptr;
    std::wstring slozka;
    std::atomic<bool> zrusit{false};
};

OknoPromitaniObrazku::OknoPromitaniObrazku(std::wstring slozka, const Nastaveni& nastaveni)
    : slozka_(std::move(slozka)), nastaveni_(nastaveni) {}

OknoPromitaniObrazku::~OknoPromitaniObrazku() {
    ZastavitSber();
    SkrytKurzor(false);
}

void OknoPromitaniObrazku::PripravitTridu(WNDCLASSEXW& trida) {
    Okno::PripravitTridu(trida);
    trida.hbrBackground = nullptr;  // painted whole, double-buffered
    trida.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
}

void OknoPromitaniObrazku::Vytvorit() {
    pozadi_.Nastavit(::CreateSolidBrush(nastaveni_.barvaPozadi & 0xFFFFFF));
    LOGFONTW lf{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
    lf.lfHeight = -24;
    pismo_.Nastavit(::CreateFontIndirectW(&lf));
    text_ = Holvent::Obrazky::TextHledani(0);
    Okno::Vytvorit(kTrida, text_, WS_POPUP, WS_EX_TOPMOST, 0, 0, ::GetSystemMetrics(SM_CXSCREEN),
                   ::GetSystemMetrics(SM_CYSCREEN));
    SkrytKurzor(true);
    ::ShowWindow(Hwnd(), SW_SHOW);
    ::SetForegroundWindow(Hwnd());
    SpustitSber();
}

void OknoPromitaniObrazku::SpustitSber() {
    sber_ = std::make_shared<StavSberu>();
    sber_->okno = Hwnd();
    sber_->slozka = slozka_;
    // The thread holds its own reference: a window gone refuses its posts, and it frees what it made.
    auto* parametr = new std::shared_ptr<StavSberu>(sber_);
    const auto h = ::_beginthreadex(
        nullptr, 0,
        [](void* p) -> unsigned {
            std::unique_ptr<std::shared_ptr<StavSberu>> drzeny(static_cast<std::shared_ptr<StavSberu>*>(p));
            StavSberu& s = **drzeny;
            try {
                auto vysledek = std::make_unique<VysledekSberu>(Holvent::Obrazky::SberObrazku(
                    s.slozka, Holvent::Obrazky::VycetSlozkyWin, &s.zrusit,
                    [&s](std::size_t pocet) { ::PostMessageW(s.okno, kZpravaPrubehSberu, pocet, 0); }));
                if (::PostMessageW(s.okno, kZpravaKonecSberu, 0, reinterpret_cast<LPARAM>(vysledek.get())))
                    vysledek.release();
            } catch (...) {
                // Out of memory while collecting: the show gets no list and ends.
                ::PostMessageW(s.okno, kZpravaKonecSberu, 0, 0);
            }
            return 0;
        },
        parametr, 0, nullptr);
    if (!h) {
        delete parametr;
        Knihovna::VyhoditPriChybeWin32(::GetLastError() ? ::GetLastError() : ERROR_NOT_ENOUGH_MEMORY);
    }
    vlaknoSberu_ = reinterpret_cast<HANDLE>(h);
}

void OknoPromitaniObrazku::ZastavitSber() {
    if (sber_) sber_->zrusit = true;
    if (vlaknoSberu_) {
        ::WaitForSingleObject(vlaknoSberu_, kCekaniNaSber);
        ::CloseHandle(vlaknoSberu_);
        vlaknoSberu_ = nullptr;
    }
}

void OknoPromitaniObrazku::PoSberu(VysledekSberu& vysledek) {
    soubory_ = std::move(vysledek.soubory);
    stav_.ZacitPromitani(soubory_.size(), nastaveni_.cyklickyOpakovat);
    if (stav_.Stav() != StavPromitani::Faze::Promitani) return;
    // The first picture at once, then one per interval.
    ::PostMessageW(Hwnd(), WM_TIMER, kCasovac, 0);
    casovac_ = ::SetTimer(Hwnd(), kCasovac, std::max(nastaveni_.interval, kNejkratsiInterval), nullptr) != 0;
}

void OknoPromitaniObrazku::DalsiObrazek() {
    const std::optional<std::size_t> index = stav_.Dalsi();
    if (!index) {
        if (stav_.Stav() == StavPromitani::Faze::Konec) ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
        return;
    }
    NacistObrazek(soubory_[*index]);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoPromitaniObrazku::NacistObrazek(const std::wstring& cesta) {
    obraz_.Nastavit();
    text_.clear();
    NastavitText(cesta);
    Holvent::GdiPlus::BitmapaGdiPlus obraz;
    try {
        obraz = Holvent::GdiPlus::NacistObrazek(cesta);
    } catch (const Knihovna::Chyba& chyba) {
        text_ = !chyba.Text().empty()
                    ? chyba.Text()
                    : Knihovna::Formatovat(L"Soubor \"%s\" nelze načíst: %s", cesta.c_str(),
                                           Knihovna::WinApi::PopisChyby(chyba).c_str());
        return;
    }
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    const int w = static_cast<int>(obraz->GetWidth()), h = static_cast<int>(obraz->GetHeight());
    const Knihovna::Obdelnik u = Holvent::Obrazky::UmisteniPromitani(klient.right, klient.bottom, w, h);
    umisteni_ = RECT{u.left, u.top, u.right, u.bottom};
    const int sirka = std::max(1, u.right - u.left), vyska = std::max(1, u.bottom - u.top);

    // Scaled once here: painting every interval (or on every uncovering) only copies the result.
    HDC obrazovka = ::GetDC(Hwnd());
    UnikatniBitmapa vysledek(::CreateCompatibleBitmap(obrazovka, sirka, vyska));
    UnikatniDc pamet(::CreateCompatibleDC(obrazovka));
    ::ReleaseDC(Hwnd(), obrazovka);
    if (!vysledek || !pamet) {
        text_ = Knihovna::Formatovat(L"Obrázek \"%s\" nelze zobrazit: %s", cesta.c_str(),
                                     Knihovna::WinApi::SystemovyPopis(E_OUTOFMEMORY).c_str());
        return;
    }
    HGDIOBJ puvodni = ::SelectObject(pamet.get(), vysledek.get());
    RECT cela{0, 0, sirka, vyska};
    ::FillRect(pamet.get(), &cela, pozadi_.get());
    Gdiplus::Status stav;
    {
        Gdiplus::Graphics g(pamet.get());
        g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
        g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
        stav = g.DrawImage(obraz.get(), Gdiplus::Rect(0, 0, sirka, vyska), 0, 0, w, h, Gdiplus::UnitPixel);
    }
    ::SelectObject(pamet.get(), puvodni);
    if (stav != Gdiplus::Ok) {
        text_ = Knihovna::Formatovat(L"Obrázek \"%s\" nelze zobrazit (chyba knihovny GDI+ %d).", cesta.c_str(),
                                     static_cast<int>(stav));
        return;
    }
    obraz_ = std::move(vysledek);
}

void OknoPromitaniObrazku::Klavesa(WPARAM vk) {
    StavPromitani::Klavesa k;
    switch (vk) {
    case VK_PAUSE: k = StavPromitani::Klavesa::Pauza; break;
    case VK_ESCAPE: k = StavPromitani::Klavesa::Escape; break;
    case VK_LEFT:
    case VK_UP: k = StavPromitani::Klavesa::Zpet; break;
    case VK_RIGHT:
    case VK_DOWN: k = StavPromitani::Klavesa::Vpred; break;
    default: return;
    }
    const StavPromitani::Reakce r = stav_.Stisknuto(k);
    if (r.ukoncit) {
        if (sber_) sber_->zrusit = true;
        ::PostMessageW(Hwnd(), WM_CLOSE, 0, 0);
    }
    if (r.zastavitCasovac && casovac_) {
        ::KillTimer(Hwnd(), kCasovac);
        casovac_ = false;
    }
    if (r.dalsiKrok) ::PostMessageW(Hwnd(), WM_TIMER, kCasovac, 0);
    if (r.spustitCasovac)
        casovac_ = ::SetTimer(Hwnd(), kCasovac, std::max(nastaveni_.interval, kNejkratsiInterval), nullptr) != 0;
}

void OknoPromitaniObrazku::Kreslit(HDC dc, const RECT& klient) {
    ::FillRect(dc, &klient, pozadi_.get());
    if (obraz_) {
        UnikatniDc pamet(::CreateCompatibleDC(dc));
        if (!pamet) return;
        HGDIOBJ puvodni = ::SelectObject(pamet.get(), obraz_.get());
        ::BitBlt(dc, umisteni_.left, umisteni_.top, umisteni_.right - umisteni_.left,
                 umisteni_.bottom - umisteni_.top, pamet.get(), 0, 0, SRCCOPY);
        ::SelectObject(pamet.get(), puvodni);
        return;
    }
    if (text_.empty()) return;
    // A text that stands out from the background: light on a dark one, dark on a light one.
    const COLORREF b = nastaveni_.barvaPozadi;
    const int jas = (GetRValue(b) * 30 + GetGValue(b) * 59 + GetBValue(b) * 11) / 100;
    ::SetTextColor(dc, jas < 128 ? RGB(255, 255, 255) : RGB(0, 0, 0));
    ::SetBkMode(dc, TRANSPARENT);
    HGDIOBJ puvodniPismo = pismo_ ? ::SelectObject(dc, pismo_.get()) : nullptr;
    RECT oblast{klient.left + 40, 0, klient.right - 40, 0};
    ::DrawTextW(dc, text_.c_str(), -1, &oblast, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
    const int vyska = oblast.bottom - oblast.top;
    oblast = RECT{klient.left + 40, (klient.bottom - vyska) / 2, klient.right - 40, (klient.bottom + vyska) / 2};
    ::DrawTextW(dc, text_.c_str(), -1, &oblast, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    if (puvodniPismo) ::SelectObject(dc, puvodniPismo);
}

void OknoPromitaniObrazku::NastavitText(const std::wstring& text) { ::SetWindowTextW(Hwnd(), text.c_str()); }

void OknoPromitaniObrazku::SkrytKurzor(bool skryt) {
    if (skryt == kurzorSkryt_) return;
    ::ShowCursor(skryt ? FALSE : TRUE);
    kurzorSkryt_ = skryt;
}

LRESULT OknoPromitaniObrazku::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = ::BeginPaint(Hwnd(), &ps);
        RECT klient{};
        ::GetClientRect(Hwnd(), &klient);
        // Double-buffered: the picture and the background reach the screen in one copy.
        UnikatniDc pamet(::CreateCompatibleDC(dc));
        UnikatniBitmapa buffer(::CreateCompatibleBitmap(dc, klient.right, klient.bottom));
        if (pamet && buffer) {
            HGDIOBJ puvodni = ::SelectObject(pamet.get(), buffer.get());
            Kreslit(pamet.get(), klient);
            ::BitBlt(dc, 0, 0, klient.right, klient.bottom, pamet.get(), 0, 0, SRCCOPY);
            ::SelectObject(pamet.get(), puvodni);
        } else {
            Kreslit(dc, klient);
        }
        ::EndPaint(Hwnd(), &ps);
        return 0;
    }
    case WM_TIMER:
        if (wp == kCasovac) DalsiObrazek();
        return 0;
    case WM_KEYUP:
        Klavesa(wp);
        return 0;
    case kZpravaPrubehSberu:
        if (stav_.Stav() == StavPromitani::Faze::Sber) {
            text_ = Holvent::Obrazky::TextHledani(static_cast<std::size_t>(wp));
            NastavitText(text_);
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
        }
        return 0;
    case kZpravaKonecSberu: {
        std::unique_ptr<VysledekSberu> vysledek(reinterpret_cast<VysledekSberu*>(lp));
        if (vlaknoSberu_) {
            ::WaitForSingleObject(vlaknoSberu_, kCekaniNaSber);
            ::CloseHandle(vlaknoSberu_);
            vlaknoSberu_ = nullptr;
        }
        VysledekSberu prazdny;
        PoSberu(vysledek ? *vysledek : prazdny);
        return 0;
    }
    case WM_CLOSE:
        stav_.Ukoncit();
        if (casovac_) ::KillTimer(Hwnd(), kCasovac);
        casovac_ = false;
        SkrytKurzor(false);
        ::DestroyWindow(Hwnd());
        return 0;
    case WM_DESTROY:
        if (casovac_) ::KillTimer(Hwnd(), kCasovac);
        casovac_ = false;
        ZastavitSber();
        obraz_.Nastavit();
        soubory_.clear();
        ::PostQuitMessage(0);
        return 0;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
