#include "ui/TextPisma.h"

#include <gtest/gtest.h>

#include <tuple>

TEST(TextPisma, VelikostVBodechAPopisSPlatnymiSlovyStylu) {
    // The height the font dialog makes of 10 pt (9.75), a LOGFONT's negative height alike, never 0 pt, and 96 dpi
    // without a screen resolution.
    for (const auto& [vyska, dpi, body] : {std::tuple{13, 96, 10}, {-13, 96, 10}, {11, 96, 8}, {16, 96, 12}, {20, 120, 12},
                                           {96, 96, 72}, {0, 96, 1}, {13, 0, 10}})
        EXPECT_EQ(VelikostVBodech(vyska, dpi), body) << vyska << " at " << dpi;
    EXPECT_EQ(TextPisma(L"Tahoma", 8, 400, false), L"Tahoma, 8 pt");
    EXPECT_EQ(TextPisma(L"Arial", 10, 700, true), L"Arial, 10 pt, tučné, kurzíva");
    EXPECT_EQ(TextPisma(L"Arial", 10, 0, true), L"Arial, 10 pt, kurzíva");  // 0 = the default weight
    EXPECT_EQ(TextPisma(L"Arial", 10, 500, false), L"Arial, 10 pt");        // medium is not bold
    EXPECT_EQ(TextPisma(L"Arial", 10, 600, false), L"Arial, 10 pt, tučné");
    EXPECT_EQ(TextPisma(L"", 9, 400, false), L"(výchozí písmo), 9 pt");
}
