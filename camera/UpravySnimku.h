#pragma once

#include <cstdint>

#include "camera/ObrazPixelu.h"

// The pixel steps of a snapshot's processing; alpha (with 4 bytes a pixel) is kept unless said.

// g = (30 × blue + 59 × green + 11 × red) / 100, truncated, into all three channels.
void PrevestNaStupneSede(const PohledPixelu& obraz);
// Each of blue, green and red becomes 255 minus its value.
void InvertovatBarvy(const PohledPixelu& obraz);
// Sets the alpha of every pixel (4 bytes a pixel only).
void NastavitPruhlednost(const PohledPixelu& obraz, std::uint8_t alfa);
// Alpha 0 where blue, green and red equal the colour 0x00BBGGRR exactly (4 bytes a pixel only).
void VymazatBarvu(const PohledPixelu& obraz, std::uint32_t barva);
// The overlay's opacity and colour key: opacity below 255 sets every alpha, a key other than
// 0xFFFFFFFF clears the alpha of its colour.
void PripravitPrekryv(const PohledPixelu& prekryv, std::uint32_t alfa, std::uint32_t pruhlednaBarva);

// The platform's RotateFlipType values the pipeline uses.
inline constexpr int kBezOtoceni = 0;
inline constexpr int kOtoceni90 = 1;
inline constexpr int kOtoceni180 = 2;
inline constexpr int kOtoceni270 = 3;

// The type for the block's "otoceni" in degrees: 90, 180 and 270 rotate, anything else does not.
int TypOtoceni(std::uint32_t otoceni);
