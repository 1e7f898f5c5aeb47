#include "camera/PlanovaneSnimkovani.h"

#include <gtest/gtest.h>

#include "camera/AktivityKamery.h"
#include "camera/ParametryKamery.h"

namespace {

Knihovna::MistniCas Cas(int den, int sekundyDne) {
    Knihovna::MistniCas cas{2026, 12, 1, den, 0, 0, 0, 0};
    cas.hodina = sekundyDne / 3600;
    cas.minuta = sekundyDne / 60 % 60;
    cas.sekunda = sekundyDne % 60;
    return cas;
}

constexpr int Sekundy(int h, int m, int s) { return h * 3600 + m * 60 + s; }

// What fires on the 5-second ticks from od to do (inclusive) of one day: (second of the day, time).
std::vector<std::pair<int, std::uint32_t>> Tikat(PlanovaneSnimkovani& plan, const std::vector<std::uint32_t>& planovane,
                                                 int den, int od, int po) {
    std::vector<std::pair<int, std::uint32_t>> vystrely;
    for (int t = od; t <= po; t += 5) {
        if (auto cas = plan.Zkontrolovat(planovane, Cas(den, t))) vystrely.emplace_back(t, *cas);
    }
    return vystrely;
}

TEST(PlanovaneSnimkovani, PoledneVystreliJednouVOkneKolemSveDoby) {
    const std::vector<std::uint32_t> planovane{ZabalitCas(12, 0, 0)};
    for (int posun = 0; posun < 5; ++posun) {  // every phase of the timer against the entry
        SCOPED_TRACE(posun);
        PlanovaneSnimkovani plan;
        plan.Spustit();
        EXPECT_EQ(plan.PosledniVystreleny(), 0u);
        auto vystrely = Tikat(plan, planovane, 7, Sekundy(11, 59, 40) + posun, Sekundy(12, 0, 30));
        ASSERT_EQ(vystrely.size(), 1u);
        EXPECT_GE(vystrely[0].first, Sekundy(11, 59, 50));
        EXPECT_LE(vystrely[0].first, Sekundy(12, 0, 10));
        EXPECT_EQ(vystrely[0].second, ZabalitCas(12, 0, 0));
        EXPECT_EQ(plan.PosledniVystreleny(), ZabalitCas(12, 0, 0));

        // The next day the same single entry fires again, once.
        EXPECT_EQ(Tikat(plan, planovane, 8, Sekundy(11, 59, 40) + posun, Sekundy(12, 0, 30)).size(), 1u);
    }
}

TEST(PlanovaneSnimkovani, KazdyZaznamJednouZaDen) {
    const std::uint32_t a = ZabalitCas(12, 0, 0), b = ZabalitCas(12, 0, 10);
    PlanovaneSnimkovani plan;
    plan.Spustit();
    auto vystrely = Tikat(plan, {a, b}, 7, Sekundy(11, 59, 30), Sekundy(12, 1, 0));
    ASSERT_EQ(vystrely.size(), 2u);
    EXPECT_EQ(vystrely[0].second, a);
    EXPECT_EQ(vystrely[1].second, b);

    // Another entry firing in between does not let the first one fire again on its later ticks.
    const std::uint32_t c = ZabalitCas(12, 0, 5);
    plan.Spustit();
    EXPECT_EQ(plan.Zkontrolovat({a, c}, Cas(7, Sekundy(11, 59, 55))), a);
    EXPECT_EQ(plan.Zkontrolovat({a, c}, Cas(7, Sekundy(12, 0, 0))), c);
    EXPECT_EQ(plan.Zkontrolovat({a, c}, Cas(7, Sekundy(12, 0, 5))), std::nullopt);
    EXPECT_EQ(plan.PosledniVystreleny(), c);

    // A new start of scheduled snapshots forgets what fired.
    plan.Spustit();
    EXPECT_EQ(plan.PosledniVystreleny(), 0u);
    EXPECT_EQ(plan.Zkontrolovat({a, c}, Cas(7, Sekundy(12, 0, 5))), a);

    // Nothing to do for an empty list or far from every entry.
    EXPECT_EQ(plan.Zkontrolovat({}, Cas(7, Sekundy(12, 0, 0))), std::nullopt);
    EXPECT_EQ(plan.Zkontrolovat({b}, Cas(7, Sekundy(12, 0, 21))), std::nullopt);
    EXPECT_EQ(plan.Zkontrolovat({b}, Cas(7, Sekundy(11, 59, 59))), std::nullopt);
    EXPECT_EQ(plan.Zkontrolovat({b}, Cas(7, Sekundy(12, 0, 20))), b);  // the window's edges belong to it
}

TEST(PlanovaneSnimkovani, PrikazyPodleCilu) {
    EXPECT_EQ(PrikazyNaplanovanehoSnimku(7),
              (std::vector<std::uint32_t>{PrikazyKamery::kSnimek, PrikazyKamery::kSnimekFtp, PrikazyKamery::kSnimekEmail}));
    EXPECT_EQ(PrikazyNaplanovanehoSnimku(1), std::vector<std::uint32_t>{40046});
    EXPECT_EQ(PrikazyNaplanovanehoSnimku(6), (std::vector<std::uint32_t>{40052, 40053}));
    EXPECT_TRUE(PrikazyNaplanovanehoSnimku(0).empty());
}

}  // namespace
