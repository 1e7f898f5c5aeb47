#include "ui/RozvrzeniStranky.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/StrankyNastaveniAplikace.h"
#include "ui/StrankyNastaveniKamery.h"

namespace {

namespace M = ModelStranky;
namespace R = RozvrzeniStranky;

constexpr R::Oblast kAplikace = R::kOblastAplikace;
constexpr R::Oblast kKamera = R::kOblastKamery;

// What the pages' own controls keep at the foot.
short Rezerva(const std::wstring& stranka) {
    namespace K = StrankyNastaveniKamery;
    if (stranka == StrankyNastaveniAplikace::kStrankaZaznamu || stranka == K::kStrankaZaznamu) return 18;
    if (stranka == K::kStrankaAdres || stranka == K::kStrankaFtpUmisteni) return K::kRezervaTlacitek;
    return 0;
}

// Every row lies inside the area above its foot, rows of one column follow each other without overlapping, and the
// table's order runs down the first column and then the second.
void OveritStranku(const M::Stranka& s, const R::Oblast& o, int cislo) {
    SCOPED_TRACE(testing::Message() << "stránka " << cislo);
    const auto radky = R::Rozlozit(s.hodnoty, o, Rezerva(s.nazev));
    ASSERT_EQ(radky.size(), s.hodnoty.size());
    for (std::size_t i = 0; i < radky.size(); ++i) {
        const R::Radek& r = radky[i];
        EXPECT_GE(r.x, o.x);
        EXPECT_LE(r.x + r.sirka, o.x + o.sirka);
        EXPECT_GE(r.y, o.y);
        EXPECT_LE(r.y + r.vyska, o.y + o.vyska - Rezerva(s.nazev)) << i;
        if (i > 0 && radky[i - 1].x == r.x) EXPECT_EQ(radky[i - 1].y + radky[i - 1].vyska, r.y) << i;
        if (i > 0) EXPECT_GE(r.x, radky[i - 1].x) << i;
    }
}

}  // namespace

TEST(RozvrzeniStranky, KazdaStrankaObouDialoguSeVejdeDoSveOblasti) {
    int cislo = 0;
    for (const M::Stranka& s : StrankyNastaveniAplikace::Stranky()) OveritStranku(s, kAplikace, cislo++);
    cislo = 0;
    for (const M::Stranka& s : StrankyNastaveniKamery::Stranky()) OveritStranku(s, kKamera, cislo++);
}

TEST(RozvrzeniStranky, DlouhaStrankaPokracujeDruhymSloupcem) {
    const M::Stranka* log = nullptr;
    for (const M::Stranka& s : StrankyNastaveniKamery::Stranky())
        if (std::wstring(s.nazev) == StrankyNastaveniKamery::kStrankaZaznamu) log = &s;
    ASSERT_TRUE(log);
    const auto radky = R::Rozlozit(log->hodnoty, kKamera, 18);
    const short sirka = (kKamera.sirka - R::kMezeraSloupcu) / 2;
    EXPECT_EQ(radky.front().x, kKamera.x);
    EXPECT_EQ(radky.back().x, kKamera.x + sirka + R::kMezeraSloupcu);
    for (const R::Radek& r : radky) EXPECT_EQ(r.sirka, sirka);
    // The second column starts at the top.
    for (std::size_t i = 1; i < radky.size(); ++i)
        if (radky[i].x != radky[i - 1].x) EXPECT_EQ(radky[i].y, kKamera.y);

    // A page that fits keeps one column of the whole width.
    const auto jedna = R::Rozlozit(StrankyNastaveniAplikace::Stranky()[0].hodnoty, kAplikace, 0);
    for (const R::Radek& r : jedna) {
        EXPECT_EQ(r.x, kAplikace.x);
        EXPECT_EQ(r.sirka, kAplikace.sirka);
    }
}

TEST(RozvrzeniStranky, DlouhyPopisekJdeNadOvladacADlouheZaskrtnutiNaDvaRadky) {
    const M::Hodnota kratke{L"", L"a", L"Port:", M::Ovladac::Cislo, 1, 9};
    const M::Hodnota dlouhe{L"", L"b", L"Nejkratší interval mezi odesláním emailů (sekundy):", M::Ovladac::Cislo, 1, 9};
    EXPECT_FALSE(R::PopisekNahore(kratke, 296));
    EXPECT_TRUE(R::PopisekNahore(dlouhe, 296));
    // In a narrow column no label fits beside its control.
    EXPECT_TRUE(R::PopisekNahore(kratke, 196));
    EXPECT_EQ(R::VyskaRadku(kratke, 296), 16);
    EXPECT_EQ(R::VyskaRadku(dlouhe, 296), 26);

    const M::Hodnota zaskrtnuti{L"", L"c", L"Zvuková signalizace některých událostí a zpráv", M::Ovladac::Zaskrtnuti};
    EXPECT_EQ(R::VyskaRadku(zaskrtnuti, 296), 14);
    EXPECT_EQ(R::VyskaRadku(zaskrtnuti, 150), 22);
}
