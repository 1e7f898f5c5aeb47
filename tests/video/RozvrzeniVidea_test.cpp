#include "video/RozvrzeniVidea.h"

#include <gtest/gtest.h>

using Knihovna::Obdelnik;

namespace {

VstupRozvrzeni Vstup(bool prizpusobit, int cx, int cy, int w = 640, int h = 480) {
    VstupRozvrzeni v;
    v.grafExistuje = true;
    v.prizpusobit = prizpusobit;
    v.sirkaKlienta = cx;
    v.vyskaKlienta = cy;
    v.sirkaVidea = w;
    v.vyskaVidea = h;
    return v;
}

}  // namespace

TEST(RozvrzeniVidea, PrizpusobeniZmensiSPomeremStran) {
    auto r = RozvrhnoutVideo(Vstup(true, 320, 400));
    EXPECT_EQ(r.video, (Obdelnik{0, 80, 320, 320}));  // 320 × 240 at (0, 80)
    r = RozvrhnoutVideo(Vstup(true, 800, 300));
    EXPECT_EQ(r.video, (Obdelnik{200, 0, 600, 300}));  // height limits: 400 × 300 centred
    EXPECT_FALSE(r.vodorovnyPosuvnik);
    EXPECT_FALSE(r.svislyPosuvnik);
    // Halves toward zero: 641 - 640 leaves x = 0.
    EXPECT_EQ(RozvrhnoutVideo(Vstup(true, 641, 481)).video, (Obdelnik{0, 0, 640, 480}));
}

TEST(RozvrzeniVidea, PrizpusobeniNikdyNezvetsuje) {
    EXPECT_EQ(RozvrhnoutVideo(Vstup(true, 800, 600)).video, (Obdelnik{80, 60, 720, 540}));
    EXPECT_EQ(RozvrhnoutVideo(Vstup(true, 640, 480)).video, (Obdelnik{0, 0, 640, 480}));
}

TEST(RozvrzeniVidea, JednaKuJednePosuvnikyJenKdyzSeNevejde) {
    auto r = RozvrhnoutVideo(Vstup(false, 500, 600));
    EXPECT_EQ(r.video, (Obdelnik{0, 0, 640, 480}));
    EXPECT_TRUE(r.vodorovnyPosuvnik);
    EXPECT_FALSE(r.svislyPosuvnik);
    EXPECT_EQ(r.rozsahX, 640);
    EXPECT_EQ(r.rozsahY, 480);

    r = RozvrhnoutVideo(Vstup(false, 800, 300));
    EXPECT_FALSE(r.vodorovnyPosuvnik);
    EXPECT_TRUE(r.svislyPosuvnik);

    r = RozvrhnoutVideo(Vstup(false, 800, 600));
    EXPECT_FALSE(r.vodorovnyPosuvnik);
    EXPECT_FALSE(r.svislyPosuvnik);
    EXPECT_EQ(r.video, (Obdelnik{0, 0, 640, 480}));
}

TEST(RozvrzeniVidea, PosuvnikZuziDruhouStranu) {
    // 490 rows fit, but not once the horizontal bar takes 17 of them.
    auto v = Vstup(false, 500, 490);
    v.sirkaSvislehoPosuvniku = 17;
    v.vyskaVodorovnehoPosuvniku = 17;
    auto r = RozvrhnoutVideo(v);
    EXPECT_TRUE(r.vodorovnyPosuvnik);
    EXPECT_TRUE(r.svislyPosuvnik);
    EXPECT_EQ(r.strankaX, 483);
    EXPECT_EQ(r.strankaY, 473);
    // Without the bar it would fit: 500 rows, 17 for the bar, 483 ≥ 480.
    v.vyskaKlienta = 500;
    r = RozvrhnoutVideo(v);
    EXPECT_TRUE(r.vodorovnyPosuvnik);
    EXPECT_FALSE(r.svislyPosuvnik);
}

TEST(RozvrzeniVidea, PosunMeniPoziciAZustavaVRozsahu) {
    auto v = Vstup(false, 500, 600);
    v.posunX = 100;
    v.posunY = 50;  // no vertical bar: no vertical scrolling
    auto r = RozvrhnoutVideo(v);
    EXPECT_EQ(r.video, (Obdelnik{-100, 0, 540, 480}));
    v.posunX = 1000;
    r = RozvrhnoutVideo(v);
    EXPECT_EQ(r.posunX, 140);
    EXPECT_EQ(r.video.left, -140);
    v.posunX = -5;
    EXPECT_EQ(RozvrhnoutVideo(v).posunX, 0);
}

TEST(RozvrzeniVidea, BezGrafuNeboVelikostiSeVideoNeumistuje) {
    auto v = Vstup(false, 100, 100);
    v.grafExistuje = false;
    auto r = RozvrhnoutVideo(v);
    EXPECT_FALSE(r.umistitVideo);
    EXPECT_FALSE(r.vodorovnyPosuvnik);
    EXPECT_FALSE(r.svislyPosuvnik);
    r = RozvrhnoutVideo(Vstup(true, 100, 100, -1, -1));
    EXPECT_FALSE(r.umistitVideo);
}

TEST(RozvrzeniVidea, MinimalizovaneOknoNedaZaporneRozmery) {
    auto r = RozvrhnoutVideo(Vstup(true, 0, 0));
    EXPECT_GE(r.video.Sirka(), 0);
    EXPECT_GE(r.video.Vyska(), 0);
}

TEST(RozvrzeniVidea, VelikostRendereruPoSpusteni) {
    int s = 0, v = 0;
    VelikostRendereru(32, 240, s, v);
    EXPECT_EQ(s, 320);
    EXPECT_EQ(v, 240);
    VelikostRendereru(33, 32, s, v);
    EXPECT_EQ(s, 33);
    EXPECT_EQ(v, 32);
    VelikostRendereru(640, 31, s, v);
    EXPECT_EQ(s, 320);
    EXPECT_EQ(v, 240);
    VelikostRendereru(-1, -1, s, v);
    EXPECT_EQ(s, 320);
}
