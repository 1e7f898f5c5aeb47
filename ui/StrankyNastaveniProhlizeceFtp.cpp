#include "ui/StrankyNastaveniProhlizeceFtp.h"

#include <array>

#include "net/NastaveniProhlizeceFtp.h"

namespace StrankyNastaveniProhlizeceFtp {

namespace {

using ModelStranky::Moznost;
using O = ModelStranky::Ovladac;
using N = NastaveniProhlizeceFtp;

constexpr const wchar_t* kKlic = N::kKlic;

constexpr std::array kMoznostiShellu{
    Moznost{L"Neprovádět se staženým souborem nic", 0},
    Moznost{L"Otevřít v programu nastaveném příponě souboru.", 1},
    Moznost{L"Upravit (editovat) v programu nastaveném příponě souboru.", 2},
};

constexpr std::array kHodnoty{
    Hodnota{kKlic, L"filtrSoubory", L"Zobrazovat v seznamu soubory:", O::Vlastni},
    Hodnota{kKlic, L"nacitatAutomaticky", L"Načitat a zobrazovat obrázky automaticky při výběru souboru v seznamu",
            O::Zaskrtnuti},
    Hodnota{kKlic, L"pozadiObrazku", L"Barva pozadí obrázku:", O::Barva},
    Hodnota{kKlic, L"shellOtevrit", L"Po stažení souboru:", O::Vyber, 0, 0, 1, kMoznostiShellu},
    Hodnota{kKlic, L"pripojitPoSpusteni", L"Po spuštění automaticky připojit k poslednímu použítému FTP serveru",
            O::Zaskrtnuti},
};

constexpr std::array kStranky{Stranka{L"Prohlížeč souborů na FTP", kHodnoty}};

}  // namespace

std::span<const Stranka> Stranky() { return kStranky; }

const Hodnota* Najit(const std::wstring& klic, const std::wstring& jmeno) {
    return ModelStranky::Najit(kStranky, klic, jmeno);
}

bool HodnotaPripustna(const std::wstring& klic, const std::wstring& jmeno, std::uint32_t hodnota) {
    if (klic == kKlic && jmeno == L"filtrSoubory") return hodnota <= 3 || hodnota == N::kFiltrVse;
    const Hodnota* h = Najit(klic, jmeno);
    return !h || ModelStranky::Pripustna(*h, hodnota);
}

const wchar_t* TextZaskrtnuti(ZaskrtnutiFiltru z) {
    switch (z) {
    case ZaskrtnutiFiltru::Obrazky:
        return L"Obrázky";
    case ZaskrtnutiFiltru::Videa:
        return L"Videosoubory";
    case ZaskrtnutiFiltru::Vse:
        break;
    }
    return L"Všechny soubory";
}

StavZaskrtnuti Zaskrtnuti(std::uint32_t filtr, ZaskrtnutiFiltru z) {
    const bool vse = filtr == N::kFiltrVse;
    switch (z) {
    case ZaskrtnutiFiltru::Vse:
        return {vse, true};
    case ZaskrtnutiFiltru::Obrazky:
        return {vse || (filtr & N::kFiltrObrazky) != 0, !vse};
    case ZaskrtnutiFiltru::Videa:
        return {vse || (filtr & N::kFiltrVidea) != 0, !vse};
    }
    return {};
}

std::uint32_t PoZmene(std::uint32_t filtr, ZaskrtnutiFiltru z, bool zaskrtnuto) {
    if (z == ZaskrtnutiFiltru::Vse) return zaskrtnuto ? N::kFiltrVse : (N::kFiltrObrazky | N::kFiltrVidea);
    if (filtr == N::kFiltrVse) return filtr;  // greyed while every file is shown
    const std::uint32_t bit = z == ZaskrtnutiFiltru::Obrazky ? N::kFiltrObrazky : N::kFiltrVidea;
    filtr &= N::kFiltrObrazky | N::kFiltrVidea;
    return zaskrtnuto ? (filtr | bit) : (filtr & ~bit);
}

}  // namespace StrankyNastaveniProhlizeceFtp
