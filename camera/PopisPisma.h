#pragma once

#include <array>
#include <cstdint>
#include <string>

// The platform's LOGFONTW record, field by field, and its stored form of 92 bytes
// (little-endian: five 32-bit numbers, eight bytes, 32 UTF-16 code units of the face name).
struct PopisPisma {
    static constexpr std::uint32_t kVelikost = 92;

    std::int32_t vyska = -11;  // lfHeight
    std::int32_t sirka = 0;
    std::int32_t sklon = 0;  // lfEscapement
    std::int32_t orientace = 0;
    std::int32_t tloustka = 400;  // lfWeight
    std::uint8_t kurziva = 0;
    std::uint8_t podtrzeni = 0;
    std::uint8_t preskrtnuti = 0;
    std::uint8_t znakovaSada = 1;  // DEFAULT_CHARSET
    std::uint8_t presnostVystupu = 0;
    std::uint8_t presnostOrezu = 0;
    std::uint8_t kvalita = 0;
    std::uint8_t roztecARodina = 0;
    std::array<std::uint16_t, 32> jmeno{};  // lfFaceName, zero-terminated

    // The core's stand-in for the default GUI font (Windows takes DEFAULT_GUI_FONT's record instead).
    static PopisPisma Vychozi();

    std::array<std::uint8_t, kVelikost> Bajty() const;
    static PopisPisma ZBajtu(const std::array<std::uint8_t, kVelikost>& bajty);

    // The face name up to its first zero; setting it truncates to 31 code units.
    std::wstring JmenoPisma() const;
    void NastavitJmenoPisma(const std::wstring& jmenoPisma);

    bool operator==(const PopisPisma&) const = default;
};
