#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "knihovna/win/ObrazkyNabidky.h"

using namespace Knihovna::WinApi;

namespace {

constexpr int kVelikost = 16;

// A 32-bit list of two images: the first half-transparent red in its top left pixel, the rest opaque blue.
HIMAGELIST SeznamSAlfou() {
    HIMAGELIST seznam = ::ImageList_Create(kVelikost, kVelikost, ILC_COLOR32, 2, 0);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, 2 * kVelikost, -kVelikost, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bity = nullptr;
    HBITMAP pas = ::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bity, nullptr, 0);
    auto* p = static_cast<std::uint32_t*>(bity);
    for (int i = 0; i < 2 * kVelikost * kVelikost; ++i) p[i] = 0xFF0000FF;
    p[0] = 0x80FF0000;
    ::ImageList_Add(seznam, pas, nullptr);
    ::DeleteObject(pas);
    return seznam;
}

int VyberTestu(unsigned prikaz) { return prikaz == 100 ? 0 : prikaz == 101 ? 1 : -1; }

HBITMAP BitmapaPolozky(HMENU menu, int i) {
    MENUITEMINFOW mi{};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_BITMAP;
    ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mi);
    return mi.hbmpItem;
}

}  // namespace

// The picture keeps its alpha, premultiplied, as themed menus draw it.
TEST(ObrazkyNabidky, BitmapaMaPrednasobenouAlfu) {
    HIMAGELIST seznam = SeznamSAlfou();
    HBITMAP b = BitmapaSAlfou(seznam, 0, kVelikost);
    ASSERT_NE(b, nullptr);
    DIBSECTION ds{};
    ASSERT_EQ(::GetObjectW(b, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 32);
    const auto* p = static_cast<const std::uint32_t*>(ds.dsBm.bmBits);
    EXPECT_EQ(p[0], 0x80800000u);
    EXPECT_EQ(p[1], 0xFF0000FFu);
    ::DeleteObject(b);
    EXPECT_EQ(BitmapaSAlfou(seznam, 2, kVelikost), nullptr);  // no such image
    ::ImageList_Destroy(seznam);
}

// Commands with a picture get it once; separators, submenus and commands without one are left alone; switching the
// pictures off takes away only those it gave.
TEST(ObrazkyNabidky, PolozkySObrazkemAVypnuti) {
    HIMAGELIST seznam = SeznamSAlfou();
    HMENU menu = ::CreatePopupMenu(), pod = ::CreatePopupMenu();
    ::AppendMenuW(menu, MF_STRING, 100, L"Snímek");
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, 102, L"Bez obrázku");
    ::AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(pod), L"Podnabídka");
    ::AppendMenuW(menu, MF_STRING, 103, L"Cizí obrázek");
    MENUITEMINFOW cizi{};
    cizi.cbSize = sizeof cizi;
    cizi.fMask = MIIM_BITMAP;
    cizi.hbmpItem = HBMMENU_POPUP_CLOSE;
    ::SetMenuItemInfoW(menu, 4, TRUE, &cizi);

    ObrazkyNabidky obrazky;
    obrazky.Pripravit(menu, true, seznam, kVelikost, VyberTestu);
    const HBITMAP prvni = BitmapaPolozky(menu, 0);
    EXPECT_NE(prvni, nullptr);
    EXPECT_EQ(BitmapaPolozky(menu, 2), nullptr);
    EXPECT_EQ(BitmapaPolozky(menu, 3), nullptr);
    obrazky.Pripravit(menu, true, seznam, kVelikost, VyberTestu);
    EXPECT_EQ(BitmapaPolozky(menu, 0), prvni);  // the same bitmap again, none made anew

    obrazky.Pripravit(menu, false, seznam, kVelikost, VyberTestu);
    EXPECT_EQ(BitmapaPolozky(menu, 0), nullptr);
    EXPECT_EQ(BitmapaPolozky(menu, 4), HBMMENU_POPUP_CLOSE);
    ::DestroyMenu(menu);
    ::ImageList_Destroy(seznam);
}
