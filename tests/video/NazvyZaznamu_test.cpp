#include "video/NazvyZaznamu.h"

#include <gtest/gtest.h>

#include "../PevneHodiny.h"

namespace {

ParametryKamery::ZaznamVidea Zaznam(std::uint32_t format, std::uint32_t schema) {
    ParametryKamery::ZaznamVidea z;
    z.format = format;
    z.slozka = L"C:\\zaznamy";
    z.soubor.vytvJmena = schema;
    z.soubor.jmeno = L"cam";
    return z;
}

TEST(NazvyZaznamu, CislovaniJakoUSnimku) {
    PevneHodiny hodiny;
    auto z = Zaznam(0, 0);
    z.soubor.pocetMistCisla = 3;
    std::uint32_t citac = 7;
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"C:\\zaznamy\\cam_007.avi");
    EXPECT_EQ(citac, 8u);
    z.soubor.pocetMistCisla = 1;
    citac = 7;
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"C:\\zaznamy\\cam_7.avi");

    // Past the highest number: from 1 again, or no name at all and the counter kept.
    z.soubor.maxPocetSouboru = 500;
    citac = 501;
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"C:\\zaznamy\\cam_1.avi");
    EXPECT_EQ(citac, 2u);
    z.soubor.prepisovatStare = false;
    citac = 501;
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"");
    EXPECT_EQ(citac, 501u);
}

TEST(NazvyZaznamu, DatumSNepodlozenouHodinou) {
    PevneHodiny hodiny;
    hodiny.cas = {2026, 12, 6, 5, 9, 7, 3, 45};
    std::uint32_t citac = 1;
    EXPECT_EQ(VytvoritJmenoZaznamu(Zaznam(1, 1), citac, hodiny.Ted()), L"C:\\zaznamy\\5.12.2026 9-07-03.wmv");
    EXPECT_EQ(VytvoritJmenoZaznamu(Zaznam(1, 2), citac, hodiny.Ted()), L"C:\\zaznamy\\5.12.2026 9-07-03.45.wmv");
    EXPECT_EQ(citac, 1u);
}

TEST(NazvyZaznamu, BezNastaveniZadneJmeno) {
    PevneHodiny hodiny;
    std::uint32_t citac = 1;
    auto z = Zaznam(0, 3);
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"");
    z = Zaznam(0, 101);  // the snapshots' "not implemented" scheme is no scheme here
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"");
    z = Zaznam(0, 0);
    z.slozka.clear();
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"");
    z = Zaznam(0, 0);
    z.soubor.jmeno.clear();
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"");
    EXPECT_EQ(citac, 1u);
    z = Zaznam(0, 1);
    z.soubor.jmeno.clear();  // a dated name needs none
    EXPECT_EQ(VytvoritJmenoZaznamu(z, citac, hodiny.Ted()), L"C:\\zaznamy\\5.12.2026 7-03-09.avi");
}

TEST(NazvyZaznamu, PohybVzdyWmv) {
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.avi"), L"C:\\z\\cam_8.wmv");
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.AVI"), L"C:\\z\\cam_8.WMV");
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.Avi"), L"C:\\z\\cam_8.Avi");
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.wmv"), L"C:\\z\\cam_8.wmv");
}

TEST(NazvyZaznamu, MazatJenZaznamyTetoKamery) {
    for (const wchar_t* jde : {L"cam_1.avi", L"CAM_12.WMV", L"cam.avi", L"Cam.Wmv", L"cam_007.wmv"})
        EXPECT_TRUE(JeZaznamKamery(jde, L"cam")) << jde;
    for (const wchar_t* zustane : {L"camera.wmv", L"cam2_1.avi", L"cam_.avi", L"cam_1x.avi", L"cam_1.jpg",
                                   L"5.12.2026 9-07-03.wmv", L"cam_1.avi.txt"})
        EXPECT_FALSE(JeZaznamKamery(zustane, L"cam")) << zustane;
    EXPECT_FALSE(JeZaznamKamery(L".avi", L""));
    EXPECT_FALSE(JeZaznamKamery(L"_1.avi", L""));
}

TEST(NazvyZaznamu, DelkaZaznamu) {
    EXPECT_EQ(TextDelkyZaznamu(0), L"0:00");
    EXPECT_EQ(TextDelkyZaznamu(9999), L"0:09");
    EXPECT_EQ(TextDelkyZaznamu(3599999), L"59:59");
    EXPECT_EQ(TextDelkyZaznamu(3600000), L"1:00:00");
    EXPECT_EQ(TextDelkyZaznamu(36000000ull * 3 + 61000), L"30:01:01");
}

}  // namespace
