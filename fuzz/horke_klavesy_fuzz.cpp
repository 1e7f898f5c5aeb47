// The hotkey table's stored values: any names, types and sizes under "Horke klavesy". Every decimal name adds its
// command once, a value of 16 binary bytes sets its entry, any other type or size is reported and keeps the entry;
// the table saved and loaded again is the same.
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "Overeni.h"
#include "RegistrFuzz.h"
#include "app/SeznamHorkychKlaves.h"
#include "knihovna/RegistrVPameti.h"

using namespace FuzzRegistr;

namespace {

const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\4.8";
const std::wstring kKlic = kKoren + L"\\" + SeznamHorkychKlaves::kJmenoKlice;

// The command a value name stands for, read independently of the table: up to ten decimal digits within 32 bits.
bool Prikaz(const std::wstring& jmeno, std::uint32_t& id) {
    if (jmeno.empty() || jmeno.size() > 10 || jmeno.find_first_not_of(L"0123456789") != std::wstring::npos) return false;
    const unsigned long long n = std::stoull(std::string(jmeno.begin(), jmeno.end()));
    if (n > 0xFFFFFFFFull) return false;
    id = static_cast<std::uint32_t>(n);
    return true;
}

std::wstring Jmeno(FuzzedDataProvider& f, const SeznamHorkychKlaves& vychozi) {
    switch (f.ConsumeIntegralInRange<int>(0, 3)) {
    case 0: return std::to_wstring(vychozi.Polozky()[f.ConsumeIntegralInRange<std::size_t>(0, vychozi.Polozky().size() - 1)].idPrikazu);
    case 1: return std::to_wstring(f.ConsumeIntegral<std::uint32_t>());
    case 2: return L"0" + std::to_wstring(f.ConsumeIntegralInRange<std::uint32_t>(40001, 40125));
    default: {
        const std::string b = f.ConsumeRandomLengthString(60);
        std::wstring j;
        for (char z : b) j.push_back(static_cast<wchar_t>(static_cast<unsigned char>(z)));
        return j;
    }
    }
}

}  // namespace

// Each input walks hundreds of registry values, each a few small allocations: short allocation stacks and a small
// quarantine keep the sanitizer's bookkeeping from dominating the run.
extern "C" const char* __asan_default_options() { return "malloc_context_size=4:quarantine_size_mb=16"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    SeznamHorkychKlaves tabulka;
    tabulka.NastavitVychozi();
    const SeznamHorkychKlaves vychozi = tabulka;

    Knihovna::RegistrVPameti r;
    std::map<std::wstring, Hodnota> zapsane;  // value names are digits or compared as written: no case folding needed
    const std::size_t pocet = f.ConsumeIntegralInRange<std::size_t>(0, 24);
    for (std::size_t i = 0; i < pocet && f.remaining_bytes() > 0; ++i) {
        Hodnota h{L"", Jmeno(f, vychozi), Knihovna::kRegBinary, {}};
        if (h.jmeno.empty()) continue;
        const std::uint8_t typ = f.ConsumeIntegral<std::uint8_t>();
        if (typ >= 64) h.typ = typ % 12;
        const std::size_t n = typ < 128 ? 16 : f.ConsumeIntegralInRange<std::size_t>(0, 40);
        h.data = f.ConsumeBytesAsString(n);
        h.data.resize(n);
        Zapsat(r, kKlic, h);
        zapsane[h.jmeno] = h;  // a later write of the same name replaces it, as in the registry
    }
    if (zapsane.empty()) {
        std::unique_ptr<Knihovna::OtevrenyKlic> k;
        OVERIT(r.Otevrit(kKlic, true, k) == 0);
        k->Zavrit();
    }

    std::vector<Knihovna::Chyba> chyby;
    OVERIT(tabulka.Nacist(r, kKoren, chyby) == 0);

    // The defaults stay first and in order; every command named by a value is in the table once.
    const auto& p = tabulka.Polozky();
    for (std::size_t i = 0; i < vychozi.Polozky().size(); ++i) OVERIT(p[i].idPrikazu == vychozi.Polozky()[i].idPrikazu);
    for (std::size_t i = 0; i < p.size(); ++i)
        for (std::size_t j = i + 1; j < p.size(); ++j) OVERIT(p[i].idPrikazu != p[j].idPrikazu);
    std::size_t chybnych = 0;
    for (const auto& [jmeno, h] : zapsane) {
        std::uint32_t id;
        if (Prikaz(jmeno, id)) OVERIT(tabulka.Najit(id) != nullptr);
    }
    for (const HorkaKlavesa& k : p) {
        const auto it = zapsane.find(std::to_wstring(k.idPrikazu));
        const HorkaKlavesa* puvodni = vychozi.Najit(k.idPrikazu);
        const HorkaKlavesa ocekavana = puvodni ? *puvodni : HorkaKlavesa{0, 0, k.idPrikazu, 0};
        if (it == zapsane.end()) {
            OVERIT(k == ocekavana);
        } else if (it->second.typ == Knihovna::kRegBinary && it->second.data.size() == 16) {
            unsigned char b[16];
            std::memcpy(b, it->second.data.data(), 16);
            HorkaKlavesa ulozena = SeznamHorkychKlaves::Dekodovat(b);
            ulozena.idPrikazu = k.idPrikazu;
            OVERIT(k == ulozena);
        } else {
            OVERIT(k == ocekavana);
            ++chybnych;
        }
    }
    OVERIT(chyby.size() == chybnych);

    // Saved and loaded into an empty table: the same entries in the same order, one value each.
    tabulka.Ulozit(r, kKoren);
    std::vector<Hodnota> ulozene = Vypsat(r, kKlic);
    OVERIT(ulozene.size() == p.size());
    for (const Hodnota& h : ulozene) OVERIT(h.typ == Knihovna::kRegBinary && h.data.size() == 16);
    SeznamHorkychKlaves znovu;
    OVERIT(znovu.Nacist(r, kKoren, chyby) == 0);
    OVERIT(chyby.size() == chybnych);
    OVERIT(znovu.Polozky() == p);
    return 0;
}
