#include "testkamera/FormatKamery.h"

namespace TestovaciKamera {

const std::vector<FormatKamery>& NabizeneFormaty() {
    static const std::vector<FormatKamery> formaty{
        {160, 120}, {320, 240}, {640, 480}, {1280, 720}, {1920, 1080}};
    return formaty;
}

FormatKamery VychoziFormat() { return {640, 480}; }

std::optional<FormatKamery> PrijatelnyFormat(int sirka, int vyska, Cas100ns interval) {
    if (interval == 0) interval = kNejkratsiInterval;
    if (interval < kNejkratsiInterval || interval > kNejdelsiInterval) return std::nullopt;
    for (const auto& f : NabizeneFormaty()) {
        if (f.sirka == sirka && f.vyska == vyska) return FormatKamery{sirka, vyska, interval};
    }
    return std::nullopt;
}

std::uint32_t BitovaRychlost(const FormatKamery& format) {
    const auto bitu = static_cast<std::uint64_t>(VelikostObrazu(format.sirka, format.vyska)) * 8u;
    return static_cast<std::uint32_t>(bitu * static_cast<std::uint64_t>(kSekunda) /
                                      static_cast<std::uint64_t>(format.interval));
}

}  // namespace TestovaciKamera
