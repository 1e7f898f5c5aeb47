#pragma once

#include "knihovna/win/GdiPlus.h"
#include "video/win/BitmapaGdiPlus.h"

namespace Holvent::GdiPlus {

// A copy of a 24-bit bitmap as an 8-bit one with the fixed GIF palette.
BitmapaGdiPlus NaOsmibitovou(Gdiplus::Bitmap& zdroj);

}  // namespace Holvent::GdiPlus
