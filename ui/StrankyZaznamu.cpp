#include "ui/StrankyZaznamu.h"

#include <limits>

#include "knihovna/Formatovani.h"

namespace StrankyZaznamu {

namespace {

constexpr const wchar_t* kVzorDetailu = L"%d x %d - %d snímků/sek.  (Bitový tok %d)";

int Int(std::int64_t n) {
    if (n > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
    if (n < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
    return static_cast<int>(n);
}

}  // namespace

std::uint32_t NejviceSnimku(std::int64_t minInterval) {
    // A driver may report no interval at all: shown as 0 rather than divided by.
    if (minInterval <= 0) return 0;
    return static_cast<std::uint32_t>(10000000 / minInterval);
}

std::wstring TextFormatu(const Holvent::DirectShow::FormatVidea& f) {
    return Knihovna::Formatovat(L"%d x %d  (max. %d snímků/sek.)", f.sirka, f.vyska,
                                static_cast<int>(NejviceSnimku(f.minInterval)));
}

int VybranyFormat(std::span<const Holvent::DirectShow::FormatVidea> formaty, std::int64_t sirka, std::int64_t vyska) {
    for (std::size_t i = 0; i < formaty.size(); ++i)
        if (formaty[i].sirka == sirka && formaty[i].vyska == vyska) return static_cast<int>(i);
    return -1;
}

std::wstring TextDetailu(const Holvent::DirectShow::DetailyProfilu& d) {
    if (!d.video) return {};
    return Knihovna::Formatovat(kVzorDetailu, d.sirka, d.vyska, Int(d.snimkuZaSekundu), Int(d.bitrateVidea));
}

std::wstring TextDetailu(const Holvent::DirectShow::HodnotyPrx& h) {
    return Knihovna::Formatovat(kVzorDetailu, h.sirka, h.vyska, h.snimkuZaSekundu, Int(h.bitrate));
}

}  // namespace StrankyZaznamu
