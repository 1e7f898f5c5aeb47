#include "app/PravidlaHlavnihoOkna.h"

#include <gtest/gtest.h>

namespace {

using namespace PravidlaHlavnihoOkna;

TEST(PravidlaHlavnihoOkna, PrikazyVychoziKameryMajiSvePrikazyOkenKamery) {
    const std::uint32_t ocekavane[][2] = {{40117, 40046}, {40118, 40053}, {40119, 40052}, {40120, 40055},
                                          {40121, 40056}, {40122, 40039}, {40123, 40041}, {40124, 40040}};
    for (const auto& p : ocekavane) EXPECT_EQ(PrikazVychoziKamery(p[0]), p[1]) << p[0];
    EXPECT_EQ(PrikazVychoziKamery(40116), 0u);
    EXPECT_EQ(PrikazVychoziKamery(40125), 0u);
    EXPECT_EQ(PrikazVychoziKamery(40046), 0u);  // a camera's own command is not forwarded again
}

TEST(PravidlaHlavnihoOkna, KlavesyVSeznamuKamer) {
    EXPECT_EQ(PrikazKlavesy(0x0D, false), 40011u);  // Enter
    EXPECT_EQ(PrikazKlavesy(0x74, false), 40011u);  // F5
    EXPECT_EQ(PrikazKlavesy(0x2D, true), 40012u);   // Ctrl+Insert
    EXPECT_EQ(PrikazKlavesy(0x2D, false), 0u);      // Insert alone adds nothing
    EXPECT_EQ(PrikazKlavesy(0x2E, false), 40013u);  // Delete
    EXPECT_EQ(PrikazKlavesy(0x71, false), 40014u);  // F2
    EXPECT_EQ(PrikazKlavesy(0x73, false), 40002u);  // F4
    EXPECT_EQ(PrikazKlavesy(0x2E, true), 0u);       // Ctrl+Delete is not Delete
    for (std::uint32_t vk : {0x20u, 0x41u, 0x70u, 0x72u, 0x75u, 0x26u, 0x28u}) EXPECT_EQ(PrikazKlavesy(vk, false), 0u) << vk;
}

TEST(PravidlaHlavnihoOkna, TipIkonyHlavnihoOkna) {
    EXPECT_EQ(TipIkony(L"Tervik", L"pavel", L"STANICE-1", L"192.168.1.20"),
              L"** Tervik **\nUživatel: pavel\nPočitač: STANICE-1\nIP: 192.168.1.20");
    EXPECT_EQ(TipIkony(L"T", L"", L"", L""), L"** T **\nUživatel: \nPočitač: \nIP: ");
}

TEST(PravidlaHlavnihoOkna, IkonaAMinimalizacePodleNastaveni) {
    // Hidden mode: message mode 2, or "skrytyRezim" only together with a key for 40017.
    EXPECT_TRUE(SkrytyRezim(true, false, false));
    EXPECT_TRUE(SkrytyRezim(false, true, true));
    EXPECT_FALSE(SkrytyRezim(false, true, false));  // without the key the icon is the way back
    EXPECT_FALSE(SkrytyRezim(false, false, true));

    EXPECT_TRUE(IkonaPriVytvoreni(2, false));
    EXPECT_FALSE(IkonaPriVytvoreni(1, false));
    EXPECT_FALSE(IkonaPriVytvoreni(2, true));
    EXPECT_TRUE(IkonaPriMinimalizaci(1, false));
    EXPECT_TRUE(IkonaPriMinimalizaci(2, false));
    EXPECT_FALSE(IkonaPriMinimalizaci(0, false));
    EXPECT_FALSE(IkonaPriMinimalizaci(1, true));

    // With "Nezobrazovat" the window stays minimised on the taskbar; with an icon or the hidden-mode key it hides.
    EXPECT_FALSE(SkrytPriMinimalizaci(0, false, false));
    EXPECT_TRUE(SkrytPriMinimalizaci(0, true, false));
    EXPECT_TRUE(SkrytPriMinimalizaci(1, false, true));
    EXPECT_TRUE(SkrytPriMinimalizaci(2, false, true));
    // An icon the shell refused (no taskbar yet at autostart) is no way back: the window stays on the taskbar.
    EXPECT_FALSE(SkrytPriMinimalizaci(1, false, false));
    EXPECT_FALSE(SkrytPriMinimalizaci(2, false, false));
}

TEST(PravidlaHlavnihoOkna, IkonaPoStartuShelluKdyzJiNastaveniChce) {
    EXPECT_TRUE(IkonaPoStartuShellu(2, false, false));
    EXPECT_TRUE(IkonaPoStartuShellu(2, false, true));
    EXPECT_TRUE(IkonaPoStartuShellu(1, false, true));
    EXPECT_FALSE(IkonaPoStartuShellu(1, false, false));
    EXPECT_FALSE(IkonaPoStartuShellu(0, false, true));
    EXPECT_FALSE(IkonaPoStartuShellu(2, true, true));
}

TEST(PravidlaHlavnihoOkna, IkonaPoZmeneNastaveni) {
    using Z = ZmenaIkony;
    // 2: created when missing.
    EXPECT_EQ(IkonaPoNastaveni(2, false, true, false), Z::Vytvorit);
    EXPECT_EQ(IkonaPoNastaveni(2, false, true, true), Z::Ponechat);
    EXPECT_EQ(IkonaPoNastaveni(2, true, true, false), Z::Ponechat);  // hidden mode shows none
    // 0: removed while visible; a hidden window keeps its icon to come back.
    EXPECT_EQ(IkonaPoNastaveni(0, false, true, true), Z::Odebrat);
    EXPECT_EQ(IkonaPoNastaveni(0, false, false, true), Z::Ponechat);
    EXPECT_EQ(IkonaPoNastaveni(0, false, true, false), Z::Ponechat);
    // 1: only while hidden.
    EXPECT_EQ(IkonaPoNastaveni(1, false, false, false), Z::Vytvorit);
    EXPECT_EQ(IkonaPoNastaveni(1, false, true, true), Z::Odebrat);
    EXPECT_EQ(IkonaPoNastaveni(1, false, true, false), Z::Ponechat);
}

// The tray's picture: error before motion before running; motion lasts its time from the last report, across the
// tick's wrap-round, and the earliest end of a shown motion is when to ask again.
TEST(PravidlaHlavnihoOkna, StavOblastiPodlePrednostiADobyPohybu) {
    using S = StavOblasti;
    const std::uint32_t d = kDobaPohybuVOblasti;
    EXPECT_EQ(UrcitStavOblasti({}, 5).stav, S::Necinna);
    EXPECT_EQ(UrcitStavOblasti({{false, false, false, 0}, {true, false, false, 0}}, 5).stav, S::Bezi);

    const auto pohyb = UrcitStavOblasti({{true, false, true, 1000}, {true, false, true, 4000}}, 5000);
    EXPECT_EQ(pohyb.stav, S::Pohyb);
    EXPECT_EQ(pohyb.obnovitZa, d - 4000);  // the first camera's motion ends first
    EXPECT_EQ(UrcitStavOblasti({{true, false, true, 1000}}, 1000 + d).stav, S::Bezi);
    EXPECT_EQ(UrcitStavOblasti({{true, false, true, 1000}}, 1000 + d).obnovitZa, 0u);
    // A report just before the wrap-round still counts just after it; a camera that stopped shows no motion.
    EXPECT_EQ(UrcitStavOblasti({{true, false, true, 0xFFFFFF00u}}, 0x100).stav, S::Pohyb);
    EXPECT_EQ(UrcitStavOblasti({{false, false, true, 1000}}, 1001).stav, S::Necinna);

    // An error wins, also from a camera that does not run (its lost device is being opened again).
    EXPECT_EQ(UrcitStavOblasti({{true, false, true, 1000}, {false, true, false, 0}}, 1001).stav, S::Chyba);
}

}  // namespace
