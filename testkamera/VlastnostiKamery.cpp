#include "testkamera/VlastnostiKamery.h"

namespace TestovaciKamera {

using Knihovna::Hresult;

VlastnostiKamery::VlastnostiKamery(bool sObrazem) {
    const auto pridat = [](auto& tabulka, std::int32_t cislo, RozsahVlastnosti r, std::int32_t priznak) {
        tabulka[static_cast<std::size_t>(cislo)] = Vlastnost{true, r, r.vychozi, priznak};
    };
    constexpr std::int32_t obe = kPriznakAuto | kPriznakRucne;
    if (sObrazem) {
        pridat(obraz_, kJas, {-64, 64, 1, 0, obe}, kPriznakRucne);
        pridat(obraz_, kKontrast, {0, 100, 1, 50, obe}, kPriznakRucne);
        pridat(obraz_, kOdstin, {-180, 180, 1, 0, obe}, kPriznakRucne);
        pridat(obraz_, kSytost, {0, 200, 1, 100, obe}, kPriznakRucne);
        pridat(obraz_, kOstrost, {0, 10, 1, 5, obe}, kPriznakRucne);
    }
    pridat(ovladani_, kZoom, {100, 400, 10, 100, kPriznakRucne}, kPriznakRucne);
    pridat(ovladani_, kOstreni, {0, 250, 5, 125, obe}, kPriznakAuto);
}

const VlastnostiKamery::Vlastnost* VlastnostiKamery::Najit(SkupinaVlastnosti skupina,
                                                           std::int32_t vlastnost) const {
    const Vlastnost* v = nullptr;
    if (skupina == SkupinaVlastnosti::Obraz) {
        if (vlastnost >= 0 && static_cast<std::size_t>(vlastnost) < obraz_.size()) v = &obraz_[vlastnost];
    } else if (vlastnost >= 0 && static_cast<std::size_t>(vlastnost) < ovladani_.size()) {
        v = &ovladani_[vlastnost];
    }
    return v && v->existuje ? v : nullptr;
}

Hresult VlastnostiKamery::Rozsah(SkupinaVlastnosti skupina, std::int32_t vlastnost, RozsahVlastnosti& rozsah) const {
    const Vlastnost* v = Najit(skupina, vlastnost);
    if (!v) return kE_PROP_ID_UNSUPPORTED;
    rozsah = v->rozsah;
    return Knihovna::kS_OK;
}

Hresult VlastnostiKamery::Cist(SkupinaVlastnosti skupina, std::int32_t vlastnost, std::int32_t& hodnota,
                               std::int32_t& priznak) const {
    const Vlastnost* v = Najit(skupina, vlastnost);
    if (!v) return kE_PROP_ID_UNSUPPORTED;
    hodnota = v->hodnota;
    priznak = v->priznak;
    return Knihovna::kS_OK;
}

Hresult VlastnostiKamery::Nastavit(SkupinaVlastnosti skupina, std::int32_t vlastnost, std::int32_t hodnota,
                                   std::int32_t priznak) {
    auto* v = const_cast<Vlastnost*>(Najit(skupina, vlastnost));
    if (!v) return kE_PROP_ID_UNSUPPORTED;
    const RozsahVlastnosti& r = v->rozsah;
    if (priznak != kPriznakAuto && priznak != kPriznakRucne) return Knihovna::kE_INVALIDARG;
    if ((r.priznaky & priznak) == 0) return Knihovna::kE_INVALIDARG;
    if (hodnota < r.min || hodnota > r.max || (hodnota - r.min) % r.krok != 0) return Knihovna::kE_INVALIDARG;
    v->hodnota = hodnota;
    v->priznak = priznak;
    return Knihovna::kS_OK;
}

std::int32_t VlastnostiKamery::Ucinna(SkupinaVlastnosti skupina, std::int32_t vlastnost) const {
    const Vlastnost* v = Najit(skupina, vlastnost);
    if (!v) {
        // A missing property leaves the picture neutral.
        if (skupina == SkupinaVlastnosti::Obraz) {
            switch (vlastnost) {
            case kKontrast: return 50;
            case kSytost: return 100;
            case kOstrost: return 5;
            default: return 0;
            }
        }
        return vlastnost == kZoom ? 100 : 0;
    }
    return v->priznak == kPriznakAuto ? v->rozsah.vychozi : v->hodnota;
}

}  // namespace TestovaciKamera
