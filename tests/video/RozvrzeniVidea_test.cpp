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

// One to one: a scroll bar only on the side that does not fit, and a bar that takes the room the other side needed
// brings the other bar too.
TEST(RozvrzeniVidea, JednaKuJednePosuvnikyJenKdyzSeNevejde) {
    struct Pripad {
        int cx, cy;
        bool vodorovny, svisly;
    };
    for (const Pripad& p : {Pripad{500, 600, true, false}, {800, 300, false, true}, {800, 600, false, false},
                            {500, 490, true, true}, {500, 500, true, false}}) {
        auto v = Vstup(false, p.cx, p.cy);
        v.sirkaSvislehoPosuvniku = v.vyskaVodorovnehoPosuvniku = 17;
        const auto r = RozvrhnoutVideo(v);
        EXPECT_EQ(std::pair(r.vodorovnyPosuvnik, r.svislyPosuvnik), std::pair(p.vodorovny, p.svisly)) << p.cx << "x" << p.cy;
        EXPECT_EQ(r.video, (Obdelnik{0, 0, 640, 480}));
        EXPECT_EQ(std::pair(r.rozsahX, r.rozsahY), std::pair(640, 480));
        if (p.cy == 490) {
            EXPECT_EQ(std::pair(r.strankaX, r.strankaY), std::pair(483, 473));
        }
    }
}

TEST(RozvrzeniVidea, PosunMeniPoziciAZustavaVRozsahu) {
    auto v = Vstup(false, 500, 600);
    v.posunX = 100;
    v.posunY = 50;  // no vertical bar: no vertical scrolling
    EXPECT_EQ(RozvrhnoutVideo(v).video, (Obdelnik{-100, 0, 540, 480}));
    v.posunX = 1000;
    const auto r = RozvrhnoutVideo(v);
    EXPECT_EQ(std::pair(r.posunX, r.video.left), std::pair(140, -140));
    v.posunX = -5;
    EXPECT_EQ(RozvrhnoutVideo(v).posunX, 0);
}

TEST(RozvrzeniVidea, BezGrafuNeboVelikostiSeVideoNeumistujeAVelikostRendereru) {
    auto v = Vstup(false, 100, 100);
    v.grafExistuje = false;
    const auto r = RozvrhnoutVideo(v);
    EXPECT_FALSE(r.umistitVideo || r.vodorovnyPosuvnik || r.svislyPosuvnik);
    EXPECT_FALSE(RozvrhnoutVideo(Vstup(true, 100, 100, -1, -1)).umistitVideo);
    // Too small on either side, or none at all: 320 × 240.
    for (const auto& [vstup, vystup] : {std::pair{std::pair{32, 240}, std::pair{320, 240}}, {{33, 32}, {33, 32}},
                                        {{640, 31}, {320, 240}}, {{-1, -1}, {320, 240}}}) {
        int s = 0, w = 0;
        VelikostRendereru(vstup.first, vstup.second, s, w);
        EXPECT_EQ(std::pair(s, w), vystup) << vstup.first << "x" << vstup.second;
    }
}
