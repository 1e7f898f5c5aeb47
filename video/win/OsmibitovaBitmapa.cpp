#include "video/win/OsmibitovaBitmapa.h"

#include <cstring>
#include <vector>

#include "video/PaletaGif.h"
#include "video/win/ChybaGdiPlus.h"

namespace Holvent::GdiPlus {

// The GIF encoder writes an empty picture from a 24- or 32-bit bitmap on some systems: the
// snapshot goes to it as an 8-bit bitmap with a fixed palette.
BitmapaGdiPlus NaOsmibitovou(Gdiplus::Bitmap& zdroj) {
    const int sirka = static_cast<int>(zdroj.GetWidth());
    const int vyska = static_cast<int>(zdroj.GetHeight());
    static const PaletaGif paleta;
    auto cil = PrevzitBitmapu(new Gdiplus::Bitmap(sirka, vyska, PixelFormat8bppIndexed));
    VyhoditPriChybe(cil->GetLastStatus());
    std::vector<std::uint8_t> pamet(sizeof(Gdiplus::ColorPalette) + sizeof(Gdiplus::ARGB) * PaletaGif::kPocetBarev);
    auto* barvy = reinterpret_cast<Gdiplus::ColorPalette*>(pamet.data());
    barvy->Flags = 0;
    barvy->Count = PaletaGif::kPocetBarev;
    std::memcpy(barvy->Entries, paleta.Barvy().data(), sizeof(Gdiplus::ARGB) * PaletaGif::kPocetBarev);
    VyhoditPriChybe(cil->SetPalette(barvy));

    Gdiplus::Rect oblast(0, 0, sirka, vyska);
    Gdiplus::BitmapData vstup{}, vystup{};
    VyhoditPriChybe(zdroj.LockBits(&oblast, Gdiplus::ImageLockModeRead, PixelFormat24bppRGB, &vstup));
    const Gdiplus::Status stav = cil->LockBits(&oblast, Gdiplus::ImageLockModeWrite, PixelFormat8bppIndexed, &vystup);
    if (stav != Gdiplus::Ok) {
        zdroj.UnlockBits(&vstup);
        VyhoditPriChybe(stav);
    }
    for (int y = 0; y < vyska; ++y) {
        paleta.PrevestRadek(static_cast<const std::uint8_t*>(vstup.Scan0) + static_cast<ptrdiff_t>(y) * vstup.Stride, 3,
                            static_cast<std::uint8_t*>(vystup.Scan0) + static_cast<ptrdiff_t>(y) * vystup.Stride, sirka);
    }
    zdroj.UnlockBits(&vstup);
    VyhoditPriChybe(cil->UnlockBits(&vystup));
    return cil;
}

}  // namespace Holvent::GdiPlus
