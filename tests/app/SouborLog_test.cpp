#include "app/SouborLog.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "DocasnaSlozka.h"
#include "PevneHodiny.h"
#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Knihovna;

namespace {

class SouborLogTest : public DocasnaSlozka {
protected:
    PevneHodiny hodiny_;
    PristupKSouborumStd soubory_;
};

}  // namespace

TEST(SouborLogRadek, JmenoLoguKamery) {
    EXPECT_EQ(SouborLog::CestaLoguKamery(L"C:\\Data", L"Dvůr: vchod?"), L"C:\\Data\\Dvůr_ vchod_.log");
    EXPECT_EQ(SouborLog::CestaLoguKamery(L"C:\\D", L"a\\b+c?d*e:f;g!h<i>j|k'l\"m"), L"C:\\D\\a_b_c_d_e_f_g_h_i_j_k_l_m.log");
    // The slash as well: "a/b.log" would lie in a folder "a" that does not exist.
    EXPECT_EQ(SouborLog::CestaLoguKamery(L"C:\\D", L"Brána/dvůr"), L"C:\\D\\Brána_dvůr.log");
}

// Day, month and hour without a leading zero.
TEST_F(SouborLogTest, RadkySePripojujiVUtf16BezBom) {
    const auto cesta = slozka_ / "Tervik.log";
    SouborLog log(cesta.wstring(), 2000000, 0, soubory_, hodiny_);
    EXPECT_EQ(log.ZapsatRadek(L"první"), 0);
    hodiny_.cas.sekunda = 10;
    EXPECT_EQ(log.ZapsatRadek(L"druhý"), 0);
    EXPECT_EQ(Obsah(cesta), KodovatUtf16LE(L"5.12.2026 7:03:09 - první\r\n5.12.2026 7:03:10 - druhý\r\n"));
}

TEST_F(SouborLogTest, PlnySouborNebereDalsiRadkyANeniZmenen) {
    const auto cesta = slozka_ / "plny.log";
    // One line is 46 bytes: a cap of 40 takes the first line (checked before writing) and no more.
    SouborLog log(cesta.wstring(), 40, 0, soubory_, hodiny_);
    EXPECT_EQ(log.ZapsatRadek(L"a"), 0);  // 0 bytes before: written (the cap is checked before writing)
    const std::string poPrvnim = Obsah(cesta);
    EXPECT_EQ(poPrvnim.size(), 46u);
    const auto cas = std::filesystem::last_write_time(cesta);
    EXPECT_EQ(log.ZapsatRadek(L"b"), 1);
    EXPECT_EQ(Obsah(cesta), poPrvnim);
    EXPECT_EQ(std::filesystem::last_write_time(cesta), cas);
}

TEST_F(SouborLogTest, ChybaZapisuSeHlasiJednouAzDoDalsihoZapsanehoRadku) {
    const auto slozka = slozka_ / "kamera";
    SouborLog log((slozka / "x.log").wstring(), 1000, 0, soubory_, hodiny_);
    // The first failure (no folder) is told; the ones after it, at every further event, are not.
    const auto prvni = log.ZapsatRadekHlasitJednou(L"a");
    ASSERT_TRUE(prvni.has_value());
    EXPECT_NE(prvni->Hr(), 0);
    EXPECT_FALSE(log.ZapsatRadekHlasitJednou(L"b").has_value());
    EXPECT_FALSE(log.ZapsatRadekHlasitJednou(L"c").has_value());
    // Once the log can be written again, a later failure is news again.
    std::filesystem::create_directories(slozka);
    EXPECT_FALSE(log.ZapsatRadekHlasitJednou(L"d").has_value());
    EXPECT_EQ(Obsah(slozka / "x.log"), KodovatUtf16LE(L"5.12.2026 7:03:09 - d\r\n"));
    std::filesystem::remove_all(slozka);
    EXPECT_TRUE(log.ZapsatRadekHlasitJednou(L"e").has_value());
}
