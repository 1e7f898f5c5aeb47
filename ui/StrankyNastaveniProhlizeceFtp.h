#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "ui/ModelStranky.h"

// The one page of "Předvolby Prohlížeče souborů na FTP" as a table (see ModelStranky). The files the list shows
// ("filtrSoubory") are three check boxes of the page's own, whose rule is below.
namespace StrankyNastaveniProhlizeceFtp {

using ModelStranky::Hodnota;
using ModelStranky::Stranka;

inline constexpr const wchar_t* kTitulek = L"Předvolby Prohlížeče souborů na FTP";

std::span<const Stranka> Stranky();
const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno);
// Whether a number read from the browser's key is one the page could have stored ("filtrSoubory": 0 to 3 or
// 0xFFFFFFFF).
bool HodnotaPripustna(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota);

// The check boxes of "filtrSoubory".
enum class ZaskrtnutiFiltru { Obrazky, Videa, Vse };
const wchar_t* TextZaskrtnuti(ZaskrtnutiFiltru z);  // "Obrázky", "Videosoubory", "Všechny soubory"

struct StavZaskrtnuti {
    bool zaskrtnuto = false;
    bool povoleno = true;
    bool operator==(const StavZaskrtnuti&) const = default;
};
// "Všechny soubory" is checked only at 0xFFFFFFFF and then wins: the other two show checked and greyed.
StavZaskrtnuti Zaskrtnuti(std::uint32_t filtr, ZaskrtnutiFiltru z);
// The value after the user set the check box: "Všechny soubory" stores 0xFFFFFFFF, unchecked 3; the others set or
// clear their bit.
std::uint32_t PoZmene(std::uint32_t filtr, ZaskrtnutiFiltru z, bool zaskrtnuto);

}  // namespace StrankyNastaveniProhlizeceFtp
