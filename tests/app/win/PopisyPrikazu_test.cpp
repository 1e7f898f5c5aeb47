#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/PolozkyHlavnihoOkna.h"

namespace {

std::wstring Retezec(UINT id) {
    const wchar_t* text = nullptr;
    const int delka = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<wchar_t*>(&text), 0);
    return delka > 0 && text ? std::wstring(text, static_cast<std::size_t>(delka)) : std::wstring();
}

// Every menu item, toolbar button and thumbnail button of the main window has its status-bar description
// and tooltip in the string table under its own command number; the camera item's two labels exist too.
TEST(PopisyPrikazu, KazdyPrikazHlavnihoOknaMaPopis) {
    const auto prikazy = PolozkyHlavnihoOkna::VsechnyPrikazy();
    ASSERT_GT(prikazy.size(), 30u);
    for (std::uint32_t prikaz : prikazy) {
        const std::wstring popis = Retezec(prikaz);
        EXPECT_FALSE(popis.empty()) << prikaz;
        // A description is a sentence for the status bar, not the menu label with its mnemonic.
        EXPECT_EQ(popis.find(L'&'), std::wstring::npos) << prikaz;
    }
    for (UINT id : {20058u, 20059u}) {
        EXPECT_NE(Retezec(id).find(L"\tF5"), std::wstring::npos) << id;
    }
}

// The default camera's commands that hotkeys post (not in any menu) are described for the hotkey page.
TEST(PopisyPrikazu, PrikazyVychoziKameryMajiPopis) {
    for (UINT id = 40117; id <= 40124; ++id) EXPECT_FALSE(Retezec(id).empty()) << id;
}

}  // namespace
