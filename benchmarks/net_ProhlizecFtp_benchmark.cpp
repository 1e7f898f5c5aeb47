// A camera's FTP folder easily holds 10,000 snapshots: filtering a listing of that size and sorting it for the tree
// and the list should take at most 10 ms, so a folder opens without a visible pause after its last batch.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "net/ProhlizecFtp.h"

namespace {

using namespace Holvent::Ftp;

std::vector<PolozkaFtp> Vypis() {
    std::vector<PolozkaFtp> v;
    for (int i = 0; i < 10'000; ++i) {
        // Unsorted names as a server gives them: snapshots, recordings, a few folders and other files.
        const int n = (i * 7919) % 10'000;
        std::wstring jmeno = (i % 2 ? L"Kamera_" : L"snimek_") + std::to_wstring(n);
        jmeno += i % 50 == 0 ? L"" : i % 10 == 0 ? L".AVI" : i % 13 == 0 ? L".txt" : L".jpg";
        v.push_back({jmeno, i % 50 == 0, static_cast<std::uint64_t>(n) * 1000});
    }
    return v;
}

void FiltrASerazeniVypisu(benchmark::State& stav) {
    const auto vypis = Vypis();
    for (auto _ : stav) {
        DavkyVypisuFtp davky(3);
        for (const auto& p : vypis)
            davky.Pridat(p);
        std::vector<PolozkaFtp> slozky, soubory;
        davky.Vzit(slozky, soubory);
        SeraditPolozky(slozky);
        SeraditPolozky(soubory);
        benchmark::DoNotOptimize(soubory.data());
    }
}
BENCHMARK(FiltrASerazeniVypisu)->Unit(benchmark::kMillisecond);

}  // namespace
