#pragma once

#include <cstdint>

namespace Holvent::DirectShow {

// Strip position codes of a snapshot whose text goes beside the picture.
inline constexpr int kPruhZadny = 0;
inline constexpr int kPruhDole = 11;
inline constexpr int kPruhNahore = 12;
inline constexpr int kPruhVlevo = 13;
inline constexpr int kPruhVpravo = 14;

// The strip thickness before (or without) measuring the text.
inline constexpr int kVychoziTloustkaPruhu = 20;
// The text measured for the strip thickness: capitals with a caron and letters with descenders.
inline constexpr const wchar_t* kMerenyTextPruhu = L"ŘýŘý";

// Opaque white and opaque black in GDI+ ARGB.
inline constexpr std::uint32_t kPozadiBile = 0xFFFFFFFFu;
inline constexpr std::uint32_t kPozadiCerne = 0xFF000000u;

// The picture with its strip: the enlarged size and where the frame goes inside it.
struct GeometriePruhu {
    int sirka = 0;
    int vyska = 0;
    int xSnimku = 0;
    int ySnimku = 0;
    bool operator==(const GeometriePruhu&) const = default;
};

// True for the codes 11 to 14, the only ones that add a strip.
bool MaPruh(int kod);

// The enlarged picture for a frame of sirka × vyska and a strip of the given thickness; the frame
// itself for a code without strip.
GeometriePruhu SpocitatPruh(int kod, int sirka, int vyska, int tloustka);

// Thickness from the measured height of the text: the whole pixels plus 2.
int TloustkaPruhu(double vyskaTextu);

// A dark text (average of the three channels below 141) gets a white strip, a light one black.
std::uint32_t PozadiPruhu(std::uint8_t r, std::uint8_t g, std::uint8_t b);

}  // namespace Holvent::DirectShow
