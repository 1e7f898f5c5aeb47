#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A 24-bit BMP file in memory: BITMAPFILEHEADER, BITMAPINFOHEADER and the rows bottom-up, each
// padded to 4 bytes. The source is `vyska` rows of `sirka` BGR pixels of `bajtuNaPixel` bytes
// (3, or 4 for BGRX whose fourth byte is dropped), `krok` bytes apart;
// `shoraDolu` says whether its first row is the top one (else the bottom one, as in a DIB).
// A non-positive size, a step shorter than a row or a source shorter than its rows throws
// Knihovna::Chyba(E_INVALIDARG) before anything is produced.
std::vector<std::uint8_t> ZapsatBmp24(const std::uint8_t* zdroj, std::size_t velikostZdroje, int sirka, int vyska,
                                      std::size_t krok, bool shoraDolu, int bajtuNaPixel = 3);

// Bytes of a 24-bit row of `sirka` pixels padded to 4 (DIB stride).
std::size_t KrokRadkuBmp24(int sirka);
