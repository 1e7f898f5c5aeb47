// The image editor converts a whole picture to grey or inverts it on its window thread with the camera's pixel
// steps: a 6000 × 4000 (24 Mpx) photo should take at most 100 ms each, so the command feels immediate.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "camera/UpravySnimku.h"

namespace {

ObrazPixelu Fotografie() {
    ObrazPixelu o(6000, 4000, 4);
    for (std::size_t i = 0; i < o.data.size(); ++i)
        o.data[i] = static_cast<std::uint8_t>(i * 13 + i / 7);
    return o;
}

void EditorStupneSede(benchmark::State& stav) {
    auto o = Fotografie();
    for (auto _ : stav) {
        PrevestNaStupneSede(o.Pohled());
        benchmark::DoNotOptimize(o.data.data());
    }
}
BENCHMARK(EditorStupneSede)->Unit(benchmark::kMillisecond);

void EditorInverze(benchmark::State& stav) {
    auto o = Fotografie();
    for (auto _ : stav) {
        InvertovatBarvy(o.Pohled());
        benchmark::DoNotOptimize(o.data.data());
    }
}
BENCHMARK(EditorInverze)->Unit(benchmark::kMillisecond);

}  // namespace
