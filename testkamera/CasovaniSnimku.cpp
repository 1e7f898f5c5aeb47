#include "testkamera/CasovaniSnimku.h"

namespace TestovaciKamera {

int CasovaniSnimku::Snimek(Cas100ns ted) {
    dalsi_ += interval_;
    if (dalsi_ >= ted) return 0;
    // More than a whole interval late (a blocked downstream filter, a loaded machine): the frames
    // that fell due meanwhile are skipped, so a stall is never followed by a burst.
    const Cas100ns zpozdeni = ted - dalsi_;
    const auto vynechano = static_cast<int>((zpozdeni - 1) / interval_) + 1;
    dalsi_ += static_cast<Cas100ns>(vynechano) * interval_;
    return vynechano;
}

}  // namespace TestovaciKamera
