#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "email/Base64.h"
#include "email/Zprava.h"
#include "knihovna/Hodiny.h"

using namespace Holvent::Email;

namespace {

std::string Data(std::size_t velikost) {
    std::string data(velikost, '\0');
    std::uint32_t x = 12345;
    for (char& c : data) {
        x = x * 1103515245u + 12345u;
        c = static_cast<char>(x >> 24);
    }
    return data;
}

// Base64 of a snapshot-sized buffer, with the buffers reused between calls.
void Base64Kodovani(benchmark::State& stav) {
    const std::string data = Data(static_cast<std::size_t>(stav.range(0)));
    Base64 b;
    for (auto _ : stav) {
        b.Encode(reinterpret_cast<const std::uint8_t*>(data.data()), static_cast<std::uint32_t>(data.size()));
        benchmark::DoNotOptimize(b.EncodedText());
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * stav.range(0));
}
BENCHMARK(Base64Kodovani)->Arg(64 << 10)->Arg(1 << 20);

void Base64Dekodovani(benchmark::State& stav) {
    const std::string data = Data(static_cast<std::size_t>(stav.range(0)));
    Base64 b;
    b.Encode(reinterpret_cast<const std::uint8_t*>(data.data()), static_cast<std::uint32_t>(data.size()));
    const std::string text(b.EncodedText(), b.TextLength());
    for (auto _ : stav) {
        b.Decode(reinterpret_cast<const std::uint8_t*>(text.data()), static_cast<std::uint32_t>(text.size()));
        benchmark::DoNotOptimize(b.DecodedData());
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * stav.range(0));
}
BENCHMARK(Base64Dekodovani)->Arg(1 << 20);

// A whole message with a text part and snapshot attachments, as one dispatch composes it.
void SlozeniZpravy(benchmark::State& stav) {
    const auto slozka = std::filesystem::current_path() / "email_benchmark";
    std::filesystem::create_directories(slozka);
    const int pocet = static_cast<int>(stav.range(0));
    const std::string snimek = Data(200 << 10);
    Knihovna::HodinySystemove hodiny;
    Zprava zprava(hodiny);
    zprava.senderAddress = L"kamera@example.com";
    zprava.recipientAddress = L"prijemce@example.com";
    zprava.subject = L"Snímek z webkamery";
    CastZpravy cast;
    cast.contentType = L"text/html";
    cast.text = L"<h1>Tervik</h1><p>Snímek z kamery u vchodu.</p>";
    zprava.bodyParts.push_back(cast);
    for (int i = 0; i < pocet; ++i) {
        const auto cesta = slozka / ("snimek" + std::to_string(i) + ".jpg");
        std::ofstream(cesta, std::ios::binary) << snimek;
        Priloha priloha;
        priloha.path = cesta.wstring();
        zprava.attachments.push_back(priloha);
    }
    std::string vystup;
    for (auto _ : stav) {
        zprava.Compose(vystup);
        benchmark::DoNotOptimize(vystup.data());
    }
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations()) * pocet * static_cast<std::int64_t>(snimek.size()));
    std::filesystem::remove_all(slozka);
}
BENCHMARK(SlozeniZpravy)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond);

}  // namespace
