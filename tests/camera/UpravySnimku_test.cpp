#include "camera/UpravySnimku.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>

namespace {

ObrazPixelu Vzor(int sirka, int vyska, int bajty) {
    ObrazPixelu o(sirka, vyska, bajty);
    for (std::size_t i = 0; i < o.data.size(); ++i) o.data[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return o;
}

void NastavitPixel(ObrazPixelu& o, int x, int y, std::uint8_t b, std::uint8_t g, std::uint8_t r, std::uint8_t a) {
    auto* p = o.Pixel(x, y);
    p[0] = b;
    p[1] = g;
    p[2] = r;
    if (o.bajtyNaPixel == 4) p[3] = a;
}

TEST(UpravySnimku, StupneSedeVahyModraTricetCervenaJedenact) {
    for (int bajty : {3, 4}) {
        ObrazPixelu o(2, 1, bajty);
        NastavitPixel(o, 0, 0, 100, 100, 200, 77);
        NastavitPixel(o, 1, 0, 200, 100, 100, 78);
        PrevestNaStupneSede(o.Pohled());
        for (int k = 0; k < 3; ++k) {
            EXPECT_EQ(o.Pixel(0, 0)[k], 111);
            EXPECT_EQ(o.Pixel(1, 0)[k], 130);
        }
        if (bajty == 4) {
            EXPECT_EQ(o.Pixel(0, 0)[3], 77);
            EXPECT_EQ(o.Pixel(1, 0)[3], 78);
        }
    }
}

TEST(UpravySnimku, InverzeDvakratJeTotoznaAlfaZustava) {
    const auto puvodni = Vzor(5, 3, 4);
    auto o = puvodni;
    InvertovatBarvy(o.Pohled());
    for (std::size_t i = 0; i < o.data.size(); ++i)
        EXPECT_EQ(o.data[i], i % 4 == 3 ? puvodni.data[i] : 255 - puvodni.data[i]) << i;
    InvertovatBarvy(o.Pohled());
    EXPECT_EQ(o.data, puvodni.data);
}

TEST(UpravySnimku, PohledSKrokemNesahaZaRadek) {
    // Locked bits may have padding after each row: it must stay untouched.
    std::vector<std::uint8_t> pamet(2 * 8, 9);
    PohledPixelu p{pamet.data(), 1, 2, 8, 4};
    InvertovatBarvy(p);
    for (int i : {4, 5, 6, 7, 12, 13, 14, 15}) EXPECT_EQ(pamet[i], 9) << i;
    EXPECT_EQ(pamet[0], 246);
    EXPECT_EQ(pamet[8], 246);
}

TEST(UpravySnimku, PruhlednostAKlicBarvy) {
    ObrazPixelu o(3, 1, 4);
    NastavitPixel(o, 0, 0, 255, 255, 255, 255);  // white
    NastavitPixel(o, 1, 0, 254, 255, 255, 255);  // almost white
    NastavitPixel(o, 2, 0, 0x30, 0x20, 0x10, 255);

    // Opacity 255 leaves alpha alone, but the default key (white) still clears its pixels; the key is 0x00BBGGRR,
    // red in the low byte.
    for (const auto& [pruhlednost, klic, alfa] : {std::tuple{255u, 0xFFFFFFu, std::array<int, 3>{0, 255, 255}},
                                                  {128u, 0x00302010u, {128, 128, 0}}}) {
        auto p = o;
        PripravitPrekryv(p.Pohled(), pruhlednost, klic);
        for (int x = 0; x < 3; ++x) EXPECT_EQ(p.Pixel(x, 0)[3], alfa[static_cast<std::size_t>(x)]) << klic << " " << x;
    }
    // No key at all.
    auto p = o;
    PripravitPrekryv(p.Pohled(), 255, 0xFFFFFFFF);
    EXPECT_EQ(p.data, o.data);
}

TEST(UpravySnimku, TypOtoceniZeStupnu) {
    for (const auto& [stupne, typ] : {std::pair{90u, kOtoceni90}, {180u, kOtoceni180}, {270u, kOtoceni270}, {0u, kBezOtoceni},
                                      {45u, kBezOtoceni}, {360u, kBezOtoceni}, {91u, kBezOtoceni}})
        EXPECT_EQ(TypOtoceni(stupne), typ) << stupne;
}

}  // namespace
