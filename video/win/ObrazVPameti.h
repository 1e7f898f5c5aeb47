#pragma once

#include <cstdint>
#include <vector>

#include "knihovna/win/GdiPlus.h"

namespace Holvent::GdiPlus {

// The bytes of the image as the encoder writes them to a file, kept in memory; raises on failure.
std::vector<std::uint8_t> UlozitDoPameti(Gdiplus::Image& obraz, const CLSID& koder,
                                         const Gdiplus::EncoderParameters* parametry);

}  // namespace Holvent::GdiPlus
