#include "video/SouborPrx.h"

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/Text.h"

using Knihovna::Formatovat;

namespace Holvent::DirectShow {

namespace {

constexpr std::int64_t kJednotekZaSekundu = 10000000;  // avgtimeperframe is in 100 ns units

// Byte span [od, po) of one attribute value, between its quotes.
struct Usek {
    std::size_t od, po;
};

[[noreturn]] void Chybne(const std::wstring& text) { Knihovna::Vyhodit(Knihovna::kE_INVALIDARG, text); }

std::string Vzor(std::wstring_view text) { return Knihovna::KodovatUtf16LE(text); }

// The first occurrence of vzor at an even offset in [od, po); npos when none. An odd offset would
// straddle two characters and is no match.
std::size_t Najit(const std::string& bajty, const std::string& vzor, std::size_t od, std::size_t po) {
    while (od < po) {
        const std::size_t i = bajty.find(vzor, od);
        if (i == std::string::npos || i + vzor.size() > po) return std::string::npos;
        if (i % 2 == 0) return i;
        od = i + 1;
    }
    return std::string::npos;
}

// Every value of nazev="…" whose name starts in [od, po); a value runs to the next quote anywhere after it.
std::vector<Usek> Useky(const std::string& bajty, std::wstring_view nazev, std::size_t od, std::size_t po) {
    const std::string vzor = Vzor(std::wstring(nazev) + L"=\"");
    const std::string uvozovka = Vzor(L"\"");
    std::vector<Usek> useky;
    for (std::size_t i = Najit(bajty, vzor, od, po); i != std::string::npos;) {
        const std::size_t zacatek = i + vzor.size();
        const std::size_t konec = Najit(bajty, uvozovka, zacatek, bajty.size());
        if (konec == std::string::npos)
            Chybne(Formatovat(L"Hodnota atributu %s v souboru nemá koncové uvozovky.", std::wstring(nazev).c_str()));
        useky.push_back({zacatek, konec});
        i = Najit(bajty, vzor, konec, po);
    }
    return useky;
}

[[noreturn]] void Chybi(std::wstring_view nazev) {
    Chybne(Formatovat(L"V souboru chybí atribut %s.", std::wstring(nazev).c_str()));
}

// A decimal integer: an optional minus and digits only, within 32 bits.
std::optional<std::int32_t> Cislo(const std::wstring& text) {
    std::size_t i = text.size() > 1 && text[0] == L'-' ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    std::int64_t h = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < L'0' || text[i] > L'9') return std::nullopt;
        h = h * 10 + (text[i] - L'0');
        if (h > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
    }
    if (text[0] == L'-') h = -h;
    if (h < std::numeric_limits<std::int32_t>::min() || h > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(h);
}

// Writes the value into every span, from the last one so that the earlier offsets stay valid.
void Nahradit(std::string& bajty, std::vector<Usek> useky, std::int64_t hodnota) {
    const std::string text = Vzor(std::to_wstring(hodnota));
    std::sort(useky.begin(), useky.end(), [](const Usek& a, const Usek& b) { return a.od > b.od; });
    useky.erase(std::unique(useky.begin(), useky.end(), [](const Usek& a, const Usek& b) { return a.od == b.od; }),
                useky.end());
    for (const Usek& u : useky) bajty.replace(u.od, u.po - u.od, text);
}

}  // namespace

SouborPrx::SouborPrx(std::string bajty) : bajty_(std::move(bajty)) {
    if (bajty_.size() > kMaxVelikost)
        Chybne(L"Soubor je větší než 1 MB; takový soubor konfigurace záznamu není platný.");
    if (bajty_.size() % 2 != 0) Chybne(L"Soubor má lichý počet bajtů; není to text v kódování UTF-16.");
}

bool SouborPrx::MaPriponuPrx(std::wstring_view cesta) {
    constexpr std::wstring_view kPripona = L".prx";
    return cesta.size() >= kPripona.size() &&
           Knihovna::StejneBezVelikosti(cesta.substr(cesta.size() - kPripona.size()), kPripona);
}

std::int32_t SouborPrx::CistAtribut(std::wstring_view nazev) const {
    const std::vector<Usek> useky = Useky(bajty_, nazev, 0, bajty_.size());
    if (useky.empty()) Chybi(nazev);
    const Usek& u = useky.front();
    const auto cislo = Cislo(Knihovna::DekodovatUtf16LE(std::string_view(bajty_).substr(u.od, u.po - u.od)));
    if (!cislo)
        Chybne(Formatovat(L"Hodnota atributu %s není celé číslo v rozsahu 32 bitů.", std::wstring(nazev).c_str()));
    return *cislo;
}

void SouborPrx::ZapsatAtribut(std::wstring_view nazev, std::int64_t hodnota) {
    std::vector<Usek> useky = Useky(bajty_, nazev, 0, bajty_.size());
    if (useky.empty()) Chybi(nazev);
    Nahradit(bajty_, std::move(useky), hodnota);
}

void SouborPrx::ZapsatBitrate(std::int64_t bitrate) {
    std::vector<Usek> useky = Useky(bajty_, L"dwbitrate", 0, bajty_.size());
    if (useky.empty()) Chybi(L"dwbitrate");
    // The stream that holds the first dwbitrate is the video stream: its own bitrate="…" (and only its) follows.
    const std::size_t prvni = useky.front().od;
    const std::string zacatekProudu = Vzor(L"<streamconfig"), konecProudu = Vzor(L"</streamconfig>");
    std::size_t zacatek = std::string::npos;
    for (std::size_t i = Najit(bajty_, zacatekProudu, 0, prvni); i != std::string::npos;
         i = Najit(bajty_, zacatekProudu, i + zacatekProudu.size(), prvni))
        zacatek = i;
    const std::size_t konec = Najit(bajty_, konecProudu, prvni, bajty_.size());
    if (zacatek != std::string::npos && konec != std::string::npos) {
        const std::vector<Usek> proud = Useky(bajty_, L"bitrate", zacatek, konec);
        // A value runs to the next quote, so a damaged one (bitrate="1 dwbitrate="…") swallows the name of the
        // other attribute: writing it would delete that name. Such a file is refused, not spoilt.
        const std::size_t jmenoDw = Vzor(L"dwbitrate=\"").size();
        for (const Usek& p : proud)
            for (const Usek& u : useky)
                if (u.od != p.od && u.od - jmenoDw >= p.od && u.od - jmenoDw < p.po)
                    Chybne(L"Hodnota atributu bitrate v souboru zasahuje do atributu dwbitrate.");
        useky.insert(useky.end(), proud.begin(), proud.end());
    }
    Nahradit(bajty_, std::move(useky), bitrate);
}

HodnotyPrx SouborPrx::Hodnoty() const {
    HodnotyPrx h;
    h.bitrate = CistAtribut(L"dwbitrate");
    const std::int32_t cas = CistAtribut(L"avgtimeperframe");
    if (cas <= 0) Chybne(L"Hodnota atributu avgtimeperframe (doba jednoho snímku) musí být kladná.");
    h.snimkuZaSekundu = static_cast<std::int32_t>(kJednotekZaSekundu / cas);
    h.sirka = CistAtribut(L"biwidth");
    h.vyska = CistAtribut(L"biheight");
    return h;
}

void SouborPrx::Zapsat(const HodnotyPrx& h) {
    // A value runs to the next quote, so a damaged one can swallow the name of another attribute the editor
    // touches (right="1 biwidth="640"): writing it would delete that name. Such a file is refused, not spoilt.
    static constexpr const wchar_t* kNazvy[] = {L"dwbitrate", L"bitrate", L"avgtimeperframe", L"right",
                                                L"bottom",    L"biwidth", L"biheight"};
    std::vector<std::pair<Usek, const wchar_t*>> hodnoty;
    std::vector<std::size_t> zacatkyNazvu;
    for (const wchar_t* nazev : kNazvy) {
        const std::size_t delka = Vzor(std::wstring(nazev) + L"=\"").size();
        try {
            for (const Usek& u : Useky(bajty_, nazev, 0, bajty_.size())) {
                hodnoty.push_back({u, nazev});
                zacatkyNazvu.push_back(u.od - delka);
            }
        } catch (const Knihovna::Chyba&) {
            // A value without its closing quote is reported by the write that needs it.
        }
    }
    for (const auto& [u, nazev] : hodnoty)
        for (std::size_t z : zacatkyNazvu)
            if (z >= u.od && z < u.po)
                Chybne(Formatovat(L"Hodnota atributu %s v souboru zasahuje do názvu jiného atributu.", nazev));
    SouborPrx novy(*this);
    if (kRozsahBitrate.Obsahuje(h.bitrate)) novy.ZapsatBitrate(h.bitrate);
    if (kRozsahSnimku.Obsahuje(h.snimkuZaSekundu))
        novy.ZapsatAtribut(L"avgtimeperframe", kJednotekZaSekundu / h.snimkuZaSekundu);
    if (kRozsahRozmeru.Obsahuje(h.sirka)) {
        novy.ZapsatAtribut(L"right", h.sirka);
        novy.ZapsatAtribut(L"biwidth", h.sirka);
    }
    if (kRozsahRozmeru.Obsahuje(h.vyska)) {
        novy.ZapsatAtribut(L"bottom", h.vyska);
        novy.ZapsatAtribut(L"biheight", h.vyska);
    }
    bajty_ = std::move(novy.bajty_);
}

}  // namespace Holvent::DirectShow
