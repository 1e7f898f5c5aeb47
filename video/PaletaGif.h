#pragma once

#include <array>
#include <cstdint>

namespace Holvent::GdiPlus {

// A fixed 256-colour palette for GIF snapshots (a 6 × 6 × 6 colour cube and 40 more greys) and
// the nearest-colour mapping of 24-bit pixels onto it.
class PaletaGif {
public:
    static constexpr int kPocetBarev = 256;

    PaletaGif();

    // Opaque ARGB colours, index by index.
    const std::array<std::uint32_t, kPocetBarev>& Barvy() const { return barvy_; }
    // The nearest palette colour of a pixel.
    std::uint8_t Index(std::uint8_t r, std::uint8_t g, std::uint8_t b) const;
    // One row of pixels in memory order blue, green, red, (alpha when krok is 4).
    void PrevestRadek(const std::uint8_t* pixely, int krok, std::uint8_t* indexy, int sirka) const;

private:
    std::array<std::uint32_t, kPocetBarev> barvy_{};
    std::array<std::uint8_t, 3 * 255 + 1> sedaPodleSouctu_{};  // the nearest grey entry of each r + g + b
    std::array<std::uint8_t, 256> urovenKrychle_{};  // the nearest cube level of each channel value
};

}  // namespace Holvent::GdiPlus
