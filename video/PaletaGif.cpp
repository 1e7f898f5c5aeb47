#include "video/PaletaGif.h"

#include <cstdlib>

namespace Holvent::GdiPlus {

namespace {

constexpr int kUrovne = 6;
constexpr int kKrokUrovne = 51;  // 0, 51, ..., 255
constexpr int kPocetKrychle = kUrovne * kUrovne * kUrovne;

constexpr std::uint32_t Argb(int r, int g, int b) {
    return 0xFF000000u | (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(g) << 8) |
           static_cast<std::uint32_t>(b);
}

int Kanal(std::uint32_t argb, int posun) { return static_cast<int>((argb >> posun) & 0xFFu); }

int Vzdalenost(std::uint32_t argb, int r, int g, int b) {
    const int dr = Kanal(argb, 16) - r, dg = Kanal(argb, 8) - g, db = Kanal(argb, 0) - b;
    return dr * dr + dg * dg + db * db;
}

}  // namespace

PaletaGif::PaletaGif() {
    for (int r = 0; r < kUrovne; ++r)
        for (int g = 0; g < kUrovne; ++g)
            for (int b = 0; b < kUrovne; ++b)
                barvy_[static_cast<size_t>(r * 36 + g * 6 + b)] = Argb(r * kKrokUrovne, g * kKrokUrovne, b * kKrokUrovne);
    // The greys between the cube's six: none of these falls on a multiple of 51.
    for (int k = 0; k < kPocetBarev - kPocetKrychle; ++k) {
        const int v = (k + 1) * 255 / (kPocetBarev - kPocetKrychle + 1);
        barvy_[static_cast<size_t>(kPocetKrychle + k)] = Argb(v, v, v);
    }
    for (int v = 0; v < 256; ++v)
        urovenKrychle_[static_cast<size_t>(v)] = static_cast<std::uint8_t>((v + kKrokUrovne / 2) / kKrokUrovne);
    // The distance of a pixel to the grey (v, v, v) is 3 (v - m)^2 plus a constant, m being the pixel's mean
    // (r + g + b) / 3: the nearest grey is the one nearest to the exact mean. Comparing |3v - sum| keeps the
    // thirds that an integer mean would drop ((128, 128, 126) lies nearer to 130 than to 124).
    for (int soucet = 0; soucet <= 3 * 255; ++soucet) {
        int nejlepsi = 0, nejmensi = 1 << 30;
        for (int i = 0; i < kPocetBarev; ++i) {
            const std::uint32_t c = barvy_[static_cast<size_t>(i)];
            if (Kanal(c, 16) != Kanal(c, 8) || Kanal(c, 8) != Kanal(c, 0)) continue;
            const int d = std::abs(3 * Kanal(c, 0) - soucet);
            if (d < nejmensi) {
                nejmensi = d;
                nejlepsi = i;
            }
        }
        sedaPodleSouctu_[static_cast<size_t>(soucet)] = static_cast<std::uint8_t>(nejlepsi);
    }
}

std::uint8_t PaletaGif::Index(std::uint8_t r, std::uint8_t g, std::uint8_t b) const {
    const int krychle = urovenKrychle_[r] * 36 + urovenKrychle_[g] * 6 + urovenKrychle_[b];
    const int seda = sedaPodleSouctu_[static_cast<size_t>(r + g + b)];
    const int dKrychle = Vzdalenost(barvy_[static_cast<size_t>(krychle)], r, g, b);
    const int dSeda = Vzdalenost(barvy_[static_cast<size_t>(seda)], r, g, b);
    return static_cast<std::uint8_t>(dSeda < dKrychle ? seda : krychle);
}

void PaletaGif::PrevestRadek(const std::uint8_t* pixely, int krok, std::uint8_t* indexy, int sirka) const {
    for (int x = 0; x < sirka; ++x, pixely += krok) indexy[x] = Index(pixely[2], pixely[1], pixely[0]);
}

}  // namespace Holvent::GdiPlus
