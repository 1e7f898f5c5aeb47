#include "app/DrzeneHorkeKlavesy.h"

int DrzeneHorkeKlavesy::Registrovat(const SeznamHorkychKlaves& tabulka, const Akce& zaregistrovat) {
    if (registrovano_) return 0;
    int selhani = 0;
    drzene_.clear();
    for (const auto& k : tabulka.Polozky()) {
        if (k.klavesa == 0) continue;
        if (zaregistrovat(k))
            drzene_.push_back(k);
        else
            ++selhani;
    }
    registrovano_ = true;
    return selhani;
}

int DrzeneHorkeKlavesy::Odregistrovat(const Akce& odregistrovat) {
    if (!registrovano_) return 0;
    // Only the keys this window got: one that another program holds was never ours, and asking the
    // system to release it would only add a second warning for the same key.
    int selhani = 0;
    for (const auto& k : drzene_)
        if (!odregistrovat(k)) ++selhani;
    drzene_.clear();
    registrovano_ = false;
    return selhani;
}

std::wstring DrzeneHorkeKlavesy::Hlaseni(const std::wstring& vzor, int pocet) {
    if (pocet <= 0) return {};
    const std::wstring cislo = std::to_wstring(pocet);
    const auto misto = vzor.find(L"%d");
    if (misto == std::wstring::npos) return cislo + L" " + vzor;
    std::wstring text = vzor;
    text.replace(misto, 2, cislo);
    return text;
}
