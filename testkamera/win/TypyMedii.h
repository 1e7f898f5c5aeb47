#pragma once

#include <optional>

#include "testkamera/FormatKamery.h"
#include "testkamera/win/DirectShow.h"

namespace TestovaciKamera {

// Fills a media type (RGB24, VIDEOINFOHEADER, bottom-up) for a format; the format block is
// CoTaskMemAlloc'd. Returns false when out of memory.
bool VyplnitTyp(AM_MEDIA_TYPE& typ, const FormatKamery& format);
// A whole media type in task memory (as GetFormat and GetStreamCaps return it); nullptr when out of memory.
AM_MEDIA_TYPE* VytvoritTyp(const FormatKamery& format);
// Frees the format block and the type itself (DeleteMediaType).
void SmazatTyp(AM_MEDIA_TYPE* typ);
void UvolnitFormat(AM_MEDIA_TYPE& typ);
// The device format a media type asks for, when the device can deliver it.
std::optional<FormatKamery> FormatZTypu(const AM_MEDIA_TYPE& typ);
// A partially specified type (GUID_NULL parts) that a device format fits.
bool TypOdpovida(const AM_MEDIA_TYPE& castecny, const FormatKamery& format);

}  // namespace TestovaciKamera
