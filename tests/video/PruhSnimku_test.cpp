#include "video/PruhSnimku.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Holvent::DirectShow;

TEST(PruhSnimku, PozadiTloustkaAGeometrie) {
    // By the text colour's average (integer division, no overflow of the sum): yellow 170, 141, 140, black, white.
    for (const auto& [r, g, b, pozadi] : {std::tuple{255, 255, 0, kPozadiCerne}, {140, 141, 142, kPozadiCerne},
                                          {140, 140, 141, kPozadiBile}, {0, 0, 0, kPozadiBile}, {255, 255, 255, kPozadiCerne}})
        EXPECT_EQ(PozadiPruhu(r, g, b), pozadi) << r << "," << g << "," << b;
    // The whole text height plus two; a measurement that makes no sense keeps the default.
    EXPECT_EQ(std::tuple(TloustkaPruhu(15.9), TloustkaPruhu(16.0), TloustkaPruhu(0.0)), std::tuple(17, 18, 2));
    EXPECT_EQ(TloustkaPruhu(-3.0), kVychoziTloustkaPruhu);
    EXPECT_EQ(TloustkaPruhu(1e12), kVychoziTloustkaPruhu);

    // Each position enlarges its own side; other codes add no strip.
    EXPECT_EQ(SpocitatPruh(kPruhDole, 640, 480, 22), (GeometriePruhu{640, 502, 0, 0}));
    EXPECT_EQ(SpocitatPruh(kPruhNahore, 640, 480, 22), (GeometriePruhu{640, 502, 0, 22}));
    EXPECT_EQ(SpocitatPruh(kPruhVlevo, 640, 480, 22), (GeometriePruhu{662, 480, 22, 0}));
    EXPECT_EQ(SpocitatPruh(kPruhVpravo, 640, 480, 22), (GeometriePruhu{662, 480, 0, 0}));
    for (int kod : {0, 1, 2, 3, 10, 15, -11}) {
        EXPECT_FALSE(MaPruh(kod)) << kod;
        EXPECT_EQ(SpocitatPruh(kod, 320, 240, 20), (GeometriePruhu{320, 240, 0, 0})) << kod;
    }
}
