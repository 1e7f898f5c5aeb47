#include <gtest/gtest.h>

#include "VyhozenaChyba.h"

#include <cstdint>
#include <string>

#include "app/IdAplikaceZastupce.h"
#include "knihovna/Chyba.h"

namespace {

std::string Bajty(std::initializer_list<std::uint32_t> hodnoty, std::size_t sirka) {
    std::string b;
    for (auto v : hodnoty)
        for (std::size_t i = 0; i < sirka; ++i) b.push_back(char((v >> (8 * i)) & 0xFF));
    return b;
}

// A shortcut as the shell writes one: header (Unicode, with a name), the name "Tv", one unrelated extra
// block (console code page, 12 bytes) and the terminal block.
std::string Zastupce() {
    std::string b = Bajty({0x4C}, 4) + std::string(0x10, '\x01') + Bajty({0x04 | 0x80}, 4);
    b.resize(0x4C, '\0');
    b += Bajty({2}, 2) + Bajty({'T', 'v'}, 2);
    b += Bajty({12, 0xA0000004, 1250}, 4);
    return b + Bajty({0}, 4);
}

}  // namespace

TEST(IdAplikaceZastupce, ZapsanyBlokMaRozlozeniUlozisteVlastnosti) {
    const std::string puvodni = Zastupce();
    EXPECT_EQ(PrecistIdAplikace(puvodni), L"");

    const std::string s = ZapsatIdAplikace(puvodni, L"A.B");
    // Block: size, signature; storage: size, "1SPS", FMTID; value: size, id 5, reserved, VT_LPWSTR, padding,
    // 4 characters with the zero; no more values; no more storages.
    const std::string blok = Bajty({8 + 24 + 25 + 4 + 4, 0xA0000009, 24 + 25 + 4, 0x53505331, 0x9F4C2855}, 4) +
                             Bajty({0x9F79, 0x4B39}, 2) +
                             Bajty({0xA8, 0xD0, 0xE1, 0xD4, 0x2D, 0xE1, 0xD5, 0xF3}, 1) + Bajty({25, 5}, 4) +
                             std::string(1, '\0') + Bajty({0x1F, 0}, 2) + Bajty({4}, 4) +
                             Bajty({'A', '.', 'B', 0}, 2) + Bajty({0, 0}, 4);
    const std::size_t bloky = puvodni.size() - 4 - 12;
    EXPECT_EQ(s, puvodni.substr(0, bloky + 12) + blok + Bajty({0}, 4));  // the console block kept, then ours
    EXPECT_EQ(PrecistIdAplikace(s), L"A.B");

    // Written again, the new ID replaces the old block instead of adding a second one.
    const std::string znovu = ZapsatIdAplikace(s, L"DunmarHolvent.Tervik.Aplikace");
    EXPECT_EQ(PrecistIdAplikace(znovu), L"DunmarHolvent.Tervik.Aplikace");
    EXPECT_EQ(znovu.size(), s.size() + 26 * 2);
}

TEST(IdAplikaceZastupce, IdMeziDalsimiVlastnostmi) {
    // A store as Windows writes it for a pinned program: another FMTID first, then ours with a value before the ID.
    const std::string cizi = Bajty({24 + 4, 0x53505331, 1, 2, 3, 4}, 4) + Bajty({0}, 4);
    const std::string hodnota11 = Bajty({17 + 4, 11}, 4) + std::string(1, '\0') + Bajty({0x1F, 0}, 2) +
                                  Bajty({2}, 4) + Bajty({'x', 0}, 2);
    const std::string hodnota5 = Bajty({17 + 8, 5}, 4) + std::string(1, '\0') + Bajty({0x1F, 0}, 2) +
                                 Bajty({4}, 4) + Bajty({'I', '.', 'D', 0}, 2);
    const std::string nase = Bajty({std::uint32_t(24 + hodnota11.size() + hodnota5.size() + 4), 0x53505331,
                                    0x9F4C2855, 0x4B399F79, 0xD4E1D0A8, 0xF3D5E12D}, 4) +
                             hodnota11 + hodnota5 + Bajty({0}, 4);
    std::string s = Zastupce();
    s.resize(s.size() - 4);
    s += Bajty({std::uint32_t(8 + cizi.size() + nase.size() + 4), 0xA0000009}, 4) + cizi + nase + Bajty({0, 0}, 4);
    EXPECT_EQ(PrecistIdAplikace(s), L"I.D");
}

TEST(IdAplikaceZastupce, PoskozenySouborJeChyba) {
    const std::string dobry = Zastupce();
    for (const std::string& spatny : {std::string(), dobry.substr(0, 0x40), dobry.substr(0, 0x4D),
                                      dobry.substr(0, dobry.size() - 2), "\x4D" + dobry.substr(1)}) {
        EXPECT_EQ(VyhozenaChyba([&] { PrecistIdAplikace(spatny); }).value().Hr(), Knihovna::kE_INVALIDARG)
            << spatny.size() << " bytes";
        EXPECT_THROW(ZapsatIdAplikace(spatny, L"A.B"), Knihovna::Chyba);
    }
}
