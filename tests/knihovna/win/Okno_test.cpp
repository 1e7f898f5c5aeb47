#include "knihovna/win/Okno.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "knihovna/RegistrKlic.h"
#include "knihovna/win/RegistrWindows.h"
#include "knihovna/win/Zdroje.h"

using namespace Knihovna;
using namespace Knihovna::WinApi;

namespace {

const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\TestOken";

class OknoTestu final : public Okno {
public:
    int zprav = 0;
    bool poPosledni = false;
    bool* smazano = nullptr;

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override {
        ++zprav;
        if (zprava == WM_APP + 1) Vyhodit(kE_FAIL, L"chyba v obsluze");  // must not escape into user32
        return Okno::ZpracovatZpravu(zprava, wp, lp);
    }
    void PoPosledniZprave() override {
        poPosledni = true;
        if (smazano) {
            *smazano = true;
            delete this;
        }
    }
    void NeosetrenaChyba(const Chyba&) override { ++chyb; }

public:
    int chyb = 0;
};

class OknoTest : public ::testing::Test {
protected:
    void SetUp() override { ::SHDeleteKeyW(HKEY_CURRENT_USER, kKoren.c_str()); }
    void TearDown() override { ::SHDeleteKeyW(HKEY_CURRENT_USER, kKoren.c_str()); }
    RegistrWindows registr_;
};

}  // namespace

TEST_F(OknoTest, ZpravyAChybyVObsluze) {
    OknoTestu okno;
    okno.Vytvorit(L"TervikTestOkno", L"Test", WS_OVERLAPPEDWINDOW, 0, 10, 10, 300, 200);
    ASSERT_NE(okno.Hwnd(), nullptr);
    EXPECT_EQ(Okno::ZHandle(okno.Hwnd()), &okno);
    ::SendMessageW(okno.Hwnd(), WM_APP + 1, 0, 0);
    EXPECT_EQ(okno.chyb, 1);
    okno.Znicit();
    EXPECT_EQ(okno.Hwnd(), nullptr);
    EXPECT_TRUE(okno.poPosledni);
}

TEST_F(OknoTest, OknoSeMuzeSmazatPoPosledniZprave) {
    bool smazano = false;
    auto* okno = new OknoTestu;
    okno->smazano = &smazano;
    okno->Vytvorit(L"TervikTestOkno", L"Test", WS_OVERLAPPEDWINDOW);
    ::DestroyWindow(okno->Hwnd());
    EXPECT_TRUE(smazano);
}

TEST_F(OknoTest, UmisteniSeUloziAObnovi) {
    OknoTestu okno;
    okno.Vytvorit(L"TervikTestOkno", L"Test", WS_OVERLAPPEDWINDOW, 0, 10, 10, 300, 200);
    EXPECT_FALSE(okno.NacistUmisteni(registr_, kKoren));  // nothing stored yet
    ::SetWindowPos(okno.Hwnd(), nullptr, 120, 80, 420, 310, SWP_NOZORDER);
    okno.UlozitUmisteni(registr_, kKoren);  // not visible: not saved
    RegistrKlic klic(registr_, kKoren + L"\\Parametry oken");
    std::uint32_t poloha = 0;
    klic.OtevritCteni(L"TervikTestOkno", true);
    EXPECT_EQ(klic.CistCislo(L"Poloha", poloha), 1);
    klic.Zavrit();

    ::ShowWindow(okno.Hwnd(), SW_SHOWNOACTIVATE);
    okno.UlozitUmisteni(registr_, kKoren);
    klic.OtevritCteni(L"TervikTestOkno");
    std::uint32_t velikost = 0;
    EXPECT_EQ(klic.CistCislo(L"Poloha", poloha), 0);
    EXPECT_EQ(klic.CistCislo(L"Velikost", velikost), 0);
    klic.Zavrit();
    EXPECT_EQ(poloha, (80u << 16) | 120u);
    EXPECT_EQ(velikost, (310u << 16) | 420u);

    // Minimised: the stored placement stays as it was.
    ::ShowWindow(okno.Hwnd(), SW_MINIMIZE);
    okno.UlozitUmisteni(registr_, kKoren);
    ::ShowWindow(okno.Hwnd(), SW_RESTORE);
    ::SetWindowPos(okno.Hwnd(), nullptr, 0, 0, 200, 100, SWP_NOZORDER);
    EXPECT_TRUE(okno.NacistUmisteni(registr_, kKoren));
    RECT r{};
    ::GetWindowRect(okno.Hwnd(), &r);
    EXPECT_EQ(r.left, 120);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(r.right - r.left, 420);

    // A placement far off every monitor is pulled back onto the work area.
    klic.OtevritZapis(L"TervikTestOkno");
    klic.ZapsatCislo(L"Poloha", (5000u << 16) | 9000u);
    klic.Zavrit();
    EXPECT_TRUE(okno.NacistUmisteni(registr_, kKoren, true));
    ::GetWindowRect(okno.Hwnd(), &r);
    RECT plocha{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &plocha, 0);
    EXPECT_LE(r.right, plocha.right);
    EXPECT_LE(r.bottom, plocha.bottom);
    EXPECT_EQ(r.right - r.left, 420);  // position only: the size is kept
    okno.Znicit();
}

// The texts and the version data of Tervik.exe are what the whole-program tests read in its windows (the about
// box's version, the messages at start-up); what they cannot meet is a text that is not there.
TEST(ZdrojeProgramu, ChybejiciTextNeniNacten) {
    std::wstring cesta = CestaModulu(nullptr);
    cesta = cesta.substr(0, cesta.find_last_of(L"\\/") + 1) + L"Tervik.exe";
    HMODULE m = ::LoadLibraryExW(cesta.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(m, nullptr);
    std::wstring text;
    EXPECT_TRUE(NacistRetezec(m, 20016, text));
    EXPECT_FALSE(NacistRetezec(m, 29999, text));
    ::FreeLibrary(m);
}
