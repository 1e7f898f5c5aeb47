// The .prx profile reader and editor: any bytes are read or refused with a clean error; what reads can be
// written back unchanged; edits of a read profile keep it readable and read back as written (a value outside
// the editor's range keeps the old one); a refused edit changes nothing.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "Overeni.h"
#include "knihovna/Chyba.h"
#include "video/SouborPrx.h"

using Holvent::DirectShow::HodnotyPrx;
using Holvent::DirectShow::SouborPrx;
namespace DS = Holvent::DirectShow;

namespace {

std::optional<HodnotyPrx> Cist(const SouborPrx& s) {
    try {
        return s.Hodnoty();
    } catch (const Knihovna::Chyba& c) {
        OVERIT(c.Hr() == Knihovna::kE_INVALIDARG && !c.Text().empty());
        return std::nullopt;
    }
}

// Writes; false (and the profile untouched) when the edit was refused.
bool Zapsat(SouborPrx& s, const HodnotyPrx& h) {
    const std::string pred = s.Bajty();
    try {
        s.Zapsat(h);
        return true;
    } catch (const Knihovna::Chyba& c) {
        OVERIT(c.Hr() == Knihovna::kE_INVALIDARG && !c.Text().empty());
        OVERIT(s.Bajty() == pred);
        return false;
    }
}

// What a profile must read after h was written over stara: the values within range as written.
HodnotyPrx Ocekavane(const HodnotyPrx& stara, const HodnotyPrx& h) {
    HodnotyPrx o = stara;
    if (DS::kRozsahBitrate.Obsahuje(h.bitrate)) o.bitrate = h.bitrate;
    if (DS::kRozsahSnimku.Obsahuje(h.snimkuZaSekundu)) o.snimkuZaSekundu = h.snimkuZaSekundu;
    if (DS::kRozsahRozmeru.Obsahuje(h.sirka)) o.sirka = h.sirka;
    if (DS::kRozsahRozmeru.Obsahuje(h.vyska)) o.vyska = h.vyska;
    return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider f(data, size);
    HodnotyPrx nove;
    nove.sirka = f.ConsumeIntegralInRange<std::int32_t>(90, 5010);
    nove.vyska = f.ConsumeIntegralInRange<std::int32_t>(90, 5010);
    nove.snimkuZaSekundu = f.ConsumeIntegralInRange<std::int32_t>(0, 61);
    nove.bitrate = f.ConsumeIntegralInRange<std::int64_t>(0, 60000000);
    std::string bajty = f.ConsumeRemainingBytesAsString();

    std::optional<SouborPrx> soubor;
    try {
        soubor.emplace(bajty);
    } catch (const Knihovna::Chyba& c) {
        OVERIT(c.Hr() == Knihovna::kE_INVALIDARG && bajty.size() % 2 == 1);
        bajty.pop_back();
        soubor.emplace(bajty);
    }
    const auto stare = Cist(*soubor);
    if (!stare) {
        // An unreadable profile is either refused by the editor or left readable by it.
        if (Zapsat(*soubor, nove)) (void)Cist(*soubor);
        return 0;
    }

    // The values read, written back, read the same (the frame rate through the frame time).
    SouborPrx kopie = *soubor;
    if (Zapsat(kopie, *stare)) {
        const auto znovu = Cist(kopie);
        OVERIT(znovu.has_value());
        OVERIT(*znovu == Ocekavane(*stare, *stare));
    }

    // New values: read back as written, the rest of the profile still readable.
    if (Zapsat(*soubor, nove)) {
        const auto precteno = Cist(*soubor);
        OVERIT(precteno.has_value());
        OVERIT(*precteno == Ocekavane(*stare, nove));
    }
    return 0;
}
