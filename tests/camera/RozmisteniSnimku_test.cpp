#include "camera/RozmisteniSnimku.h"

#include <gtest/gtest.h>

#include <tuple>

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
    // Bottom edge centred (the centre code and unknown codes too), top edge centred, then the vertical ones.
    for (std::uint32_t kde : {1u, 11u, 3u, 0u, 99u, 2u, 12u}) {
        const auto r = RozvrhnoutText(kde, W, H);
        EXPECT_EQ(std::tuple(r.zarovnani, r.svisle, r.sirka, r.vyska), std::tuple(kZarovnaniStred, false, W, H)) << kde;
        EXPECT_EQ(r.zarovnaniRadku, kde == 2 || kde == 12 ? kZarovnaniBlizko : kZarovnaniDaleko) << kde;
    }
    for (const auto& [kde, bod] : {std::pair{13u, BodObrazu{0, 10}}, {14u, BodObrazu{W - 20, 10}}}) {
        const auto r = RozvrhnoutText(kde, W, H);
        EXPECT_EQ(std::pair(r.svisle, r.zarovnani), std::pair(true, kZarovnaniBlizko)) << kde;
        EXPECT_EQ((BodObrazu{r.x, r.y}), bod);
    }
}

TEST(TextSnimku, DatumCasNeboVlastniText) {
    PevneHodiny hodiny;
    const std::wstring datum = L"5.12.2026  7:03:09";
    ParametrySnimku::Text t;
    t.co = 1;
    EXPECT_EQ(TextSnimku(t, hodiny.Ted()), datum);
    t.co = 2;
    EXPECT_EQ(TextSnimku(t, hodiny.Ted()), t.text);
    t.text.clear();  // an empty own text: the date
    EXPECT_EQ(TextSnimku(t, hodiny.Ted()), datum);
    for (std::uint32_t co : {0u, 3u}) {
        t.co = co;
        t.text = L"něco";
        EXPECT_TRUE(TextSnimku(t, hodiny.Ted()).empty()) << co;
    }
}

}  // namespace
