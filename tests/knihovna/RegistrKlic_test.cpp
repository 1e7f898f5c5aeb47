#include "knihovna/RegistrKlic.h"

#include <gtest/gtest.h>

#include "VyhozenaChyba.h"

#include "knihovna/Chyba.h"
#include "knihovna/RegistrVPameti.h"

using namespace Knihovna;

namespace {
const std::wstring kKoren = L"Software\\Test\\Koren";
}

TEST(RegistrKlic, ZapisACteniVsechTypu) {
    RegistrVPameti reg;
    {
        RegistrKlic k(reg, kKoren);
        EXPECT_FALSE(k.ZkusitOtevritCteni());
        k.OtevritZapis(L"Pod\\Klic");
        k.ZapsatText(L"text", L"Příliš žluťoučký");
        k.ZapsatCislo(L"cislo", 0xFFFFFFFEu);
        k.ZapsatPriznak(L"priznak", false);
        const unsigned char b[3] = {1, 2, 3};
        k.ZapsatBinarni(L"bin", b, 3);
        k.Zavrit();
    }
    RegistrKlic k(reg, kKoren);
    k.OtevritCteni(L"pod\\KLIC");  // names are case-insensitive
    std::wstring text;
    std::uint32_t cislo = 0;
    std::int32_t znamenkove = 0;
    bool priznak = true;
    unsigned char b[3] = {};
    EXPECT_EQ(k.CistText(L"TEXT", text), 0);
    EXPECT_EQ(text, L"Příliš žluťoučký");
    EXPECT_EQ(k.CistCislo(L"cislo", cislo), 0);
    EXPECT_EQ(cislo, 0xFFFFFFFEu);
    EXPECT_EQ(k.CistCislo(L"cislo", znamenkove), 0);
    EXPECT_EQ(znamenkove, -2);
    EXPECT_EQ(k.CistPriznak(L"priznak", priznak), 0);
    EXPECT_FALSE(priznak);
    EXPECT_EQ(k.CistBinarni(L"bin", b, 3), 0);
    EXPECT_EQ(b[2], 3);
    EXPECT_EQ(k.JmenaHodnot(), (std::vector<std::wstring>{L"text", L"cislo", L"priznak", L"bin"}));
    // A missing value leaves what the variable held.
    EXPECT_EQ(k.CistText(L"chybi", text), 1);
    EXPECT_EQ(k.CistCislo(L"chybi", cislo), 1);
    EXPECT_EQ(k.CistPriznak(L"chybi", priznak), 1);
    EXPECT_EQ(text, L"Příliš žluťoučký");
    EXPECT_EQ(cislo, 0xFFFFFFFEu);
    EXPECT_FALSE(priznak);
    k.Zavrit();
    EXPECT_EQ(reg.PocetOtevrenych(), 0);
}

TEST(RegistrKlic, TextSeCteDoPrvniNulyAUkladaSeSNulou) {
    RegistrVPameti reg;
    RegistrKlic k(reg, kKoren);
    k.OtevritZapis();
    k.ZapsatText(L"t", L"abc");
    std::unique_ptr<OtevrenyKlic> surovy;
    ASSERT_EQ(reg.Otevrit(kKoren, false, surovy), 0u);
    std::uint32_t typ = 0, velikost = 0;
    ASSERT_EQ(surovy->CistHodnotu(L"t", &typ, nullptr, &velikost), 0u);
    EXPECT_EQ(typ, kRegSz);
    EXPECT_EQ(velikost, 8u);  // 2 x 3 characters + the terminating zero
    const char data[] = {'x', 0, 0, 0, 'y', 0};
    surovy->ZapsatHodnotu(L"s", kRegSz, data, sizeof data);
    surovy->Zavrit();
    std::wstring text;
    k.CistText(L"s", text);
    EXPECT_EQ(text, L"x");
}

TEST(RegistrKlic, HodnotaSpatnehoTypuNeboVelikostiJeChyba) {
    RegistrVPameti reg;
    RegistrKlic k(reg, kKoren);
    k.OtevritZapis();
    k.ZapsatCislo(L"cislo", 5);
    k.ZapsatText(L"text", L"5");
    const unsigned char dva[2] = {1, 0};
    k.ZapsatBinarni(L"kratke", dva, 2);
    std::wstring text = L"beze změny";
    std::uint32_t cislo = 9;
    unsigned char b[16];
    const auto c = VyhozenaChyba([&] { k.CistText(L"cislo", text); });
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Hr(), HresultZWin32(kChybaNesouhlasTypu));
    EXPECT_NE(c->Text().find(L"\"cislo\""), std::wstring::npos);
    EXPECT_THROW(k.CistCislo(L"text", cislo), Chyba);
    EXPECT_THROW(k.CistCislo(L"kratke", cislo), Chyba);
    EXPECT_THROW(k.CistBinarni(L"kratke", b, 16), Chyba);
    EXPECT_EQ(text, L"beze změny");
    EXPECT_EQ(cislo, 9u);
}

TEST(RegistrKlic, PrazdnyPodklicANeotevrenyKlic) {
    RegistrVPameti reg;
    RegistrKlic k(reg, kKoren);
    EXPECT_EQ(VyhozenaChyba([&] { k.OtevritZapis(L""); }).value().Hr(), kE_INVALIDARG);
    std::uint32_t c = 0;
    EXPECT_THROW(k.CistCislo(L"x", c), Chyba);
    EXPECT_EQ(VyhozenaChyba([&] { k.OtevritCteni(L"Neni"); }).value().Hr(), HresultZWin32(kChybaSouborNenalezen));
}

TEST(RegistrVPameti, SmazaniStromuIOtevrenehoKlice) {
    RegistrVPameti reg;
    RegistrKlic k(reg, kKoren);
    k.OtevritZapis(L"A\\B\\C");
    k.ZapsatCislo(L"x", 1);
    RegistrKlic koren(reg, kKoren);
    koren.OtevritCteni();
    EXPECT_EQ(koren.JmenaPodklicu(), std::vector<std::wstring>{L"A"});
    koren.SmazatPodklic(L"a");
    koren.SmazatPodklic(L"a");  // missing is fine
    EXPECT_TRUE(koren.JmenaPodklicu().empty());
    EXPECT_FALSE(koren.ZkusitOtevritCteni(L"A\\B"));
    // The key that was open inside the deleted tree refuses further writes.
    EXPECT_EQ(VyhozenaChyba([&] { k.ZapsatCislo(L"y", 2); }).value().Hr(), HresultZWin32(kChybaKlicSmazan));
}

TEST(RegistrVPameti, OtevreniDoDrzenehoKliceTenZavre) {
    // Opening into a pointer that still holds a key used to close the old key under the registry's own lock.
    RegistrVPameti reg;
    std::unique_ptr<OtevrenyKlic> klic;
    ASSERT_EQ(reg.Otevrit(kKoren, true, klic), 0u);
    ASSERT_EQ(reg.Otevrit(kKoren + L"\\A", true, klic), 0u);
    EXPECT_EQ(reg.PocetOtevrenych(), 1);
    EXPECT_EQ(reg.Otevrit(kKoren + L"\\Chybi", false, klic), kChybaSouborNenalezen);
    EXPECT_NE(klic, nullptr);
    klic.reset();
    EXPECT_EQ(reg.PocetOtevrenych(), 0);
}
