#include "ui/TextPisma.h"

#include <gtest/gtest.h>

TEST(TextPisma, VelikostVBodechZaokrouhlujeVyskuZnaku) {
    EXPECT_EQ(VelikostVBodech(13, 96), 10);   // the height the font dialog makes of 10 pt (9.75)
    EXPECT_EQ(VelikostVBodech(-13, 96), 10);  // a LOGFONT's negative height is the same character height
    EXPECT_EQ(VelikostVBodech(11, 96), 8);
    EXPECT_EQ(VelikostVBodech(16, 96), 12);
    EXPECT_EQ(VelikostVBodech(20, 120), 12);
    EXPECT_EQ(VelikostVBodech(96, 96), 72);
    EXPECT_EQ(VelikostVBodech(0, 96), 1);   // never 0 pt
    EXPECT_EQ(VelikostVBodech(13, 0), 10);  // no screen resolution: 96 dpi
}

TEST(TextPisma, PopisObsahujeJenPlatnaSlovaStylu) {
    EXPECT_EQ(TextPisma(L"Tahoma", 8, 400, false), L"Tahoma, 8 pt");
    EXPECT_EQ(TextPisma(L"DejaVu Sans", 12, 700, false), L"DejaVu Sans, 12 pt, tučné");
    EXPECT_EQ(TextPisma(L"Arial", 10, 700, true), L"Arial, 10 pt, tučné, kurzíva");
    EXPECT_EQ(TextPisma(L"Arial", 10, 0, true), L"Arial, 10 pt, kurzíva");  // 0 = the default weight
    EXPECT_EQ(TextPisma(L"Arial", 10, 500, false), L"Arial, 10 pt");        // medium is not bold
    EXPECT_EQ(TextPisma(L"Arial", 10, 600, false), L"Arial, 10 pt, tučné");
    EXPECT_EQ(TextPisma(L"", 9, 400, false), L"(výchozí písmo), 9 pt");
}
