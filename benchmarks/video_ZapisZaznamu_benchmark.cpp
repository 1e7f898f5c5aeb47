// The file sink's bookkeeping runs on the streaming thread for every sample the multiplexer
// delivers: for a 1080p RGB24 frame (about 6 MiB in 64 KiB samples) it must stay far below 1 µs, so
// the write itself is all the sink costs.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "video/EvidenceZapisu.h"

namespace {

void EvidenceSnimku1080p(benchmark::State& stav) {
    constexpr std::uint64_t kSnimek = 1920ull * 1080 * 3;
    constexpr std::uint32_t kVzorek = 65536;
    Holvent::DirectShow::EvidenceZapisu evidence;
    std::uint64_t pozice = 64556;
    for (auto _ : stav) {
        for (std::uint64_t zbyva = kSnimek; zbyva > 0;) {
            const auto delka = static_cast<std::uint32_t>(zbyva < kVzorek ? zbyva : kVzorek);
            const auto plan = evidence.Pripravit(pozice, delka);
            if (plan.zjistitMisto) evidence.NastavitVolneMisto(std::uint64_t{1} << 40);
            if (evidence.Povolit(delka)) evidence.Zapsano(pozice, delka);
            pozice += delka;
            zbyva -= delka;
        }
        benchmark::DoNotOptimize(evidence.Velikost());
    }
}
BENCHMARK(EvidenceSnimku1080p)->Unit(benchmark::kNanosecond);

}  // namespace
