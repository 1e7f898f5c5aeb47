#include "video/ZapisBmp.h"

#include <gtest/gtest.h>

#include <cstdint>
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
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Cist32(bmp, 2), bmp.size());
    EXPECT_EQ(Cist32(bmp, 10), 54u);
    EXPECT_EQ(Cist32(bmp, 14), 40u);
    EXPECT_EQ(Cist32(bmp, 18), 3u);
    EXPECT_EQ(Cist32(bmp, 22), 2u);  // positive height: bottom-up
    EXPECT_EQ(bmp[26] | (bmp[27] << 8), 1);
    EXPECT_EQ(bmp[28] | (bmp[29] << 8), 24);
    EXPECT_EQ(Cist32(bmp, 30), 0u);
    EXPECT_EQ(Cist32(bmp, 34), 24u);
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
    EXPECT_EQ(hr(0, 2, 12, 100), Knihovna::kE_INVALIDARG);
    EXPECT_EQ(hr(3, -2, 12, 100), Knihovna::kE_INVALIDARG);
    EXPECT_EQ(hr(4, 2, 11, 100), Knihovna::kE_INVALIDARG);  // step shorter than a row
    EXPECT_EQ(hr(4, 9, 12, 100), Knihovna::kE_INVALIDARG);  // sample shorter than its rows
    EXPECT_EQ(hr(4, 2, SIZE_MAX / 2, 100), Knihovna::kE_INVALIDARG);
    EXPECT_EQ(hr(4, 8, 12, 96), Knihovna::kS_OK);
    EXPECT_EQ(hr(4, 2, 16, 100), Knihovna::kS_OK);
}
