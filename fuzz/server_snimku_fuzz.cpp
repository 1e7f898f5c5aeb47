// The snapshot server's reading of one connection: the request line, the headers with Basic authentication and
// the path, fed in pieces the input chooses with the clock advanced between them. Whatever comes, the state is
// decided within its bounds: at once the same as with the whole head in one piece, a head over kMaxHlava is
// refused, and the time limits decide a connection that stays silent.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "Overeni.h"
#include "net/ServerSnimku.h"

using namespace Holvent::Server;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    const std::uint8_t volby = f.ConsumeIntegral<std::uint8_t>();
    const std::wstring heslo = (volby & 1) ? L"tajné:heslo" : L"";
    const std::uint32_t zacatek = f.ConsumeIntegral<std::uint32_t>();  // any tick count, the clock wraps
    std::vector<std::pair<std::size_t, std::uint32_t>> kusy;           // piece length, ms before it
    const std::size_t pocetKusu = f.ConsumeIntegralInRange<std::size_t>(1, 16);
    for (std::size_t i = 0; i < pocetKusu; ++i)
        kusy.emplace_back(f.ConsumeIntegralInRange<std::size_t>(0, 4096), f.ConsumeIntegralInRange<std::uint32_t>(0, 700));
    std::string bajty = f.ConsumeRemainingBytesAsString();
    // Long heads without the cost of long inputs: the bytes repeated up to a size chosen by the options.
    if ((volby & 6) == 6 && !bajty.empty()) {
        const std::size_t cil = kMaxHlava - 64 + (volby >> 3) * 8;
        while (bajty.size() < cil) bajty += bajty.substr(0, cil - bajty.size());
    }

    // The reference: everything at once, at the moment of acceptance.
    SpojeniServeru naraz(heslo, zacatek);
    const Pozadavek celkem = naraz.Prijmout(bajty, zacatek);
    if (bajty.size() > kMaxHlava) OVERIT(celkem != Pozadavek::Nerozhodnuto);
    if (celkem == Pozadavek::Nerozhodnuto) OVERIT(bajty.find('\n') == std::string::npos || bajty.size() <= kMaxHlava);

    // The same bytes in pieces; while the clock stays below the line limit the split must not matter.
    SpojeniServeru spojeni(heslo, zacatek);
    std::uint32_t nyni = zacatek;
    std::size_t pozice = 0;
    bool vcas = true;
    for (std::size_t i = 0; pozice < bajty.size(); ++i) {
        const auto [delka, prodleva] = i < kusy.size() ? kusy[i] : std::pair<std::size_t, std::uint32_t>{4096, 0};
        nyni += prodleva;
        if (nyni - zacatek >= kLimitRadkuMs) vcas = false;
        const std::size_t n = std::min(delka, bajty.size() - pozice);
        const Pozadavek p = spojeni.Prijmout(std::string_view(bajty).substr(pozice, n), nyni);
        OVERIT(p == spojeni.Stav());
        pozice += n;
        // Once decided, a connection stays decided.
        if (p != Pozadavek::Nerozhodnuto) {
            OVERIT(spojeni.Prijmout(std::string_view(bajty).substr(0, 1), nyni + 1) == p);
            break;
        }
    }
    const Pozadavek poKusech = spojeni.Stav();
    if (vcas) {
        // Only a head cut exactly at its limit may wait for one more byte when the whole came at once.
        if (!(celkem == Pozadavek::Zavrit && bajty.size() > kMaxHlava && poKusech == Pozadavek::Nerozhodnuto))
            OVERIT(poKusech == celkem);
    }
    // Without the password nothing but the 401 answer or a close: never a picture.
    if (!heslo.empty()) OVERIT(poKusech != Pozadavek::Surovy);

    // Silence decides within the head's limit.
    const Pozadavek pozde = spojeni.Cas(nyni + kLimitHlavyMs);
    OVERIT(pozde != Pozadavek::Nerozhodnuto);
    OVERIT(spojeni.Cas(nyni + kLimitHlavyMs + 1) == pozde);

    // The Basic check on the same bytes as a header value, and its positive case.
    (void)OveritBasic(std::string_view(bajty).substr(0, 256), heslo);
    OVERIT(OveritBasic("Basic OnRham7DqSBoZXNsbw==", L"tajné heslo"));
    return 0;
}
