#include "imagetools/RozmeryEditoru.h"

#include <gtest/gtest.h>

#include "imagetools/SouboryEditoru.h"
#include "video/RozvrzeniVidea.h"

using namespace Holvent::Obrazky;
using Knihovna::Obdelnik;

TEST(RozmeryEditoru, ZmenaVelikostiSPomeremAMezemi) {
    EXPECT_EQ(NovaVelikost({1000, 500}, {300, 300}, true), (Rozmery{300, 150}));
    EXPECT_EQ(NovaVelikost({1000, 500}, {300, 300}, false), (Rozmery{300, 300}));
    EXPECT_EQ(NovaVelikost({500, 1000}, {300, 300}, true), (Rozmery{150, 300}));  // the height limits
    EXPECT_EQ(NovaVelikost({1000, 500}, {1000, 500}, true), std::nullopt);        // unchanged: nothing
    EXPECT_EQ(NovaVelikost({1000, 500}, {1000, 900}, true), std::nullopt);  // the kept ratio ends at the old size
    EXPECT_EQ(NovaVelikost({1000, 1}, {1, 1}, true), (Rozmery{1, 1}));      // 1 × 1000 / 1000 rounds to 0: 1
    EXPECT_EQ(NovaVelikost({1, 1000}, {10000, 1}, true), (Rozmery{1, 1}));
    EXPECT_EQ(NovaVelikost({3, 7}, {10000, 10000}, true), (Rozmery{4285, 10000}));  // truncating, enlarging
    for (std::uint32_t spatna : {0u, 10001u}) EXPECT_EQ(OveritStranuZmeny(spatna), L"Zadejte hodnotu v rozsahu 1 - 10000");
    EXPECT_EQ(OveritStranuZmeny(10000), std::nullopt);
    EXPECT_EQ(TextRozmeru({1000, 500}), L"1000 x 500  bodů");
}

TEST(RozmeryEditoru, MeritkoAPosuvniky) {
    EXPECT_EQ(DalsiMeritko(100, true), 125);
    EXPECT_EQ(DalsiMeritko(10, false), 10);
    EXPECT_EQ(DalsiMeritko(110, false), 100);  // from between two steps
    EXPECT_EQ(MeritkoPrizpusobeni(320, 640), 50);
    EXPECT_EQ(TextMeritka(50), L"50 %");

    // 400 % of 200 × 100 in a 500 × 300 view: both bars, ranges of the zoomed size, positions kept in range.
    VstupRozvrzeni v;
    v.grafExistuje = true;
    v.sirkaKlienta = 500;
    v.vyskaKlienta = 300;
    v.sirkaVidea = 200;
    v.vyskaVidea = 100;
    v.sirkaSvislehoPosuvniku = v.vyskaVodorovnehoPosuvniku = 17;
    v.meritko = 400;
    v.posunX = 1000;
    auto r = RozvrhnoutVideo(v);
    EXPECT_TRUE(r.vodorovnyPosuvnik && r.svislyPosuvnik);
    EXPECT_EQ(r.rozsahX, 800);
    EXPECT_EQ(r.rozsahY, 400);
    EXPECT_EQ(r.posunX, 800 - 483);
    EXPECT_EQ(r.video, (Obdelnik{-317, 0, 483, 400}));
    // 10 % of a 5-pixel-high picture keeps a side of 1; fit mode ignores the zoom and never enlarges.
    v.meritko = 10;
    v.vyskaVidea = 5;
    EXPECT_EQ(RozvrhnoutVideo(v).video, (Obdelnik{0, 0, 20, 1}));
    v.prizpusobit = true;
    v.meritko = 800;
    EXPECT_EQ(RozvrhnoutVideo(v).video, (Obdelnik{150, 147, 350, 152}));
}

TEST(RozmeryEditoru, SouboryAKoderPodlePripony) {
    EXPECT_EQ(PriponaCesty(L"C:\\snimky\\foto.JPG"), L".JPG");
    EXPECT_EQ(PriponaCesty(L"C:\\snimky.d\\foto"), L"");
    const wchar_t* jpeg = L"*.JPG;*.JPEG;*.JPE;*.JFIF";
    EXPECT_TRUE(PriponaVSeznamu(L".jpeg", jpeg));
    EXPECT_FALSE(PriponaVSeznamu(L"", jpeg));  // matched every encoder as a substring
    EXPECT_FALSE(PriponaVSeznamu(L".JP", jpeg));  // a part of an entry
    EXPECT_FALSE(PriponaVSeznamu(L".tif", L"*.TIFF"));
    EXPECT_TRUE(PriponaVSeznamu(L".tif", L"*.TIF;*.TIFF"));
    EXPECT_TRUE(UlozeniNaMisto(L"c:\\FOTO.jpg", L"C:\\foto.JPG"));
    EXPECT_EQ(DocasnaCestaUlozeni(L"C:\\foto.jpg"), L"C:\\foto.jpg_temp_.jpg");
    EXPECT_NE(std::wstring(kFiltrObrazku).find(L";*.tif;"), std::wstring::npos);
}
