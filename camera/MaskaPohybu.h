#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "knihovna/Obdelnik.h"

// The motion mask: a grid of 32 × 24 cells laid over the picture, a set cell is ignored by motion detection.
// Cell column c covers the picture columns [c*W/32, (c+1)*W/32), cell row r the picture rows [r*H/24, (r+1)*H/24),
// row 0 at the top of the picture.
// Stored form ("maska", REG_BINARY, exactly 96 bytes): 4 bytes per cell row, top row first; byte k of a row holds
// columns 8k to 8k+7, the lowest bit the leftmost column.
class MaskaPohybu {
public:
    static constexpr int kSloupcu = 32;
    static constexpr int kRadku = 24;
    static constexpr std::size_t kBajtu = kRadku * kSloupcu / 8;

    bool Maskovana(int sloupec, int radek) const;
    void Nastavit(int sloupec, int radek, bool maskovat);
    // A whole rectangle of cells (inclusive bounds, in any order).
    void NastavitObdelnik(int sloupec1, int radek1, int sloupec2, int radek2, bool maskovat);
    bool Prazdna() const;
    // The bits of cell row r, bit c = column c.
    std::uint32_t Radek(int radek) const { return radky_[static_cast<std::size_t>(radek)]; }
    void NastavitRadek(int radek, std::uint32_t bity) { radky_[static_cast<std::size_t>(radek)] = bity; }

    std::array<std::uint8_t, kBajtu> Bajty() const;
    // nullopt unless exactly kBajtu bytes.
    static std::optional<MaskaPohybu> ZBajtu(std::span<const std::uint8_t> bajty);

    // The first picture column of cell column c (c = 32 gives the width), the same for rows.
    static int ZacatekSloupce(int sloupec, int sirka) { return static_cast<int>(static_cast<long long>(sloupec) * sirka / kSloupcu); }
    static int ZacatekRadku(int radek, int vyska) { return static_cast<int>(static_cast<long long>(radek) * vyska / kRadku); }
    // How many pixels of a W × H picture no set cell covers.
    std::uint64_t NemaskovanychPixelu(int sirka, int vyska) const;

    bool operator==(const MaskaPohybu&) const = default;

private:
    std::array<std::uint32_t, kRadku> radky_{};
};

// Which pixels of a frame count, built from a mask for the frame's size: one pattern of W bytes per cell row
// (0xFF the pixel counts, 0 it is masked) and, per row of the frame buffer, the pattern it uses or one of the two
// marks below. Frames are bottom-up (the buffer's first row is the picture's last).
inline constexpr std::uint8_t kRadekCely = 0xFE;     // nothing of the row is masked
inline constexpr std::uint8_t kRadekZakryty = 0xFF;  // all of the row is masked
// vzory: kRadku × sirka bytes; vzorRadku: vyska bytes. Returns the count of unmasked pixels.
std::uint64_t VytvoritPropustnost(const MaskaPohybu& maska, int sirka, int vyska, std::uint8_t* vzory,
                                  std::uint8_t* vzorRadku);

// The editing of a mask over the picture: the picture as large as the client area takes it, aspect kept, centred;
// the cell under a client point of it (false outside the picture).
Knihovna::Obdelnik ObrazMasky(int sirkaKlienta, int vyskaKlienta, int sirka, int vyska);
bool BunkaVBode(const Knihovna::Obdelnik& obraz, int x, int y, int& sloupec, int& radek);
// The cells from (s1, r1) to (s2, r2) on a straight line, both ends included, for a drag whose mouse moves skip cells.
template <class Funkce>
void ProjitUsecku(int s1, int r1, int s2, int r2, Funkce&& bunka) {
    const int kroku = std::max(s2 > s1 ? s2 - s1 : s1 - s2, r2 > r1 ? r2 - r1 : r1 - r2);
    for (int k = 0; k <= kroku; ++k) {
        const double t = kroku ? static_cast<double>(k) / kroku : 0.0;
        bunka(s1 + static_cast<int>(std::lround((s2 - s1) * t)), r1 + static_cast<int>(std::lround((r2 - r1) * t)));
    }
}
// Shades the masked cells of a bottom-up 24-bit frame (rows padded to 4 bytes): each pixel halfway to red.
void ZastinitMaskovane(std::uint8_t* bgr, int sirka, int vyska, const MaskaPohybu& maska);

// The message of a stored mask that is no REG_BINARY of 96 bytes (the camera then works without a mask).
std::wstring TextChybneMasky(const std::wstring& cestaKlice);
