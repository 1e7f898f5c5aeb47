// The test camera draws every frame on its streaming thread: a 1920×1080 frame must take well
// under 33 ms (30 frames/s), including the image properties and zoom.
#include <benchmark/benchmark.h>

#include <vector>

#include "testkamera/FormatKamery.h"
#include "testkamera/VzorKamery.h"

using namespace TestovaciKamera;

namespace {

void Snimek1080(benchmark::State& stav, StavSnimku nastaveni) {
    VzorKamery vzor;
    std::vector<std::uint8_t> obraz(VelikostObrazu(1920, 1080));
    for (auto _ : stav) {
        ++nastaveni.cislo;
        vzor.Vykreslit(obraz.data(), 1920, 1080, nastaveni);
        benchmark::DoNotOptimize(obraz.data());
    }
}

StavSnimku Upraveny() {
    StavSnimku s;
    s.jas = 20;
    s.kontrast = 60;
    s.odstin = 30;
    s.sytost = 120;
    s.ostrost = 8;
    s.zoom = 150;
    return s;
}

}  // namespace

BENCHMARK_CAPTURE(Snimek1080, StatickaScena, StavSnimku{})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Snimek1080, Pohyb, StavSnimku{.scena = 1})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Snimek1080, VsechnyUpravy, Upraveny())->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Snimek1080, Jas, StavSnimku{.jas = 20})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Snimek1080, Odstin, StavSnimku{.odstin = 30})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Snimek1080, Ostrost, StavSnimku{.ostrost = 8})->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Snimek1080, Zoom, StavSnimku{.zoom = 150})->Unit(benchmark::kMillisecond);
