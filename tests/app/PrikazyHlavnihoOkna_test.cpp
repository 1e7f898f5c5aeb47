#include "app/PrikazyHlavnihoOkna.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <span>

namespace {

// A menu or toolbar as the user sees it: no separator at either end or next to another, no item twice.
void OveritRozvrzeni(std::span<const std::uint32_t> polozky, const char* jmeno) {
    SCOPED_TRACE(jmeno);
    ASSERT_FALSE(polozky.empty());
    EXPECT_NE(polozky.front(), PrikazyHlavnihoOkna::kOddelovac);
    EXPECT_NE(polozky.back(), PrikazyHlavnihoOkna::kOddelovac);
    std::set<std::uint32_t> videne;
    for (std::size_t i = 0; i < polozky.size(); ++i) {
        if (polozky[i] == PrikazyHlavnihoOkna::kOddelovac) {
            if (i > 0) EXPECT_NE(polozky[i - 1], PrikazyHlavnihoOkna::kOddelovac) << i;
            continue;
        }
        EXPECT_TRUE(videne.insert(polozky[i]).second) << polozky[i];
        EXPECT_GE(polozky[i], 40001u);
        EXPECT_LE(polozky[i], 40125u);
    }
}

}  // namespace

TEST(PrikazyHlavnihoOkna, MenuAPanelyBezPrazdnychOddeluACizichCisel) {
    namespace P = PrikazyHlavnihoOkna;
    OveritRozvrzeni(P::kHlavniAplikace, "104 Aplikace");
    OveritRozvrzeni(P::kHlavniKamery, "104 Kamery");
    OveritRozvrzeni(P::kNapoveda, "105");
    OveritRozvrzeni(P::kOznamovaciOblast, "109");
    OveritRozvrzeni(P::kPredvolby, "119");
    OveritRozvrzeni(P::kKamera, "120");
    OveritRozvrzeni(P::kNastroje, "182");
    OveritRozvrzeni(P::kNastrojeProcesy, "182 procesy");
    OveritRozvrzeni(P::kPanelNastroju, "panel");
    OveritRozvrzeni(P::kBezMenu, "bez menu");

    // A drop-down button is on the toolbar and opens one of the window's menus.
    const std::set<std::uint32_t> menu{P::kMenuNapoveda, P::kMenuPredvolby, P::kMenuNastroje};
    for (const auto& t : P::kRozbalovaciTlacitka) {
        EXPECT_NE(std::find(P::kPanelNastroju.begin(), P::kPanelNastroju.end(), t.prikaz), P::kPanelNastroju.end());
        EXPECT_TRUE(menu.count(t.menu)) << t.menu;
    }
}
