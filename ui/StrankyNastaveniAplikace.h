#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

// The pages of the application settings dialog as a table: which stored value each control edits, its
// kind, the range and unit it is shown in, and its option texts. The dialog lays the controls out from it and
// a test walks every value.
namespace StrankyNastaveniAplikace {

enum class Ovladac { Zaskrtnuti, Cislo, Text, Slozka, Vyber, Barva };

struct Moznost {
    const wchar_t* text;
    std::uint32_t hodnota;
};

struct Hodnota {
    const wchar_t* klic;     // the stored value: its key below the root ("" = the root) ...
    const wchar_t* jmeno;    // ... and its name
    const wchar_t* popisek;  // the control's text
    Ovladac ovladac;
    std::uint32_t min = 0;      // a number's range in the unit it is shown in
    std::uint32_t max = 0;
    std::uint32_t nasobek = 1;  // stored = shown × nasobek (seconds shown, milliseconds stored)
    std::span<const Moznost> moznosti = {};
};

struct Stranka {
    const wchar_t* nazev;
    std::span<const Hodnota> hodnoty;
};

std::span<const Stranka> Stranky();
// The value by its key and name; null when no page edits it.
const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno);

// A stored number as the control shows it, and back.
std::uint32_t Zobrazena(const Hodnota& h, std::uint32_t ulozena);
std::uint32_t Ulozena(const Hodnota& h, std::uint32_t zobrazena);

// Whether the control's number may be taken: nothing when it may, else the message that refuses it
// ("Zadejte hodnotu v rozsahu %d - %d" for a number, the missing option for a choice).
std::optional<std::wstring> Overit(const Hodnota& h, std::int64_t zobrazena);

}  // namespace StrankyNastaveniAplikace
