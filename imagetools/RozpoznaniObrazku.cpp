#include "imagetools/RozpoznaniObrazku.h"

#include <array>
#include <cstring>

#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

namespace Holvent::Obrazky {

namespace {

// A bounds-checked view of the buffer: every read says whether the bytes were there.
class Cteni {
public:
    Cteni(const std::uint8_t* data, std::size_t delka) : data_(data), delka_(delka) {}

    bool Ma(std::size_t pozice, std::size_t pocet) const { return pozice <= delka_ && pocet <= delka_ - pozice; }
    bool Bajt(std::size_t p, std::uint8_t& v) const {
        if (!Ma(p, 1)) return false;
        v = data_[p];
        return true;
    }
    bool Be16(std::size_t p, std::uint32_t& v) const {
        if (!Ma(p, 2)) return false;
        v = (std::uint32_t{data_[p]} << 8) | data_[p + 1];
        return true;
    }
    bool Le16(std::size_t p, std::uint32_t& v) const {
        if (!Ma(p, 2)) return false;
        v = std::uint32_t{data_[p]} | (std::uint32_t{data_[p + 1]} << 8);
        return true;
    }
    bool Be32(std::size_t p, std::uint32_t& v) const {
        std::uint32_t h, l;
        if (!Be16(p, h) || !Be16(p + 2, l)) return false;
        v = (h << 16) | l;
        return true;
    }
    bool Le32(std::size_t p, std::uint32_t& v) const {
        std::uint32_t h, l;
        if (!Le16(p, l) || !Le16(p + 2, h)) return false;
        v = (h << 16) | l;
        return true;
    }
    bool Zacina(std::size_t p, const char* podpis, std::size_t pocet) const {
        return Ma(p, pocet) && std::memcmp(data_ + p, podpis, pocet) == 0;
    }

private:
    const std::uint8_t* data_;
    std::size_t delka_;
};

RozpoznanyObrazek Poskozeny(FormatObrazku f) { return {VysledekRozpoznani::Poskozeny, f, 0, 0}; }

RozpoznanyObrazek SRozmery(FormatObrazku f, std::uint64_t sirka, std::uint64_t vyska) {
    if (sirka == 0 || vyska == 0) return Poskozeny(f);
    RozpoznanyObrazek r{VysledekRozpoznani::Rozpoznan, f, static_cast<std::uint32_t>(sirka),
                        static_cast<std::uint32_t>(vyska)};
    if (sirka > kMaxStrana || vyska > kMaxStrana || sirka * vyska > kMaxBodu)
        r.vysledek = VysledekRozpoznani::PrilisVelky;
    return r;
}

// Segments up to the first start-of-frame marker; its height and width follow the precision byte.
RozpoznanyObrazek Jpeg(const Cteni& c) {
    constexpr auto F = FormatObrazku::Jpeg;
    std::size_t p = 2;
    for (;;) {
        std::uint8_t b;
        if (!c.Bajt(p, b) || b != 0xFF) return Poskozeny(F);
        std::uint8_t znacka;
        do {  // fill bytes 0xFF before a marker
            if (!c.Bajt(++p, znacka)) return Poskozeny(F);
        } while (znacka == 0xFF);
        ++p;
        if (znacka == 0x01 || (znacka >= 0xD0 && znacka <= 0xD7)) continue;  // markers without a length
        if (znacka == 0xD8 || znacka == 0xD9 || znacka == 0x00) return Poskozeny(F);
        std::uint32_t delka;
        if (!c.Be16(p, delka) || delka < 2) return Poskozeny(F);
        const bool snimek = znacka >= 0xC0 && znacka <= 0xCF && znacka != 0xC4 && znacka != 0xC8 && znacka != 0xCC;
        if (snimek) {
            std::uint32_t vyska, sirka;
            if (delka < 8 || !c.Be16(p + 3, vyska) || !c.Be16(p + 5, sirka)) return Poskozeny(F);
            return SRozmery(F, sirka, vyska);  // height 0 (given later by a DNL marker) is refused
        }
        if (znacka == 0xDA) return Poskozeny(F);  // image data before any frame header
        p += delka;
    }
}

RozpoznanyObrazek Png(const Cteni& c) {
    constexpr auto F = FormatObrazku::Png;
    std::uint32_t delka, sirka, vyska;
    if (!c.Be32(8, delka) || !c.Zacina(12, "IHDR", 4) || delka != 13 || !c.Be32(16, sirka) || !c.Be32(20, vyska) ||
        !c.Ma(16, 13))
        return Poskozeny(F);
    if (sirka > 0x7FFFFFFFu || vyska > 0x7FFFFFFFu) return Poskozeny(F);
    return SRozmery(F, sirka, vyska);
}

RozpoznanyObrazek Bmp(const Cteni& c) {
    constexpr auto F = FormatObrazku::Bmp;
    std::uint32_t hlavicka;
    if (!c.Le32(14, hlavicka)) return Poskozeny(F);
    if (hlavicka == 12) {  // OS/2 core header: 16-bit sides
        std::uint32_t sirka, vyska;
        if (!c.Le16(18, sirka) || !c.Le16(20, vyska)) return Poskozeny(F);
        return SRozmery(F, sirka, vyska);
    }
    if (hlavicka < 16 || hlavicka > 124) return Poskozeny(F);
    std::uint32_t sirka, vyska;
    if (!c.Le32(18, sirka) || !c.Le32(22, vyska)) return Poskozeny(F);
    const std::int32_t s = static_cast<std::int32_t>(sirka);
    std::int64_t v = static_cast<std::int32_t>(vyska);
    if (s <= 0) return Poskozeny(F);
    if (v < 0) v = -v;  // top-down rows
    return SRozmery(F, static_cast<std::uint64_t>(s), static_cast<std::uint64_t>(v));
}

// The first directory's ImageWidth (256) and ImageLength (257), each SHORT or LONG with a count of 1; the entries
// after both are not read.
RozpoznanyObrazek Tiff(const Cteni& c, bool intel) {
    constexpr auto F = FormatObrazku::Tiff;
    auto u16 = [&](std::size_t p, std::uint32_t& v) { return intel ? c.Le16(p, v) : c.Be16(p, v); };
    auto u32 = [&](std::size_t p, std::uint32_t& v) { return intel ? c.Le32(p, v) : c.Be32(p, v); };
    std::uint32_t adresar, pocet;
    if (!u32(4, adresar) || adresar < 8 || !u16(adresar, pocet) || pocet == 0) return Poskozeny(F);
    std::uint64_t rozmer[2] = {0, 0};
    bool nalezen[2] = {false, false};
    for (std::uint32_t i = 0; i < pocet && !(nalezen[0] && nalezen[1]); ++i) {
        const std::size_t p = std::size_t{adresar} + 2 + std::size_t{i} * 12;
        std::uint32_t znacka, typ, kolik;
        if (!u16(p, znacka) || !u16(p + 2, typ) || !u32(p + 4, kolik)) return Poskozeny(F);
        if (znacka != 256 && znacka != 257) continue;
        const int k = znacka == 256 ? 0 : 1;
        if (nalezen[k] || kolik != 1) return Poskozeny(F);
        std::uint32_t hodnota;
        if (typ == 3) {
            if (!u16(p + 8, hodnota)) return Poskozeny(F);
        } else if (typ == 4) {
            if (!u32(p + 8, hodnota)) return Poskozeny(F);
        } else {
            return Poskozeny(F);
        }
        rozmer[k] = hodnota;
        nalezen[k] = true;
    }
    if (!nalezen[0] || !nalezen[1]) return Poskozeny(F);
    return SRozmery(F, rozmer[0], rozmer[1]);
}

RozpoznanyObrazek Gif(const Cteni& c) {
    std::uint32_t sirka, vyska;
    if (!c.Le16(6, sirka) || !c.Le16(8, vyska)) return Poskozeny(FormatObrazku::Gif);
    return SRozmery(FormatObrazku::Gif, sirka, vyska);
}

}  // namespace

RozpoznanyObrazek RozpoznatObrazek(const std::uint8_t* data, std::size_t delka) {
    if (!data) delka = 0;
    const Cteni c(data, delka);
    if (c.Zacina(0, "\xFF\xD8\xFF", 3)) return Jpeg(c);
    if (c.Zacina(0, "\x89PNG\r\n\x1A\n", 8)) return Png(c);
    if (c.Zacina(0, "GIF87a", 6) || c.Zacina(0, "GIF89a", 6)) return Gif(c);
    if (c.Zacina(0, "II*\0", 4)) return Tiff(c, true);
    if (c.Zacina(0, "MM\0*", 4)) return Tiff(c, false);
    if (c.Zacina(0, "BM", 2)) return Bmp(c);
    return {};
}

bool MaPriponuObrazku(std::wstring_view jmeno) {
    static constexpr std::array kPripony{L".jpg", L".jpeg", L".bmp", L".png", L".gif", L".tif", L".tiff"};
    const std::size_t tecka = jmeno.rfind(L'.');
    if (tecka == std::wstring_view::npos) return false;
    for (const wchar_t* p : kPripony)
        if (Knihovna::StejneBezVelikosti(jmeno.substr(tecka), p)) return true;
    return false;
}

std::wstring TextOdmitnuti(const RozpoznanyObrazek& r, const std::wstring& cesta) {
    if (r.vysledek == VysledekRozpoznani::PrilisVelky)
        return Knihovna::Formatovat(L"Obrázek \"%s\" je příliš velký (%u x %u bodů).", cesta.c_str(), r.sirka, r.vyska);
    return Knihovna::Formatovat(L"Soubor \"%s\" není platný obrázek nebo je poškozený.", cesta.c_str());
}

std::wstring TextPrilisVelkehoSouboru(const std::wstring& cesta, std::uint64_t velikost) {
    return Knihovna::Formatovat(L"Soubor \"%s\" je příliš velký (%llu bajtů).", cesta.c_str(),
                                static_cast<unsigned long long>(velikost));
}

}  // namespace Holvent::Obrazky
