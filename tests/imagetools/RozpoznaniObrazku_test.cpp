#include "imagetools/RozpoznaniObrazku.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

using namespace Holvent::Obrazky;
using V = VysledekRozpoznani;

namespace {

using Bajty = std::vector<std::uint8_t>;

// A header as the program's encoders write it, the offsets of the bytes its size depends on (the size fields, and
// JPEG's segment markers) and the shortest prefix that still gives the size.
struct Vzor {
    Bajty b;
    std::set<std::size_t> rozmerove;
    std::size_t potrebne = 0;
    void Cislo(std::uint32_t v, int bajtu, bool be, bool rozmer = false) {
        for (int i = 0; i < bajtu; ++i) {
            if (rozmer) rozmerove.insert(b.size());
            b.push_back(static_cast<std::uint8_t>(v >> 8 * (be ? bajtu - 1 - i : i)));
        }
    }
    void Pridat(std::initializer_list<std::uint8_t> x) { b.insert(b.end(), x); }
};

Vzor Jpeg(std::uint32_t w, std::uint32_t h) {
    Vzor v{{0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}, {3, 21}};
    v.Pridat({0xFF, 0xE1, 0x01, 0x02});  // an Exif-like block of 256 bytes without 0xFF
    for (int i = 0; i < 256; ++i)
        v.b.push_back(static_cast<std::uint8_t>(i % 0xFE));
    v.rozmerove.insert({v.b.size() + 2, v.b.size() + 8});
    v.Pridat({0xFF, 0xFF, 0xDB, 0, 4, 0, 0, 0xFF, 0xC0, 0, 17, 8});  // a fill byte, a short table, the frame
    v.Cislo(h, 2, true, true), v.Cislo(w, 2, true, true);
    v.potrebne = v.b.size();
    v.Pridat({3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1, 0xFF, 0xDA, 0, 8, 0x55, 0x55});
    return v;
}

Vzor Png(std::uint32_t w, std::uint32_t h) {
    Vzor v{{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'}};
    v.Cislo(w, 4, true, true), v.Cislo(h, 4, true, true);
    v.Pridat({8, 6, 0, 0, 0});
    v.potrebne = v.b.size();
    v.Pridat({0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0, 'I', 'E', 'N', 'D'});
    return v;
}

Vzor Bmp(std::int32_t w, std::int32_t h) {
    Vzor v{{'B', 'M', 0x66, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0}};
    v.Cislo(static_cast<std::uint32_t>(w), 4, false, true), v.Cislo(static_cast<std::uint32_t>(h), 4, false, true);
    v.potrebne = v.b.size();
    v.Pridat({1, 0, 24, 0});
    v.b.resize(102, 0x10);
    return v;
}

Vzor Tiff(std::uint32_t w, std::uint32_t h, bool intel) {
    Vzor v{intel ? Bajty{'I', 'I', 42, 0} : Bajty{'M', 'M', 0, 42}};
    const bool be = !intel;
    v.Cislo(8, 4, be), v.Cislo(4, 2, be);
    auto polozka = [&](std::uint32_t znacka, std::uint32_t typ, std::uint32_t hodnota, bool rozmer) {
        v.Cislo(znacka, 2, be), v.Cislo(typ, 2, be), v.Cislo(1, 4, be);
        if (typ == 3)
            v.Cislo(hodnota, 2, be, rozmer), v.Cislo(0, 2, be, rozmer);
        else
            v.Cislo(hodnota, 4, be, rozmer);
    };
    polozka(254, 4, 0, false), polozka(256, 3, w, true), polozka(257, 4, h, true);
    v.potrebne = v.b.size();
    polozka(258, 3, 8, false), v.Cislo(0, 4, be);
    return v;
}

Vzor Gif(std::uint32_t w, std::uint32_t h) {
    Vzor v{{'G', 'I', 'F', '8', '9', 'a'}};
    v.Cislo(w, 2, false, true), v.Cislo(h, 2, false, true);
    v.potrebne = v.b.size();
    v.Pridat({0xF7, 0, 0, 0x21, 0xF9, 4, 0, 0, 0, 0, 0});
    return v;
}

std::vector<Vzor> Vzory() {
    return {Jpeg(640, 480),           Png(1, 65535), Bmp(800, -600), Tiff(300, 200, true),
            Tiff(10000, 9999, false), Gif(320, 240)};
}

RozpoznanyObrazek Rozpoznat(const Bajty& b) { return RozpoznatObrazek(b.data(), b.size()); }

}  // namespace

TEST(RozpoznaniObrazku, FormatyVelikostiAMeze) {
    const FormatObrazku formaty[] = {FormatObrazku::Jpeg, FormatObrazku::Png,  FormatObrazku::Bmp,
                                     FormatObrazku::Tiff, FormatObrazku::Tiff, FormatObrazku::Gif};
    const std::pair<std::uint32_t, std::uint32_t> rozmery[] = {{640, 480}, {1, 65535},    {800, 600},
                                                               {300, 200}, {10000, 9999}, {320, 240}};
    const auto vzory = Vzory();
    for (std::size_t i = 0; i < vzory.size(); ++i) {
        const auto r = Rozpoznat(vzory[i].b);
        EXPECT_TRUE(r.Platny() && r.format == formaty[i]) << i;
        EXPECT_EQ(std::make_pair(r.sirka, r.vyska), rozmery[i]) << i;
    }
    for (const Bajty& b : {Bajty{}, Bajty{'R', 'I', 'F', 'F', 0, 0, 0, 0}, Bajty{0xFF, 0xD8}})
        EXPECT_EQ(Rozpoznat(b).vysledek, V::Neznamy);
    EXPECT_EQ(RozpoznatObrazek(nullptr, 100).vysledek, V::Neznamy);

    const auto nad = Rozpoznat(Png(65536, 1).b);
    EXPECT_EQ(nad.vysledek, V::PrilisVelky);
    EXPECT_EQ(Rozpoznat(Jpeg(10000, 10000).b).vysledek, V::Rozpoznan);  // exactly 100 million
    EXPECT_EQ(Rozpoznat(Jpeg(10000, 10001).b).vysledek, V::PrilisVelky);
    EXPECT_EQ(Rozpoznat(Bmp(5, INT32_MIN).b).vysledek, V::PrilisVelky);
    EXPECT_EQ(Rozpoznat(Bmp(-5, 10).b).vysledek, V::Poskozeny);
    EXPECT_EQ(Rozpoznat(Jpeg(640, 0).b).vysledek, V::Poskozeny);  // height left to a DNL marker
    Vzor t = Tiff(30, 20, true);
    t.b[10 + 12 * 2] = 0;  // ImageLength (257) becomes a second ImageWidth (256)
    EXPECT_EQ(Rozpoznat(t.b).vysledek, V::Poskozeny);
    EXPECT_EQ(TextOdmitnuti(nad, L"C:\\a.png"), L"Obrázek \"C:\\a.png\" je příliš velký (65536 x 1 bodů).");
    EXPECT_EQ(TextOdmitnuti(Rozpoznat({}), L"b.jpg"), L"Soubor \"b.jpg\" není platný obrázek nebo je poškozený.");
}

// Every truncation, and seeded damage: bytes outside the size gives the right size or a refusal; damage anywhere
// stays within the buffer (a copy of exactly its length, for the sanitizer build) and within the limits.
TEST(RozpoznaniObrazku, ZkraceniANahodnaPoskozeni) {
    const auto vzory = Vzory();
    for (const Vzor& v : vzory)
        for (std::size_t n = 0; n < v.b.size(); ++n) {
            const auto r = Rozpoznat(Bajty(v.b.begin(), v.b.begin() + n));
            EXPECT_EQ(r.Platny(), n >= v.potrebne) << int(r.format) << " at " << n;
            EXPECT_NE(r.vysledek, V::PrilisVelky);
        }
    std::mt19937 nahoda(20261209);
    int prijato = 0;
    for (int i = 0; i < 10000; ++i) {
        const Vzor& v = vzory[static_cast<std::size_t>(i) % vzory.size()];
        Bajty b = v.b;
        const bool mimoRozmery = i % 2 == 0;
        for (int z = 1 + static_cast<int>(nahoda() % 4); z > 0; --z) {
            const std::size_t p = nahoda() % b.size();
            if (!mimoRozmery || !v.rozmerove.count(p)) b[p] = static_cast<std::uint8_t>(nahoda());
        }
        if (nahoda() % 4 == 0) b.resize(nahoda() % b.size());
        const auto r = Rozpoznat(Bajty(b));
        if (!r.Platny()) continue;
        ++prijato;
        EXPECT_TRUE(r.sirka > 0 && r.vyska > 0 && r.sirka <= kMaxStrana &&
                    std::uint64_t{r.sirka} * r.vyska <= kMaxBodu);
        const auto puvodni = Rozpoznat(v.b);
        if (mimoRozmery) EXPECT_TRUE(r.sirka == puvodni.sirka && r.vyska == puvodni.vyska) << i;
    }
    EXPECT_TRUE(prijato > 1000 && prijato < 9000) << prijato;  // the damage neither refuses nor passes everything
}
