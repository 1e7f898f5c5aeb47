#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "video/DetailyProfilu.h"
#include "video/SeznamFormatu.h"
#include "video/SouborPrx.h"

// What the recording pages show of the camera's formats and of a WMV profile.
namespace StrankyZaznamu {

// The most frames a second of a format: 10000000 / its shortest frame interval; 0 for an interval of 0 or less.
std::uint32_t NejviceSnimku(std::int64_t minInterval);
// A line of the AVI page's format list: "%d x %d  (max. %d snímků/sek.)".
std::wstring TextFormatu(const Holvent::DirectShow::FormatVidea& f);
// The entry of the list whose size is the one typed (the first of them); -1 when none is.
int VybranyFormat(std::span<const Holvent::DirectShow::FormatVidea> formaty, std::int64_t sirka, std::int64_t vyska);

// A profile's line below its list: "%d x %d - %d snímků/sek.  (Bitový tok %d)"; empty for a profile without video.
std::wstring TextDetailu(const Holvent::DirectShow::DetailyProfilu& d);
std::wstring TextDetailu(const Holvent::DirectShow::HodnotyPrx& h);

// The stored WM versions of the two system profile lists.
inline constexpr std::uint32_t kVerzeWm8 = 0x80000;
inline constexpr std::uint32_t kVerzeWm7 = 0x70000;

}  // namespace StrankyZaznamu
