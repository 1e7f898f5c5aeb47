#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <cstring>

#include "../ZmenenaKamera.h"
#include "camera/Tervik.h"
#include "camera/win/PismoSystemu.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/win/RegistrWindows.h"

using namespace Knihovna;
using Knihovna::WinApi::RegistrWindows;

namespace {

// A root of its own, so the test never meets the program's real settings.
const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\TestKamer";

class ParametryKameryWin : public ::testing::Test {
protected:
    void SetUp() override { ::SHDeleteKeyW(HKEY_CURRENT_USER, kKoren.c_str()); }
    void TearDown() override { ::SHDeleteKeyW(HKEY_CURRENT_USER, kKoren.c_str()); }
    RegistrWindows registr_;
};

}  // namespace

TEST_F(ParametryKameryWin, CelyZaznamPresSkutecnyRegistr) {
    const std::wstring cesta = CestaKamery(kKoren, L"Dvůr");
    const ParametryKamery zmenena = ZmenenaKamera();
    zmenena.Ulozit(registr_, cesta);
    ParametryKamery k;
    k.NastavitVychozi(L"Dvůr", TestovaciKontext());
    EXPECT_TRUE(k.Nacist(registr_, cesta).empty());
    EXPECT_EQ(k, zmenena);

    // Stored with the platform's types: a DWORD, a REG_SZ with its zero, the font as 92 bytes.
    std::map<std::wstring, std::string> v;
    VypsatRegistr(registr_, cesta, L"", v);
    EXPECT_EQ(v.at(L"Detekce pohybu|interval").substr(0, 2), "4:");
    EXPECT_EQ(v.at(L"Snimky FTP\\FTP umisteni|soubor"), std::string("1:") + std::string("d\0v\0u\0r\0\0\0", 10));
    EXPECT_EQ(v.at(L"HTTP server\\Snimek\\Text|logfont").size(), 2 + 92u);
    EXPECT_EQ(v.at(L"Video|sirka"), std::string("4:") + std::string("\x80\x02\0\0", 4));

    // A second save over the first rebuilds the scheduled list without the removed entry.
    k.planovaneSnimky.pop_back();
    k.Ulozit(registr_, cesta);
    ParametryKamery n;
    n.NastavitVychozi(L"Dvůr", TestovaciKontext());
    EXPECT_TRUE(n.Nacist(registr_, cesta).empty());
    EXPECT_EQ(n.planovaneSnimky, (std::vector<std::uint32_t>{ZabalitCas(6, 30, 0)}));
}

TEST_F(ParametryKameryWin, HodnotaSpatnehoTypuVSkutecnemRegistru) {
    Tervik t(L"Brána");
    t.NastavitVychozi(TestovaciKontext());
    t.Parametry().httpServer.portServer = 9999;
    t.UlozitParametry(registr_, kKoren);
    RegistrKlic klic(registr_, CestaKamery(kKoren, L"Brána"));
    klic.OtevritZapis(L"Okno");
    klic.ZapsatText(L"statusBar", L"ano");
    klic.Zavrit();
    Tervik u(L"Brána");
    u.NastavitVychozi(TestovaciKontext());
    const auto chyby = u.NacistParametry(registr_, kKoren);
    ASSERT_EQ(chyby.size(), 1u);
    EXPECT_TRUE(u.Parametry().okno.statusBar);
    EXPECT_EQ(u.Parametry().httpServer.portServer, 9999u);
}

TEST(PismoSystemu, VychoziPismoJeZDefaultGuiFont) {
    LOGFONTW lf{};
    ASSERT_EQ(::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf), static_cast<int>(sizeof lf));
    const PopisPisma p = VychoziPismoGui();
    EXPECT_EQ(p.vyska, lf.lfHeight);
    EXPECT_EQ(p.tloustka, lf.lfWeight);
    EXPECT_EQ(p.JmenoPisma(), std::wstring(lf.lfFaceName));
    const LOGFONTW zpet = LogfontZPopisu(p);
    EXPECT_EQ(std::memcmp(&zpet, &lf, sizeof lf), 0);
    // The record makes a real font.
    HFONT pismo = ::CreateFontIndirectW(&zpet);
    EXPECT_NE(pismo, nullptr);
    if (pismo) ::DeleteObject(pismo);
}
