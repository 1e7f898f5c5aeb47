#include "testkamera/CasovaniSnimku.h"

#include <gtest/gtest.h>

using namespace TestovaciKamera;

TEST(CasovaniSnimku, StalaRychlostAVynechaniPoZastaveni) {
    CasovaniSnimku c(kNejkratsiInterval);
    c.Zacit(1000);
    EXPECT_EQ(c.Cekat(1000), 0);
    EXPECT_EQ(c.Snimek(1000), 0);
    EXPECT_EQ(c.Cekat(1000), kNejkratsiInterval);
    EXPECT_EQ(c.Cekat(1000 + kNejkratsiInterval / 2), kNejkratsiInterval - kNejkratsiInterval / 2);
    // A frame made a little late does not shift the schedule.
    EXPECT_EQ(c.Snimek(1000 + kNejkratsiInterval + 50), 0);
    EXPECT_EQ(c.Cekat(1000 + kNejkratsiInterval + 50), kNejkratsiInterval - 50);

    // Thirty frames in thirty intervals of steady waiting (one second at 30 frames/s).
    CasovaniSnimku s(kNejkratsiInterval);
    s.Zacit(0);
    Cas100ns ted = 0;
    int snimku = 0;
    while (true) {
        ted += s.Cekat(ted);
        if (ted >= 30 * kNejkratsiInterval) break;
        s.Snimek(ted);
        ++snimku;
    }
    EXPECT_EQ(snimku, 30);

    // A stall of 3.5 intervals skips the frames that fell due and does not burst afterwards.
    CasovaniSnimku z(100);
    z.Zacit(0);
    EXPECT_EQ(z.Snimek(350), 3);  // due at 100, 200, 300 — all passed
    EXPECT_EQ(z.Cekat(350), 50);
}

TEST(FormatKamery, NabizeneAPrijateleFormaty) {
    ASSERT_EQ(NabizeneFormaty().size(), 5u);
    for (const auto& f : NabizeneFormaty()) {
        EXPECT_EQ(f.interval, kNejkratsiInterval);
        EXPECT_EQ(PrijatelnyFormat(f.sirka, f.vyska, 0), f);  // "any rate" means the fastest
    }
    EXPECT_EQ(PrijatelnyFormat(320, 240, kSekunda / 10)->interval, kSekunda / 10);
    EXPECT_FALSE(PrijatelnyFormat(320, 240, kSekunda / 60));  // faster than 30 frames/s
    EXPECT_FALSE(PrijatelnyFormat(320, 240, 2 * kSekunda));
    EXPECT_FALSE(PrijatelnyFormat(320, 241, 0));
    EXPECT_FALSE(PrijatelnyFormat(-320, 240, 0));
    EXPECT_EQ(BajtuRadku(161), 484);
    EXPECT_EQ(VelikostObrazu(160, 120), 57600u);
    EXPECT_EQ(BitovaRychlost({160, 120, kNejkratsiInterval}), 13824013u);
}
