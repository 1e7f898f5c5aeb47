#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A view of pixels in memory order blue, green, red (and alpha with 4 bytes a pixel), rows
// krok bytes apart, top row first; the platform's locked bits or an own buffer.
struct PohledPixelu {
    std::uint8_t* data = nullptr;
    int sirka = 0;
    int vyska = 0;
    int krok = 0;
    int bajtyNaPixel = 4;  // 3 or 4

    std::uint8_t* Pixel(int x, int y) const {
        return data + static_cast<std::ptrdiff_t>(y) * krok + static_cast<std::ptrdiff_t>(x) * bajtyNaPixel;
    }
};

// An own buffer of such pixels with contiguous rows.
struct ObrazPixelu {
    int sirka = 0;
    int vyska = 0;
    int bajtyNaPixel = 4;
    std::vector<std::uint8_t> data;

    ObrazPixelu() = default;
    ObrazPixelu(int sirka, int vyska, int bajtyNaPixel)
        : sirka(sirka), vyska(vyska), bajtyNaPixel(bajtyNaPixel),
          data(static_cast<std::size_t>(sirka) * vyska * bajtyNaPixel) {}

    PohledPixelu Pohled() { return {data.data(), sirka, vyska, sirka * bajtyNaPixel, bajtyNaPixel}; }
    std::uint8_t* Pixel(int x, int y) { return Pohled().Pixel(x, y); }
    const std::uint8_t* Pixel(int x, int y) const {
        return data.data() + (static_cast<std::size_t>(y) * sirka + x) * bajtyNaPixel;
    }
};
