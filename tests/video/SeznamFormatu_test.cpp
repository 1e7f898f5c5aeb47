#include "video/SeznamFormatu.h"

#include <gtest/gtest.h>

#include <string>

#include "video/ZdrojFormatu.h"

using namespace Holvent::DirectShow;

namespace {

FormatVidea F(int sirka, int vyska, std::int64_t interval = 333333) {
    FormatVidea f;
    f.sirka = sirka;
    f.vyska = vyska;
    f.minInterval = interval;
    return f;
}

// A stream configuration whose capabilities are given; it notes the graph's stops and runs.
class PevnyZdroj : public ZdrojFormatu {
public:
    std::vector<FormatVidea> formaty;
    std::vector<bool> citelne;  // per capability: false = GetStreamCaps fails or not video
    int velikost = kVelikostSchopnosti;
    Knihovna::Hresult vysledekPoctu = Knihovna::kS_OK;
    std::string prubeh;

    void Zastavit() override { prubeh += "S"; }
    void Spustit() override { prubeh += "R"; }
    Knihovna::Hresult PocetSchopnosti(int& pocet, int& vel) override {
        pocet = static_cast<int>(formaty.size());
        vel = velikost;
        return vysledekPoctu;
    }
    bool Schopnost(int i, FormatVidea& f) override {
        prubeh += "c";
        if (static_cast<size_t>(i) < citelne.size() && !citelne[static_cast<size_t>(i)]) return false;
        f = formaty[static_cast<size_t>(i)];
        return true;
    }
};

std::vector<std::pair<int, int>> Rozmery(const SeznamFormatu& s) {
    std::vector<std::pair<int, int>> r;
    for (const auto& f : s.Polozky()) r.emplace_back(f.sirka, f.vyska);
    return r;
}

}  // namespace

// The same size at the same rate once, another rate of a size stays; sorted by width and then height.
TEST(SeznamFormatu, StejnyRozmerAIntervalJenJednouARazeni) {
    SeznamFormatu s;
    EXPECT_TRUE(s.Pridat(F(640, 480, 333333)));
    EXPECT_FALSE(s.Pridat(F(640, 480, 333333)));
    EXPECT_TRUE(s.Pridat(F(640, 480, 666666)));
    EXPECT_EQ(s.Polozky()[1].minInterval, 666666);
    for (auto f : {F(1280, 720), F(320, 240), F(480, 640), F(320, 180), F(1920, 1080), F(640, 360)}) EXPECT_TRUE(s.Pridat(f));
    s.Seradit();
    EXPECT_EQ(Rozmery(s), (std::vector<std::pair<int, int>>{{320, 180}, {320, 240}, {480, 640}, {640, 360}, {640, 480},
                                                            {640, 480}, {1280, 720}, {1920, 1080}}));
}

TEST(SeznamFormatu, NacteniZeZdrojeVynechaNecitelneAOpakovane) {
    PevnyZdroj zdroj;
    zdroj.formaty = {F(640, 480), F(160, 120), F(640, 480), F(320, 240), F(640, 480, 666666)};
    zdroj.citelne = {true, true, true, false, true};
    SeznamFormatu s;
    s.Pridat(F(1, 1));  // an older list goes away
    EXPECT_EQ(s.Nacist(zdroj), 0);
    EXPECT_EQ(Rozmery(s), (std::vector<std::pair<int, int>>{{640, 480}, {160, 120}, {640, 480}}));
    // Stopped for the reading and running again afterwards.
    EXPECT_EQ(zdroj.prubeh, "ScccccR");
}

// Capabilities of another size give an empty list and 1; a failed count is thrown only after the graph runs again.
TEST(SeznamFormatu, JinaVelikostSchopnostiASelhaniPoctu) {
    PevnyZdroj zdroj;
    zdroj.formaty = {F(640, 480)};
    zdroj.velikost = 88;
    SeznamFormatu s;
    s.Pridat(F(1, 1));
    EXPECT_EQ(s.Nacist(zdroj), 1);
    EXPECT_TRUE(s.Prazdny());
    EXPECT_EQ(zdroj.prubeh, "SR");

    PevnyZdroj selhani;
    selhani.formaty = {F(640, 480)};
    selhani.vysledekPoctu = Knihovna::kE_NOTIMPL;
    try {
        s.Nacist(selhani);
        FAIL() << "bez chyby";
    } catch (const Knihovna::Chyba& chyba) {
        EXPECT_EQ(chyba.Hr(), Knihovna::kE_NOTIMPL);
    }
    EXPECT_EQ(selhani.prubeh, "SR");
    EXPECT_TRUE(s.Prazdny());
}
