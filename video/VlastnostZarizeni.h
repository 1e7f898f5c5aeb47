#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace Holvent::DirectShow {

// One image-control property of the capture device as GetRange and Get report it.
struct VlastnostZarizeni {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t krok = 0;
    std::int32_t vychozi = 0;
    std::int32_t hodnota = 0;
    std::int32_t priznaky = 0;            // auto/manual (VideoProcAmp_Flags_* / CameraControl_Flags_*)
    std::int32_t priznakySchopnosti = 0;  // camera control only: the flags GetRange returned
    bool platna = false;                  // GetRange succeeded on this device
    std::int32_t idVlastnosti = 0;        // VideoProcAmpProperty / CameraControlProperty

    bool operator==(const VlastnostZarizeni&) const = default;
};

inline constexpr int kPocetVlastnostiObrazu = 5;
inline constexpr int kPocetVlastnostiOvladani = 7;

// The record order: brightness, contrast, saturation, hue, sharpness (VideoProcAmp numbers).
inline constexpr std::array<std::int32_t, kPocetVlastnostiObrazu> kIdVlastnostiObrazu{0, 1, 3, 2, 4};
// Exposure, focus, iris, pan, roll, tilt, zoom (CameraControl numbers).
inline constexpr std::array<std::int32_t, kPocetVlastnostiOvladani> kIdVlastnostiOvladani{4, 6, 5, 0, 2, 1, 3};

using VlastnostiObrazu = std::array<VlastnostZarizeni, kPocetVlastnostiObrazu>;
using VlastnostiOvladani = std::array<VlastnostZarizeni, kPocetVlastnostiOvladani>;

// Invalid records with their property numbers, as after a reset.
VlastnostiObrazu VychoziVlastnostiObrazu();
VlastnostiOvladani VychoziVlastnostiOvladani();

}  // namespace Holvent::DirectShow
