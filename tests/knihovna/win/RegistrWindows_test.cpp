#include "knihovna/win/RegistrWindows.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "app/NastaveniAplikace.h"
#include "knihovna/RegistrKlic.h"

using namespace Knihovna;
using Knihovna::WinApi::RegistrWindows;

namespace {

// A root of its own, so the test never meets the program's real settings.
const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\TestRegistru";

class RegistrWindowsTest : public ::testing::Test {
protected:
    void SetUp() override { ::SHDeleteKeyW(HKEY_CURRENT_USER, kKoren.c_str()); }
    void TearDown() override { ::SHDeleteKeyW(HKEY_CURRENT_USER, kKoren.c_str()); }

    static DWORD TypHodnoty(const std::wstring& klic, const wchar_t* jmeno, DWORD* velikost = nullptr) {
        HKEY h = nullptr;
        if (::RegOpenKeyExW(HKEY_CURRENT_USER, klic.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return 0xFFFFFFFF;
        DWORD typ = 0, n = 0;
        const LONG r = ::RegQueryValueExW(h, jmeno, nullptr, &typ, nullptr, &n);
        ::RegCloseKey(h);
        if (velikost) *velikost = n;
        return r == ERROR_SUCCESS ? typ : 0xFFFFFFFF;
    }
    RegistrWindows registr_;
};

}  // namespace

TEST_F(RegistrWindowsTest, KlicSeChovaJakoVPameti) {
    RegistrKlic k(registr_, kKoren);
    EXPECT_FALSE(k.ZkusitOtevritCteni());
    k.OtevritZapis(L"Pod");
    k.ZapsatText(L"text", L"Žluťoučký kůň");
    k.ZapsatCislo(L"cislo", 0x80000001u);
    k.ZapsatPriznak(L"priznak", true);
    const unsigned char b[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    k.ZapsatBinarni(L"bin", b, 16);
    k.Zavrit();

    DWORD velikost = 0;
    EXPECT_EQ(TypHodnoty(kKoren + L"\\Pod", L"text", &velikost), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(velikost, 2u * 13 + 2);  // with the terminating zero
    EXPECT_EQ(TypHodnoty(kKoren + L"\\Pod", L"cislo"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(TypHodnoty(kKoren + L"\\Pod", L"bin", &velikost), static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(velikost, 16u);

    k.OtevritCteni(L"POD");
    std::wstring text;
    std::uint32_t cislo = 0;
    bool priznak = false;
    unsigned char zpet[16] = {};
    EXPECT_EQ(k.CistText(L"text", text), 0);
    EXPECT_EQ(text, L"Žluťoučký kůň");
    EXPECT_EQ(k.CistCislo(L"cislo", cislo), 0);
    EXPECT_EQ(cislo, 0x80000001u);
    EXPECT_EQ(k.CistPriznak(L"priznak", priznak), 0);
    EXPECT_TRUE(priznak);
    EXPECT_EQ(k.CistBinarni(L"bin", zpet, 16), 0);
    EXPECT_EQ(zpet[15], 16);
    EXPECT_EQ(k.CistText(L"chybi", text), 1);
    EXPECT_THROW(k.CistCislo(L"text", cislo), Chyba);
    EXPECT_THROW(k.CistText(L"cislo", text), Chyba);
    EXPECT_EQ(k.JmenaHodnot().size(), 4u);
    k.Zavrit();

    RegistrKlic koren(registr_, kKoren);
    koren.OtevritCteni();
    EXPECT_EQ(koren.JmenaPodklicu(), std::vector<std::wstring>{L"Pod"});
    koren.SmazatPodklic(L"Pod");
    EXPECT_FALSE(koren.ZkusitOtevritCteni(L"Pod"));
    koren.Zavrit();
}

TEST_F(RegistrWindowsTest, NastaveniAplikaceVeSkutecnemRegistru) {
    NastaveniAplikace a;
    a.NastavitVychozi(L"C:\\users\\test\\Documents", 0x0601);
    EXPECT_TRUE(a.Nacist(registr_, kKoren).empty());  // nothing stored yet: every default
    EXPECT_EQ(a.portPrijem, 8124u);
    a.vychoziTervik = L"Dvůr";
    a.interval = 7000;
    a.udalostSpusteni = true;
    a.horkeKlavesy.Najit(40017)->klavesa = VK_F9;
    a.horkeKlavesy.Najit(40017)->modifikatory = MOD_CONTROL | MOD_ALT;
    a.Ulozit(registr_, kKoren);

    EXPECT_EQ(TypHodnoty(kKoren, L"vychoziTervik"), static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(TypHodnoty(kKoren + L"\\Promitani obrazku", L"interval"), static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(TypHodnoty(kKoren + L"\\Zapis udalosti", L"spusteni"), static_cast<DWORD>(REG_DWORD));
    DWORD velikost = 0;
    EXPECT_EQ(TypHodnoty(kKoren + L"\\Horke klavesy", L"40017", &velikost), static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(velikost, 16u);

    NastaveniAplikace b;
    b.NastavitVychozi(L"C:\\x", 0x0601);
    EXPECT_TRUE(b.Nacist(registr_, kKoren).empty());
    EXPECT_EQ(b.vychoziTervik, L"Dvůr");
    EXPECT_EQ(b.interval, 7000u);
    EXPECT_TRUE(b.udalostSpusteni);
    EXPECT_EQ(b.slozkaData, L"C:\\users\\test\\Documents\\Tervik 4.8");
    EXPECT_EQ(b.horkeKlavesy.Najit(40017)->klavesa, static_cast<std::uint32_t>(VK_F9));
    EXPECT_EQ(b.horkeKlavesy.Najit(40017)->modifikatory, static_cast<std::uint32_t>(MOD_CONTROL | MOD_ALT));

    // A text stored where a number belongs is reported; the values after it still load.
    HKEY h = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, kKoren.c_str(), 0, KEY_SET_VALUE, &h), ERROR_SUCCESS);
    const wchar_t text[] = L"dva";
    ::RegSetValueExW(h, L"oznamovaciIkona", 0, REG_SZ, reinterpret_cast<const BYTE*>(text), sizeof text);
    ::RegCloseKey(h);
    NastaveniAplikace c;
    c.NastavitVychozi(L"C:\\x", 0x0601);
    const auto chyby = c.Nacist(registr_, kKoren);
    ASSERT_EQ(chyby.size(), 1u);
    EXPECT_EQ(c.oznamovaciIkona, 2u);
    EXPECT_EQ(c.vychoziTervik, L"Dvůr");
    EXPECT_EQ(c.interval, 7000u);
}
