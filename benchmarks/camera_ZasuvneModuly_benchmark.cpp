// A live plug-in runs on the plug-in thread on a copy of each frame: with one no-op plug-in the hand-over
// (copy in, wake the thread, wait, copy back) of a 1920×1080 BGR24 frame should cost at most three plain
// copies of the same bytes (memcpy here). Without a live plug-in the camera makes no copy at all.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "camera/VlaknoZasuvnehoModulu.h"

namespace {

constexpr std::size_t kBajtu = 1920 * 1080 * 3;

std::vector<std::uint8_t> Snimek() {
    std::vector<std::uint8_t> s(kBajtu);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] = static_cast<std::uint8_t>(i * 7 + i / 5);
    return s;
}

void ZasuvneModulyMemcpy(benchmark::State& stav) {
    const auto snimek = Snimek();
    std::vector<std::uint8_t> kopie(kBajtu);
    for (auto _ : stav) {
        std::memcpy(kopie.data(), snimek.data(), kBajtu);
        benchmark::DoNotOptimize(kopie.data());
        benchmark::ClobberMemory();
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * kBajtu);
}
BENCHMARK(ZasuvneModulyMemcpy)->Unit(benchmark::kMicrosecond);

void ZasuvneModulyPrazdnyZivyModul(benchmark::State& stav) {
    auto snimek = Snimek();
    VlaknoZasuvnehoModulu vlakno;
    for (auto _ : stav) {
        const auto r = vlakno.Zavolat([](std::uint8_t*, std::size_t) { return 0u; }, snimek.data(), kBajtu,
                                      VlaknoZasuvnehoModulu::kLimitZivehoObrazu);
        if (r.konec != VlaknoZasuvnehoModulu::Konec::Dobehlo) stav.SkipWithError("the call did not end in time");
        benchmark::ClobberMemory();
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * kBajtu);
}
BENCHMARK(ZasuvneModulyPrazdnyZivyModul)->Unit(benchmark::kMicrosecond);

}  // namespace
