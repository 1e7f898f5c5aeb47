#include "app/StrankaHorkychKlaves.h"

std::uint32_t StrankaHorkychKlaves::ModifikatoryZPriznaku(std::uint8_t priznaky) {
    std::uint32_t m = 0;
    if (priznaky & kPriznakShift) m |= kModShift;
    if (priznaky & kPriznakCtrl) m |= kModCtrl;
    if (priznaky & kPriznakAlt) m |= kModAlt;
    return m;  // the extended-key flag has no modifier
}

std::uint8_t StrankaHorkychKlaves::PriznakyZModifikatoru(std::uint32_t modifikatory) {
    std::uint8_t p = 0;
    if (modifikatory & kModShift) p |= kPriznakShift;
    if (modifikatory & kModCtrl) p |= kPriznakCtrl;
    if (modifikatory & kModAlt) p |= kPriznakAlt;
    return p;
}

std::wstring StrankaHorkychKlaves::TextPolozky(const std::wstring& popisPrikazu) {
    const std::size_t konec = popisPrikazu.find_first_of(L"\r\n");
    return konec == std::wstring::npos ? popisPrikazu : popisPrikazu.substr(0, konec);
}

std::vector<std::size_t> StrankaHorkychKlaves::Polozky(std::uint32_t skupina) const {
    std::vector<std::size_t> indexy;
    const auto& polozky = klavesy_.Polozky();
    for (std::size_t i = 0; i < polozky.size(); ++i)
        if (skupina == kVsechnySkupiny || polozky[i].idSkupiny == skupina) indexy.push_back(i);
    return indexy;
}

StrankaHorkychKlaves::Vysledek StrankaHorkychKlaves::Nastavit(std::size_t index, std::uint8_t priznaky,
                                                              std::uint32_t klavesa) {
    auto& polozky = klavesy_.Polozky();
    if (index >= polozky.size()) return Vysledek::NeplatnaPolozka;
    // Without a key there is nothing to collide with: every unassigned entry has key 0.
    if (klavesa == 0) return Vymazat(index);
    const std::uint32_t modifikatory = ModifikatoryZPriznaku(priznaky);
    if (klavesy_.NajitKombinaci(modifikatory, klavesa)) return Vysledek::JizPouzita;
    polozky[index].modifikatory = modifikatory;
    polozky[index].klavesa = klavesa;
    return Vysledek::Nastaveno;
}

StrankaHorkychKlaves::Vysledek StrankaHorkychKlaves::Vymazat(std::size_t index) {
    auto& polozky = klavesy_.Polozky();
    if (index >= polozky.size()) return Vysledek::NeplatnaPolozka;
    polozky[index].modifikatory = 0;
    polozky[index].klavesa = 0;
    return Vysledek::Nastaveno;
}
