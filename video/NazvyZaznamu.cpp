#include "video/NazvyZaznamu.h"

#include "camera/NazvySnimku.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

namespace {

constexpr std::wstring_view kPriponyZaznamu[] = {L".avi", L".wmv"};

}  // namespace

std::wstring VytvoritJmenoZaznamu(const ParametryKamery::ZaznamVidea& zaznam, std::uint32_t& citac,
                                  const Knihovna::MistniCas& cas) {
    using Knihovna::Formatovat;
    const std::wstring pripona = zaznam.format == 0 ? L".avi" : L".wmv";
    const auto& soubor = zaznam.soubor;
    if (zaznam.slozka.empty()) return {};
    std::wstring slozka = zaznam.slozka;
    if (slozka.back() == L'\\' || slozka.back() == L'/') slozka.pop_back();
    switch (soubor.vytvJmena) {
    case 0: {
        if (soubor.jmeno.empty()) return {};
        // The snapshots' numbering, padding and wrapping are the recordings' too.
        const CestaSnimku c = VytvoritCestuSnimku(soubor, citac, slozka, pripona, cas);
        return c.hr == Knihovna::kS_OK ? c.cesta : std::wstring{};
    }
    // Unlike the snapshots' names, the hour is not padded here: 5.12.2026 9-07-03.wmv.
    case 1:
        return Formatovat(L"%s\\%d.%d.%d %d-%.2d-%.2d%s", slozka.c_str(), cas.den, cas.mesic, cas.rok, cas.hodina,
                          cas.minuta, cas.sekunda, pripona.c_str());
    case 2:
        return Formatovat(L"%s\\%d.%d.%d %d-%.2d-%.2d.%d%s", slozka.c_str(), cas.den, cas.mesic, cas.rok, cas.hodina,
                          cas.minuta, cas.sekunda, cas.milisekunda, pripona.c_str());
    default: return {};
    }
}

std::wstring PriponaWmv(std::wstring cesta) {
    const std::size_t n = cesta.size();
    if (n >= 4) {
        const std::wstring_view konec = std::wstring_view(cesta).substr(n - 4);
        if (konec == L".avi") cesta.replace(n - 4, 4, L".wmv");
        else if (konec == L".AVI") cesta.replace(n - 4, 4, L".WMV");
    }
    return cesta;
}

bool JeZaznamKamery(std::wstring_view nazevSouboru, std::wstring_view jmeno) {
    if (jmeno.empty()) return false;
    for (const std::wstring_view pripona : kPriponyZaznamu) {
        if (nazevSouboru.size() == jmeno.size() + pripona.size() &&
            Knihovna::StejneBezVelikosti(nazevSouboru.substr(0, jmeno.size()), jmeno) &&
            Knihovna::StejneBezVelikosti(nazevSouboru.substr(jmeno.size()), pripona))
            return true;
        if (JeCislovanySnimek(nazevSouboru, jmeno, pripona)) return true;
    }
    return false;
}

std::wstring TextDelkyZaznamu(std::uint64_t milisekundy) {
    const std::uint64_t s = milisekundy / 1000;
    const auto h = static_cast<unsigned long long>(s / 3600), m = static_cast<unsigned long long>(s / 60 % 60),
               sek = static_cast<unsigned long long>(s % 60);
    if (h > 0) return Knihovna::Formatovat(L"%llu:%.2llu:%.2llu", h, m, sek);
    return Knihovna::Formatovat(L"%llu:%.2llu", m, sek);
}
