#include "video/PruhSnimku.h"

#include <gtest/gtest.h>

using namespace Holvent::DirectShow;

TEST(PruhSnimku, PozadiPodlePrumeruBarvyTextu) {
    EXPECT_EQ(PozadiPruhu(255, 255, 0), kPozadiCerne);    // yellow, average 170
    EXPECT_EQ(PozadiPruhu(140, 141, 142), kPozadiCerne);  // average 141
    EXPECT_EQ(PozadiPruhu(140, 140, 141), kPozadiBile);   // average 140 (integer division)
    EXPECT_EQ(PozadiPruhu(0, 0, 0), kPozadiBile);
    EXPECT_EQ(PozadiPruhu(255, 255, 255), kPozadiCerne);  // no overflow of the sum
}

TEST(PruhSnimku, KazdaPoziceZvetsiSvouStranu) {
    EXPECT_EQ(SpocitatPruh(kPruhDole, 640, 480, 22), (GeometriePruhu{640, 502, 0, 0}));
    EXPECT_EQ(SpocitatPruh(kPruhNahore, 640, 480, 22), (GeometriePruhu{640, 502, 0, 22}));
    EXPECT_EQ(SpocitatPruh(kPruhVlevo, 640, 480, 22), (GeometriePruhu{662, 480, 22, 0}));
    EXPECT_EQ(SpocitatPruh(kPruhVpravo, 640, 480, 22), (GeometriePruhu{662, 480, 0, 0}));
}

TEST(PruhSnimku, JineKodyPruhNepridavaji) {
    for (int kod : {0, 1, 2, 3, 10, 15, -11}) {
        EXPECT_FALSE(MaPruh(kod)) << kod;
        EXPECT_EQ(SpocitatPruh(kod, 320, 240, 20), (GeometriePruhu{320, 240, 0, 0})) << kod;
    }
}

TEST(PruhSnimku, TloustkaJeCelaVyskaTextuPlusDva) {
    EXPECT_EQ(TloustkaPruhu(15.9), 17);
    EXPECT_EQ(TloustkaPruhu(16.0), 18);
    EXPECT_EQ(TloustkaPruhu(0.0), 2);
    // A measurement that makes no sense keeps the default.
    EXPECT_EQ(TloustkaPruhu(-3.0), kVychoziTloustkaPruhu);
    EXPECT_EQ(TloustkaPruhu(1e12), kVychoziTloustkaPruhu);
}
