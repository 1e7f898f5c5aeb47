#pragma once

#include <atomic>

namespace Holvent::DirectShow {

// Counts of the live objects the capture code holds, by kind: the leak check the platform's
// handle and GDI counters cannot give under every system.
class ZiveObjekty {
public:
    enum class Druh { RozhraniCom, BitmapaGdiPlus, PrijemceSnimku, Pocet };

    static void Pridat(Druh druh) noexcept { pocty_[Index(druh)].fetch_add(1, std::memory_order_relaxed); }
    static void Odebrat(Druh druh) noexcept { pocty_[Index(druh)].fetch_sub(1, std::memory_order_relaxed); }
    static long Pocet(Druh druh) noexcept { return pocty_[Index(druh)].load(std::memory_order_relaxed); }

private:
    static constexpr int Index(Druh druh) { return static_cast<int>(druh); }
    static inline std::atomic<long> pocty_[static_cast<int>(Druh::Pocet)]{};
};

}  // namespace Holvent::DirectShow
