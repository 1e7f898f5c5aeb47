#include "camera/PlanObnoveni.h"

#include <gtest/gtest.h>

namespace P = PrikazyKamery;

TEST(PlanObnoveni, IntervalRosteKazdeTriPokusyAzNaMinutu) {
    std::vector<std::uint32_t> intervaly;
    for (std::uint32_t pokus = 0; pokus < 16; ++pokus) intervaly.push_back(IntervalObnoveni(5, pokus));
    EXPECT_EQ(intervaly, (std::vector<std::uint32_t>{5, 5, 5, 10, 10, 10, 20, 20, 20, 40, 40, 40, 60, 60, 60, 60}));
    // A stored value outside 1 to 60 s is held to it; a very late attempt does not overflow.
    EXPECT_EQ(IntervalObnoveni(0, 0), 1u);
    EXPECT_EQ(IntervalObnoveni(1, 5), 2u);
    EXPECT_EQ(IntervalObnoveni(500, 0), 60u);
    EXPECT_EQ(IntervalObnoveni(7, 0xFFFFFFFFu), 60u);
}

TEST(PlanObnoveni, HlidacHlasiTichoAzPoLimituAMeriOdPoslednihoSnimku) {
    HlidacSnimku h;
    h.Zacit(100, 0xFFFFF000u);  // the tick wraps during the watch
    EXPECT_FALSE(h.Ztrata(10, 100, 0xFFFFF000u + 9999));
    EXPECT_FALSE(h.PrislySnimky(100));
    // A frame restarts the measure.
    EXPECT_FALSE(h.Ztrata(10, 101, 0xFFFFF000u + 9999));
    EXPECT_TRUE(h.PrislySnimky(101));
    EXPECT_FALSE(h.Ztrata(10, 101, 0xFFFFF000u + 19998));
    EXPECT_TRUE(h.Ztrata(10, 101, 0xFFFFF000u + 19999));
    // Off (0) never reports; Zacit after a pause of the graph forgets the silence before it.
    EXPECT_FALSE(h.Ztrata(0, 101, 0xFFFFF000u + 90000));
    h.Zacit(101, 50000);
    EXPECT_FALSE(h.Ztrata(10, 101, 55000));
    EXPECT_EQ(h.Ticho(55000), 5000u);
}

TEST(PlanObnoveni, ZarizeniSeHledaPodleCestyPakPodleJmenaSCislem) {
    const SeznamZarizeni seznam{{L"Kamera USB", L"", L"\\\\?\\usb#vid_1&port_3"},
                                {L"Kamera USB #2", L"", L"\\\\?\\usb#vid_1&port_4"},
                                {L"Jiná", L"", L"\\\\?\\usb#vid_2"}};
    // The path wins over the name (the numbering may have changed with the order of the devices).
    EXPECT_EQ(NajitZarizeniZnovu(seznam, {L"Kamera USB", L"", L"\\\\?\\USB#VID_1&PORT_4"})->friendlyName,
              L"Kamera USB #2");
    // Another port: the same name with its number.
    EXPECT_EQ(NajitZarizeniZnovu(seznam, {L"kamera usb #2", L"", L"\\\\?\\usb#vid_1&port_9"})->devicePath,
              L"\\\\?\\usb#vid_1&port_4");
    // Neither: still away. An empty record finds nothing either.
    EXPECT_FALSE(NajitZarizeniZnovu(seznam, {L"Kamera USB #3", L"", L"\\\\?\\usb#vid_1&port_9"}));
    EXPECT_FALSE(NajitZarizeniZnovu(seznam, {}));
    EXPECT_FALSE(NajitZarizeniZnovu({}, {L"Jiná", L"", L"x"}));
}

TEST(PlanObnoveni, ZastavujeBeziciAObnovujeJenCoBeziloANebezi) {
    const BeziciAktivity vse{true, true, true, true, true, true};
    EXPECT_EQ(PrikazyZastaveni(vse),
              (std::vector<std::uint32_t>{P::kDetekce, P::kSnimkyDisk, P::kPlanovane, P::kSnimkyEmail, P::kSnimkyFtp}));
    EXPECT_TRUE(PrikazyZastaveni({}).empty());
    EXPECT_EQ(PrikazyObnoveni(vse, {}),
              (std::vector<PrikazPoSpusteni>{{P::kSnimkyFtp, 0},
                                             {P::kSnimkyEmail, 0},
                                             {P::kSnimkyDisk, 0},
                                             {P::kPlanovane, 0},
                                             {P::kDetekce, 0},
                                             {P::kZaznamStart, 0}}));
    // Started by hand meanwhile (FTP needs no video): the toggle would stop it, so it is left alone.
    BeziciAktivity ted;
    ted.snimkyFtp = true;
    BeziciAktivity pred;
    pred.snimkyFtp = pred.detekce = true;
    EXPECT_EQ(PrikazyObnoveni(pred, ted), (std::vector<PrikazPoSpusteni>{{P::kDetekce, 0}}));
    EXPECT_TRUE(PrikazyObnoveni({}, vse).empty());
}
