#include "app/PolozkyHlavnihoOkna.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>
#include <map>
#include <set>

namespace {

using namespace PolozkyHlavnihoOkna;

const std::uint32_t kVsechnaMenu[] = {kMenuHlavni, kMenuAplikace, kMenuKameryLista, kMenuNapoveda, kMenuIkony,
                                      kMenuPredvolby, kMenuKamery, kMenuNastroje, kMenuProcesy};

// A menu a person reads: no separator at an end or twice in a row, every submenu exists, and within a menu no
// two items share a mnemonic letter (Alt+letter would pick one of them by chance).
TEST(PolozkyHlavnihoOkna, MenuJsouUplnaASeZnakyBezKolizi) {
    for (std::uint32_t id : kVsechnaMenu) {
        const auto menu = Menu(id);
        ASSERT_FALSE(menu.empty()) << id;
        EXPECT_NE(menu.front().text, nullptr) << id;
        EXPECT_NE(menu.back().text, nullptr) << id;
        std::set<wchar_t> znaky;
        for (std::size_t i = 0; i < menu.size(); ++i) {
            const Polozka& p = menu[i];
            if (!p.text) {
                EXPECT_TRUE(i == 0 || menu[i - 1].text) << "dva oddělovače v menu " << id;
                continue;
            }
            if (p.podmenu && p.podmenu != kMenuSeznamKamer) EXPECT_FALSE(Menu(p.podmenu).empty()) << p.podmenu;
            EXPECT_TRUE(p.prikaz != 0 || p.podmenu != 0) << "položka bez příkazu v menu " << id;
            const std::wstring text = p.text;
            const auto amp = text.find(L'&');
            if (amp == std::wstring::npos) continue;  // an item may have no mnemonic
            ASSERT_LT(amp + 1, text.size());
            const auto znak = static_cast<wchar_t>(std::towlower(text[amp + 1]));
            // The tray menu's "&Kamery" and "&Konec" have always shared K (the key moves between them).
            if (id == kMenuIkony && znak == L'k') continue;
            EXPECT_TRUE(znaky.insert(znak).second)
                << "zkratka se opakuje v menu " << id << " položka " << i;
        }
    }
}

TEST(PolozkyHlavnihoOkna, RozbalovaciTlacitkaVedouNaSvaMenu) {
    std::map<std::uint32_t, std::uint32_t> rozbalovaci;
    for (const Tlacitko& t : Panel())
        if (t.rozbalit) {
            EXPECT_FALSE(Menu(t.rozbalit).empty());
            rozbalovaci[t.prikaz] = t.rozbalit;
        }
    // Settings open the settings drop-down, the help button the help menu, tools the tools menu.
    EXPECT_EQ(rozbalovaci, (std::map<std::uint32_t, std::uint32_t>{
                               {40002, kMenuPredvolby}, {40006, kMenuNapoveda}, {40103, kMenuNastroje}}));
}

TEST(PolozkyHlavnihoOkna, SeznamPrikazuObsahujeKazdyPrikazJednou) {
    const auto prikazy = VsechnyPrikazy();
    std::set<std::uint32_t> unikatni(prikazy.begin(), prikazy.end());
    EXPECT_EQ(unikatni.size(), prikazy.size());
    for (std::uint32_t id : kVsechnaMenu)
        for (const Polozka& p : Menu(id))
            if (p.prikaz) EXPECT_TRUE(unikatni.count(p.prikaz)) << p.prikaz;
    for (std::uint32_t p : {40001u, 40011u, 40017u, 40018u, 40063u, 40103u, 40113u, 40116u}) EXPECT_TRUE(unikatni.count(p)) << p;
    for (std::uint32_t p : prikazy) EXPECT_TRUE(p >= 40001 && p <= 40125) << p;
}

TEST(PolozkyHlavnihoOkna, KameryVMenuIkony) {
    const auto ikony = Menu(kMenuIkony);
    const auto kamery = std::find_if(ikony.begin(), ikony.end(), [](const Polozka& p) { return p.prikaz == 40018; });
    ASSERT_NE(kamery, ikony.end());
    EXPECT_EQ(kamery->podmenu, kMenuSeznamKamer);
}

}  // namespace
