#include "camera/NazvySnimku.h"

#include <algorithm>

#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

namespace {

// More digits than any 32-bit number has only pad with zeros; the bound keeps the name sane.
constexpr std::uint32_t kNejviceMistCisla = 20;

std::wstring SlozkaSOddelovacem(const std::wstring& slozka) {
    if (!slozka.empty() && (slozka.back() == L'\\' || slozka.back() == L'/')) return slozka;
    return slozka + L"\\";
}

}  // namespace

CestaSnimku VytvoritCestuSnimku(const ParametrySouboru& soubor, std::uint32_t& citac, const std::wstring& slozka,
                                const std::wstring& pripona, const Knihovna::MistniCas& cas) {
    using Knihovna::Formatovat;
    const std::wstring f = SlozkaSOddelovacem(slozka);
    switch (soubor.vytvJmena) {
    case 0: {
        if (soubor.maxPocetSouboru == 0) return {Knihovna::kS_OK, f + soubor.jmeno + pripona};
        if (citac > soubor.maxPocetSouboru) {
            if (!soubor.prepisovatStare) return {Knihovna::kE_INVALIDARG, {}};
            citac = 1;
        }
        const std::wstring cesta =
            soubor.pocetMistCisla < 2
                ? Formatovat(L"%s%s_%u%s", f.c_str(), soubor.jmeno.c_str(), citac, pripona.c_str())
                : Formatovat(L"%s%s_%.*u%s", f.c_str(), soubor.jmeno.c_str(),
                             static_cast<int>(std::min(soubor.pocetMistCisla, kNejviceMistCisla)), citac,
                             pripona.c_str());
        ++citac;
        return {Knihovna::kS_OK, cesta};
    }
    case 1:
        return {Knihovna::kS_OK, Formatovat(L"%s%d.%d.%d %.2d-%.2d-%.2d%s", f.c_str(), cas.den, cas.mesic, cas.rok,
                                            cas.hodina, cas.minuta, cas.sekunda, pripona.c_str())};
    case 2:
        return {Knihovna::kS_OK,
                Formatovat(L"%s%d.%d.%d %.2d-%.2d-%.2d.%d%s", f.c_str(), cas.den, cas.mesic, cas.rok, cas.hodina,
                           cas.minuta, cas.sekunda, cas.milisekunda, pripona.c_str())};
    case 101: return {Knihovna::kE_NOTIMPL, {}};
    default: return {Knihovna::kS_FALSE, {}};
    }
}

std::wstring VzorMazaniSnimku(const std::wstring& jmeno, const std::wstring& pripona) {
    return jmeno + L"_*" + pripona;
}

bool JeCislovanySnimek(std::wstring_view nazevSouboru, std::wstring_view jmeno, std::wstring_view pripona) {
    if (jmeno.empty()) return false;
    const std::size_t pevne = jmeno.size() + 1 + pripona.size();
    if (nazevSouboru.size() <= pevne) return false;
    if (!Knihovna::StejneBezVelikosti(nazevSouboru.substr(0, jmeno.size()), jmeno)) return false;
    if (nazevSouboru[jmeno.size()] != L'_') return false;
    if (!Knihovna::StejneBezVelikosti(nazevSouboru.substr(nazevSouboru.size() - pripona.size()), pripona))
        return false;
    const auto cislo = nazevSouboru.substr(jmeno.size() + 1, nazevSouboru.size() - pevne);
    return std::all_of(cislo.begin(), cislo.end(), [](wchar_t z) { return z >= L'0' && z <= L'9'; });
}

OtevreniSnimku ZpusobOtevreni(std::uint32_t otviratSnimekCim) {
    switch (otviratSnimekCim) {
    case 0: return OtevreniSnimku::otevrit;
    case 1: return OtevreniSnimku::upravit;
    case 10:
    case 11: return OtevreniSnimku::editor;
    default: return OtevreniSnimku::nic;
    }
}

bool OtevritPoUlozeni(std::uint32_t otviratSnimekKdy, bool automaticky) {
    return automaticky ? (otviratSnimekKdy & 2u) != 0 : (otviratSnimekKdy & 1u) != 0;
}
