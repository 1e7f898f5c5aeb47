#include "video/win/ZariciText.h"

#include <vector>

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
    // Line by line: Wine's GDI+ does not break a path's text at '\n'.
    std::vector<std::wstring> radky;
    for (std::size_t zacatek = 0;;) {
        const std::size_t konec = text.find(L'\n', zacatek);
        radky.push_back(text.substr(zacatek, konec == std::wstring::npos ? std::wstring::npos : konec - zacatek));
        if (konec == std::wstring::npos) break;
        zacatek = konec + 1;
    }
    const Gdiplus::REAL vyskaRadku = kVelikost * 1.4f;
    const Gdiplus::REAL sirka = static_cast<Gdiplus::REAL>(oblast.right - oblast.left);
    const Gdiplus::REAL stred = (oblast.top + oblast.bottom) / 2.0f;
    Gdiplus::GraphicsPath cesta;
    for (std::size_t i = 0; i < radky.size(); ++i) {
        const Gdiplus::REAL y = stred + (static_cast<Gdiplus::REAL>(i) - (radky.size() - 1) / 2.0f) * vyskaRadku;
        const Gdiplus::RectF r(static_cast<Gdiplus::REAL>(oblast.left), y - vyskaRadku / 2, sirka, vyskaRadku);
        if (!radky[i].empty() &&
            cesta.AddString(radky[i].c_str(), -1, pouzita, Gdiplus::FontStyleRegular, kVelikost, r, &format) != Gdiplus::Ok)
            return;
    }
    for (int tloustka = 1; tloustka <= 4; ++tloustka) {
        Gdiplus::Pen pero(Gdiplus::Color(0x50, 0xC8, 0x00, 0x00), static_cast<Gdiplus::REAL>(tloustka));
        pero.SetLineJoin(Gdiplus::LineJoinRound);
        g.DrawPath(&pero, &cesta);
    }
    Gdiplus::SolidBrush bila(Gdiplus::Color(255, 255, 255, 255));
    g.FillPath(&bila, &cesta);
}
