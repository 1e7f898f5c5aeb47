#pragma once

#include <cstdint>
#include <vector>

namespace Holvent::DirectShow {

// One stream of an AVI file as the multiplexer's input carries it.
struct ProudAvi {
    bool video = true;
    // Video: the bitmap header's fields and the frame interval (100 ns units; 0 unknown).
    std::int32_t sirka = 0;
    std::int32_t vyska = 0;
    std::uint16_t bituNaPixel = 24;
    std::uint32_t komprese = 0;  // biCompression (0 = BI_RGB)
    std::uint32_t velikostSnimku = 0;
    std::int64_t intervalSnimku = 0;
    // Audio: the WAVEFORMATEX fields and the bytes after them.
    std::uint16_t formatZvuku = 1;
    std::uint16_t kanalu = 0;
    std::uint32_t vzorkuZaSekundu = 0;
    std::uint32_t bajtuZaSekundu = 0;
    std::uint16_t zarovnaniBloku = 0;
    std::uint16_t bituVzorku = 0;
    std::vector<std::uint8_t> dalsiBajty;
};

// The size field of "RIFF" and "LIST movi" in a file still being written: readers take the data up
// to the end of the file.
inline constexpr std::uint32_t kOtevrenaVelikost = 0;

// The bytes [0, zacatekDat) of an AVI file whose "movi" list's data starts at zacatekDat: "RIFF"
// (open size) "AVI ", "LIST hdrl" with "avih" and one "LIST strl" ("strh" + "strf") per stream,
// "JUNK" filling the gap, and "LIST" (open size) "movi" ending exactly at zacatekDat. Empty when the
// streams do not fit (or no stream is given).
std::vector<std::uint8_t> ProzatimniHlavickaAvi(const std::vector<ProudAvi>& proudy, std::uint64_t zacatekDat);

}  // namespace Holvent::DirectShow
