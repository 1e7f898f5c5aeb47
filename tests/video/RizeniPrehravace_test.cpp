#include "video/RizeniPrehravace.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <tuple>

using namespace Prehravac;
using Knihovna::Obdelnik;

namespace {
constexpr std::int64_t kSekunda = 10'000'000;
}  // namespace

TEST(RizeniPrehravace, PrikazyPodleStavu) {
    const int prikazy[] = {Prikaz::kOtevrit,  Prikaz::kKonec,    Prikaz::kZavrit,
                           Prikaz::kSpustit,  Prikaz::kUkoncit,  Prikaz::kPrerusit,
                           Prikaz::kKrokVpred, Prikaz::kKrokZpet, Prikaz::kUlozitSnimek};
    // Expected per state, in the order above.
    struct Ocekavani {
        StavPrehravace s;
        bool povoleno[9];
    } const pripady[] = {
        {{Stav::BezSouboru, 0, false}, {true, true, false, false, false, false, false, false, false}},
        {{Stav::Bezi, 4 * kSekunda, true}, {true, true, true, false, true, true, true, true, true}},
        {{Stav::Pozastaveno, 4 * kSekunda, true}, {true, true, true, true, false, false, true, true, true}},
        {{Stav::Zastaveno, 4 * kSekunda, true}, {true, true, true, true, false, false, true, true, true}},
        // Audio only, unknown duration: no steps, no frame saving.
        {{Stav::Bezi, 0, false}, {true, true, true, false, true, true, false, false, false}},
    };
    for (const auto& p : pripady) {
        for (int i = 0; i < 9; ++i)
            EXPECT_EQ(PrikazPovolen(p.s, prikazy[i]), p.povoleno[i])
                << "stav " << static_cast<int>(p.s.stav) << ", prikaz " << prikazy[i];
    }
    EXPECT_FALSE(PrikazPovolen({Stav::Bezi, kSekunda, true}, 40086));  // not the player's
}

TEST(RizeniPrehravace, TransportJenVDovolenemStavu) {
    // Pause while stopped fails and leaves the state; so do a stop while paused and a run while running.
    for (const auto& [stav, povel] : {std::pair{Stav::Zastaveno, Povel::Prerusit}, {Stav::Pozastaveno, Povel::Ukoncit},
                                      {Stav::Bezi, Povel::Spustit}}) {
        const auto p = PrechodTransportu(stav, povel);
        EXPECT_EQ(std::tuple(p.hr, p.akce, p.novyStav), std::tuple(kVFW_E_WRONG_STATE, AkceGrafu::Zadna, stav));
    }
    EXPECT_EQ(PrechodTransportu(Stav::BezSouboru, Povel::Spustit).hr, Knihovna::kE_UNEXPECTED);

    auto p = PrechodTransportu(Stav::Bezi, Povel::Ukoncit);
    EXPECT_EQ(p.akce, AkceGrafu::StopNaZacatek);  // stop goes back to 0
    EXPECT_EQ(p.novyStav, Stav::Zastaveno);
    p = PrechodTransportu(p.novyStav, Povel::Spustit);
    EXPECT_EQ(p.akce, AkceGrafu::Run);
    p = PrechodTransportu(p.novyStav, Povel::Prerusit);
    EXPECT_EQ(p.akce, AkceGrafu::Pause);
    EXPECT_EQ(PrechodTransportu(p.novyStav, Povel::Spustit).novyStav, Stav::Bezi);
}

TEST(RizeniPrehravace, CileKroku) {
    const std::int64_t trvani = 4 * kSekunda;
    EXPECT_EQ(CilKroku(trvani - 3 * kSekunda / 10, trvani, true), std::nullopt);  // 0.3 s before the end
    EXPECT_EQ(CilKroku(trvani - kKrok, trvani, true), std::nullopt);              // exactly at the end
    EXPECT_EQ(CilKroku(kSekunda, trvani, true), kSekunda + kKrok);
    EXPECT_EQ(CilKroku(2 * kSekunda / 10, trvani, false), std::nullopt);  // back at 0.2 s
    EXPECT_EQ(CilKroku(kKrok, trvani, false), 0);
    EXPECT_EQ(CilKroku(kSekunda, 0, true), std::nullopt);  // no duration
    constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(CilKroku(kMax - 1, kMax, true), std::nullopt);
}

TEST(RizeniPrehravace, PosuvnikNaCelych64Bitech) {
    EXPECT_EQ(PoziceNaPosuvnik(2 * kSekunda, 4 * kSekunda), 5000);
    EXPECT_EQ(PoziceNaPosuvnik(5 * kSekunda, 4 * kSekunda), kRozsahPosuvniku);
    EXPECT_EQ(PoziceNaPosuvnik(-1, 4 * kSekunda), 0);
    EXPECT_EQ(PoziceNaPosuvnik(kSekunda, 0), 0);
    // 10000 × position overflows 64 bits for a long file; the mapping does not.
    constexpr std::int64_t dlouhe = 4'000'000'000'000'000'000;
    EXPECT_EQ(PoziceNaPosuvnik(dlouhe / 4, dlouhe), 2500);
    EXPECT_EQ(PosuvnikNaPozici(2500, dlouhe), dlouhe / 4);
    EXPECT_EQ(PosuvnikNaPozici(kRozsahPosuvniku, dlouhe), dlouhe);
    EXPECT_EQ(PosuvnikNaPozici(5000, 4 * kSekunda), 2 * kSekunda);
    EXPECT_EQ(PosuvnikNaPozici(20000, 4 * kSekunda), 4 * kSekunda);
    EXPECT_EQ(PosuvnikNaPozici(5000, 0), 0);
}

TEST(RizeniPrehravace, UdalostiGrafuAUmisteniObrazu) {
    EXPECT_EQ(ReakceNaUdalostGrafu(kEC_COMPLETE), ReakceNaUdalost::ZastavitNaZacatku);
    EXPECT_EQ(ReakceNaUdalostGrafu(kEC_ERRORABORT), ReakceNaUdalost::ZastavitAOznamit);
    EXPECT_EQ(ReakceNaUdalostGrafu(0x0E), ReakceNaUdalost::Zadna);

    EXPECT_EQ(UmisteniObrazu(true, true, 320, 200, 640, 480), (Obdelnik{27, 0, 293, 200}));  // 266 × 200
    EXPECT_EQ(UmisteniObrazu(true, false, 320, 200, 640, 480), (Obdelnik{0, 0, 640, 480}));
    EXPECT_EQ(UmisteniObrazu(false, true, 320, 200, 640, 480), std::nullopt);
    EXPECT_EQ(UmisteniObrazu(true, true, 320, 200, 0, 0), std::nullopt);  // audio only
}
