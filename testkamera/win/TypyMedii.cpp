#include "testkamera/win/TypyMedii.h"

#include <cstring>

namespace TestovaciKamera {

bool VyplnitTyp(AM_MEDIA_TYPE& typ, const FormatKamery& format) {
    typ = AM_MEDIA_TYPE{};
    auto* info = static_cast<VIDEOINFOHEADER*>(::CoTaskMemAlloc(sizeof(VIDEOINFOHEADER)));
    if (!info) return false;
    *info = VIDEOINFOHEADER{};
    info->dwBitRate = BitovaRychlost(format);
    info->AvgTimePerFrame = format.interval;
    info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info->bmiHeader.biWidth = format.sirka;
    info->bmiHeader.biHeight = format.vyska;  // positive: bottom-up
    info->bmiHeader.biPlanes = 1;
    info->bmiHeader.biBitCount = 24;
    info->bmiHeader.biCompression = BI_RGB;
    info->bmiHeader.biSizeImage = VelikostObrazu(format.sirka, format.vyska);
    typ.majortype = MEDIATYPE_Video;
    typ.subtype = MEDIASUBTYPE_RGB24;
    typ.bFixedSizeSamples = TRUE;
    typ.bTemporalCompression = FALSE;
    typ.lSampleSize = info->bmiHeader.biSizeImage;
    typ.formattype = FORMAT_VideoInfo;
    typ.cbFormat = sizeof(VIDEOINFOHEADER);
    typ.pbFormat = reinterpret_cast<BYTE*>(info);
    return true;
}

AM_MEDIA_TYPE* VytvoritTyp(const FormatKamery& format) {
    auto* typ = static_cast<AM_MEDIA_TYPE*>(::CoTaskMemAlloc(sizeof(AM_MEDIA_TYPE)));
    if (!typ) return nullptr;
    if (!VyplnitTyp(*typ, format)) {
        ::CoTaskMemFree(typ);
        return nullptr;
    }
    return typ;
}

void UvolnitFormat(AM_MEDIA_TYPE& typ) {
    if (typ.cbFormat != 0) ::CoTaskMemFree(typ.pbFormat);
    typ.cbFormat = 0;
    typ.pbFormat = nullptr;
    if (typ.pUnk) {
        typ.pUnk->Release();
        typ.pUnk = nullptr;
    }
}

void SmazatTyp(AM_MEDIA_TYPE* typ) {
    if (!typ) return;
    UvolnitFormat(*typ);
    ::CoTaskMemFree(typ);
}

std::optional<FormatKamery> FormatZTypu(const AM_MEDIA_TYPE& typ) {
    if (typ.majortype != MEDIATYPE_Video || typ.subtype != MEDIASUBTYPE_RGB24) return std::nullopt;
    if (typ.formattype != FORMAT_VideoInfo || !typ.pbFormat || typ.cbFormat < sizeof(VIDEOINFOHEADER)) {
        return std::nullopt;
    }
    VIDEOINFOHEADER info;
    std::memcpy(&info, typ.pbFormat, sizeof info);  // the block need not be aligned
    const BITMAPINFOHEADER& b = info.bmiHeader;
    if (b.biBitCount != 24 || b.biCompression != BI_RGB || b.biHeight <= 0) return std::nullopt;
    return PrijatelnyFormat(b.biWidth, b.biHeight, info.AvgTimePerFrame);
}

bool TypOdpovida(const AM_MEDIA_TYPE& castecny, const FormatKamery& format) {
    if (castecny.majortype != GUID_NULL && castecny.majortype != MEDIATYPE_Video) return false;
    if (castecny.subtype != GUID_NULL && castecny.subtype != MEDIASUBTYPE_RGB24) return false;
    if (castecny.formattype == GUID_NULL) return true;
    const auto f = FormatZTypu(castecny);
    return f && f->sirka == format.sirka && f->vyska == format.vyska;
}

}  // namespace TestovaciKamera
