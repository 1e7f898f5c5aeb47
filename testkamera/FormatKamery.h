#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace TestovaciKamera {

// Durations in DirectShow's 100 ns units.
using Cas100ns = std::int64_t;

constexpr Cas100ns kSekunda = 10'000'000;
// 30 frames/s is the fastest the device offers; 1 frame/s the slowest it accepts.
constexpr Cas100ns kNejkratsiInterval = 333'333;
constexpr Cas100ns kNejdelsiInterval = kSekunda;

// One offered RGB24 format: the frame size and the time between frames.
struct FormatKamery {
    int sirka = 0;
    int vyska = 0;
    Cas100ns interval = kNejkratsiInterval;

    bool operator==(const FormatKamery&) const = default;
};

// Bytes of one bottom-up BGR row, padded to 4 bytes as a DIB has it.
constexpr int BajtuRadku(int sirka) { return (sirka * 3 + 3) & ~3; }
constexpr std::uint32_t VelikostObrazu(int sirka, int vyska) {
    return static_cast<std::uint32_t>(BajtuRadku(sirka)) * static_cast<std::uint32_t>(vyska);
}

// The offered formats in the order of IAMStreamConfig's capabilities, smallest first.
const std::vector<FormatKamery>& NabizeneFormaty();
// The format the device starts with.
FormatKamery VychoziFormat();
// A format the device can deliver: one of the offered sizes, at most 30 frames/s, at least 1 frame/s.
// An interval of 0 ("any") becomes the fastest rate.
std::optional<FormatKamery> PrijatelnyFormat(int sirka, int vyska, Cas100ns interval);
// Bits per second of a format, as the caps and VIDEOINFOHEADER report them.
std::uint32_t BitovaRychlost(const FormatKamery& format);

}  // namespace TestovaciKamera
