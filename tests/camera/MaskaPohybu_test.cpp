#include "camera/MaskaPohybu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <utility>
#include <vector>

#include "camera/DetektorPohybu.h"
#include "camera/PorovnaniSnimku.h"

namespace {

// The per-pixel mask of a bottom-up frame, cell by cell, without any of the compare's tables.
bool PixelMaskovan(const MaskaPohybu& m, int x, int radekBufferu, int sirka, int vyska) {
    const int y = vyska - 1 - radekBufferu;
    int s = 0, r = 0;
    while (MaskaPohybu::ZacatekSloupce(s + 1, sirka) <= x) ++s;
    while (MaskaPohybu::ZacatekRadku(r + 1, vyska) <= y) ++r;
    return m.Maskovana(s, r);
}

TEST(MaskaPohybu, UlozenaPodobaAPlochaBezMasky) {
    MaskaPohybu m;
    EXPECT_TRUE(m.Prazdna());
    m.Nastavit(0, 0, true);    // top left: byte 0, bit 0
    m.Nastavit(9, 1, true);    // row 1 starts at byte 4; column 9 is bit 1 of its second byte
    m.Nastavit(31, 23, true);  // the last bit
    const auto b = m.Bajty();
    std::array<std::uint8_t, 96> ocekavano{};
    ocekavano[0] = 0x01;
    ocekavano[5] = 0x02;
    ocekavano[95] = 0x80;
    EXPECT_EQ(b, ocekavano);
    EXPECT_EQ(MaskaPohybu::ZBajtu(b), m);
    // Only exactly 96 bytes are a mask.
    const std::vector<std::uint8_t> kratka(95), dlouha(97);
    EXPECT_EQ(MaskaPohybu::ZBajtu(kratka), std::nullopt);
    EXPECT_EQ(MaskaPohybu::ZBajtu(dlouha), std::nullopt);

    // The left half of 320 × 240 leaves half the pixels; at 33 × 25 the cells are uneven, the count still exact.
    MaskaPohybu polovina;
    polovina.NastavitObdelnik(0, 0, 15, 23, true);
    EXPECT_EQ(polovina.NemaskovanychPixelu(320, 240), 320u * 240u / 2);
    EXPECT_EQ(MaskaPohybu{}.NemaskovanychPixelu(33, 25), 33u * 25u);
    std::uint64_t rucne = 0;
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 33; ++x) rucne += !PixelMaskovan(polovina, x, y, 33, 25);
    EXPECT_EQ(polovina.NemaskovanychPixelu(33, 25), rucne);
}

TEST(MaskaPohybu, UpravaNadObrazemNevynechaBunkuPriRychlemTahu) {
    // 320 × 240 in a wider window: full height, centred; the last pixel is the last cell, the edge outside.
    const auto obraz = ObrazMasky(500, 240, 320, 240);
    EXPECT_EQ(obraz, (Knihovna::Obdelnik{90, 0, 410, 240}));
    int s = -1, r = -1;
    EXPECT_TRUE(BunkaVBode(obraz, 409, 239, s, r));
    EXPECT_EQ(std::pair(s, r), std::pair(31, 23));
    EXPECT_FALSE(BunkaVBode(obraz, 89, 10, s, r));
    // A mouse move from cell (0, 0) straight to (7, 2) passes every column once, ends included.
    std::vector<std::pair<int, int>> bunky;
    ProjitUsecku(0, 0, 7, 2, [&](int bs, int br) { bunky.emplace_back(bs, br); });
    ASSERT_EQ(bunky.size(), 8u);
    for (std::size_t i = 0; i < bunky.size(); ++i) {
        EXPECT_EQ(bunky[i].first, static_cast<int>(i));
        if (i) EXPECT_LE(bunky[i].second - bunky[i - 1].second, 1);
    }
    EXPECT_EQ(bunky.back(), std::pair(7, 2));
}

TEST(PorovnaniSnimku, MaskovaneBodySeNepocitajiNaKazdeCeste) {
    std::mt19937 nahoda(777);
    struct Velikost { int sirka, vyska; };
    // Narrower than the grid, lower than the grid, odd, and the usual sizes.
    const Velikost velikosti[] = {{20, 30}, {100, 7}, {33, 25}, {176, 144}, {320, 240}, {1920, 1080}};
    for (const auto [sirka, vyska] : velikosti) {
        const std::size_t n = static_cast<std::size_t>(sirka) * vyska;
        std::vector<std::uint8_t> snimek(n * 3), jas(n);
        for (auto& b : snimek) b = static_cast<std::uint8_t>(nahoda());
        for (auto& b : jas) b = static_cast<std::uint8_t>(nahoda());
        MaskaPohybu maska;
        for (int r = 0; r < MaskaPohybu::kRadku; ++r) maska.NastavitRadek(r, static_cast<std::uint32_t>(nahoda()));
        maska.NastavitRadek(3, 0);             // a row that counts whole ...
        maska.NastavitRadek(4, 0xFFFFFFFFu);   // ... and one masked whole
        std::vector<std::uint8_t> vzory(static_cast<std::size_t>(sirka) * MaskaPohybu::kRadku), vzorRadku(vyska);
        EXPECT_EQ(VytvoritPropustnost(maska, sirka, vyska, vzory.data(), vzorRadku.data()),
                  maska.NemaskovanychPixelu(sirka, vyska));
        // The plain compare with the masked pixels blackened and left out of the count.
        std::vector<std::uint8_t> ocekavana(n * 3 + 64, 0xA5);
        std::uint32_t ocekavanyPocet;
        {
            VynutitCestu(CestaPorovnani::Prosta);
            ocekavanyPocet = KopirovatAPorovnat(snimek.data(), jas.data(), ocekavana.data(), n, 60);
            VynutitCestu(std::nullopt);
        }
        for (int y = 0; y < vyska; ++y)
            for (int x = 0; x < sirka; ++x) {
                const std::size_t i = static_cast<std::size_t>(y) * sirka + x;
                if (PixelMaskovan(maska, x, y, sirka, vyska)) {
                    ocekavanyPocet -= ocekavana[3 * i] == 255;
                    ocekavana[3 * i] = ocekavana[3 * i + 1] = ocekavana[3 * i + 2] = 0;
                }
            }
        for (auto cesta : {CestaPorovnani::Prosta, CestaPorovnani::Ssse3, CestaPorovnani::Avx2}) {
            if (!CestaDostupna(cesta)) continue;
            SCOPED_TRACE(testing::Message() << sirka << "x" << vyska << " path " << static_cast<int>(cesta));
            VynutitCestu(cesta);
            std::vector<std::uint8_t> aktualni(n * 3 + 64, 0xA5);  // guard bytes: nothing written past the frame
            EXPECT_EQ(KopirovatAPorovnatSMaskou(snimek.data(), jas.data(), aktualni.data(), sirka, vyska, vzory.data(),
                                                vzorRadku.data(), 60),
                      ocekavanyPocet);
            EXPECT_EQ(aktualni, ocekavana);
            VynutitCestu(std::nullopt);
        }
    }
}

}  // namespace
