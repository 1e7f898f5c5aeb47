#include "ui/win/StaticNahled.h"

#include "knihovna/win/GdiPlus.h"
#include "knihovna/win/UnikatniHandle.h"
#include "ui/UmisteniNahledu.h"

using Knihovna::WinApi::KresleniOkna;
using Knihovna::WinApi::UnikatniDc;
using Knihovna::WinApi::VybranyObjekt;

namespace {

std::wstring JmenoSouboru(const std::wstring& cesta) {
    const auto lomitko = cesta.find_last_of(L"\\/");
    return lomitko == std::wstring::npos ? cesta : cesta.substr(lomitko + 1);
}

}  // namespace

StaticNahled::~StaticNahled() { Odpojit(); }

void StaticNahled::Pripojit(HWND prvek) {
    Odpojit();
    podtrida_.Pripojit(prvek, [this](UINT z, WPARAM wp, LPARAM lp, LRESULT& v) { return Obsluha(z, wp, lp, v); });
    Pripravit();
    ::InvalidateRect(prvek, nullptr, TRUE);
}

void StaticNahled::Odpojit() noexcept {
    HWND prvek = podtrida_.Okno();
    podtrida_.Odpojit();
    obraz_.Nastavit();
    umisteni_ = {};
    if (prvek && ::IsWindow(prvek)) ::InvalidateRect(prvek, nullptr, TRUE);
}

bool StaticNahled::Zobrazit(const std::wstring& cesta) {
    cesta_ = cesta;
    const bool ok = Pripravit();
    if (HWND h = podtrida_.Okno()) ::InvalidateRect(h, nullptr, TRUE);
    return ok;
}

void StaticNahled::Vyprazdnit() { Zobrazit({}); }

bool StaticNahled::Pripravit() {
    obraz_.Nastavit();
    umisteni_ = {};
    nacteno_ = false;
    HWND prvek = podtrida_.Okno();
    if (!cesta_.empty()) {
        // The file is decoded here and let go at once: only the scaled copy stays.
        Gdiplus::Bitmap zdroj(cesta_.c_str());
        const int sirka = static_cast<int>(zdroj.GetWidth()), vyska = static_cast<int>(zdroj.GetHeight());
        nacteno_ = zdroj.GetLastStatus() == Gdiplus::Ok && sirka > 0 && vyska > 0;
        RECT klient{};
        if (nacteno_ && prvek) ::GetClientRect(prvek, &klient);
        const Knihovna::Obdelnik kam =
            nacteno_ ? UmisteniNahledu(sirka, vyska, klient.right, klient.bottom) : Knihovna::Obdelnik{};
        if (kam.Sirka() > 0 && kam.Vyska() > 0) {
            BITMAPINFO bi{};
            bi.bmiHeader.biSize = sizeof bi.bmiHeader;
            bi.bmiHeader.biWidth = kam.Sirka();
            bi.bmiHeader.biHeight = -kam.Vyska();
            bi.bmiHeader.biPlanes = 1;
            bi.bmiHeader.biBitCount = 32;
            bi.bmiHeader.biCompression = BI_RGB;
            void* bity = nullptr;
            ObjektGdiPrvku<HBITMAP> obraz(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bity, nullptr, 0));
            UnikatniDc pametovy(::CreateCompatibleDC(nullptr));
            if (obraz && pametovy) {
                VybranyObjekt vybrany(pametovy.get(), obraz.get());
                Gdiplus::Graphics g(pametovy.get());
                // A transparent picture lies on the dialog's colour.
                const COLORREF pozadi = ::GetSysColor(COLOR_BTNFACE);
                g.Clear(Gdiplus::Color(255, GetRValue(pozadi), GetGValue(pozadi), GetBValue(pozadi)));
                g.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
                g.SetPixelOffsetMode(Gdiplus::PixelOffsetModeHalf);
                if (g.DrawImage(&zdroj, Gdiplus::Rect(0, 0, kam.Sirka(), kam.Vyska())) == Gdiplus::Ok) {
                    obraz_ = std::move(obraz);
                    umisteni_ = kam;
                }
            }
        }
    }
    // Stored past the static's own handler, which would paint the text over the picture at once.
    if (prvek) {
        const std::wstring text = nacteno_ ? JmenoSouboru(cesta_) : std::wstring(kTextBezNahledu);
        ::DefWindowProcW(prvek, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    return nacteno_;
}

void StaticNahled::Kreslit(HDC dc) {
    HWND prvek = podtrida_.Okno();
    RECT klient{};
    ::GetClientRect(prvek, &klient);
    // The parent chooses the background and text colours as for any of its statics.
    auto stetec = reinterpret_cast<HBRUSH>(::SendMessageW(
        ::GetParent(prvek), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(prvek)));
    if (!stetec) {
        stetec = ::GetSysColorBrush(COLOR_BTNFACE);
        ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
    }
    if (obraz_) {
        UnikatniDc pametovy(::CreateCompatibleDC(dc));
        if (pametovy) {
            VybranyObjekt vybrany(pametovy.get(), obraz_.get());
            ::BitBlt(dc, umisteni_.left, umisteni_.top, umisteni_.Sirka(), umisteni_.Vyska(), pametovy.get(), 0, 0,
                     SRCCOPY);
        }
        // Only the margins around the picture are filled, so it does not flicker.
        ::ExcludeClipRect(dc, umisteni_.left, umisteni_.top, umisteni_.right, umisteni_.bottom);
        ::FillRect(dc, &klient, stetec);
        ::SelectClipRgn(dc, nullptr);
        return;
    }
    ::FillRect(dc, &klient, stetec);
    if (nacteno_) return;  // a readable picture in a box too small to show it
    const auto pismo = reinterpret_cast<HFONT>(::SendMessageW(prvek, WM_GETFONT, 0, 0));
    VybranyObjekt vybrane(dc, pismo ? static_cast<HGDIOBJ>(pismo) : ::GetStockObject(DEFAULT_GUI_FONT));
    ::SetBkMode(dc, TRANSPARENT);
    // Centred both ways, broken into lines when the box is narrow.
    RECT text = klient;
    ::InflateRect(&text, -4, -4);
    RECT rozmer = text;
    ::DrawTextW(dc, kTextBezNahledu, -1, &rozmer, DT_CENTER | DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
    const int posun = ((text.bottom - text.top) - (rozmer.bottom - rozmer.top)) / 2;
    if (posun > 0) text.top += posun;
    ::DrawTextW(dc, kTextBezNahledu, -1, &text, DT_CENTER | DT_WORDBREAK | DT_NOPREFIX);
}

bool StaticNahled::Obsluha(UINT zprava, WPARAM wp, LPARAM, LRESULT& vysledek) {
    switch (zprava) {
        case WM_PAINT: {
            KresleniOkna kresleni(podtrida_.Okno());
            Kreslit(kresleni.Dc());
            vysledek = 0;
            return true;
        }
        case WM_PRINTCLIENT:
            Kreslit(reinterpret_cast<HDC>(wp));
            vysledek = 0;
            return true;
        case WM_ERASEBKGND:
            vysledek = 1;  // painted whole in WM_PAINT
            return true;
        case WM_SIZE:
            Pripravit();
            ::InvalidateRect(podtrida_.Okno(), nullptr, TRUE);
            break;
        case WM_NCDESTROY:
            obraz_.Nastavit();
            umisteni_ = {};
            break;
    }
    return false;
}
