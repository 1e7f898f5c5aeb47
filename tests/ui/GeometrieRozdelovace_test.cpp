#include "ui/GeometrieRozdelovace.h"

#include <gtest/gtest.h>

#include <tuple>

using Knihovna::Obdelnik;

namespace {

// A 400 × 300 area side by side, a 6-pixel bar, minimums 50 and 80: the bar's edge moves in [50, 314].
GeometrieRozdelovace Vedle() {
    GeometrieRozdelovace g(true, 6);
    g.NastavitMinima(50, 80);
    g.NastavitOblast({0, 0, 400, 300});
    return g;
}

}  // namespace

TEST(GeometrieRozdelovace, PresunJeOmezenMinimyObouPanelu) {
    GeometrieRozdelovace g = Vedle();
    EXPECT_EQ(g.Poloha(), 197);  // half of the 394 pixels beside the bar
    for (const auto& [kam, poloha] : {std::pair{10, 50}, {-30, 50}, {1000, 400 - 80 - 6}, {120, 120}}) {
        g.Presunout(kam);
        EXPECT_EQ(g.Poloha(), poloha) << kam;
    }
    EXPECT_EQ(g.Prvni(), (Obdelnik{0, 0, 120, 300}));
    EXPECT_EQ(g.Pruh(), (Obdelnik{120, 0, 126, 300}));
    EXPECT_EQ(g.Druhy(), (Obdelnik{126, 0, 400, 300}));
    EXPECT_TRUE(g.NaPruhu(120, 10) && g.NaPruhu(125, 299));
    EXPECT_FALSE(g.NaPruhu(119, 10) || g.NaPruhu(126, 10) || g.NaPruhu(122, 300));
}

TEST(GeometrieRozdelovace, NadSebouPracujeSVyskouAPocatkemOblasti) {
    GeometrieRozdelovace g(false, 4);
    g.NastavitMinima(20, 30);
    g.NastavitOblast({10, 100, 210, 300});  // 200 high, starting at y = 100
    g.Presunout(190);
    EXPECT_EQ(g.Poloha(), 200 - 30 - 4);
    EXPECT_EQ(g.Prvni(), (Obdelnik{10, 100, 210, 266}));
    EXPECT_EQ(g.Pruh(), (Obdelnik{10, 266, 210, 270}));
    EXPECT_EQ(g.Druhy(), (Obdelnik{10, 270, 210, 300}));
    EXPECT_TRUE(g.NaPruhu(50, 267));
    EXPECT_FALSE(g.NaPruhu(5, 267));  // left of the area
}

TEST(GeometrieRozdelovace, ZmenaVelikostiDrziPodilIPresMinimum) {
    GeometrieRozdelovace g = Vedle();
    g.Presunout(100);  // a share of 100 / 394
    g.NastavitOblast({0, 0, 794, 300});
    EXPECT_EQ(g.Poloha(), 200);  // 100 / 394 of 788
    // Too narrow for the share: the minimum holds the bar...
    g.NastavitOblast({0, 0, 150, 300});
    EXPECT_EQ(g.Poloha(), 50);
    // ...and growing back returns it to the user's share, not to the clamped one.
    g.NastavitOblast({0, 0, 400, 300});
    EXPECT_EQ(g.Poloha(), 100);
}

TEST(GeometrieRozdelovace, MaloMistaAPrazdnaOblast) {
    GeometrieRozdelovace g = Vedle();
    // 100 pixels cannot hold 50 + 6 + 80: the first pane keeps its minimum, the second what is left.
    g.NastavitOblast({0, 0, 100, 50});
    g.Presunout(90);
    EXPECT_EQ(g.Poloha(), 50);
    EXPECT_EQ(g.Druhy(), (Obdelnik{56, 0, 100, 50}));
    // Narrower than the first minimum: everything beside the bar, nothing negative.
    g.NastavitOblast({0, 0, 30, 50});
    EXPECT_EQ(g.Poloha(), 24);
    EXPECT_EQ(g.Druhy(), (Obdelnik{30, 0, 30, 50}));
    g.NastavitOblast({0, 0, 0, 0});
    EXPECT_EQ(g.Poloha(), 0);
    EXPECT_EQ(std::tuple(g.Prvni().Sirka(), g.Pruh().Sirka(), g.Druhy().Sirka()), std::tuple(0, 0, 0));
    EXPECT_FALSE(g.NaPruhu(0, 0));
    // A move without room keeps the share the last real move left (the bar seen at 50 of 94).
    g.Presunout(5);
    g.NastavitOblast({0, 0, 400, 300});
    EXPECT_EQ(g.Poloha(), 210);  // 50 / 94 of 394
}
