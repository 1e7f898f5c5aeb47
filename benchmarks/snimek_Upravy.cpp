// The processing of a snapshot runs on the camera's UI thread between grabbing and saving: for a
// 1920×1080 frame the pixel steps together should stay well below one frame time (33 ms).
#include <benchmark/benchmark.h>

#include <cstdint>

#include "camera/RozmisteniSnimku.h"
#include "camera/UpravySnimku.h"

namespace {

constexpr int kSirka = 1920, kVyska = 1080;

ObrazPixelu Snimek() {
    ObrazPixelu o(kSirka, kVyska, 4);
    for (std::size_t i = 0; i < o.data.size(); ++i) o.data[i] = static_cast<std::uint8_t>(i * 7 + i / 5);
    return o;
}

void StupneSede(benchmark::State& stav) {
    auto o = Snimek();
    for (auto _ : stav) {
        PrevestNaStupneSede(o.Pohled());
        benchmark::DoNotOptimize(o.data.data());
    }
}
BENCHMARK(StupneSede)->Unit(benchmark::kMillisecond);

void Inverze(benchmark::State& stav) {
    auto o = Snimek();
    for (auto _ : stav) {
        InvertovatBarvy(o.Pohled());
        benchmark::DoNotOptimize(o.data.data());
    }
}
BENCHMARK(Inverze)->Unit(benchmark::kMillisecond);

// A logo of a quarter of the frame prepared with opacity and a colour key and placed bottom right
// (the platform draws it).
void Prekryv(benchmark::State& stav) {
    ObrazPixelu logo(kSirka / 2, kVyska / 2, 4);
    for (std::size_t i = 0; i < logo.data.size(); ++i) logo.data[i] = static_cast<std::uint8_t>(i % 3 ? 255 : i);
    for (auto _ : stav) {
        auto kopie = logo;
        PripravitPrekryv(kopie.Pohled(), 128, 0xFFFFFF);
        benchmark::DoNotOptimize(UmisteniPrekryvu(23, kSirka, kVyska, kopie.sirka, kopie.vyska));
        benchmark::DoNotOptimize(kopie.data.data());
    }
}
BENCHMARK(Prekryv)->Unit(benchmark::kMillisecond);

}  // namespace
