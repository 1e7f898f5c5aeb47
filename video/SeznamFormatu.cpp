#include "video/SeznamFormatu.h"

#include <algorithm>

#include "video/ZdrojFormatu.h"

namespace Holvent::DirectShow {

bool SeznamFormatu::Pridat(const FormatVidea& format) {
    const bool uzJe = std::any_of(formaty_.begin(), formaty_.end(), [&](const FormatVidea& f) {
        return f.sirka == format.sirka && f.vyska == format.vyska && f.minInterval == format.minInterval;
    });
    if (uzJe) return false;
    formaty_.push_back(format);
    return true;
}

void SeznamFormatu::Seradit() {
    std::sort(formaty_.begin(), formaty_.end(), [](const FormatVidea& a, const FormatVidea& b) {
        return a.sirka != b.sirka ? a.sirka < b.sirka : a.vyska < b.vyska;
    });
}

int SeznamFormatu::Nacist(ZdrojFormatu& zdroj) {
    formaty_.clear();
    zdroj.Zastavit();
    int pocet = 0;
    int velikost = 0;
    const Knihovna::Hresult hr = zdroj.PocetSchopnosti(pocet, velikost);
    if (Knihovna::Selhalo(hr)) {
        // The graph must not stay stopped because the device could not count its formats.
        zdroj.Spustit();
        Knihovna::Vyhodit(hr);
    }
    if (velikost != kVelikostSchopnosti) {
        zdroj.Spustit();
        return 1;
    }
    for (int i = 0; i < pocet; ++i) {
        FormatVidea format;
        if (zdroj.Schopnost(i, format)) Pridat(format);
    }
    zdroj.Spustit();
    return 0;
}

}  // namespace Holvent::DirectShow
