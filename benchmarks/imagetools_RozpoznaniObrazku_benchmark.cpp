// Opening a picture recognises its header before decoding: for a 12 MB camera JPEG with a full Exif block this
// should stay far below 20 µs, so the check costs nothing next to reading the file.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "imagetools/RozpoznaniObrazku.h"

namespace {

std::vector<std::uint8_t> VelkyJpeg() {
    std::vector<std::uint8_t> b{0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
    for (int blok = 0; blok < 2; ++blok) {  // two full 64 KB application blocks (Exif, thumbnail)
        b.insert(b.end(), {0xFF, std::uint8_t(0xE1 + blok), 0xFF, 0xFF});
        b.resize(b.size() + 0xFFFD, 0x20);
    }
    for (int t = 0; t < 4; ++t) {  // quantisation and Huffman tables
        b.insert(b.end(), {0xFF, 0xDB, 0, 67});
        b.resize(b.size() + 65, 0x10);
    }
    b.insert(b.end(), {0xFF, 0xC0, 0, 17, 8, 0x0B, 0xB8, 0x0F, 0xA0, 3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1});
    b.resize(12u * 1024 * 1024, 0x5A);
    return b;
}

void HlavickaVelkehoJpeg(benchmark::State& stav) {
    const auto data = VelkyJpeg();
    for (auto _ : stav) {
        auto r = Holvent::Obrazky::RozpoznatObrazek(data.data(), data.size());
        benchmark::DoNotOptimize(r);
    }
}
BENCHMARK(HlavickaVelkehoJpeg)->Unit(benchmark::kMicrosecond);

}  // namespace
