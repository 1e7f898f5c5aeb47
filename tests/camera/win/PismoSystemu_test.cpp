#include "camera/win/PismoSystemu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

TEST(PismoSystemu, VychoziPismoJeZDefaultGuiFont) {
    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    const PopisPisma p = VychoziPismoGui();
    EXPECT_EQ(p.vyska, lf.lfHeight);
    EXPECT_EQ(p.tloustka, lf.lfWeight);
    EXPECT_EQ(p.JmenoPisma(), std::wstring(lf.lfFaceName));
    const LOGFONTW zpet = LogfontZPopisu(p);
    EXPECT_EQ(std::memcmp(&zpet, &lf, sizeof lf), 0);
    // The record makes a real font.
    HFONT pismo = ::CreateFontIndirectW(&zpet);
    EXPECT_NE(pismo, nullptr);
    if (pismo) ::DeleteObject(pismo);
}
