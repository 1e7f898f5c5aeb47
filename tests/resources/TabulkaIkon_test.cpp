// The icon table (resources/ikony.tsv), the Tango set it names and the strips the build makes from them.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/PolozkyHlavnihoOkna.h"
#include "knihovna/VelikostObrazku.h"
#include "resources/Obrazky.h"

namespace {

namespace fs = std::filesystem;

#ifdef TERVIK_TABULKA_IKON
constexpr const char* kTabulka = TERVIK_TABULKA_IKON;
constexpr const char* kTango = TERVIK_TANGO;
constexpr const char* kObrazky = TERVIK_OBRAZKY;
#else
// The Windows build runs these tests under Wine, where the build tree's paths mean nothing.
constexpr const char* kTabulka = "";
constexpr const char* kTango = "";
constexpr const char* kObrazky = "";
#endif

struct Radek {
    std::string misto;  // "pas" or "ikona"
    int cislo = 0;
    std::vector<std::uint32_t> prikazy;
    std::string obrazek;
};

std::vector<Radek> NacistTabulku() {
    std::ifstream f(kTabulka);
    std::vector<Radek> radky;
    std::string radek;
    while (std::getline(f, radek)) {
        if (radek.empty() || radek[0] == '#') continue;
        std::istringstream s(radek);
        std::string misto, klic, prikazy, obrazek;
        std::getline(s, misto, '\t');
        std::getline(s, klic, '\t');
        std::getline(s, prikazy, '\t');
        std::getline(s, obrazek, '\t');
        Radek r;
        r.misto = misto.substr(0, misto.find(':'));
        r.cislo = std::stoi(misto.substr(misto.find(':') + 1));
        std::istringstream p(prikazy);
        for (std::string c; std::getline(p, c, ',');)
            if (c != "-") r.prikazy.push_back(static_cast<std::uint32_t>(std::stoul(c)));
        r.obrazek = obrazek;
        radky.push_back(r);
    }
    return radky;
}

#define PRESKOCIT_BEZ_TABULKY()                                                              \
    if (!fs::exists(kTabulka)) GTEST_SKIP() << "tabulka ikon je jen v nativním sestavení"

// Each picture ("base+emblem*faintness") names only pictures the Tango set has, as scalable SVGs (any size can be
// made from them).
TEST(TabulkaIkon, ObrazkyJsouZeSadyTango) {
    PRESKOCIT_BEZ_TABULKY();
    if (!fs::exists(kTango)) GTEST_SKIP() << "sada ikon Tango není nainstalována (tango-icon-theme, make setup)";
    const auto radky = NacistTabulku();
    ASSERT_EQ(std::count_if(radky.begin(), radky.end(), [](const Radek& r) { return r.misto == "pas"; }),
              Obrazky::kPocet);
    for (const Radek& r : radky) {
        std::string popis = r.obrazek.substr(0, r.obrazek.find('*'));
        std::istringstream casti(popis);
        for (std::string jmeno; std::getline(casti, jmeno, '+');)
            EXPECT_TRUE(fs::exists(fs::path(kTango) / "scalable" / (jmeno + ".svg")))
                << r.misto << ":" << r.cislo << " " << jmeno;
    }
}

// The main window's toolbar and thumbnail buttons show the picture the table gives their command, and no command
// has two pictures in the strip.
TEST(TabulkaIkon, TlacitkaUkazujiObrazekSvehoPrikazu) {
    PRESKOCIT_BEZ_TABULKY();
    std::map<std::uint32_t, int> obrazekPrikazu;
    for (const Radek& r : NacistTabulku()) {
        if (r.misto != "pas") continue;
        for (std::uint32_t p : r.prikazy) EXPECT_TRUE(obrazekPrikazu.emplace(p, r.cislo).second) << p;
    }
    for (const auto& t : PolozkyHlavnihoOkna::Panel()) {
        if (!t.prikaz) continue;
        ASSERT_TRUE(obrazekPrikazu.count(t.prikaz)) << "tlačítko bez obrázku v tabulce: " << t.prikaz;
        EXPECT_EQ(t.obrazek, obrazekPrikazu[t.prikaz]) << t.prikaz;
    }
    for (const auto& t : PolozkyHlavnihoOkna::TlacitkaNahledu()) {
        ASSERT_TRUE(obrazekPrikazu.count(t.prikaz)) << t.prikaz;
        EXPECT_EQ(t.obrazek, obrazekPrikazu[t.prikaz]) << t.prikaz;
    }
}

// Any image of the strip can be a camera's icon ("indexIkony"): in every size each one is a picture (not empty)
// and no two are the same, so cameras can be told apart.
TEST(TabulkaIkon, ObrazkyPasuJsouRuzneANeprazdne) {
    PRESKOCIT_BEZ_TABULKY();
    if (!fs::exists(fs::path(kObrazky) / "Ikony16.bmp"))
        GTEST_SKIP() << "obrázky nejsou sestaveny (sada ikon Tango není nainstalována)";
    for (int velikost : {16, 24, 32}) {
        std::ifstream f(fs::path(kObrazky) / ("Ikony" + std::to_string(velikost) + ".bmp"), std::ios::binary);
        const std::vector<unsigned char> bmp((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        ASSERT_GT(bmp.size(), 54u);
        auto cislo = [&](std::size_t i, int bajtu) {
            std::uint32_t v = 0;
            for (int k = bajtu - 1; k >= 0; --k) v = v << 8 | bmp[i + k];
            return v;
        };
        const std::uint32_t data = cislo(10, 4), sirka = cislo(18, 4), vyska = cislo(22, 4), bity = cislo(28, 2);
        ASSERT_EQ(bity, 32u);
        ASSERT_EQ(vyska, static_cast<std::uint32_t>(velikost));
        ASSERT_EQ(sirka, static_cast<std::uint32_t>(velikost * Obrazky::kPocet));
        ASSERT_GE(bmp.size(), data + sirka * vyska * 4);
        std::map<std::vector<unsigned char>, int> videne;
        for (int i = 0; i < Obrazky::kPocet; ++i) {
            std::vector<unsigned char> obr;
            int viditelnych = 0;
            for (int y = 0; y < velikost; ++y) {
                const std::size_t zacatek = data + (static_cast<std::size_t>(y) * sirka + i * velikost) * 4;
                obr.insert(obr.end(), bmp.begin() + zacatek, bmp.begin() + zacatek + velikost * 4);
                for (int x = 0; x < velikost; ++x) viditelnych += bmp[zacatek + x * 4 + 3] > 0;
            }
            EXPECT_GT(viditelnych, velikost * velikost / 8) << "obrázek " << i << " je téměř prázdný, " << velikost;
            const auto [kde, novy] = videne.emplace(obr, i);
            EXPECT_TRUE(novy) << "obrázky " << kde->second << " a " << i << " jsou stejné, " << velikost << " px";
        }
    }
}

TEST(TabulkaIkon, VelikostObrazkuPodleDpi) {
    EXPECT_EQ(Knihovna::VelikostObrazku(96), 16);
    EXPECT_EQ(Knihovna::VelikostObrazku(110), 16);
    EXPECT_EQ(Knihovna::VelikostObrazku(120), 24);  // 125 %: 20 px lies between, the larger strip
    EXPECT_EQ(Knihovna::VelikostObrazku(144), 24);
    EXPECT_EQ(Knihovna::VelikostObrazku(168), 32);
    EXPECT_EQ(Knihovna::VelikostObrazku(192), 32);
    EXPECT_EQ(Knihovna::VelikostObrazku(288), 32);  // no larger strip: the largest
}

}  // namespace
