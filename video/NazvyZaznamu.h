#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "camera/ParametryKamery.h"
#include "knihovna/Hodiny.h"

inline constexpr const wchar_t* kTextChybaCestyZaznamu =
    L"Nepodařilo se získat na základě nastavení cestu k souboru pro záznam videa.";

// The path of the next recording by "vytvJmena" of the recording settings, ".avi" for "format" 0 and ".wmv"
// otherwise; scheme 0 numbers with citac and advances it. Empty when no path can be made: an unknown scheme,
// an empty "slozka", an empty "jmeno" with scheme 0, or the numbering past its highest number without
// "prepisovatStare" (citac is then unchanged).
std::wstring VytvoritJmenoZaznamu(const ParametryKamery::ZaznamVidea& zaznam, std::uint32_t& citac,
                                  const Knihovna::MistniCas& cas);

// A motion recording is always WMV: ".avi" becomes ".wmv" and ".AVI" ".WMV" (any other case stays).
std::wstring PriponaWmv(std::wstring cesta);

// Whether a file name (without folder) is one of the camera's recordings: N or N + "_" + digits, with ".avi" or
// ".wmv", compared without regard to case; never for an empty N.
bool JeZaznamKamery(std::wstring_view nazevSouboru, std::wstring_view jmeno);

// Elapsed time of a recording: "m:ss", from an hour "h:mm:ss".
std::wstring TextDelkyZaznamu(std::uint64_t milisekundy);
