#include "knihovna/win/RegistrWindows.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include "knihovna/Chyba.h"
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
