#include "knihovna/win/ObrazkyNabidky.h"

#include <uxtheme.h>

#include <cstring>

namespace Knihovna::WinApi {

namespace {

BITMAPINFO Hlavicka32(int velikost) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = velikost;
    bi.bmiHeader.biHeight = -velikost;  // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return bi;
}

// The bitmap's pixels as 32-bit BGRA, velikost x velikost, top row first.
bool Pixely(HBITMAP bitmapa, int velikost, std::vector<std::uint32_t>& pixely) {
    pixely.assign(static_cast<std::size_t>(velikost) * velikost, 0);
    BITMAPINFO bi = Hlavicka32(velikost);
    HDC dc = ::GetDC(nullptr);
    const int radku = ::GetDIBits(dc, bitmapa, 0, static_cast<UINT>(velikost), pixely.data(), &bi, DIB_RGB_COLORS);
    ::ReleaseDC(nullptr, dc);
    return radku == velikost;
}

}  // namespace

HBITMAP BitmapaSAlfou(HIMAGELIST obrazky, int index, int velikost) {
    if (!obrazky || index < 0 || index >= ::ImageList_GetImageCount(obrazky) || velikost <= 0) return nullptr;
    UnikatniIkona ikona(::ImageList_GetIcon(obrazky, index, ILD_NORMAL));
    ICONINFO info{};
    if (!ikona || !::GetIconInfo(ikona.get(), &info)) return nullptr;
    UnikatniBitmapa barvy(info.hbmColor), maska(info.hbmMask);
    std::vector<std::uint32_t> pixely, pixelyMasky;
    if (!barvy || !Pixely(barvy.get(), velikost, pixely)) return nullptr;

    bool alfa = false;
    for (std::uint32_t p : pixely) alfa = alfa || (p >> 24) != 0;
    // Without alpha the mask says what is transparent (its white).
    const bool sMaskou = !alfa && maska && Pixely(maska.get(), velikost, pixelyMasky);
    for (std::size_t i = 0; i < pixely.size(); ++i) {
        std::uint32_t p = pixely[i];
        const std::uint32_t a = alfa ? p >> 24 : (sMaskou && (pixelyMasky[i] & 0xFFFFFF) != 0) ? 0 : 255;
        const std::uint32_t b = (p & 0xFF) * a / 255, g = (p >> 8 & 0xFF) * a / 255, r = (p >> 16 & 0xFF) * a / 255;
        pixely[i] = a << 24 | r << 16 | g << 8 | b;
    }

    BITMAPINFO bi = Hlavicka32(velikost);
    void* bity = nullptr;
    HBITMAP vysledek = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bity, nullptr, 0);
    if (!vysledek || !bity) return vysledek;
    std::memcpy(bity, pixely.data(), pixely.size() * sizeof pixely[0]);
    return vysledek;
}

bool ObrazkyNabidky::Povolit(bool nastaveni, std::uint32_t verzeWindows) {
    return nastaveni && verzeWindows >= 0x0600 && ::IsAppThemed();
}

HBITMAP ObrazkyNabidky::Bitmapa(HIMAGELIST obrazky, int index, int velikost) {
    UnikatniBitmapa& b = bitmapy_[{velikost, index}];
    if (!b) b.Nastavit(BitmapaSAlfou(obrazky, index, velikost));
    return b.get();
}

bool ObrazkyNabidky::Nase(HBITMAP b) const {
    for (const auto& [klic, bitmapa] : bitmapy_)
        if (bitmapa.get() == b) return true;
    return false;
}

void ObrazkyNabidky::Pripravit(HMENU menu, bool zapnuto, HIMAGELIST obrazky, int velikost, Vyber vyber) {
    if (!menu) return;
    const int pocet = ::GetMenuItemCount(menu);
    for (int i = 0; i < pocet; ++i) {
        MENUITEMINFOW mi{};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_ID | MIIM_FTYPE | MIIM_SUBMENU | MIIM_BITMAP;
        if (!::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi) || (mi.fType & MFT_SEPARATOR)) continue;
        HBITMAP chtena = nullptr;
        if (zapnuto && !mi.hSubMenu) {
            const int index = vyber(mi.wID);
            if (index >= 0) chtena = Bitmapa(obrazky, index, velikost);
        }
        // Only our own pictures are taken away: another one (a system bitmap) stays.
        if (chtena == mi.hbmpItem || (!chtena && !Nase(mi.hbmpItem))) continue;
        MENUITEMINFOW zmena{};
        zmena.cbSize = sizeof zmena;
        zmena.fMask = MIIM_BITMAP;
        zmena.hbmpItem = chtena;
        ::SetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &zmena);
    }
}

}  // namespace Knihovna::WinApi
