#include "camera/RozmisteniSnimku.h"

#include <gtest/gtest.h>

#include "../PevneHodiny.h"

namespace {

constexpr int W = 100, H = 80;

struct Pripad {
    std::uint32_t kod;
    int w, h;
    BodObrazu ocekavany;
};

TEST(UmisteniPrekryvu, KazdyKodSeVejde) {
    const Pripad pripady[] = {
        {1, 20, 10, {40, 66}},  {1, 100, 76, {0, 0}},  {2, 20, 10, {40, 4}},  {2, 100, 200, {0, 4}},
        {3, 20, 10, {40, 35}},  {3, 100, 80, {0, 0}},  {4, 20, 10, {4, 35}},  {4, 96, 80, {4, 0}},
        {5, 20, 10, {76, 35}},  {5, 96, 80, {0, 0}},   {21, 20, 10, {4, 66}}, {21, 96, 76, {4, 0}},
        {22, 20, 10, {4, 4}},   {22, 96, 76, {4, 4}},  {23, 20, 10, {76, 66}}, {23, 96, 76, {0, 0}},
        {24, 20, 10, {76, 4}},  {24, 96, 76, {0, 4}},
    };
    for (const auto& p : pripady)
        EXPECT_EQ(UmisteniPrekryvu(p.kod, W, H, p.w, p.h), p.ocekavany) << p.kod << " " << p.w << "x" << p.h;
    // Halves are shifted right: an odd difference rounds down.
    EXPECT_EQ(UmisteniPrekryvu(3, 101, 81, 20, 10), (BodObrazu{40, 35}));
}

TEST(UmisteniPrekryvu, NevejdeSeNeboNeznamyKod) {
    const std::pair<std::uint32_t, std::pair<int, int>> pripady[] = {
        {1, {101, 10}}, {1, {20, 77}}, {2, {101, 10}}, {3, {101, 10}}, {3, {20, 81}},
        {4, {97, 10}},  {4, {20, 81}}, {5, {97, 10}},  {5, {20, 81}},  {21, {97, 10}},
        {21, {20, 77}}, {22, {97, 10}}, {22, {20, 77}}, {23, {97, 10}}, {23, {20, 77}},
        {24, {97, 10}}, {24, {20, 77}}, {0, {1, 1}},   {6, {1, 1}},   {11, {1, 1}}, {25, {1, 1}},
    };
    for (const auto& [kod, velikost] : pripady) {
        try {
            UmisteniPrekryvu(kod, W, H, velikost.first, velikost.second);
            ADD_FAILURE() << kod << " " << velikost.first << "x" << velikost.second << " should fail";
        } catch (const Knihovna::Chyba& e) {
            EXPECT_EQ(e.Hr(), Knihovna::kE_INVALIDARG);
        }
    }
}

TEST(RozvrzeniTextu, PolohyPodleKodu) {
    for (std::uint32_t kde : {1u, 11u, 3u, 0u, 99u}) {
        const auto r = RozvrhnoutText(kde, W, H);
        EXPECT_EQ(r.zarovnani, kZarovnaniStred) << kde;
        EXPECT_EQ(r.zarovnaniRadku, kZarovnaniDaleko) << kde;  // bottom edge, centred; the centre code too
        EXPECT_FALSE(r.svisle);
        EXPECT_EQ(r.sirka, W);
        EXPECT_EQ(r.vyska, H);
    }
    for (std::uint32_t kde : {2u, 12u}) {
        const auto r = RozvrhnoutText(kde, W, H);
        EXPECT_EQ(r.zarovnani, kZarovnaniStred);
        EXPECT_EQ(r.zarovnaniRadku, kZarovnaniBlizko);
        EXPECT_FALSE(r.svisle);
    }
    auto r = RozvrhnoutText(13, W, H);
    EXPECT_TRUE(r.svisle);
    EXPECT_EQ(r.zarovnani, kZarovnaniBlizko);
    EXPECT_EQ((BodObrazu{r.x, r.y}), (BodObrazu{0, 10}));
    r = RozvrhnoutText(14, W, H);
    EXPECT_TRUE(r.svisle);
    EXPECT_EQ((BodObrazu{r.x, r.y}), (BodObrazu{W - 20, 10}));
}

TEST(TextSnimku, DatumCasNeboVlastniText) {
    PevneHodiny hodiny;
    hodiny.cas.den = 5;
    hodiny.cas.mesic = 12;
    hodiny.cas.rok = 2026;
    hodiny.cas.hodina = 7;
    hodiny.cas.minuta = 3;
    hodiny.cas.sekunda = 9;
    const std::wstring datum = L"5.12.2026  7:03:09";
    ParametrySnimku::Text t;
    t.co = 1;
    EXPECT_EQ(TextSnimku(t, hodiny.Ted()), datum);
    t.co = 2;
    EXPECT_EQ(TextSnimku(t, hodiny.Ted()), t.text);
    t.text.clear();
    EXPECT_EQ(TextSnimku(t, hodiny.Ted()), datum);
    for (std::uint32_t co : {0u, 3u}) {
        t.co = co;
        t.text = L"něco";
        EXPECT_TRUE(TextSnimku(t, hodiny.Ted()).empty()) << co;
    }
}

}  // namespace
