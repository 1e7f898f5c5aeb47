#pragma once

#include <span>
#include <string>

#include "ui/ModelStranky.h"

// The pages of the application settings dialog as a table (see ModelStranky).
namespace StrankyNastaveniAplikace {

using ModelStranky::Hodnota;
using ModelStranky::Moznost;
using ModelStranky::Ovladac;
using ModelStranky::Overit;
using ModelStranky::Stranka;
using ModelStranky::Ulozena;
using ModelStranky::Zobrazena;

std::span<const Stranka> Stranky();
// The value by its key and name; null when no page edits it.
const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno);

// Whether a number read from the application's key is one its settings allow (ModelStranky::Pripustna);
// values no page edits take anything.
bool HodnotaPripustna(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota);

// The page of the log switches, which also carries the log file's actions.
inline constexpr const wchar_t* kStrankaZaznamu = L"Záznam událostí";

}  // namespace StrankyNastaveniAplikace
