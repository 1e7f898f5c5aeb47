#pragma once

#include <cstdint>
#include <string>

#include "camera/ParametrySnimku.h"
#include "knihovna/Hodiny.h"

// Where the overlay picture of size w × h goes in a frame of W × H, by the position code; a code
// outside the table or an overlay that does not fit by its rule raises E_INVALIDARG.
struct BodObrazu {
    int x = 0;
    int y = 0;
    bool operator==(const BodObrazu&) const = default;
};
inline constexpr int kOkrajPrekryvu = 4;
BodObrazu UmisteniPrekryvu(std::uint32_t kod, int W, int H, int w, int h);

// The platform's StringAlignment values.
inline constexpr int kZarovnaniBlizko = 0;
inline constexpr int kZarovnaniStred = 1;
inline constexpr int kZarovnaniDaleko = 2;

// How the text line is laid out in a picture of W × H by the text position code.
struct RozvrzeniTextu {
    int zarovnani = kZarovnaniStred;       // horizontal
    int zarovnaniRadku = kZarovnaniDaleko;  // vertical
    bool svisle = false;  // drawn downwards from the point (x, y) instead of into the rectangle
    int x = 0;
    int y = 0;
    int sirka = 0;  // the layout rectangle (0, 0, sirka, vyska) of horizontal text
    int vyska = 0;
    bool operator==(const RozvrzeniTextu&) const = default;
};
RozvrzeniTextu RozvrhnoutText(std::uint32_t kde, int W, int H);

// "d.m.yyyy  h:mm:ss".
std::wstring DatumACasSnimku(const Knihovna::MistniCas& cas);
// The text by "co": 1 date and time, 2 the own text (the date and time when it is empty), else none.
std::wstring TextSnimku(const ParametrySnimku::Text& text, const Knihovna::MistniCas& cas);
