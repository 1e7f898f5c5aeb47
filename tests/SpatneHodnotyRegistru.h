#pragma once

// Registry values that a settings record cannot take: for each kind of stored field, every other type and every
// wrong size a hand-edited or foreign registry may hold. The walks over a record's own description write each of
// them in place of one value.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "knihovna/Registr.h"

namespace SpatneHodnoty {

enum class Druh { Cislo, Text, Binarni };

// One stored value as a record's description names it: the key relative to the record's root ("" the root
// itself), the value name, its kind and, for binary data, its exact size.
struct Hodnota {
    std::wstring klic;
    std::wstring jmeno;
    Druh druh;
    std::uint32_t velikost = 0;
    std::wstring Cesta() const { return klic + L"|" + jmeno; }
};

struct Surova {
    std::uint32_t typ;
    std::string data;
    const char* popis;
};

inline std::vector<Surova> Pro(Druh druh, std::uint32_t velikost) {
    using namespace Knihovna;
    const std::string text("1\0\0\0", 4);  // L"1" with its zero
    const std::string dvaTexty("1\0\0\0" "2\0\0\0\0\0", 10);
    std::vector<Surova> v = {
        {kRegNone, "", "REG_NONE prázdná"},
        {kRegExpandSz, text, "REG_EXPAND_SZ"},
        {kRegMultiSz, dvaTexty, "REG_MULTI_SZ"},
        {kRegQword, std::string(8, '\x01'), "REG_QWORD"},
        {5, std::string(4, '\x01'), "REG_DWORD_BIG_ENDIAN"},
        {kRegBinary, std::string(65536, '\x7F'), "REG_BINARY 64 KiB"},
    };
    if (druh != Druh::Cislo) {
        v.push_back({kRegDword, std::string(4, '\x01'), "REG_DWORD"});
    } else {
        v.push_back({kRegSz, text, "REG_SZ"});
        v.push_back({kRegBinary, std::string(4, '\x01'), "REG_BINARY 4 B"});
        v.push_back({kRegDword, "", "REG_DWORD 0 B"});
        v.push_back({kRegDword, std::string(2, '\x01'), "REG_DWORD 2 B"});
        v.push_back({kRegDword, std::string(8, '\x01'), "REG_DWORD 8 B"});
    }
    if (druh == Druh::Text) v.push_back({kRegBinary, std::string(7, 'a'), "REG_BINARY 7 B"});
    if (druh == Druh::Binarni) {
        v.push_back({kRegSz, text, "REG_SZ"});
        v.push_back({kRegBinary, "", "REG_BINARY 0 B"});
        v.push_back({kRegBinary, std::string(velikost - 1, '\x01'), "REG_BINARY o bajt kratší"});
        v.push_back({kRegBinary, std::string(velikost + 1, '\x01'), "REG_BINARY o bajt delší"});
    }
    return v;
}

// Writes the raw value under koren\klic (the key exists).
inline void Zapsat(Knihovna::Registr& registr, const std::wstring& koren, const Hodnota& h, const Surova& s) {
    std::unique_ptr<Knihovna::OtevrenyKlic> klic;
    const std::wstring cesta = h.klic.empty() ? koren : koren + L"\\" + h.klic;
    if (registr.Otevrit(cesta, true, klic) != 0) return;
    klic->ZapsatHodnotu(h.jmeno, s.typ, s.data.data(), static_cast<std::uint32_t>(s.data.size()));
    klic->Zavrit();
}

}  // namespace SpatneHodnoty
