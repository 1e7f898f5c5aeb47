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

// Fitted, the 640 × 480 picture shrinks keeping its ratio, centred (halves toward zero), and never grows; a
// minimised window gives no negative size.
TEST(RozvrzeniVidea, PrizpusobeniZmensiSPomeremStranANikdyNezvetsuje) {
    const std::pair<std::pair<int, int>, Obdelnik> pripady[] = {
        {{320, 400}, {0, 80, 320, 320}}, {{800, 300}, {200, 0, 600, 300}}, {{641, 481}, {0, 0, 640, 480}},
        {{800, 600}, {80, 60, 720, 540}}, {{640, 480}, {0, 0, 640, 480}},
    };
    for (const auto& [klient, video] : pripady) {
        const auto r = RozvrhnoutVideo(Vstup(true, klient.first, klient.second));
        EXPECT_EQ(r.video, video) << klient.first << "x" << klient.second;
        EXPECT_FALSE(r.vodorovnyPosuvnik || r.svislyPosuvnik);
    }
    const auto r = RozvrhnoutVideo(Vstup(true, 0, 0));
    EXPECT_GE(r.video.Sirka(), 0);
    EXPECT_GE(r.video.Vyska(), 0);
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

TEST(RozvrzeniVidea, VelikostRendereruPoSpusteni) {
    // Too small on either side, or none at all: 320 × 240.
    for (const auto& [vstup, vystup] : {std::pair{std::pair{32, 240}, std::pair{320, 240}}, {{33, 32}, {33, 32}},
                                        {{640, 31}, {320, 240}}, {{-1, -1}, {320, 240}}}) {
        int s = 0, v = 0;
        VelikostRendereru(vstup.first, vstup.second, s, v);
        EXPECT_EQ(std::pair(s, v), vystup) << vstup.first << "x" << vstup.second;
    }
}
