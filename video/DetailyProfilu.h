#pragma once

#include <cstdint>
#include <string>

namespace Holvent::DirectShow {

// What the program shows and uses of a Windows Media encoding profile.
struct DetailyProfilu {
    std::wstring nazev;
    std::wstring popis;
    std::uint32_t pocetProudu = 0;
    bool video = false;
    bool zvuk = false;
    std::uint32_t bitrateVidea = 0;  // bits per second, 0 unknown
    std::uint32_t bitrateZvuku = 0;
    std::uint32_t snimkuZaSekundu = 0;  // 10000000 / AvgTimePerFrame, 0 unknown
    std::int32_t sirka = -1;            // -1 unknown
    std::int32_t vyska = -1;
    bool operator==(const DetailyProfilu&) const = default;
};

// Raised (as the error's text) wherever Windows Media is missing: no wmvcore.dll, a profile manager
// that implements nothing, no ASF writer.
inline constexpr const wchar_t* kTextWmvNedostupne =
    L"Záznam videa do formátu WMV není v tomto systému k dispozici (chybí součásti Windows Media).";
// The WMV settings page instead of the system profile lists.
inline constexpr const wchar_t* kTextSystemoveProfilyNedostupne =
    L"Systémové profily Windows Media nejsou v tomto systému k dispozici.";

}  // namespace Holvent::DirectShow
