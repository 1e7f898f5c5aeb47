#include "camera/CasyAkciPohybu.h"

std::vector<AkcePohybu> CasyAkciPohybu::Vyhodnotit(const ParametryKamery::DetekcePohybu& nastaveni,
                                                   std::uint32_t ted,
                                                   const std::function<bool(std::uint32_t)>& dostupne) {
    struct Akce {
        bool aktivni;
        std::uint32_t minInterval;
        AkcePohybu akce;
    };
    const Akce akce[4] = {{nastaveni.disk.aktivni, nastaveni.disk.minInterval, {40046, 0}},
                          {nastaveni.email.aktivni, nastaveni.email.minInterval, {40053, 0}},
                          {nastaveni.ftp.aktivni, nastaveni.ftp.minInterval, {40052, 0}},
                          {nastaveni.video.aktivni, nastaveni.video.minInterval, {40055, 1}}};
    std::vector<AkcePohybu> vysledek;
    for (int i = 0; i < 4; ++i) {
        if (!akce[i].aktivni) continue;
        if (dostupne && !dostupne(akce[i].akce.prikaz)) continue;
        // The unsigned difference survives the wrap of the tick after 49.7 days; the least interval in
        // 64 bits, so a huge setting in seconds does not wrap either.
        const std::uint32_t uplynulo = ted - posledni_[i];
        if (posledni_[i] != kNikdy && uplynulo < std::uint64_t{akce[i].minInterval} * 1000u) continue;
        posledni_[i] = ted;
        vysledek.push_back(akce[i].akce);
    }
    return vysledek;
}

void CasyAkciPohybu::Resetovat() {
    for (auto& p : posledni_) p = kNikdy;
}

std::uint32_t CasyAkciPohybu::Posledni(int index) const {
    return index >= 0 && index < 4 ? posledni_[index] : kNikdy;
}
