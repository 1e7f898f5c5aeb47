#include "video/EvidenceZapisu.h"

#include <algorithm>

#include "video/RozhraniZaznamu.h"

namespace Holvent::DirectShow {

EvidenceZapisu::Plan EvidenceZapisu::Pripravit(std::uint64_t pozice, std::uint32_t) noexcept {
    Plan plan;
    // The multiplexer writes its header only at the stop: a file of a killed process would start
    // with a hole. Its first write beyond the start is where the data begins.
    if (nicNezapsano_) {
        nicNezapsano_ = false;
        plan.prozatimniHlavicka = pozice > 0;
    }
    plan.zjistitMisto = !mistoZnamo_ || zapsano_ - zapsanoPriKontrole_ >= kKrokKontrolyMista;
    return plan;
}

void EvidenceZapisu::NastavitVolneMisto(std::uint64_t volnychBajtu) noexcept {
    volneMisto_ = volnychBajtu;
    zapsanoPriKontrole_ = zapsano_;
    mistoZnamo_ = true;
}

bool EvidenceZapisu::Povolit(std::uint64_t delka) const noexcept {
    if (zastavovani_.load(std::memory_order_relaxed) || !mistoZnamo_) return true;
    const std::uint64_t odhad = volneMisto_ - std::min(volneMisto_, zapsano_ - zapsanoPriKontrole_);
    return odhad >= delka && odhad - delka >= RezervaDisku(zapsano_ + delka);
}

void EvidenceZapisu::Zapsano(std::uint64_t pozice, std::uint64_t delka) noexcept {
    nicNezapsano_ = false;
    zapsano_ += delka;
    if (pozice + delka > velikost_.load(std::memory_order_relaxed))
        velikost_.store(pozice + delka, std::memory_order_relaxed);
}

bool EvidenceZapisu::PrvniOdmitnuti() noexcept {
    if (odmitnuto_) return false;
    odmitnuto_ = true;
    return true;
}

}  // namespace Holvent::DirectShow
