#include "camera/win/EditorMasky.h"

#include <windowsx.h>

#include <cstdlib>

#include "knihovna/Chyba.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/win/UnikatniHandle.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace {

constexpr UINT_PTR kCasovacSnimku = 1;
constexpr UINT kPeriodaSnimku = 200;  // ms: live enough to see what moves where, cheap enough to paint
constexpr COLORREF kBarvaMrizky = RGB(255, 255, 255);

long long BajtuRadku(const BITMAPINFOHEADER& h) { return ((static_cast<long long>(h.biWidth) * 24 + 31) / 32) * 4; }

}  // namespace

void EditorMasky::PripravitTridu(WNDCLASSEXW& trida) {
    trida.hbrBackground = nullptr;  // painted whole, double-buffered
    trida.hCursor = ::LoadCursorW(nullptr, IDC_CROSS);
}

void EditorMasky::Zahajit(HWND kamera, const RECT& oblast, Holvent::DirectShow::ZachytavaniVidea& zachytavani,
                          Registr& registr, std::wstring cestaKamery, Hlaseni hlaseni) {
    if (Bezi()) {
        ::SetFocus(Hwnd());
        return;
    }
    zachytavani_ = &zachytavani;
    registr_ = &registr;
    cestaKamery_ = std::move(cestaKamery);
    hlaseni_ = std::move(hlaseni);
    maska_ = nastaveni_.maska;
    snimek_.clear();
    tahne_ = false;
    Vytvorit(kTrida, L"Maska detekce pohybu", WS_CHILD | WS_CLIPSIBLINGS, 0, oblast.left, oblast.top,
             oblast.right - oblast.left, oblast.bottom - oblast.top, kamera,
             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdOkna)));
    // Above the video window, whose renderer it clips.
    ::SetWindowPos(Hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ObnovitSnimek();
    if (!::SetTimer(Hwnd(), kCasovacSnimku, kPeriodaSnimku, nullptr)) VyhoditPriChybeWin32(::GetLastError());
    ::SetFocus(Hwnd());
    if (hlaseni_.stav) hlaseni_.stav(kTextNapovedy);
    if (hlaseni_.zmena) hlaseni_.zmena();
}

void EditorMasky::Rozmistit(const RECT& oblast) {
    if (!Bezi()) return;
    ::MoveWindow(Hwnd(), oblast.left, oblast.top, oblast.right - oblast.left, oblast.bottom - oblast.top, TRUE);
}

void EditorMasky::Ukoncit(bool ulozit) {
    if (!Bezi()) return;
    if (ulozit) Ulozit();
    else if (hlaseni_.stav) hlaseni_.stav(L"Úprava masky detekce pohybu byla zrušena");
    // The keyboard goes back to the camera window, not to nowhere.
    ::SetFocus(::GetParent(Hwnd()));
    Znicit();
    if (hlaseni_.zmena) hlaseni_.zmena();
}

void EditorMasky::Ulozit() {
    // The running detector and the record take the mask even when the registry refuses it: the camera stores
    // its record again when it closes.
    nastaveni_.maska = maska_;
    detektor_.NastavitMasku(maska_);
    try {
        RegistrKlic klic(*registr_, cestaKamery_);
        klic.OtevritZapis(L"Detekce pohybu");
        const auto b = maska_.Bajty();
        klic.ZapsatBinarni(L"maska", b.data(), static_cast<std::uint32_t>(b.size()));
        klic.Zavrit();
    } catch (const Chyba& chyba) {
        if (hlaseni_.chyba)
            hlaseni_.chyba(L"Masku detekce pohybu nelze uložit do registru Windows: " +
                           (chyba.Text().empty() ? std::wstring(L"chyba") : chyba.Text()));
        return;
    }
    if (hlaseni_.stav) hlaseni_.stav(maska_.Prazdna() ? L"Maska detekce pohybu uložena: sleduje se celý obraz"
                                                      : L"Maska detekce pohybu uložena");
}

void EditorMasky::ObnovitSnimek() {
    if (!zachytavani_ || !zachytavani_->GrafExistuje()) return;
    try {
        zachytavani_->SejmoutSnimek();
    } catch (const Chyba&) {
        return;  // no frame yet, or the graph is changing: the last one stays
    }
    const BITMAPINFOHEADER& h = zachytavani_->HlavickaSnimku().bmiHeader;
    const auto& data = zachytavani_->DataSnimku();
    // Only the bottom-up 24-bit frames the capture delivers.
    if (h.biBitCount != 24 || h.biWidth <= 0 || h.biHeight <= 0 ||
        BajtuRadku(h) * h.biHeight > static_cast<long long>(data.size()))
        return;
    hlavicka_ = h;
    snimek_.assign(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(BajtuRadku(h) * h.biHeight));
    ZastinitMaskovane(snimek_.data(), h.biWidth, h.biHeight, maska_);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

Obdelnik EditorMasky::Obraz() const {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    int sirka = snimek_.empty() ? (zachytavani_ ? zachytavani_->Sirka() : 0) : hlavicka_.biWidth;
    int vyska = snimek_.empty() ? (zachytavani_ ? zachytavani_->Vyska() : 0) : hlavicka_.biHeight;
    if (sirka <= 0 || vyska <= 0) sirka = 4, vyska = 3;
    return ObrazMasky(klient.right, klient.bottom, sirka, vyska);
}

void EditorMasky::Kreslit(HDC dc) {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    UnikatniDc pametovy(::CreateCompatibleDC(dc));
    UnikatniBitmapa bitmapa(::CreateCompatibleBitmap(dc, std::max(1L, klient.right), std::max(1L, klient.bottom)));
    if (!pametovy || !bitmapa) return;
    VybranyObjekt vybrana(pametovy.get(), bitmapa.get());
    HDC p = pametovy.get();
    ::FillRect(p, &klient, static_cast<HBRUSH>(::GetStockObject(DKGRAY_BRUSH)));
    const Obdelnik o = Obraz();
    if (!snimek_.empty()) {
        BITMAPINFO info{};
        info.bmiHeader = hlavicka_;
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = 0;
        ::SetStretchBltMode(p, COLORONCOLOR);
        ::StretchDIBits(p, o.left, o.top, o.Sirka(), o.Vyska(), 0, 0, hlavicka_.biWidth, hlavicka_.biHeight,
                        snimek_.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    } else {
        RECT r{o.left, o.top, o.right, o.bottom};
        ::FillRect(p, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    }
    // Masked cells are hatched on top of the shading, so that they show on a dark or red picture as well.
    UnikatniStetec srafy(::CreateHatchBrush(HS_BDIAGONAL, RGB(255, 60, 60)));
    ::SetBkMode(p, TRANSPARENT);
    for (int r = 0; r < MaskaPohybu::kRadku; ++r)
        for (int s = 0; s < MaskaPohybu::kSloupcu; ++s) {
            if (!maska_.Maskovana(s, r)) continue;
            RECT bunka{o.left + MaskaPohybu::ZacatekSloupce(s, o.Sirka()), o.top + MaskaPohybu::ZacatekRadku(r, o.Vyska()),
                       o.left + MaskaPohybu::ZacatekSloupce(s + 1, o.Sirka()),
                       o.top + MaskaPohybu::ZacatekRadku(r + 1, o.Vyska())};
            if (srafy) ::FillRect(p, &bunka, srafy.get());
        }
    UnikatniPero pero(::CreatePen(PS_DOT, 1, kBarvaMrizky));
    {
        VybranyObjekt vybranePero(p, pero ? static_cast<HGDIOBJ>(pero.get()) : ::GetStockObject(WHITE_PEN));
        ::SetBkMode(p, OPAQUE);
        ::SetBkColor(p, RGB(0, 0, 0));
        for (int s = 0; s <= MaskaPohybu::kSloupcu; ++s) {
            const int x = std::min(o.left + MaskaPohybu::ZacatekSloupce(s, o.Sirka()), o.right - 1);
            ::MoveToEx(p, x, o.top, nullptr);
            ::LineTo(p, x, o.bottom);
        }
        for (int r = 0; r <= MaskaPohybu::kRadku; ++r) {
            const int y = std::min(o.top + MaskaPohybu::ZacatekRadku(r, o.Vyska()), o.bottom - 1);
            ::MoveToEx(p, o.left, y, nullptr);
            ::LineTo(p, o.right, y);
        }
    }
    ::BitBlt(dc, 0, 0, klient.right, klient.bottom, p, 0, 0, SRCCOPY);
}

void EditorMasky::Stisk(int x, int y) {
    int s, r;
    ::SetFocus(Hwnd());
    if (!BunkaVBode(Obraz(), x, y, s, r)) return;
    stavTahu_ = !maska_.Maskovana(s, r);
    maska_.Nastavit(s, r, stavTahu_);
    sloupec_ = s;
    radek_ = r;
    tahne_ = true;
    ::SetCapture(Hwnd());
    ObnovitSnimek();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void EditorMasky::Tah(int x, int y) {
    if (!tahne_) return;
    const Obdelnik o = Obraz();
    if (o.Sirka() <= 0 || o.Vyska() <= 0) return;
    // A point outside the picture counts as its nearest edge cell: a drag may leave it and come back.
    int s, r;
    BunkaVBode(o, std::clamp(x, o.left, o.right - 1), std::clamp(y, o.top, o.bottom - 1), s, r);
    if (s == sloupec_ && r == radek_) return;
    ProjitUsecku(sloupec_, radek_, s, r, [&](int bs, int br) { maska_.Nastavit(bs, br, stavTahu_); });
    sloupec_ = s;
    radek_ = r;
    ObnovitSnimek();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT EditorMasky::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_PAINT: {
        KresleniOkna kresleni(Hwnd());
        Kreslit(kresleni.Dc());
        return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_SIZE: ::InvalidateRect(Hwnd(), nullptr, FALSE); return 0;
    case WM_TIMER:
        if (wp == kCasovacSnimku) ObnovitSnimek();
        return 0;
    case WM_LBUTTONDOWN: Stisk(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_MOUSEMOVE: Tah(GET_X_LPARAM(lp), GET_Y_LPARAM(lp)); return 0;
    case WM_LBUTTONUP:
        Tah(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
        tahne_ = false;
        if (::GetCapture() == Hwnd()) ::ReleaseCapture();
        return 0;
    case WM_CAPTURECHANGED: tahne_ = false; return 0;
    case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
    case WM_KEYDOWN:
        if (wp == VK_RETURN) {
            Ukoncit(true);
            return 0;
        }
        if (wp == VK_ESCAPE) {
            Ukoncit(false);
            return 0;
        }
        break;
    case WM_DESTROY: ::KillTimer(Hwnd(), kCasovacSnimku); break;
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
