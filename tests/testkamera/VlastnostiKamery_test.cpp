#include "testkamera/VlastnostiKamery.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace TestovaciKamera;
using S = SkupinaVlastnosti;

TEST(VlastnostiKamery, RozsahyAVychoziHodnoty) {
    const VlastnostiKamery v;
    RozsahVlastnosti r;
    ASSERT_EQ(v.Rozsah(S::Obraz, kJas, r), Knihovna::kS_OK);
    EXPECT_LT(r.min, r.vychozi);
    EXPECT_GT(r.max, r.vychozi);
    EXPECT_EQ(r.priznaky, kPriznakAuto | kPriznakRucne);
    for (int p : {kJas, kKontrast, kOdstin, kSytost, kOstrost}) {
        ASSERT_EQ(v.Rozsah(S::Obraz, p, r), Knihovna::kS_OK) << p;
        std::int32_t hodnota = -999, priznak = 0;
        ASSERT_EQ(v.Cist(S::Obraz, p, hodnota, priznak), Knihovna::kS_OK);
        EXPECT_EQ(hodnota, r.vychozi) << p;
        EXPECT_EQ(priznak, kPriznakRucne) << p;
        EXPECT_EQ(v.Ucinna(S::Obraz, p), r.vychozi);
    }
    ASSERT_EQ(v.Rozsah(S::Ovladani, kZoom, r), Knihovna::kS_OK);
    EXPECT_EQ(r.vychozi, r.min);  // no zoom at start
    EXPECT_EQ(r.priznaky, kPriznakRucne);
    ASSERT_EQ(v.Rozsah(S::Ovladani, kOstreni, r), Knihovna::kS_OK);
    // Gamma, white balance, pan and exposure are not there, nor numbers past the tables.
    for (const auto& [skupina, id] : {std::pair{S::Obraz, 5}, {S::Obraz, 7}, {S::Ovladani, 0}, {S::Ovladani, 4},
                                      {S::Obraz, -1}, {S::Ovladani, 1000}})
        EXPECT_EQ(v.Rozsah(skupina, id, r), kE_PROP_ID_UNSUPPORTED) << id;
}

TEST(VlastnostiKamery, NastaveniHlidaRozsahKrokAPriznak) {
    VlastnostiKamery v;
    RozsahVlastnosti r;
    ASSERT_EQ(v.Rozsah(S::Ovladani, kZoom, r), Knihovna::kS_OK);
    EXPECT_EQ(v.Nastavit(S::Ovladani, kZoom, r.min + r.krok, kPriznakRucne), Knihovna::kS_OK);
    EXPECT_EQ(v.Nastavit(S::Ovladani, kZoom, r.max, kPriznakRucne), Knihovna::kS_OK);
    // Refusals keep the last good value: off the range, off the step, zoom is manual only.
    for (const auto& [hodnota, priznak] : {std::pair{r.max + r.krok, kPriznakRucne}, {r.min - 1, kPriznakRucne},
                                           {r.min + r.krok / 2, kPriznakRucne}, {r.min, kPriznakAuto}, {r.min, 0},
                                           {r.min, kPriznakAuto | kPriznakRucne}})
        EXPECT_EQ(v.Nastavit(S::Ovladani, kZoom, hodnota, priznak), Knihovna::kE_INVALIDARG) << hodnota << " " << priznak;
    std::int32_t hodnota = 0, priznak = 0;
    ASSERT_EQ(v.Cist(S::Ovladani, kZoom, hodnota, priznak), Knihovna::kS_OK);
    EXPECT_EQ(hodnota, r.max);
    EXPECT_EQ(v.Ucinna(S::Ovladani, kZoom), r.max);
    EXPECT_EQ(v.Nastavit(S::Ovladani, 0, 0, kPriznakRucne), kE_PROP_ID_UNSUPPORTED);
}

TEST(VlastnostiKamery, AutomatickyRezimPouzivaVychoziHodnotu) {
    VlastnostiKamery v;
    RozsahVlastnosti r;
    ASSERT_EQ(v.Rozsah(S::Obraz, kJas, r), Knihovna::kS_OK);
    ASSERT_EQ(v.Nastavit(S::Obraz, kJas, r.max, kPriznakRucne), Knihovna::kS_OK);
    EXPECT_EQ(v.Ucinna(S::Obraz, kJas), r.max);
    ASSERT_EQ(v.Nastavit(S::Obraz, kJas, r.max, kPriznakAuto), Knihovna::kS_OK);
    EXPECT_EQ(v.Ucinna(S::Obraz, kJas), r.vychozi);
    std::int32_t hodnota = 0, priznak = 0;
    ASSERT_EQ(v.Cist(S::Obraz, kJas, hodnota, priznak), Knihovna::kS_OK);
    EXPECT_EQ(priznak, kPriznakAuto);
    // Focus starts automatic.
    ASSERT_EQ(v.Cist(S::Ovladani, kOstreni, hodnota, priznak), Knihovna::kS_OK);
    EXPECT_EQ(priznak, kPriznakAuto);
}

TEST(VlastnostiKamery, ZarizeniBezObrazovychVlastnosti) {
    VlastnostiKamery v(false);
    RozsahVlastnosti r;
    std::int32_t hodnota = 0, priznak = 0;
    for (int p : {kJas, kKontrast, kOdstin, kSytost, kOstrost}) {
        EXPECT_EQ(v.Rozsah(S::Obraz, p, r), kE_PROP_ID_UNSUPPORTED);
        EXPECT_EQ(v.Cist(S::Obraz, p, hodnota, priznak), kE_PROP_ID_UNSUPPORTED);
        EXPECT_EQ(v.Nastavit(S::Obraz, p, 0, kPriznakRucne), kE_PROP_ID_UNSUPPORTED);
    }
    // The picture is made with neutral values; camera control is still there.
    EXPECT_EQ(std::tuple(v.Ucinna(S::Obraz, kKontrast), v.Ucinna(S::Obraz, kSytost), v.Ucinna(S::Obraz, kOstrost)),
              std::tuple(50, 100, 5));
    EXPECT_EQ(v.Rozsah(S::Ovladani, kZoom, r), Knihovna::kS_OK);
}
