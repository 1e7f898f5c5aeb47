#include "ui/StrankyZaznamu.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

namespace Z = StrankyZaznamu;
using Holvent::DirectShow::FormatVidea;

FormatVidea Format(int sirka, int vyska, std::int64_t interval) {
    FormatVidea f;
    f.sirka = sirka;
    f.vyska = vyska;
    f.minInterval = interval;
    return f;
}

// A line per format with its fastest rate; a driver that reports no interval gives 0, not a crash.
TEST(StrankyZaznamu, RadekFormatuANejvetsiFrekvence) {
    EXPECT_EQ(Z::TextFormatu(Format(640, 480, 333333)), L"640 x 480  (max. 30 snímků/sek.)");
    EXPECT_EQ(Z::TextFormatu(Format(1920, 1080, 666666)), L"1920 x 1080  (max. 15 snímků/sek.)");
    EXPECT_EQ(Z::TextFormatu(Format(320, 240, 0)), L"320 x 240  (max. 0 snímků/sek.)");
    EXPECT_EQ(Z::NejviceSnimku(-1), 0u);
}

// The entry of the typed size is selected: the first one of that size (the same size at two rates), none for a
// size the device lacks, none in an empty list.
TEST(StrankyZaznamu, VybranJenFormatZadaneVelikosti) {
    const std::vector<FormatVidea> f{Format(160, 120, 333333), Format(320, 240, 333333), Format(320, 240, 666666),
                                     Format(640, 480, 333333)};
    EXPECT_EQ(std::pair(Z::VybranyFormat(f, 320, 240), Z::VybranyFormat(f, 640, 480)), std::pair(1, 3));
    EXPECT_EQ(std::pair(Z::VybranyFormat(f, 240, 320), Z::VybranyFormat(f, 640, 0)), std::pair(-1, -1));
    EXPECT_EQ(Z::VybranyFormat({}, 320, 240), -1);
}

// A profile's line: size, rate and the video's bit rate; a profile without video has none; a .prx's values as read.
TEST(StrankyZaznamu, RadekProfilu) {
    Holvent::DirectShow::DetailyProfilu d;
    d.video = true;
    d.sirka = 320;
    d.vyska = 240;
    d.snimkuZaSekundu = 15;
    d.bitrateVidea = 250000;
    d.bitrateZvuku = 32000;
    EXPECT_EQ(Z::TextDetailu(d), L"320 x 240 - 15 snímků/sek.  (Bitový tok 250000)");
    d.video = false;
    EXPECT_EQ(Z::TextDetailu(d), L"");
    EXPECT_EQ(Z::TextDetailu(Holvent::DirectShow::HodnotyPrx{640, 480, 0, 300000}),
              L"640 x 480 - 0 snímků/sek.  (Bitový tok 300000)");
}

}  // namespace
