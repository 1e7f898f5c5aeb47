#include "video/HlidaniSnimku.h"

#include <gtest/gtest.h>

using Holvent::DirectShow::HlidaniSnimku;

TEST(HlidaniSnimku, StejnySnimekJenDoDvouSekundNovyVzdy) {
    HlidaniSnimku h;
    EXPECT_FALSE(h.PrijmoutSejmuti(0));  // nothing arrived yet
    h.Snimek(1000);
    EXPECT_TRUE(h.PrijmoutSejmuti(1010));
    // No new frame: the same one may be grabbed again while it is younger than 2 s.
    EXPECT_TRUE(h.PrijmoutSejmuti(2999));
    EXPECT_FALSE(h.PrijmoutSejmuti(3000));
    EXPECT_FALSE(h.PrijmoutSejmuti(60000));
    // A frame after the grab is new, however old it is by the time of the next grab: the device stopped right
    // after it, the first grab still gets it, the next not.
    h.Snimek(61000);
    EXPECT_TRUE(h.PrijmoutSejmuti(90000));
    EXPECT_FALSE(h.PrijmoutSejmuti(90001));
}

TEST(HlidaniSnimku, PretecenyTikASnimekNovejsiNezCasSejmuti) {
    HlidaniSnimku h;
    h.Snimek(0xFFFFFF00u);
    EXPECT_TRUE(h.PrijmoutSejmuti(0xFFFFFF00u));
    EXPECT_TRUE(h.PrijmoutSejmuti(1000));    // 1256 ms later across the wrap
    EXPECT_FALSE(h.PrijmoutSejmuti(2000));   // 2256 ms
    h.Snimek(5000);
    EXPECT_TRUE(h.PrijmoutSejmuti(5000));
    // The tick of the grab was read just before the streaming thread noted a frame's tick.
    EXPECT_TRUE(h.PrijmoutSejmuti(4990));
}
