#include "imagetools/RozpoznaniObrazku.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

using namespace Holvent::Obrazky;

namespace {

using Bajty = std::vector<std::uint8_t>;

// A header as the program's encoders write it, with where its size fields lie and how many bytes it needs.
struct Vzor {
    FormatObrazku format;
    Bajty data;
    std::set<std::size_t> rozmerove;  // offsets of the bytes that hold the size (and of JPEG's segment markers)
    std::size_t potrebne;             // the shortest prefix that still gives the size
};

void Be16(Bajty& b, std::uint32_t v) { b.insert(b.end(), {std::uint8_t(v >> 8), std::uint8_t(v)}); }
void Le16(Bajty& b, std::uint32_t v) { b.insert(b.end(), {std::uint8_t(v), std::uint8_t(v >> 8)}); }
void Be32(Bajty& b, std::uint32_t v) { Be16(b, v >> 16), Be16(b, v & 0xFFFF); }
void Le32(Bajty& b, std::uint32_t v) { Le16(b, v & 0xFFFF), Le16(b, v >> 16); }
void Oznacit(Vzor& v, std::size_t od, std::size_t pocet) {
    for (std::size_t i = 0; i < pocet; ++i) v.rozmerove.insert(od + i);
}

Vzor Jpeg(std::uint32_t w, std::uint32_t h) {
    Vzor v{FormatObrazku::Jpeg, {0xFF, 0xD8, 0xFF, 0xE0, 0, 16, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0}, {}, 0};
    Bajty& b = v.data;
    v.rozmerove = {3};
    v.rozmerove.insert(b.size() + 1);
    b.insert(b.end(), {0xFF, 0xE1, 0x01, 0x02});  // an Exif-like block of 256 bytes without 0xFF
    for (int i = 0; i < 256; ++i) b.push_back(static_cast<std::uint8_t>(i % 0xFE));
    v.rozmerove.insert(b.size() + 2);
    b.insert(b.end(), {0xFF, 0xFF, 0xDB, 0, 4, 0, 0});  // a fill byte, then a short table
    v.rozmerove.insert(b.size() + 1);
    b.insert(b.end(), {0xFF, 0xC0, 0, 17, 8});
    Oznacit(v, b.size(), 4);
    Be16(b, h), Be16(b, w);
    v.potrebne = b.size();
    b.insert(b.end(), {3, 1, 0x22, 0, 2, 0x11, 1, 3, 0x11, 1, 0xFF, 0xDA, 0, 8});
    b.resize(b.size() + 64, 0x55);
    return v;
}

Vzor Png(std::uint32_t w, std::uint32_t h) {
    Vzor v{FormatObrazku::Png, {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'}, {}, 0};
    Oznacit(v, 16, 8);
    Be32(v.data, w), Be32(v.data, h);
    v.data.insert(v.data.end(), {8, 6, 0, 0, 0});
    v.potrebne = v.data.size();
    v.data.insert(v.data.end(), {0x12, 0x34, 0x56, 0x78, 0, 0, 0, 0, 'I', 'E', 'N', 'D'});
    return v;
}

Vzor Bmp(std::int32_t w, std::int32_t h) {
    Vzor v{FormatObrazku::Bmp, {'B', 'M'}, {}, 0};
    Bajty& b = v.data;
    Le32(b, 54), Le32(b, 0), Le32(b, 54), Le32(b, 40);
    Oznacit(v, 18, 8);
    Le32(b, static_cast<std::uint32_t>(w)), Le32(b, static_cast<std::uint32_t>(h));
    v.potrebne = b.size();
    Le16(b, 1), Le16(b, 24);
    b.resize(54 + 48, 0x10);
    return v;
}

Vzor Tiff(std::uint32_t w, std::uint32_t h, bool intel) {
    Vzor v{FormatObrazku::Tiff, intel ? Bajty{'I', 'I', 42, 0} : Bajty{'M', 'M', 0, 42}, {}, 0};
    Bajty& b = v.data;
    auto u16 = [&](std::uint32_t x) { intel ? Le16(b, x) : Be16(b, x); };
    auto u32 = [&](std::uint32_t x) { intel ? Le32(b, x) : Be32(b, x); };
    u32(8);
    u16(4);
    auto polozka = [&](std::uint32_t znacka, std::uint32_t typ, std::uint32_t hodnota, bool rozmer) {
        u16(znacka), u16(typ), u32(1);
        if (rozmer) Oznacit(v, b.size(), 4);
        if (typ == 3) u16(hodnota), u16(0);
        else u32(hodnota);
    };
    polozka(254, 4, 0, false);
    polozka(256, 3, w, true);
    polozka(257, 4, h, true);
    v.potrebne = b.size();
    polozka(258, 3, 8, false);
    u32(0);
    return v;
}

Vzor Gif(std::uint32_t w, std::uint32_t h) {
    Vzor v{FormatObrazku::Gif, {'G', 'I', 'F', '8', '9', 'a'}, {}, 0};
    Oznacit(v, 6, 4);
    Le16(v.data, w), Le16(v.data, h);
    v.potrebne = v.data.size();
    v.data.insert(v.data.end(), {0xF7, 0, 0, 0, 0, 0, 0x21, 0xF9, 4, 0, 0, 0, 0, 0});
    return v;
}

std::vector<Vzor> Vzory() {
    return {Jpeg(640, 480), Png(1, 65535), Bmp(800, -600), Tiff(300, 200, true), Tiff(70000 / 7, 9999, false),
            Gif(320, 240)};
}

RozpoznanyObrazek Rozpoznat(const Bajty& b) { return RozpoznatObrazek(b.data(), b.size()); }

}  // namespace

TEST(RozpoznaniObrazku, KazdyFormatSVelikosti) {
    const std::pair<std::uint32_t, std::uint32_t> ocekavane[] = {{640, 480}, {1, 65535}, {800, 600},
                                                                 {300, 200}, {10000, 9999}, {320, 240}};
    auto vzory = Vzory();
    for (std::size_t i = 0; i < vzory.size(); ++i) {
        const auto r = Rozpoznat(vzory[i].data);
        EXPECT_TRUE(r.Platny()) << i;
        EXPECT_EQ(r.format, vzory[i].format) << i;
        EXPECT_EQ(r.sirka, ocekavane[i].first) << i;
        EXPECT_EQ(r.vyska, ocekavane[i].second) << i;
    }
    // Unknown signatures, empty input, a null pointer.
    for (const Bajty& b : {Bajty{}, Bajty{'B'}, Bajty{'R', 'I', 'F', 'F', 0, 0, 0, 0}, Bajty{0xFF, 0xD8}})
        EXPECT_EQ(Rozpoznat(b).vysledek, VysledekRozpoznani::Neznamy);
    EXPECT_EQ(RozpoznatObrazek(nullptr, 100).vysledek, VysledekRozpoznani::Neznamy);
}

TEST(RozpoznaniObrazku, MezeVelikostiAPoskozeneHlavicky) {
    const auto nad = Rozpoznat(Png(65536, 1).data);
    EXPECT_EQ(nad.vysledek, VysledekRozpoznani::PrilisVelky);
    EXPECT_EQ(nad.sirka, 65536u);
    EXPECT_EQ(Rozpoznat(Jpeg(10000, 10000).data).vysledek, VysledekRozpoznani::Rozpoznan);  // exactly 100 million
    EXPECT_EQ(Rozpoznat(Jpeg(10000, 10001).data).vysledek, VysledekRozpoznani::PrilisVelky);
    EXPECT_EQ(Rozpoznat(Gif(65535, 65535).data).vysledek, VysledekRozpoznani::PrilisVelky);
    EXPECT_EQ(Rozpoznat(Bmp(-5, 10).data).vysledek, VysledekRozpoznani::Poskozeny);
    EXPECT_EQ(Rozpoznat(Bmp(5, INT32_MIN).data).vysledek, VysledekRozpoznani::PrilisVelky);
    EXPECT_EQ(Rozpoznat(Jpeg(640, 0).data).vysledek, VysledekRozpoznani::Poskozeny);  // height left to a DNL marker
    EXPECT_EQ(Rozpoznat(Png(0x80000000u, 1).data).vysledek, VysledekRozpoznani::Poskozeny);
    // A TIFF directory that points past the end, or names the width twice.
    Vzor t = Tiff(30, 20, true);
    t.data[4] = 0xF0;
    EXPECT_EQ(Rozpoznat(t.data).vysledek, VysledekRozpoznani::Poskozeny);
    t = Tiff(30, 20, true);
    t.data[10 + 12 * 2] = 0;  // ImageLength (257) becomes a second ImageWidth (256)
    EXPECT_EQ(Rozpoznat(t.data).vysledek, VysledekRozpoznani::Poskozeny);

    EXPECT_EQ(TextOdmitnuti(nad, L"C:\\a.png"), L"Obrázek \"C:\\a.png\" je příliš velký (65536 x 1 bodů).");
    EXPECT_EQ(TextOdmitnuti(Rozpoznat({}), L"b.jpg"), L"Soubor \"b.jpg\" není platný obrázek nebo je poškozený.");
}

TEST(RozpoznaniObrazku, KazdeZkraceniHlavickyOdmitne) {
    for (const Vzor& v : Vzory()) {
        for (std::size_t n = 0; n < v.data.size(); ++n) {
            const auto r = RozpoznatObrazek(Bajty(v.data.begin(), v.data.begin() + n).data(), n);
            if (n < v.potrebne) {
                EXPECT_FALSE(r.Platny()) << int(v.format) << " at " << n;
                EXPECT_NE(r.vysledek, VysledekRozpoznani::PrilisVelky);
            } else {
                EXPECT_TRUE(r.Platny()) << int(v.format) << " at " << n;
            }
        }
    }
}

// Seeded damage: bytes outside the size fields give the right size or a refusal; damage anywhere stays within the
// buffer (a copy of exactly its length, so that the sanitizer build sees any read past it) and within the limits.
TEST(RozpoznaniObrazku, NahodnaPoskozeni) {
    std::mt19937 nahoda(20261209);
    const auto vzory = Vzory();
    int prijato = 0, odmitnuto = 0;
    for (int i = 0; i < 10000; ++i) {
        const Vzor& v = vzory[static_cast<std::size_t>(i) % vzory.size()];
        const auto puvodni = Rozpoznat(v.data);
        Bajty b = v.data;
        const bool mimoRozmery = i % 2 == 0;
        const int zmen = 1 + static_cast<int>(nahoda() % 4);
        for (int z = 0; z < zmen; ++z) {
            std::size_t p = nahoda() % b.size();
            if (mimoRozmery && v.rozmerove.count(p)) continue;
            b[p] = static_cast<std::uint8_t>(nahoda());
        }
        if (nahoda() % 4 == 0) b.resize(nahoda() % b.size());
        const auto r = RozpoznatObrazek(b.empty() ? nullptr : Bajty(b).data(), b.size());
        if (!r.Platny()) {
            ++odmitnuto;
            continue;
        }
        ++prijato;
        EXPECT_LE(r.sirka, kMaxStrana);
        EXPECT_LE(std::uint64_t{r.sirka} * r.vyska, kMaxBodu);
        EXPECT_GT(r.sirka * r.vyska, 0u);
        if (mimoRozmery) {
            EXPECT_EQ(r.sirka, puvodni.sirka) << i;
            EXPECT_EQ(r.vyska, puvodni.vyska) << i;
        }
    }
    EXPECT_GT(prijato, 1000);  // the damage does not simply refuse everything
    EXPECT_GT(odmitnuto, 1000);
}
