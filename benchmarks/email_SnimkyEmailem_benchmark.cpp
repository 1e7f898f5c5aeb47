// A message of 100 snapshots of 200 KB is composed on the dispatch worker before the DATA command (the server
// waits meanwhile): the list of attachments and Compose together should run at 300 MB/s or more of snapshot
// bytes. A memcpy of the same bytes stands beside it as the machine's yardstick.
#include <benchmark/benchmark.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "email/OdeslaniEmailu.h"
#include "email/SouboryEmailu.h"

namespace {

constexpr int kPocet = 100;
constexpr std::size_t kVelikost = 200 * 1024;

struct Snimky {
    std::filesystem::path koren;
    std::wstring slozka;
    Snimky() {
        koren = std::filesystem::temp_directory_path() / "tervik_benchmark_emailu";
        std::filesystem::create_directories(koren);
        slozka = (koren / "d").wstring();
        std::string bajty(kVelikost, '\0');
        // JPEG-like bytes: no text, so that they go out in base64 as a snapshot does.
        for (std::size_t i = 0; i < bajty.size(); ++i) bajty[i] = static_cast<char>((i * 2654435761u) >> 13);
        for (int i = 1; i <= kPocet; ++i)
            std::ofstream(std::filesystem::path(Holvent::Email::SouborEmailu(slozka, L"Cam", i, kPocet, L".jpg")),
                          std::ios::binary) << bajty;
    }
    ~Snimky() { std::filesystem::remove_all(koren); }
};

void ZpravaSnimku(benchmark::State& stav) {
    Snimky snimky;
    Holvent::Email::UlohaEmailu uloha;
    uloha.ucet.email = L"kamera@example.cz";
    uloha.prijemce = L"prijemce@example.cz";
    uloha.predmet = L"Snimek";
    uloha.text = L"<h1>Tervik</h1>";
    std::string text;
    for (auto _ : stav) {
        uloha.prilohy = Holvent::Email::PrilohyEmailu(snimky.slozka, L"Cam", kPocet, L".jpg", L"");
        Holvent::Email::Zprava zprava;
        Holvent::Email::SestavitZpravu(uloha, zprava);
        zprava.Compose(text);
        benchmark::DoNotOptimize(text.data());
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * kPocet * kVelikost);
}
BENCHMARK(ZpravaSnimku)->Unit(benchmark::kMillisecond)->UseRealTime();

void KopieBajtu(benchmark::State& stav) {
    std::vector<char> zdroj(kPocet * kVelikost, 'x'), cil(kPocet * kVelikost);
    for (auto _ : stav) {
        std::memcpy(cil.data(), zdroj.data(), zdroj.size());
        benchmark::DoNotOptimize(cil.data());
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * kPocet * kVelikost);
}
BENCHMARK(KopieBajtu)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
