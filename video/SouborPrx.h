#pragma once

#include <cstdint>

namespace Holvent::DirectShow {

// The four values of a .prx profile file that the program shows and edits.
struct HodnotyPrx {
    std::int32_t sirka = 0;            // biwidth
    std::int32_t vyska = 0;            // biheight
    std::int32_t snimkuZaSekundu = 0;  // 10000000 / avgtimeperframe
    std::int64_t bitrate = 0;          // dwbitrate
    bool operator==(const HodnotyPrx&) const = default;
};

}  // namespace Holvent::DirectShow
