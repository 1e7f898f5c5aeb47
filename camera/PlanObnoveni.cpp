#include "camera/PlanObnoveni.h"

#include <algorithm>

std::uint32_t IntervalObnoveni(std::uint32_t intervalSekund, std::uint32_t pokus) {
    std::uint64_t interval = std::clamp<std::uint32_t>(intervalSekund, 1, kNejdelsiIntervalObnoveni);
    // A device that does not come back within a few attempts is not hammered every few seconds for days.
    for (std::uint32_t i = kPokusuNaInterval; i <= pokus && interval < kNejdelsiIntervalObnoveni; i += kPokusuNaInterval)
        interval *= 2;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(interval, kNejdelsiIntervalObnoveni));
}

void HlidacSnimku::Zacit(std::uint64_t pocetSnimku, std::uint32_t ted) {
    pocetPriZacatku_ = posledniPocet_ = pocetSnimku;
    posledniZmena_ = ted;
}

bool HlidacSnimku::Ztrata(std::uint32_t limitSekund, std::uint64_t pocetSnimku, std::uint32_t ted) {
    if (pocetSnimku != posledniPocet_) {
        posledniPocet_ = pocetSnimku;
        posledniZmena_ = ted;
        return false;
    }
    return limitSekund != 0 && static_cast<std::uint64_t>(ted - posledniZmena_) >= limitSekund * 1000ULL;
}

std::optional<InfoZarizeni> NajitZarizeniZnovu(const SeznamZarizeni& seznam, const InfoZarizeni& ztracene,
                                               const PorovnaniNazvu& porovnani) {
    if (!ztracene.devicePath.empty())
        for (const InfoZarizeni& z : seznam)
            if (porovnani(z.devicePath, ztracene.devicePath) == 0) return z;
    if (!ztracene.friendlyName.empty())
        for (const InfoZarizeni& z : seznam)
            if (porovnani(z.friendlyName, ztracene.friendlyName) == 0) return z;
    return std::nullopt;
}

std::vector<std::uint32_t> PrikazyZastaveni(const BeziciAktivity& bezi) {
    namespace P = PrikazyKamery;
    std::vector<std::uint32_t> prikazy;
    if (bezi.detekce) prikazy.push_back(P::kDetekce);
    if (bezi.snimkyDisk) prikazy.push_back(P::kSnimkyDisk);
    if (bezi.planovane) prikazy.push_back(P::kPlanovane);
    if (bezi.snimkyEmail) prikazy.push_back(P::kSnimkyEmail);
    if (bezi.snimkyFtp) prikazy.push_back(P::kSnimkyFtp);
    return prikazy;
}

std::vector<PrikazPoSpusteni> PrikazyObnoveni(const BeziciAktivity& pred, const BeziciAktivity& ted) {
    namespace P = PrikazyKamery;
    std::vector<PrikazPoSpusteni> prikazy;
    const auto pridat = [&](bool predtim, bool nyni, std::uint32_t prikaz) {
        if (predtim && !nyni) prikazy.push_back({prikaz, 0});
    };
    pridat(pred.snimkyFtp, ted.snimkyFtp, P::kSnimkyFtp);
    pridat(pred.snimkyEmail, ted.snimkyEmail, P::kSnimkyEmail);
    pridat(pred.snimkyDisk, ted.snimkyDisk, P::kSnimkyDisk);
    pridat(pred.planovane, ted.planovane, P::kPlanovane);
    pridat(pred.detekce, ted.detekce, P::kDetekce);
    pridat(pred.zaznamRucne, ted.zaznamRucne, P::kZaznamStart);
    return prikazy;
}
