#include "net/win/NahledObrazkuFtp.h"

#include "knihovna/Chyba.h"
#include "video/win/Bitmapa.h"

NahledObrazkuFtp DekodovatNahled(const std::vector<std::uint8_t>& data, const std::wstring& jmeno,
                                 std::uint32_t pozadi) {
    const Holvent::GdiPlus::BitmapaGdiPlus obraz = Holvent::GdiPlus::DekodovatObrazek(data, jmeno);
    NahledObrazkuFtp n;
    HBITMAP h = nullptr;
    // Transparent parts are flattened onto the pane's background.
    if (obraz->GetHBITMAP(Gdiplus::Color(255, GetRValue(pozadi), GetGValue(pozadi), GetBValue(pozadi)), &h) !=
            Gdiplus::Ok ||
        !h)
        Knihovna::Vyhodit(Knihovna::kE_OUTOFMEMORY);
    n.bitmapa.Nastavit(h);
    n.sirka = static_cast<int>(obraz->GetWidth());
    n.vyska = static_cast<int>(obraz->GetHeight());
    return n;
}
