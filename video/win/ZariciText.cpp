#include "video/win/ZariciText.h"

#include "knihovna/win/GdiPlus.h"

namespace {

constexpr const wchar_t* kPismo = L"Segoe UI";
constexpr Gdiplus::REAL kVelikost = 24;

}  // namespace

void KreslitZariciText(HDC dc, const RECT& oblast, const std::wstring& text) {
    Gdiplus::Graphics g(dc);
    g.Clear(Gdiplus::Color(255, 255, 255, 255));
    if (text.empty()) return;
    g.SetSmoothingMode(Gdiplus::SmoothingModeAntiAlias);

    // Systems without the font (Wine has only a few) get the family of the default GUI font.
    Gdiplus::FontFamily rodina(kPismo);
    Gdiplus::FontFamily nahradni;
    const Gdiplus::FontFamily* pouzita = &rodina;
    if (rodina.GetLastStatus() != Gdiplus::Ok) {
        Gdiplus::Font vychozi(dc, static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT)));
        if (vychozi.GetLastStatus() != Gdiplus::Ok || vychozi.GetFamily(&nahradni) != Gdiplus::Ok) return;
        pouzita = &nahradni;
    }
    Gdiplus::StringFormat format;
    format.SetAlignment(Gdiplus::StringAlignmentCenter);
    format.SetLineAlignment(Gdiplus::StringAlignmentCenter);
    const Gdiplus::RectF r(static_cast<Gdiplus::REAL>(oblast.left), static_cast<Gdiplus::REAL>(oblast.top),
                           static_cast<Gdiplus::REAL>(oblast.right - oblast.left),
                           static_cast<Gdiplus::REAL>(oblast.bottom - oblast.top));
    Gdiplus::GraphicsPath cesta;
    if (cesta.AddString(text.c_str(), -1, pouzita, Gdiplus::FontStyleRegular, kVelikost, r, &format) != Gdiplus::Ok)
        return;
    for (int sirka = 1; sirka <= 4; ++sirka) {
        Gdiplus::Pen pero(Gdiplus::Color(0x50, 0xC8, 0x00, 0x00), static_cast<Gdiplus::REAL>(sirka));
        pero.SetLineJoin(Gdiplus::LineJoinRound);
        g.DrawPath(&pero, &cesta);
    }
    Gdiplus::SolidBrush bila(Gdiplus::Color(255, 255, 255, 255));
    g.FillPath(&bila, &cesta);
}
