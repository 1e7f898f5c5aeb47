#include "camera/NazvySnimku.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "../PevneHodiny.h"

using namespace Knihovna;

namespace {

const std::wstring kSlozka = L"C:\\s";

std::vector<std::wstring> DalsiNazvy(const ParametrySouboru& p, std::uint32_t& citac, int pocet) {
    PevneHodiny hodiny;
    std::vector<std::wstring> nazvy;
    for (int i = 0; i < pocet; ++i) {
        const auto c = VytvoritCestuSnimku(p, citac, kSlozka, L".jpg", hodiny.Ted());
        EXPECT_EQ(c.hr, kS_OK);
        nazvy.push_back(c.cesta);
    }
    return nazvy;
}

TEST(NazvySnimku, CislovaniPoMaximuZacinaZnovu) {
    ParametrySouboru p{.jmeno = L"cam", .maxPocetSouboru = 3, .prepisovatStare = true};
    std::uint32_t citac = 3;
    EXPECT_EQ(DalsiNazvy(p, citac, 5), (std::vector<std::wstring>{L"C:\\s\\cam_3.jpg", L"C:\\s\\cam_1.jpg",
                                                                   L"C:\\s\\cam_2.jpg", L"C:\\s\\cam_3.jpg",
                                                                   L"C:\\s\\cam_1.jpg"}));
    EXPECT_EQ(citac, 2u);
}

TEST(NazvySnimku, VycerpaneBezPrepisovaniSelzeVzdy) {
    ParametrySouboru p{.jmeno = L"cam", .maxPocetSouboru = 3, .prepisovatStare = false};
    std::uint32_t citac = 4;
    PevneHodiny hodiny;
    for (int i = 0; i < 3; ++i) {
        const auto c = VytvoritCestuSnimku(p, citac, kSlozka, L".jpg", hodiny.Ted());
        EXPECT_EQ(c.hr, kE_INVALIDARG);
        EXPECT_TRUE(c.cesta.empty());
        EXPECT_EQ(citac, 4u);
    }
    citac = 3;  // the last number is still given
    EXPECT_EQ(DalsiNazvy(p, citac, 1).front(), L"C:\\s\\cam_3.jpg");
}

TEST(NazvySnimku, MistaCislaABezCisla) {
    ParametrySouboru p{.jmeno = L"N", .maxPocetSouboru = 10000};
    std::uint32_t citac = 7;
    p.pocetMistCisla = 4;
    EXPECT_EQ(DalsiNazvy(p, citac, 1).front(), L"C:\\s\\N_0007.jpg");
    for (std::uint32_t mist : {0u, 1u}) {
        p.pocetMistCisla = mist;
        citac = 7;
        EXPECT_EQ(DalsiNazvy(p, citac, 1).front(), L"C:\\s\\N_7.jpg");
    }
    p.pocetMistCisla = 2;
    citac = 123;
    EXPECT_EQ(DalsiNazvy(p, citac, 1).front(), L"C:\\s\\N_123.jpg");  // padding never truncates

    p.maxPocetSouboru = 0;
    citac = 7;
    EXPECT_EQ(DalsiNazvy(p, citac, 2), (std::vector<std::wstring>{L"C:\\s\\N.jpg", L"C:\\s\\N.jpg"}));
    EXPECT_EQ(citac, 7u);
}

TEST(NazvySnimku, JmenaPodleDataACasu) {
    PevneHodiny hodiny;
    hodiny.cas = {2026, 12, 6, 5, 7, 5, 9, 7};
    std::uint32_t citac = 1;
    ParametrySouboru p{.vytvJmena = 1, .jmeno = L"N"};
    auto c = VytvoritCestuSnimku(p, citac, kSlozka, L".png", hodiny.Ted());
    EXPECT_EQ(c.hr, kS_OK);
    EXPECT_EQ(c.cesta, L"C:\\s\\5.12.2026 07-05-09.png");
    p.vytvJmena = 2;
    EXPECT_EQ(VytvoritCestuSnimku(p, citac, kSlozka, L".png", hodiny.Ted()).cesta, L"C:\\s\\5.12.2026 07-05-09.7.png");
    hodiny.cas.milisekunda = 250;
    EXPECT_EQ(VytvoritCestuSnimku(p, citac, kSlozka, L".png", hodiny.Ted()).cesta,
              L"C:\\s\\5.12.2026 07-05-09.250.png");
    EXPECT_EQ(citac, 1u);  // date names do not number
}

TEST(NazvySnimku, OstatniSchemataASlozkaSLomitkem) {
    PevneHodiny hodiny;
    std::uint32_t citac = 5;
    ParametrySouboru p{.vytvJmena = 101, .jmeno = L"N"};
    EXPECT_EQ(VytvoritCestuSnimku(p, citac, kSlozka, L".jpg", hodiny.Ted()).hr, kE_NOTIMPL);
    for (std::uint32_t schema : {3u, 100u, 102u}) {
        p.vytvJmena = schema;
        const auto c = VytvoritCestuSnimku(p, citac, kSlozka, L".jpg", hodiny.Ted());
        EXPECT_EQ(c.hr, kS_FALSE);
        EXPECT_TRUE(c.cesta.empty());
    }
    EXPECT_EQ(citac, 5u);
    p.vytvJmena = 0;
    EXPECT_EQ(VytvoritCestuSnimku(p, citac, L"D:\\", L".jpg", hodiny.Ted()).cesta, L"D:\\N_5.jpg");
}

TEST(NazvySnimku, MazaniJenCislovanychSnimkuKameryAOtevreni) {
    EXPECT_EQ(VzorMazaniSnimku(L"Dvůr", L".jpg"), L"Dvůr_*.jpg");
    EXPECT_TRUE(JeCislovanySnimek(L"Dvůr_1.jpg", L"Dvůr", L".jpg"));
    EXPECT_TRUE(JeCislovanySnimek(L"DVŮR_0042.JPG", L"Dvůr", L".jpg"));
    // Another camera, another extension, no number, not only a number, a date name.
    for (const wchar_t* cizi : {L"Dvůr2_1.jpg", L"Dvůr_1.png", L"Dvůr_.jpg", L"Dvůr_1a.jpg", L"Dvůr_x_1.jpg",
                                L"5.12.2026 07-05-09.jpg"})
        EXPECT_FALSE(JeCislovanySnimek(cizi, L"Dvůr", L".jpg")) << cizi;
    EXPECT_FALSE(JeCislovanySnimek(L"_1.jpg", L"", L".jpg"));  // no name: nothing is ours

    for (const auto& [kdy, automaticky, otevrit] : {std::tuple{1u, true, false}, {1u, false, true}, {2u, true, true},
                                                    {0u, false, false}})
        EXPECT_EQ(OtevritPoUlozeni(kdy, automaticky), otevrit) << kdy << automaticky;
    for (const auto& [cim, jak] : {std::pair{0u, OtevreniSnimku::otevrit}, {1u, OtevreniSnimku::upravit},
                                   {10u, OtevreniSnimku::editor}, {11u, OtevreniSnimku::editor}, {2u, OtevreniSnimku::nic}})
        EXPECT_EQ(ZpusobOtevreni(cim), jak) << cim;
}

}  // namespace
