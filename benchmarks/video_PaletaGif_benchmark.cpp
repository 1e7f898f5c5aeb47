// A GIF snapshot maps every pixel onto the fixed palette on the camera's UI thread: a 1920×1080
// frame should take well under the 33 ms of one frame, so saving a GIF is no noticeable pause; the image editor
// saves a 6000×4000 photo as GIF through the same step within a second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "video/PaletaGif.h"

namespace {

void PrevodSnimku(benchmark::State& stav) {
    const int sirka = static_cast<int>(stav.range(0)), vyska = static_cast<int>(stav.range(1));
    std::vector<std::uint8_t> pixely(static_cast<size_t>(sirka) * vyska * 3);
    for (size_t i = 0; i < pixely.size(); ++i) pixely[i] = static_cast<std::uint8_t>(i * 7 + i / 5);
    std::vector<std::uint8_t> indexy(static_cast<size_t>(sirka));
    const Holvent::GdiPlus::PaletaGif paleta;
    for (auto _ : stav) {
        for (int y = 0; y < vyska; ++y)
            paleta.PrevestRadek(pixely.data() + static_cast<size_t>(y) * sirka * 3, 3, indexy.data(), sirka);
        benchmark::DoNotOptimize(indexy.data());
    }
}
BENCHMARK(PrevodSnimku)->Args({1920, 1080})->Args({6000, 4000})->Unit(benchmark::kMillisecond);

}  // namespace
