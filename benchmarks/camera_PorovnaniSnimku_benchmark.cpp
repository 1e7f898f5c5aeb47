// Motion detection compares a frame on the streaming thread after every timer tick: the fused copy and
// compare of a 1920×1080 frame should cost at most three plain copies of the same bytes (memcpy here). The compare
// with a motion mask may be at most 10 % slower than the one without. Compare one path at a time
// (--benchmark_filter=.../cesta:1): a forced SSE path measured right after the AVX2 one pays for the AVX2 path's
// dirty upper register halves, which a processor that picks the SSE path itself never has.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "camera/MaskaPohybu.h"
#include "camera/PorovnaniSnimku.h"

namespace {

constexpr std::size_t kPixelu = 1920 * 1080;

struct Snimky {
    std::vector<std::uint8_t> snimek, reference, aktualni;
    Snimky() : snimek(kPixelu * 3), reference(kPixelu), aktualni(kPixelu * 3) {
        for (std::size_t i = 0; i < snimek.size(); ++i) snimek[i] = static_cast<std::uint8_t>(i * 7 + i / 5);
        JasSnimku(snimek.data(), reference.data(), kPixelu);
        for (std::size_t i = 0; i < snimek.size(); i += 5) snimek[i] ^= 0x55;
    }
};

void PorovnaniMemcpy(benchmark::State& stav) {
    Snimky s;
    for (auto _ : stav) {
        std::memcpy(s.aktualni.data(), s.snimek.data(), s.snimek.size());
        benchmark::DoNotOptimize(s.aktualni.data());
        benchmark::ClobberMemory();
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * s.snimek.size());
}
BENCHMARK(PorovnaniMemcpy)->Unit(benchmark::kMicrosecond);

void PorovnaniKopirovatAPorovnat(benchmark::State& stav) {
    const auto cesta = static_cast<CestaPorovnani>(stav.range(0));
    if (!CestaDostupna(cesta)) {
        stav.SkipWithError("path not available on this processor");
        return;
    }
    VynutitCestu(cesta);
    Snimky s;
    for (auto _ : stav) {
        auto pocet = KopirovatAPorovnat(s.snimek.data(), s.reference.data(), s.aktualni.data(), kPixelu, 100);
        benchmark::DoNotOptimize(pocet);
        benchmark::ClobberMemory();
    }
    VynutitCestu(std::nullopt);
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * s.snimek.size());
}
BENCHMARK(PorovnaniKopirovatAPorovnat)
    ->ArgName("cesta")
    ->Arg(static_cast<int>(CestaPorovnani::Prosta))
    ->Arg(static_cast<int>(CestaPorovnani::Ssse3))
    ->Arg(static_cast<int>(CestaPorovnani::Avx2))
    ->Unit(benchmark::kMicrosecond);

// A mask as people draw one: a timestamp strip, a tree at the side and a window, partial rows everywhere.
void PorovnaniSMaskou(benchmark::State& stav) {
    const auto cesta = static_cast<CestaPorovnani>(stav.range(0));
    if (!CestaDostupna(cesta)) {
        stav.SkipWithError("path not available on this processor");
        return;
    }
    VynutitCestu(cesta);
    Snimky s;
    MaskaPohybu maska;
    maska.NastavitObdelnik(0, 22, 31, 23, true);  // the clock strip along the bottom
    maska.NastavitObdelnik(0, 0, 5, 15, true);    // a tree on the left
    maska.NastavitObdelnik(20, 4, 27, 9, true);   // a window
    std::vector<std::uint8_t> vzory(1920 * MaskaPohybu::kRadku), vzorRadku(1080);
    VytvoritPropustnost(maska, 1920, 1080, vzory.data(), vzorRadku.data());
    for (auto _ : stav) {
        auto pocet = KopirovatAPorovnatSMaskou(s.snimek.data(), s.reference.data(), s.aktualni.data(), 1920, 1080,
                                               vzory.data(), vzorRadku.data(), 100);
        benchmark::DoNotOptimize(pocet);
        benchmark::ClobberMemory();
    }
    VynutitCestu(std::nullopt);
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * s.snimek.size());
}
BENCHMARK(PorovnaniSMaskou)
    ->ArgName("cesta")
    ->Arg(static_cast<int>(CestaPorovnani::Prosta))
    ->Arg(static_cast<int>(CestaPorovnani::Ssse3))
    ->Arg(static_cast<int>(CestaPorovnani::Avx2))
    ->Unit(benchmark::kMicrosecond);

void PorovnaniJasSnimku(benchmark::State& stav) {
    Snimky s;
    for (auto _ : stav) {
        JasSnimku(s.snimek.data(), s.reference.data(), kPixelu);
        benchmark::DoNotOptimize(s.reference.data());
        benchmark::ClobberMemory();
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * s.snimek.size());
}
BENCHMARK(PorovnaniJasSnimku)->Unit(benchmark::kMicrosecond);

}  // namespace
