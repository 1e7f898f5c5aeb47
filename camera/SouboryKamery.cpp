#include "camera/SouboryKamery.h"

#include <algorithm>

#include "knihovna/Text.h"
#include "video/KoderyObrazu.h"

namespace {

using Knihovna::StejneBezVelikosti;

constexpr std::size_t kNejviceCislic = 20;  // "pocetMistCisla" pads to at most 20 digits

bool Cislice(wchar_t z) { return z >= L'0' && z <= L'9'; }

// Reads a number of min to max digits at the front; a leading zero only when bezNuly is false or the number is 0
// itself. The text moves past it.
bool CistCislo(std::wstring_view& text, std::size_t min, std::size_t max, bool bezNuly, std::uint32_t& cislo) {
    std::size_t n = 0;
    while (n < text.size() && n < max && Cislice(text[n])) ++n;
    if (n < min || (n < text.size() && Cislice(text[n]))) return false;
    if (bezNuly && n > 1 && text[0] == L'0') return false;
    cislo = 0;
    for (std::size_t i = 0; i < n; ++i) cislo = cislo * 10 + static_cast<std::uint32_t>(text[i] - L'0');
    text.remove_prefix(n);
    return true;
}

bool Znak(std::wstring_view& text, wchar_t z) {
    if (text.empty() || text.front() != z) return false;
    text.remove_prefix(1);
    return true;
}

// "%d.%d.%d %.2d-%.2d-%.2d", optionally ".%d" of the milliseconds; the hour as "%d" for recordings.
bool JeDatumCas(std::wstring_view t, bool hodinaDvemaCislicemi) {
    std::uint32_t den, mesic, rok, hodina, minuta, sekunda, ms;
    if (!CistCislo(t, 1, 2, true, den) || den < 1 || den > 31 || !Znak(t, L'.')) return false;
    if (!CistCislo(t, 1, 2, true, mesic) || mesic < 1 || mesic > 12 || !Znak(t, L'.')) return false;
    if (!CistCislo(t, 4, 5, true, rok) || rok < 1601 || !Znak(t, L' ')) return false;
    const bool hodinaOk = hodinaDvemaCislicemi ? CistCislo(t, 2, 2, false, hodina) : CistCislo(t, 1, 2, true, hodina);
    if (!hodinaOk || hodina > 23 || !Znak(t, L'-')) return false;
    if (!CistCislo(t, 2, 2, false, minuta) || minuta > 59 || !Znak(t, L'-')) return false;
    if (!CistCislo(t, 2, 2, false, sekunda) || sekunda > 59) return false;
    if (t.empty()) return true;
    return Znak(t, L'.') && CistCislo(t, 1, 3, true, ms) && t.empty();
}

std::wstring BezLomitka(std::wstring slozka) {
    // A drive's root keeps its backslash: "C:" alone is the current folder of the drive.
    while (slozka.size() > 1 && (slozka.back() == L'\\' || slozka.back() == L'/') && slozka[slozka.size() - 2] != L':')
        slozka.pop_back();
    return slozka;
}

}  // namespace

bool JeSouborKamery(std::wstring_view nazev, const DruhSouboruKamery& druh) {
    if (nazev.find_first_of(L"\\/:") != std::wstring_view::npos) return false;
    const auto pripona = std::find_if(druh.pripony.begin(), druh.pripony.end(), [&](const std::wstring& p) {
        return nazev.size() > p.size() && StejneBezVelikosti(nazev.substr(nazev.size() - p.size()), p);
    });
    if (pripona == druh.pripony.end()) return false;
    const std::wstring_view kmen = nazev.substr(0, nazev.size() - pripona->size());

    const std::wstring_view jmeno = druh.jmeno;
    if (!jmeno.empty() && kmen.size() > jmeno.size() && StejneBezVelikosti(kmen.substr(0, jmeno.size()), jmeno) &&
        kmen[jmeno.size()] == L'_') {
        const std::wstring_view cislo = kmen.substr(jmeno.size() + 1);
        if (!cislo.empty() && cislo.size() <= kNejviceCislic && std::all_of(cislo.begin(), cislo.end(), Cislice))
            return true;
    }
    if (druh.vytvJmena == 0 && druh.bezCisla && !jmeno.empty() && StejneBezVelikosti(kmen, jmeno)) return true;
    return (druh.vytvJmena == 1 || druh.vytvJmena == 2) && JeDatumCas(kmen, druh.hodinaDvemaCislicemi);
}

bool JeSouborKamery(std::wstring_view nazev, const SlozkaKamery& slozka) {
    return std::any_of(slozka.druhy.begin(), slozka.druhy.end(),
                       [&](const DruhSouboruKamery& d) { return JeSouborKamery(nazev, d); });
}

std::vector<SlozkaKamery> SlozkyKamery(const ParametryKamery& p) {
    DruhSouboruKamery snimky{p.snimkyDisk.soubor.vytvJmena, p.snimkyDisk.soubor.jmeno,
                             p.snimkyDisk.soubor.maxPocetSouboru == 0, true, {}};
    for (const auto& k : Holvent::DirectShow::kKoderyObrazu) snimky.pripony.emplace_back(k.pripona);
    // Motion recordings are WMV whatever "format" says, so both extensions are always the camera's.
    const DruhSouboruKamery zaznamy{p.zaznamVidea.soubor.vytvJmena, p.zaznamVidea.soubor.jmeno,
                                    p.zaznamVidea.soubor.maxPocetSouboru == 0, false, {L".avi", L".wmv"}};

    std::vector<SlozkaKamery> slozky;
    const auto pridat = [&](const std::wstring& slozka, const DruhSouboruKamery& druh) {
        const std::wstring s = BezLomitka(slozka);
        if (s.empty()) return;
        auto it = std::find_if(slozky.begin(), slozky.end(),
                               [&](const SlozkaKamery& k) { return StejneBezVelikosti(k.slozka, s); });
        if (it == slozky.end()) it = slozky.insert(slozky.end(), SlozkaKamery{s, {}});
        if (std::find(it->druhy.begin(), it->druhy.end(), druh) == it->druhy.end()) it->druhy.push_back(druh);
    };
    pridat(p.snimkyDisk.slozka, snimky);
    pridat(p.detekcePohybu.video.slozka, zaznamy);
    pridat(p.zaznamVidea.slozka, zaznamy);
    return slozky;
}
