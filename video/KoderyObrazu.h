#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace Holvent::DirectShow {

// One image format of the snapshot files: the encoder is found by its MIME type.
struct KoderObrazu {
    const wchar_t* mime;
    const wchar_t* pripona;  // with its dot
    const wchar_t* nazev;    // as the format choice shows it
};

inline constexpr int kPocetKoderu = 5;
inline constexpr int kKoderJpeg = 0;
inline constexpr int kKoderGif = 4;

// Indexed by a snapshot block's "format".
inline constexpr std::array<KoderObrazu, kPocetKoderu> kKoderyObrazu{{
    {L"image/jpeg", L".jpg", L"Formát JPEG"},
    {L"image/png", L".png", L"Formát PNG"},
    {L"image/bmp", L".bmp", L"Bitmapa (BMP)"},
    {L"image/tiff", L".tif", L"Formát TIFF"},
    {L"image/gif", L".gif", L"Formát GIF"},
}};

// The format's entry; nullptr outside 0 to 4.
const KoderObrazu* KoderFormatu(std::uint32_t format);

// The index of a MIME type (compared without regard to case), -1 when the table has none.
int IndexKoderu(std::wstring_view mime);

}  // namespace Holvent::DirectShow
