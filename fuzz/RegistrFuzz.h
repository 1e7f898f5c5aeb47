#pragma once
// Shared by the fuzz programs of stored settings: a registry subtree as a list of values, written back, and
// values replaced by the fuzz bytes with every type and size a damaged or foreign registry may hold.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Overeni.h"
#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/Registr.h"

namespace FuzzRegistr {


struct Hodnota {
    std::wstring klic;  // relative to the walked root ("" = the root)
    std::wstring jmeno;
    std::uint32_t typ = 0;
    std::string data;
    bool operator==(const Hodnota&) const = default;
};

inline std::wstring Spojit(const std::wstring& a, const std::wstring& b) {
    return a.empty() ? b : b.empty() ? a : a + L"\\" + b;
}

// Every value below koren, key by key (values in creation order, subkeys in creation order).
inline void Vypsat(Knihovna::Registr& r, const std::wstring& koren, const std::wstring& relativni,
                   std::vector<Hodnota>& vysledek) {
    std::unique_ptr<Knihovna::OtevrenyKlic> k;
    const std::uint32_t kod = r.Otevrit(Spojit(koren, relativni), false, k);
    if (kod != 0) std::fprintf(stderr, "fuzz: klíč %s: %u\n", Knihovna::NaUtf8(Spojit(koren, relativni)).c_str(), kod);
    OVERIT(kod == 0);
    std::wstring jmeno;
    for (std::uint32_t i = 0; k->VyctiHodnotu(i, jmeno) == 0; ++i) {
        Hodnota h{relativni, jmeno, 0, {}};
        std::uint32_t velikost = 0;
        OVERIT(k->CistHodnotu(jmeno, &h.typ, nullptr, &velikost) == 0);
        h.data.resize(velikost);
        OVERIT(k->CistHodnotu(jmeno, &h.typ, h.data.data(), &velikost) == 0);
        vysledek.push_back(std::move(h));
    }
    std::vector<std::wstring> podklice;
    for (std::uint32_t i = 0; k->VyctiPodklic(i, jmeno) == 0; ++i) podklice.push_back(jmeno);
    k->Zavrit();
    for (const auto& p : podklice) Vypsat(r, koren, Spojit(relativni, p), vysledek);
}

inline std::vector<Hodnota> Vypsat(Knihovna::Registr& r, const std::wstring& koren) {
    std::vector<Hodnota> v;
    Vypsat(r, koren, L"", v);
    return v;
}

inline void Zapsat(Knihovna::Registr& r, const std::wstring& koren, const Hodnota& h) {
    std::unique_ptr<Knihovna::OtevrenyKlic> k;
    OVERIT(r.Otevrit(Spojit(koren, h.klic), true, k) == 0);
    OVERIT(k->ZapsatHodnotu(h.jmeno, h.typ, h.data.data(), static_cast<std::uint32_t>(h.data.size())) == 0);
    k->Zavrit();
}

inline void Smazat(Knihovna::Registr& r, const std::wstring& koren, const Hodnota& h) {
    std::unique_ptr<Knihovna::OtevrenyKlic> k;
    OVERIT(r.Otevrit(Spojit(koren, h.klic), false, k) == 0);
    k->SmazatHodnotu(h.jmeno);
    k->Zavrit();
}

// Whether a value of this type and size is what the program itself writes for puvodni.
inline bool SpravnyTyp(const Hodnota& puvodni, std::uint32_t typ, std::size_t velikost) {
    if (typ != puvodni.typ) return false;
    if (typ == Knihovna::kRegDword || typ == Knihovna::kRegBinary) return velikost == puvodni.data.size();
    return true;
}

enum class Zmena { Zadna, Smazana, SpravnyTyp, ChybnyTyp };

// Replaces one value as the fuzz bytes say: kept, deleted, other content of its own type, or another type or size.
inline Zmena Poskodit(FuzzedDataProvider& f, Knihovna::Registr& r, const std::wstring& koren, const Hodnota& puvodni) {
    static constexpr std::uint32_t kTypy[] = {Knihovna::kRegNone,   Knihovna::kRegSz,       Knihovna::kRegExpandSz,
                                              Knihovna::kRegBinary, Knihovna::kRegDword,    5 /* big-endian DWORD */,
                                              6 /* link */,         Knihovna::kRegMultiSz,  Knihovna::kRegQword};
    const std::uint8_t volba = f.ConsumeIntegral<std::uint8_t>();
    if (volba < 128) return Zmena::Zadna;
    if (volba < 144) {
        Smazat(r, koren, puvodni);
        return Zmena::Smazana;
    }
    Hodnota h = puvodni;
    if (volba < 200) {
        // Own type, other content: a DWORD or a binary value keeps its size, a text gets any length.
        const std::size_t n = (h.typ == Knihovna::kRegDword || h.typ == Knihovna::kRegBinary)
                                  ? h.data.size()
                                  : f.ConsumeIntegralInRange<std::size_t>(0, 80);
        h.data = f.ConsumeBytesAsString(n);
        h.data.resize(n, static_cast<char>(volba));
    } else {
        h.typ = kTypy[volba % std::size(kTypy)];
        const std::size_t n = f.ConsumeIntegralInRange<std::size_t>(0, 200);
        h.data = f.ConsumeBytesAsString(n);
        h.data.resize(n, '\x01');
    }
    Zapsat(r, koren, h);
    return SpravnyTyp(puvodni, h.typ, h.data.size()) ? Zmena::SpravnyTyp : Zmena::ChybnyTyp;
}

}  // namespace FuzzRegistr
