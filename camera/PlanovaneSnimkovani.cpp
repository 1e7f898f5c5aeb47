#include "camera/PlanovaneSnimkovani.h"

#include "camera/AktivityKamery.h"
#include "camera/ParametryKamery.h"

namespace {

std::int32_t Datum(const Knihovna::MistniCas& cas) {
    return cas.rok * 10000 + cas.mesic * 100 + cas.den;
}

}  // namespace

void PlanovaneSnimkovani::Spustit() {
    denVystreleni_.clear();
    posledniVystreleny_ = 0;
}

std::optional<std::uint32_t> PlanovaneSnimkovani::Zkontrolovat(const std::vector<std::uint32_t>& planovane,
                                                                const Knihovna::MistniCas& ted) {
    const std::int32_t dnes = Datum(ted);
    const int sekundyTed = ted.hodina * 3600 + ted.minuta * 60 + ted.sekunda;
    for (std::uint32_t cas : planovane) {
        // Remembering the day per entry (not only the last one fired) lets a single daily entry
        // fire every day, and keeps an entry from firing again on the later ticks of its window
        // even when another entry fired in between.
        auto nalezeny = denVystreleni_.find(cas);
        if (nalezeny != denVystreleni_.end() && nalezeny->second == dnes) continue;
        const int sekundyCasu = static_cast<int>(HodinaCasu(cas) * 3600 + MinutaCasu(cas) * 60 + SekundaCasu(cas));
        const int d = sekundyCasu - sekundyTed;
        if (d < -kTolerancePlanu || d > kTolerancePlanu) continue;
        denVystreleni_[cas] = dnes;
        posledniVystreleny_ = cas;
        return cas;
    }
    return std::nullopt;
}

std::vector<std::uint32_t> PrikazyNaplanovanehoSnimku(std::uint32_t parametry) {
    std::vector<std::uint32_t> prikazy;
    if (parametry & 1) prikazy.push_back(PrikazyKamery::kSnimek);
    if (parametry & 2) prikazy.push_back(PrikazyKamery::kSnimekFtp);
    if (parametry & 4) prikazy.push_back(PrikazyKamery::kSnimekEmail);
    return prikazy;
}
