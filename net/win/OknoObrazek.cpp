#include "net/win/OknoObrazek.h"

#include "knihovna/win/ChybyWin.h"
#include "ui/UmisteniNahledu.h"

using namespace Knihovna::WinApi;

void OknoObrazek::Vytvorit(HWND rodic, int id) {
    Okno::Vytvorit(kTrida, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, WS_EX_CLIENTEDGE, 0, 0, 0, 0, rodic,
                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

void OknoObrazek::PripravitTridu(WNDCLASSEXW& trida) {
    Okno::PripravitTridu(trida);
    trida.hbrBackground = nullptr;  // the whole area is painted
    trida.style |= CS_HREDRAW | CS_VREDRAW;
}

void OknoObrazek::NastavitPozadi(COLORREF barva) {
    pozadi_ = barva;
    if (Hwnd()) ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoObrazek::NastavitObrazek(UnikatniBitmapa bitmapa, int sirka, int vyska) {
    bitmapa_ = std::move(bitmapa);
    sirka_ = sirka;
    vyska_ = vyska;
    text_.clear();
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoObrazek::NastavitText(std::wstring text) {
    bitmapa_.Nastavit();
    sirka_ = vyska_ = 0;
    text_ = std::move(text);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void OknoObrazek::Kreslit(HDC dc) {
    RECT klient{};
    ::GetClientRect(Hwnd(), &klient);
    // Drawn off screen first: the picture does not flicker while a splitter moves.
    UnikatniDc pamet(::CreateCompatibleDC(dc));
    UnikatniBitmapa platno(::CreateCompatibleBitmap(dc, std::max<LONG>(1, klient.right), std::max<LONG>(1, klient.bottom)));
    if (!pamet || !platno) return;
    VybranyObjekt vybrane(pamet.get(), platno.get());
    UnikatniStetec stetec(::CreateSolidBrush(pozadi_));
    ::FillRect(pamet.get(), &klient, stetec.get());
    if (bitmapa_) {
        const Knihovna::Obdelnik kam = UmisteniNahledu(sirka_, vyska_, klient.right, klient.bottom);
        UnikatniDc zdroj(::CreateCompatibleDC(dc));
        VybranyObjekt obraz(zdroj.get(), bitmapa_.get());
        ::SetStretchBltMode(pamet.get(), HALFTONE);
        ::SetBrushOrgEx(pamet.get(), 0, 0, nullptr);
        ::StretchBlt(pamet.get(), kam.left, kam.top, kam.Sirka(), kam.Vyska(), zdroj.get(), 0, 0, sirka_, vyska_,
                     SRCCOPY);
    } else if (!text_.empty()) {
        VybranyObjekt pismo(pamet.get(), ::GetStockObject(DEFAULT_GUI_FONT));
        ::SetBkMode(pamet.get(), TRANSPARENT);
        // Light text on a dark background, dark on a light one.
        const int jas = (GetRValue(pozadi_) * 299 + GetGValue(pozadi_) * 587 + GetBValue(pozadi_) * 114) / 1000;
        ::SetTextColor(pamet.get(), jas < 128 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        RECT r = klient;
        ::InflateRect(&r, -8, -8);
        RECT mira = r;
        ::DrawTextW(pamet.get(), text_.c_str(), -1, &mira, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        r.top += std::max<LONG>(0, (r.bottom - r.top - (mira.bottom - mira.top)) / 2);
        ::DrawTextW(pamet.get(), text_.c_str(), -1, &r, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
    }
    ::BitBlt(dc, 0, 0, klient.right, klient.bottom, pamet.get(), 0, 0, SRCCOPY);
}

LRESULT OknoObrazek::ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) {
    switch (zprava) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        KresleniOkna kresleni(Hwnd());
        Kreslit(kresleni.Dc());
        return 0;
    }
    }
    return Okno::ZpracovatZpravu(zprava, wp, lp);
}
