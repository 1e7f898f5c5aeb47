#include "video/PaletaGif.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <tuple>

#include "video/KoderyObrazu.h"

using Holvent::GdiPlus::PaletaGif;

namespace {

int R(std::uint32_t c) { return static_cast<int>((c >> 16) & 0xFF); }
int G(std::uint32_t c) { return static_cast<int>((c >> 8) & 0xFF); }
int B(std::uint32_t c) { return static_cast<int>(c & 0xFF); }

}  // namespace

TEST(PaletaGif, KazdaBarvaPaletyJeJednouAMapujeSeNaSebe) {
    const PaletaGif p;
    std::set<std::uint32_t> ruzne(p.Barvy().begin(), p.Barvy().end());
    EXPECT_EQ(ruzne.size(), 256u);
    for (int i = 0; i < PaletaGif::kPocetBarev; ++i) {
        const std::uint32_t c = p.Barvy()[static_cast<size_t>(i)];
        EXPECT_EQ(c >> 24, 0xFFu);
        EXPECT_EQ(p.Index(static_cast<std::uint8_t>(R(c)), static_cast<std::uint8_t>(G(c)), static_cast<std::uint8_t>(B(c))), i);
    }
}

TEST(PaletaGif, NejblizsiBarvaAOdstinySede) {
    const PaletaGif p;
    auto barva = [&](int r, int g, int b) {
        return p.Barvy()[p.Index(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b))];
    };
    EXPECT_EQ(barva(250, 5, 3), 0xFFFF0000u);
    EXPECT_EQ(barva(0, 0, 190), 0xFF0000CCu);
    // A mid grey stays grey within a few levels instead of falling onto the coarse cube.
    for (int v = 0; v < 256; v += 5) {
        const std::uint32_t c = barva(v, v, v);
        EXPECT_EQ(R(c), G(c));
        EXPECT_EQ(G(c), B(c));
        EXPECT_LE(std::abs(R(c) - v), 4) << v;
    }
}

TEST(PaletaGif, VzdyNejblizsiZeVsechBarev) {
    const PaletaGif p;
    auto vzdalenost = [](std::uint32_t c, int r, int g, int b) {
        return (R(c) - r) * (R(c) - r) + (G(c) - g) * (G(c) - g) + (B(c) - b) * (B(c) - b);
    };
    auto overit = [&](int r, int g, int b) {
        int nejmensi = 1 << 30;
        for (std::uint32_t c : p.Barvy()) nejmensi = std::min(nejmensi, vzdalenost(c, r, g, b));
        const std::uint32_t vybrana =
            p.Barvy()[p.Index(static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g), static_cast<std::uint8_t>(b))];
        EXPECT_EQ(vzdalenost(vybrana, r, g, b), nejmensi) << r << "," << g << "," << b;
    };
    // A near grey whose mean is not whole: 130 is nearer than 124, which the truncated mean 127 would tie.
    overit(128, 128, 126);
    EXPECT_EQ(p.Barvy()[p.Index(128, 128, 126)], 0xFF828282u);
    // Against every entry for a spread of colours (a fixed pseudo-random sequence, so a failure repeats).
    std::uint32_t x = 12345;
    for (int i = 0; i < 20000; ++i) {
        x = x * 1103515245u + 12345u;
        const int g = static_cast<int>((x >> 16) & 0xFF);
        // Every other one near a grey, where the cube and the greys compete.
        const int r = (i % 2) ? static_cast<int>((x >> 8) & 0xFF) : std::clamp(g + static_cast<int>((x >> 4) % 5) - 2, 0, 255);
        const int b = (i % 2) ? static_cast<int>((x >> 24) & 0xFF) : std::clamp(g + static_cast<int>((x >> 9) % 7) - 3, 0, 255);
        overit(r, g, b);
    }
}

TEST(PaletaGif, RadekBgrIBgra) {
    const PaletaGif p;
    const std::uint8_t bgr[] = {0, 0, 255, 255, 255, 255, 0, 255, 0};
    const std::uint8_t bgra[] = {0, 0, 255, 9, 255, 255, 255, 9, 0, 255, 0, 9};
    std::uint8_t a[3] = {}, b[3] = {};
    p.PrevestRadek(bgr, 3, a, 3);
    p.PrevestRadek(bgra, 4, b, 3);
    EXPECT_EQ(std::tuple(p.Barvy()[a[0]], p.Barvy()[a[1]], p.Barvy()[a[2]]), std::tuple(0xFFFF0000u, 0xFFFFFFFFu, 0xFF00FF00u));
    EXPECT_EQ(std::vector<std::uint8_t>(a, a + 3), std::vector<std::uint8_t>(b, b + 3));
}

TEST(KoderyObrazu, TabulkaPodleFormatuAMime) {
    using namespace Holvent::DirectShow;
    ASSERT_NE(KoderFormatu(2), nullptr);
    EXPECT_STREQ(KoderFormatu(2)->nazev, L"Bitmapa (BMP)");
    EXPECT_EQ(KoderFormatu(5), nullptr);
    EXPECT_EQ(IndexKoderu(L"IMAGE/GIF"), kKoderGif);
    EXPECT_EQ(IndexKoderu(L"image/x-icon"), -1);
    for (const auto& k : kKoderyObrazu) EXPECT_LE(std::wcslen(k.pripona), 10u);  // the extension limit
}
