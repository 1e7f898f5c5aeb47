#include "video/NazvyZaznamu.h"

#include <gtest/gtest.h>

#include "../PevneHodiny.h"

namespace {

std::wstring Jmeno(std::uint32_t format, std::uint32_t schema, std::uint32_t& citac,
                   void (*zmena)(ParametryKamery::ZaznamVidea&) = [](ParametryKamery::ZaznamVidea&) {}) {
    PevneHodiny hodiny;
    hodiny.cas = {2026, 12, 6, 5, 9, 7, 3, 45};
    ParametryKamery::ZaznamVidea z;
    z.format = format;
    z.slozka = L"C:\\zaznamy";
    z.soubor.vytvJmena = schema;
    z.soubor.jmeno = L"cam";
    z.soubor.maxPocetSouboru = 500;
    zmena(z);
    return VytvoritJmenoZaznamu(z, citac, hodiny.Ted());
}

TEST(NazvyZaznamu, CislaDatumyAChybejiciNastaveni) {
    std::uint32_t c = 7;
    EXPECT_EQ(Jmeno(0, 0, c, [](auto& z) { z.soubor.pocetMistCisla = 3; }), L"C:\\zaznamy\\cam_007.avi");
    EXPECT_EQ(c, 8u);
    c = 7;
    EXPECT_EQ(Jmeno(0, 0, c, [](auto& z) { z.soubor.pocetMistCisla = 1; }), L"C:\\zaznamy\\cam_7.avi");
    c = 501;  // past the highest number: from 1 again, or no name and the counter kept
    EXPECT_EQ(Jmeno(0, 0, c), L"C:\\zaznamy\\cam_1.avi");
    EXPECT_EQ(c, 2u);
    c = 501;
    EXPECT_EQ(Jmeno(0, 0, c, [](auto& z) { z.soubor.prepisovatStare = false; }), L"");
    EXPECT_EQ(c, 501u);

    // Unlike the snapshots' names, the hour is not padded.
    EXPECT_EQ(Jmeno(1, 1, c), L"C:\\zaznamy\\5.12.2026 9-07-03.wmv");
    EXPECT_EQ(Jmeno(1, 2, c, [](auto& z) { z.soubor.jmeno.clear(); }), L"C:\\zaznamy\\5.12.2026 9-07-03.45.wmv");

    for (auto zmena : {+[](ParametryKamery::ZaznamVidea& z) { z.soubor.vytvJmena = 3; },
                       +[](ParametryKamery::ZaznamVidea& z) { z.soubor.vytvJmena = 101; },
                       +[](ParametryKamery::ZaznamVidea& z) { z.slozka.clear(); },
                       +[](ParametryKamery::ZaznamVidea& z) { z.soubor.jmeno.clear(); }})
        EXPECT_EQ(Jmeno(0, 0, c, zmena), L"");
    EXPECT_EQ(c, 501u);
}

TEST(NazvyZaznamu, PohybVzdyWmv) {
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.avi"), L"C:\\z\\cam_8.wmv");
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.AVI"), L"C:\\z\\cam_8.WMV");
    EXPECT_EQ(PriponaWmv(L"C:\\z\\cam_8.Avi"), L"C:\\z\\cam_8.Avi");
}

TEST(NazvyZaznamu, MazatJenZaznamyTetoKamery) {
    for (const wchar_t* jde : {L"cam_1.avi", L"CAM_12.WMV", L"cam.avi", L"Cam.Wmv"})
        EXPECT_TRUE(JeZaznamKamery(jde, L"cam")) << jde;
    for (const wchar_t* zustane : {L"camera.wmv", L"cam2_1.avi", L"cam_.avi", L"cam_1x.avi", L"cam_1.jpg",
                                   L"5.12.2026 9-07-03.wmv"})
        EXPECT_FALSE(JeZaznamKamery(zustane, L"cam")) << zustane;
    EXPECT_FALSE(JeZaznamKamery(L".avi", L""));
}

TEST(NazvyZaznamu, DelkaZaznamu) {
    EXPECT_EQ(TextDelkyZaznamu(9999), L"0:09");
    EXPECT_EQ(TextDelkyZaznamu(3599999), L"59:59");
    EXPECT_EQ(TextDelkyZaznamu(3600000), L"1:00:00");
}

}  // namespace
