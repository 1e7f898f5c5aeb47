#pragma once

#include <array>
#include <cstdint>

#include "knihovna/Chyba.h"

namespace TestovaciKamera {

// Which interface a property belongs to: IAMVideoProcAmp or IAMCameraControl.
enum class SkupinaVlastnosti { Obraz, Ovladani };

// Property numbers as VideoProcAmpProperty and CameraControlProperty number them.
constexpr std::int32_t kJas = 0;
constexpr std::int32_t kKontrast = 1;
constexpr std::int32_t kOdstin = 2;
constexpr std::int32_t kSytost = 3;
constexpr std::int32_t kOstrost = 4;
constexpr std::int32_t kZoom = 3;
constexpr std::int32_t kOstreni = 6;

// The flag bits of both interfaces (…_Flags_Auto, …_Flags_Manual).
constexpr std::int32_t kPriznakAuto = 1;
constexpr std::int32_t kPriznakRucne = 2;

// What a driver answers for a property it does not have (HRESULT_FROM_WIN32(ERROR_NOT_FOUND)).
constexpr Knihovna::Hresult kE_PROP_ID_UNSUPPORTED = static_cast<Knihovna::Hresult>(0x80070490);

// GetRange's answer: the value range, the step, the default and the supported flags.
struct RozsahVlastnosti {
    std::int32_t min = 0;
    std::int32_t max = 0;
    std::int32_t krok = 1;
    std::int32_t vychozi = 0;
    std::int32_t priznaky = 0;
};

// The image and camera-control properties of the device and their current values and modes.
// Not thread-safe: the filter guards it.
class VlastnostiKamery {
public:
    // sObrazem false: the device has no image (IAMVideoProcAmp) properties.
    explicit VlastnostiKamery(bool sObrazem = true);

    Knihovna::Hresult Rozsah(SkupinaVlastnosti skupina, std::int32_t vlastnost, RozsahVlastnosti& rozsah) const;
    Knihovna::Hresult Cist(SkupinaVlastnosti skupina, std::int32_t vlastnost, std::int32_t& hodnota,
                           std::int32_t& priznak) const;
    // Refuses (E_INVALIDARG) a value outside the range or off the step and a flag that is not
    // exactly one supported mode; the stored value and mode stay as they were.
    Knihovna::Hresult Nastavit(SkupinaVlastnosti skupina, std::int32_t vlastnost, std::int32_t hodnota,
                               std::int32_t priznak);
    // The value the picture is made with: the default while the property is in automatic mode.
    std::int32_t Ucinna(SkupinaVlastnosti skupina, std::int32_t vlastnost) const;

private:
    struct Vlastnost {
        bool existuje = false;
        RozsahVlastnosti rozsah;
        std::int32_t hodnota = 0;
        std::int32_t priznak = 0;
    };
    const Vlastnost* Najit(SkupinaVlastnosti skupina, std::int32_t vlastnost) const;

    std::array<Vlastnost, 10> obraz_{};
    std::array<Vlastnost, 7> ovladani_{};
};

}  // namespace TestovaciKamera
