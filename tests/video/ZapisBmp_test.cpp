#include "video/ZapisBmp.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "knihovna/Chyba.h"

namespace {

std::uint32_t Cist32(const std::vector<std::uint8_t>& b, std::size_t i) {
    return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (static_cast<std::uint32_t>(b[i + 3]) << 24);
}

}  // namespace

TEST(ZapisBmp, LichaSirkaZdolaNahoruSVyplni) {
    // 3 × 2 pixels, source top-down with a 10-byte step (9 bytes of pixels + 1 spare).
    std::vector<std::uint8_t> zdroj(20, 0xEE);
    for (int x = 0; x < 9; ++x) {
        zdroj[x] = static_cast<std::uint8_t>(x + 1);           // top row: 1..9
        zdroj[10 + x] = static_cast<std::uint8_t>(x + 101);    // bottom row: 101..109
    }
    const auto bmp = ZapsatBmp24(zdroj.data(), zdroj.size() - 1, 3, 2, 10, true);  // last spare byte not needed
    ASSERT_EQ(bmp.size(), 14u + 40u + 2 * 12u);  // rows padded from 9 to 12 bytes
    EXPECT_EQ(std::string(bmp.begin(), bmp.begin() + 2), "BM");
    // File size, pixel offset, header size, width, height (positive: bottom-up), compression, image size.
    for (const auto& [i, hodnota] : {std::pair{2, static_cast<std::uint32_t>(bmp.size())}, {10, 54u}, {14, 40u}, {18, 3u},
                                     {22, 2u}, {30, 0u}, {34, 24u}})
        EXPECT_EQ(Cist32(bmp, static_cast<std::size_t>(i)), hodnota) << i;
    EXPECT_EQ(std::pair(bmp[26] | (bmp[27] << 8), bmp[28] | (bmp[29] << 8)), std::pair(1, 24));  // planes, bits
    const std::vector<std::uint8_t> ocekavana = {101, 102, 103, 104, 105, 106, 107, 108, 109, 0, 0, 0,
                                                 1,   2,   3,   4,   5,   6,   7,   8,   9,   0, 0, 0};
    EXPECT_EQ(std::vector<std::uint8_t>(bmp.begin() + 54, bmp.end()), ocekavana);

    // The same picture from a bottom-up source gives the same file.
    std::vector<std::uint8_t> zdolu(18);
    std::copy(zdroj.begin() + 10, zdroj.begin() + 19, zdolu.begin());
    std::copy(zdroj.begin(), zdroj.begin() + 9, zdolu.begin() + 9);
    EXPECT_EQ(ZapsatBmp24(zdolu.data(), zdolu.size(), 3, 2, 9, false), bmp);

    // And from 32-bit pixels, whose fourth byte is dropped.
    std::vector<std::uint8_t> ctyri;
    for (int r = 0; r < 2; ++r)
        for (int x = 0; x < 3; ++x) {
            ctyri.insert(ctyri.end(), zdroj.begin() + r * 10 + x * 3, zdroj.begin() + r * 10 + x * 3 + 3);
            ctyri.push_back(0xAA);
        }
    EXPECT_EQ(ZapsatBmp24(ctyri.data(), ctyri.size(), 3, 2, 12, true, 4), bmp);
}

TEST(ZapisBmp, SpatnyVstupNicNevyrobi) {
    std::vector<std::uint8_t> zdroj(100);
    auto hr = [&](int w, int h, std::size_t krok, std::size_t velikost) {
        try {
            ZapsatBmp24(zdroj.data(), velikost, w, h, krok, false);
        } catch (const Knihovna::Chyba& e) {
            return e.Hr();
        }
        return Knihovna::kS_OK;
    };
    // No width, a negative height, a step shorter than a row, a sample shorter than its rows, an overflowing step.
    for (const auto& [w, h, krok] : {std::tuple{0, 2, std::size_t{12}}, {3, -2, std::size_t{12}}, {4, 2, std::size_t{11}},
                                     {4, 9, std::size_t{12}}, {4, 2, SIZE_MAX / 2}})
        EXPECT_EQ(hr(w, h, krok, 100), Knihovna::kE_INVALIDARG) << w << "x" << h << " " << krok;
    EXPECT_EQ(hr(4, 8, 12, 96), Knihovna::kS_OK);
    EXPECT_EQ(hr(4, 2, 16, 100), Knihovna::kS_OK);
}
