#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// Recognises a picture file by its first bytes, before anything decodes it: the format by its signature and
// the size from its header. Every read is checked against the buffer, so a truncated or damaged file is
// refused here rather than handed to a decoder.
namespace Holvent::Obrazky {

enum class FormatObrazku { Nezname, Jpeg, Png, Bmp, Tiff, Gif };

enum class VysledekRozpoznani {
    Rozpoznan,   // a known format with a size within the limits
    Neznamy,     // no known signature (also an empty buffer)
    Poskozeny,   // a known signature, but the header is truncated or does not make sense
    PrilisVelky  // a side over kMaxStrana or more than kMaxBodu pixels
};

struct RozpoznanyObrazek {
    VysledekRozpoznani vysledek = VysledekRozpoznani::Neznamy;
    FormatObrazku format = FormatObrazku::Nezname;
    // The size the header states; also set with PrilisVelky (for the message), else 0.
    std::uint32_t sirka = 0;
    std::uint32_t vyska = 0;
    bool Platny() const { return vysledek == VysledekRozpoznani::Rozpoznan; }
};

inline constexpr std::uint32_t kMaxStrana = 65535;
inline constexpr std::uint64_t kMaxBodu = 100'000'000;
// A picture file larger than this is not read at all.
inline constexpr std::uint64_t kMaxVelikostSouboru = 256ull * 1024 * 1024;

// The format and size of the picture whose file starts with data[0..delka). The whole file may be passed;
// only the header is read.
RozpoznanyObrazek RozpoznatObrazek(const std::uint8_t* data, std::size_t delka);

// Whether a file name has a picture's extension: ".jpg", ".jpeg", ".bmp", ".png", ".gif", ".tif" or ".tiff", without
// regard to case (what the slideshow shows and the FTP browser's picture filter lists).
bool MaPriponuObrazku(std::wstring_view jmeno);

// The program's messages for a refused picture: "Soubor "%s" není platný obrázek nebo je poškozený." and
// "Obrázek "%s" je příliš velký (%u x %u bodů)." (the latter for PrilisVelky, the former otherwise).
std::wstring TextOdmitnuti(const RozpoznanyObrazek& r, const std::wstring& cesta);
// A file over kMaxVelikostSouboru is refused as too large without a size of its own.
std::wstring TextPrilisVelkehoSouboru(const std::wstring& cesta, std::uint64_t velikost);

}  // namespace Holvent::Obrazky
