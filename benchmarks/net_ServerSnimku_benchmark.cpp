#include <benchmark/benchmark.h>

#include <string>

#include "net/ServerSnimku.h"

using namespace Holvent::Server;

namespace {

// What a current browser sends for the snapshot (about 600 bytes).
std::string HlavaProhlizece() {
    return "GET / HTTP/1.1\r\n"
           "Host: 192.168.1.20:7124\r\n"
           "Connection: keep-alive\r\n"
           "Cache-Control: max-age=0\r\n"
           "sec-ch-ua: \"Chromium\";v=\"120\", \"Not?A_Brand\";v=\"8\"\r\n"
           "sec-ch-ua-mobile: ?0\r\n"
           "sec-ch-ua-platform: \"Linux\"\r\n"
           "Upgrade-Insecure-Requests: 1\r\n"
           "User-Agent: Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 (KHTML, like Gecko) "
           "Chrome/120.0.0.0 Safari/537.36\r\n"
           "Accept: text/html,application/xhtml+xml,application/xml;q=0.9,image/avif,image/webp,image/apng,"
           "*/*;q=0.8,application/signed-exchange;v=b3;q=0.7\r\n"
           "Sec-Fetch-Site: none\r\n"
           "Sec-Fetch-Mode: navigate\r\n"
           "Sec-Fetch-User: ?1\r\n"
           "Sec-Fetch-Dest: document\r\n"
           "Accept-Encoding: gzip, deflate\r\n"
           "Accept-Language: cs-CZ,cs;q=0.9,en;q=0.8\r\n\r\n";
}

// The worst a head within the limit can do: the most header lines, then a wrong password, with one set.
std::string HlavaNepritele() {
    std::string h = "GET /mjpeg?" + std::string(200, 'q') + " HTTP/1.1\r\n";
    const std::string konec = "Authorization: Basic dTp6bHV0b3VjaWt5\r\n\r\n";
    while (h.size() + 5 + konec.size() <= kMaxHlava) h += "A:b\r\n";
    return h + konec;
}

void Klasifikovat(benchmark::State& stav, const std::string& hlava, std::size_t kus, const wchar_t* heslo) {
    Pozadavek p = Pozadavek::Nerozhodnuto;
    for (auto _ : stav) {
        SpojeniServeru s(heslo, 0);
        for (std::size_t i = 0; i < hlava.size(); i += kus) p = s.Prijmout(std::string_view(hlava).substr(i, kus), 1);
        benchmark::DoNotOptimize(p);
    }
    if (p == Pozadavek::Nerozhodnuto || p == Pozadavek::Zavrit) stav.SkipWithError("head not classified");
    stav.SetBytesProcessed(static_cast<std::int64_t>(stav.iterations() * hlava.size()));
}

void HlavaProhlizeceVcelku(benchmark::State& stav) {
    const std::string h = HlavaProhlizece();
    Klasifikovat(stav, h, h.size(), L"");
}
BENCHMARK(HlavaProhlizeceVcelku);

void HlavaNeprateleVKusech(benchmark::State& stav) {
    Klasifikovat(stav, HlavaNepritele(), static_cast<std::size_t>(stav.range(0)), L"žluťoučký");
}
BENCHMARK(HlavaNeprateleVKusech)->Arg(1)->Arg(1460);

}  // namespace
