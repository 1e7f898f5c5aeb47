#include "ui/win/StaticPismo.h"

#include <commdlg.h>
#include <windowsx.h>

#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "camera/win/PismoSystemu.h"
#include "knihovna/win/UnikatniHandle.h"
#include "ui/TextPisma.h"
#include "ui/win/OznameniPrvku.h"

using Knihovna::WinApi::DcOkna;
using Knihovna::WinApi::VybranyObjekt;

namespace {

bool JeTlacitko(HWND okno) {
    wchar_t trida[32] = {};
    ::GetClassNameW(okno, trida, 32);
    return ::_wcsicmp(trida, L"Button") == 0;
}

// The height of the characters of a font in pixels: a negative LOGFONT height is that already; a
// positive one is the cell height and 0 the default, both known only from the font's metrics.
int VyskaZnaku(const LOGFONTW& lf, HDC dc) {
    if (lf.lfHeight < 0) return -lf.lfHeight;
    ObjektGdiPrvku<HFONT> pismo(::CreateFontIndirectW(&lf));
    if (!pismo || !dc) return lf.lfHeight;
    VybranyObjekt vybrane(dc, pismo.get());
    TEXTMETRICW tm{};
    if (!::GetTextMetricsW(dc, &tm)) return lf.lfHeight;
    return tm.tmHeight - tm.tmInternalLeading;
}

}  // namespace

StaticPismo::~StaticPismo() { Odpojit(); }

void StaticPismo::Pripojit(HWND prvek, bool vTomtoPisme) {
    Odpojit();
    // A picker never given a font shows the default GUI font, as the snapshot text starts with.
    if (pismo_.lfFaceName[0] == 0 && pismo_.lfHeight == 0) pismo_ = LogfontZPopisu(VychoziPismoGui());
    vTomtoPisme_ = vTomtoPisme;
    tlacitko_ = JeTlacitko(prvek);
    puvodni_ = reinterpret_cast<HFONT>(::SendMessageW(prvek, WM_GETFONT, 0, 0));
    podtrida_.Pripojit(prvek, [this](UINT z, WPARAM wp, LPARAM lp, LRESULT& v) { return Obsluha(z, wp, lp, v); });
    Zobrazit();
}

void StaticPismo::Odpojit() noexcept {
    HWND prvek = podtrida_.Okno();
    podtrida_.Odpojit();
    // The control must not keep a font that is about to be freed.
    if (prvek && ::IsWindow(prvek) && zobrazene_)
        ::SendMessageW(prvek, WM_SETFONT, reinterpret_cast<WPARAM>(puvodni_), TRUE);
    zobrazene_.Nastavit();
    puvodni_ = nullptr;
    stisknuto_ = false;
}

void StaticPismo::Nastavit(const LOGFONTW& pismo) {
    pismo_ = pismo;
    Zobrazit();
}

void StaticPismo::Nastavit(const PopisPisma& popis) { Nastavit(LogfontZPopisu(popis)); }

PopisPisma StaticPismo::Popis() const { return PopisZLogfontu(pismo_); }

std::wstring StaticPismo::Text() const {
    DcOkna dc(nullptr);
    const int dpi = dc.Dc() ? ::GetDeviceCaps(dc.Dc(), LOGPIXELSY) : 96;
    LOGFONTW lf = pismo_;
    lf.lfFaceName[LF_FACESIZE - 1] = 0;
    return TextPisma(lf.lfFaceName, VelikostVBodech(VyskaZnaku(lf, dc.Dc()), dpi), lf.lfWeight, lf.lfItalic != 0);
}

void StaticPismo::Zobrazit() {
    HWND prvek = podtrida_.Okno();
    if (!prvek) return;
    const std::wstring text = Text();
    ::SetWindowTextW(prvek, text.c_str());
    if (!vTomtoPisme_) return;
    LOGFONTW lf = pismo_;
    // Drawn level and small enough for the control: a 72-point choice must still show its name.
    lf.lfEscapement = lf.lfOrientation = 0;
    RECT r{};
    ::GetClientRect(prvek, &r);
    const int vyskaPrvku = r.bottom - r.top;
    if (vyskaPrvku > 4) {
        // (The cell of a font is about 1.2 times its characters.)
        if (lf.lfHeight < 0)
            lf.lfHeight = -std::min<LONG>(-lf.lfHeight, vyskaPrvku * 5 / 6);
        else if (lf.lfHeight > 0)
            lf.lfHeight = std::min<LONG>(lf.lfHeight, vyskaPrvku);
    }
    ObjektGdiPrvku<HFONT> nove(::CreateFontIndirectW(&lf));
    if (!nove) return;  // the control keeps the font it has
    // A description wider than the control is shown smaller, so that it is read whole.
    SIZE rozmer{};
    {
        DcOkna dc(prvek);
        if (dc.Dc()) {
            VybranyObjekt vybrane(dc.Dc(), nove.get());
            ::GetTextExtentPoint32W(dc.Dc(), text.c_str(), static_cast<int>(text.size()), &rozmer);
        }
    }
    const int sirka = r.right - (tlacitko_ ? 10 : 4);  // less a button's frame
    if (sirka > 8 && lf.lfHeight != 0 && rozmer.cx > sirka) {
        const LONG vyska = std::max<LONG>(std::labs(lf.lfHeight) * sirka / rozmer.cx, 8);
        lf.lfHeight = lf.lfHeight < 0 ? -vyska : vyska;
        lf.lfWidth = 0;
        ObjektGdiPrvku<HFONT> mensi(::CreateFontIndirectW(&lf));
        if (mensi) nove = std::move(mensi);
    }
    ::SendMessageW(prvek, WM_SETFONT, reinterpret_cast<WPARAM>(nove.get()), TRUE);
    zobrazene_ = std::move(nove);  // frees the previous one, which the control no longer uses
}

bool StaticPismo::Vybrat() {
    HWND prvek = podtrida_.Okno();
    if (!prvek || vyber_) return false;
    LOGFONTW lf = pismo_;
    CHOOSEFONTW cf{};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = ::GetAncestor(prvek, GA_ROOT);
    cf.lpLogFont = &lf;
    cf.Flags = CF_INITTOLOGFONTSTRUCT | CF_SCREENFONTS | (barva_ ? CF_EFFECTS : 0);
    cf.rgbColors = barvaTextu_;
    vyber_ = true;
    const BOOL ok = ::ChooseFontW(&cf);
    vyber_ = false;
    // The control may have gone while the dialog was open.
    if (!ok || !podtrida_.Okno()) return false;
    pismo_ = lf;
    if (barva_) barvaTextu_ = cf.rgbColors;
    Zobrazit();
    OznamitZmenuHodnoty(prvek);
    return true;
}

bool StaticPismo::Obsluha(UINT zprava, WPARAM wp, LPARAM lp, LRESULT& vysledek) {
    HWND prvek = podtrida_.Okno();
    switch (zprava) {
        case WM_NCHITTEST:
            // A static without SS_NOTIFY is transparent to the mouse; this one is clicked.
            if (!tlacitko_) {
                vysledek = HTCLIENT;
                return true;
            }
            break;
        case WM_SETCURSOR:
            if (!tlacitko_ && LOWORD(lp) == HTCLIENT) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                vysledek = TRUE;
                return true;
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            stisknuto_ = true;
            if (!tlacitko_) {
                ::SetCapture(prvek);
                vysledek = 0;
                return true;
            }
            break;  // the button presses itself and takes the capture
        case WM_LBUTTONUP: {
            RECT r{};
            ::GetClientRect(prvek, &r);
            const POINT bod{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            const bool klik = stisknuto_ && ::PtInRect(&r, bod);
            stisknuto_ = false;
            // The button first releases itself as usual, so that it does not stay pressed under the dialog.
            if (tlacitko_)
                vysledek = podtrida_.Vychozi(zprava, wp, lp);
            else {
                if (::GetCapture() == prvek) ::ReleaseCapture();
                vysledek = 0;
            }
            if (klik) Vybrat();
            return true;
        }
        case WM_CAPTURECHANGED:
            if (!tlacitko_) stisknuto_ = false;
            break;
        case WM_KEYUP:
            if (tlacitko_ && wp == VK_SPACE) {
                const bool stisknute = (::SendMessageW(prvek, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
                vysledek = podtrida_.Vychozi(zprava, wp, lp);
                if (stisknute) Vybrat();
                return true;
            }
            break;
        case WM_GETDLGCODE:
            // Enter on the focused button opens the dialog instead of pressing the dialog's default button.
            if (tlacitko_ && lp) {
                const MSG* zpravaDialogu = reinterpret_cast<const MSG*>(lp);
                if (zpravaDialogu->message == WM_KEYDOWN && zpravaDialogu->wParam == VK_RETURN) {
                    vysledek = podtrida_.Vychozi(zprava, wp, lp) | DLGC_WANTMESSAGE;
                    return true;
                }
            }
            break;
        case WM_KEYDOWN:
            if (tlacitko_ && wp == VK_RETURN) {
                Vybrat();
                vysledek = 0;
                return true;
            }
            break;
        case WM_CHAR:
            if (tlacitko_ && wp == L'\r') {
                vysledek = 0;
                return true;
            }
            break;
        case WM_SIZE:
            // The shown font's height depends on the control's.
            if (vTomtoPisme_) {
                vysledek = podtrida_.Vychozi(zprava, wp, lp);
                Zobrazit();
                return true;
            }
            break;
        case WM_NCDESTROY:
            // The control dies with its dialog: nothing uses the shown font any more.
            zobrazene_.Nastavit();
            puvodni_ = nullptr;
            break;
    }
    return false;
}
