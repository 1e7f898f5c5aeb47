#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace Holvent::DirectShow {

// Bytes of the platform's VIDEO_STREAM_CONFIG_CAPS record; capabilities of another size are not read.
inline constexpr int kVelikostSchopnosti = 128;

// One entry of a device's format list: the capability record as the device gave it and the
// three fields the program uses.
struct FormatVidea {
    std::int32_t sirka = 0;                // InputSize.cx
    std::int32_t vyska = 0;                // InputSize.cy
    std::int64_t minInterval = 0;          // MinFrameInterval, 100 ns units
    std::array<std::uint8_t, kVelikostSchopnosti> schopnosti{};  // the whole VIDEO_STREAM_CONFIG_CAPS
};

class ZdrojFormatu;

// The device's format list: without repeated size-and-rate entries, in the device's order until sorted.
class SeznamFormatu {
public:
    // Appends unless an entry of the same width, height and minimum frame interval is already there.
    bool Pridat(const FormatVidea& format);
    // Ascending by width, then height (entries equal in both keep no defined order).
    void Seradit();
    void Vymazat() { formaty_.clear(); }

    // Reads the list from a stream configuration: stops the graph for the reading and runs it
    // again afterwards. 0 when read, 1 when the device offers no capabilities of the expected size;
    // a failure to count the capabilities raises (after the graph runs again).
    int Nacist(ZdrojFormatu& zdroj);

    const std::vector<FormatVidea>& Polozky() const { return formaty_; }
    bool Prazdny() const { return formaty_.empty(); }
    std::size_t Pocet() const { return formaty_.size(); }

private:
    std::vector<FormatVidea> formaty_;
};

}  // namespace Holvent::DirectShow
