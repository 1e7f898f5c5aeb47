#pragma once

// Media types as the capture code handles them: freeing what the platform allocated, the bitmap
// header of a video format, the row size of a DIB.
#include <cstdlib>

#include "video/win/HlavickyDirectShow.h"

namespace Holvent::DirectShow {

// Frees what an AM_MEDIA_TYPE owns (the platform's FreeMediaType).
inline void UvolnitObsahTypu(AM_MEDIA_TYPE& typ) noexcept {
    if (typ.cbFormat != 0 || typ.pbFormat) ::CoTaskMemFree(typ.pbFormat);
    typ.cbFormat = 0;
    typ.pbFormat = nullptr;
    if (typ.pUnk) {
        typ.pUnk->Release();
        typ.pUnk = nullptr;
    }
}

// A media type the callee allocated (DeleteMediaType at the end of the scope).
struct UklidTypu {
    AM_MEDIA_TYPE* typ;
    ~UklidTypu() {
        if (typ) {
            UvolnitObsahTypu(*typ);
            ::CoTaskMemFree(typ);
        }
    }
};

// A media type filled in place (FreeMediaType at the end of the scope).
struct UklidObsahuTypu {
    AM_MEDIA_TYPE& typ;
    ~UklidObsahuTypu() { UvolnitObsahTypu(typ); }
};

// The bitmap header of a video format, or null for a format without one.
inline BITMAPINFOHEADER* HlavickaTypu(AM_MEDIA_TYPE& typ) {
    if (!typ.pbFormat) return nullptr;
    if (typ.formattype == FORMAT_VideoInfo && typ.cbFormat >= sizeof(VIDEOINFOHEADER))
        return &reinterpret_cast<VIDEOINFOHEADER*>(typ.pbFormat)->bmiHeader;
    if (typ.formattype == FORMAT_VideoInfo2 && typ.cbFormat >= sizeof(VIDEOINFOHEADER2))
        return &reinterpret_cast<VIDEOINFOHEADER2*>(typ.pbFormat)->bmiHeader;
    return nullptr;
}

inline long BajtuRadku(const BITMAPINFOHEADER& h) { return ((h.biWidth * h.biBitCount + 31) / 32) * 4; }

}  // namespace Holvent::DirectShow
