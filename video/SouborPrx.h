#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace Holvent::DirectShow {

// The four values of a .prx profile file that the program shows and edits.
struct HodnotyPrx {
    std::int32_t sirka = 0;            // biwidth
    std::int32_t vyska = 0;            // biheight
    std::int32_t snimkuZaSekundu = 0;  // 10000000 / avgtimeperframe
    std::int64_t bitrate = 0;          // dwbitrate
    bool operator==(const HodnotyPrx&) const = default;
};

// What the editor accepts for each value; a value outside its range is not written.
struct RozsahPrx {
    std::int64_t min, max;
    bool Obsahuje(std::int64_t h) const { return h >= min && h <= max; }
};
inline constexpr RozsahPrx kRozsahRozmeru{100, 5000};
inline constexpr RozsahPrx kRozsahSnimku{1, 60};
inline constexpr RozsahPrx kRozsahBitrate{100, 50000000};

// A .prx profile: the bytes of a UTF-16LE text, edited in place without an XML parser. Attribute
// assignments (name="value") are found by plain substring search; only the text between the quotes
// of a value is replaced, every other byte (a byte-order mark included) stays as it was.
// Bad input raises Knihovna::Chyba with E_INVALIDARG and a Czech text.
class SouborPrx {
public:
    static constexpr std::size_t kMaxVelikost = 1024 * 1024;

    // Raises for an odd byte count or more than kMaxVelikost bytes.
    explicit SouborPrx(std::string bajty);

    // Whether a path names a profile by its extension (".prx" in any case).
    static bool MaPriponuPrx(std::wstring_view cesta);

    // The value of the first occurrence of nazev="…": a decimal integer within 32 bits.
    std::int32_t CistAtribut(std::wstring_view nazev) const;
    // Replaces the value of every occurrence of nazev="…"; raises (changing nothing) when there is none
    // or a closing quote is missing.
    void ZapsatAtribut(std::wstring_view nazev, std::int64_t hodnota);
    // The bit rate: every dwbitrate="…" and the bitrate="…" of the video stream only, that is of the last
    // <streamconfig before the first dwbitrate=" up to its </streamconfig>; the audio stream keeps its own.
    void ZapsatBitrate(std::int64_t bitrate);

    // The four values; a missing attribute, a non-number or a zero frame time raises.
    HodnotyPrx Hodnoty() const;
    // Writes all values at once in the editor's order: a value outside its range is skipped, right="…" gets the
    // width and bottom="…" the height. On any failure nothing is changed.
    void Zapsat(const HodnotyPrx& hodnoty);

    const std::string& Bajty() const { return bajty_; }

private:
    std::string bajty_;
};

}  // namespace Holvent::DirectShow
