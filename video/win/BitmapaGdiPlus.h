#pragma once

#include <memory>

#include "knihovna/win/GdiPlus.h"
#include "video/win/ZiveObjekty.h"

namespace Holvent::GdiPlus {

struct SmazaniBitmapy {
    void operator()(Gdiplus::Bitmap* b) const noexcept {
        if (!b) return;
        DirectShow::ZiveObjekty::Odebrat(DirectShow::ZiveObjekty::Druh::BitmapaGdiPlus);
        delete b;
    }
};

// An owned GDI+ bitmap, counted among the live objects.
using BitmapaGdiPlus = std::unique_ptr<Gdiplus::Bitmap, SmazaniBitmapy>;

// Takes ownership of a new bitmap (nullptr gives an empty holder).
inline BitmapaGdiPlus PrevzitBitmapu(Gdiplus::Bitmap* b) noexcept {
    if (b) DirectShow::ZiveObjekty::Pridat(DirectShow::ZiveObjekty::Druh::BitmapaGdiPlus);
    return BitmapaGdiPlus(b);
}

}  // namespace Holvent::GdiPlus
