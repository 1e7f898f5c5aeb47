#include "app/SeznamHorkychKlaves.h"

#include <gtest/gtest.h>

#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"

using namespace Knihovna;

namespace {
const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\4.8";
}

TEST(SeznamHorkychKlaves, UlozeniPrepiseKlicAZbytkyZmizi) {
    RegistrVPameti reg;
    RegistrKlic k(reg, kKoren);
    k.OtevritZapis(L"Horke klavesy");
    const unsigned char stare[16] = {};
    k.ZapsatBinarni(L"staraHodnota", stare, 16);
    k.ZapsatCislo(L"99999", 1);
    k.Zavrit();

    SeznamHorkychKlaves s;
    s.NastavitVychozi();
    s.Najit(40117)->klavesa = 0x7B;
    EXPECT_EQ(s.Ulozit(reg, kKoren), 0);
    k.OtevritCteni(L"Horke klavesy");
    const auto jmena = k.JmenaHodnot();
    ASSERT_EQ(jmena.size(), 11u);  // one per entry, also for those without a key
    EXPECT_EQ(jmena[0], L"40001");
    unsigned char b[16];
    EXPECT_EQ(k.CistBinarni(L"40117", b, 16), 0);
    EXPECT_EQ(SeznamHorkychKlaves::Dekodovat(b), (HorkaKlavesa{0, 0x7B, 40117, 20206}));
    k.Zavrit();
}

TEST(SeznamHorkychKlaves, UlozeniBezKorene) {
    RegistrVPameti reg;
    SeznamHorkychKlaves s;
    s.NastavitVychozi();
    EXPECT_EQ(s.Ulozit(reg, kKoren), 1);
    RegistrKlic k(reg, kKoren);
    EXPECT_FALSE(k.ZkusitOtevritCteni());
}

TEST(SeznamHorkychKlaves, NacteniPridaNeznamePrikazySeSkupinouNula) {
    RegistrVPameti reg;
    RegistrKlic k(reg, kKoren);
    k.OtevritZapis(L"Horke klavesy");
    HorkaKlavesa nova{1, 0x41, 0, 20003};  // the stored command id is not used: the name is
    unsigned char b[16];
    SeznamHorkychKlaves::Zakodovat(nova, b);
    k.ZapsatBinarni(L"40050", b, 16);
    k.ZapsatBinarni(L"nejaky text", b, 16);  // not a command id: ignored
    const unsigned char kratke[4] = {};
    k.ZapsatBinarni(L"40002", kratke, 4);  // wrong size: reported, the entry keeps no key
    k.Zavrit();

    SeznamHorkychKlaves s;
    s.NastavitVychozi();
    std::vector<Chyba> chyby;
    EXPECT_EQ(s.Nacist(reg, kKoren, chyby), 0);
    EXPECT_EQ(chyby.size(), 1u);
    ASSERT_EQ(s.Polozky().size(), 12u);
    // Added with group 0, then its value read: modifiers, key and group from the value.
    EXPECT_EQ(s.Polozky().back(), (HorkaKlavesa{1, 0x41, 40050, 20003}));
    EXPECT_EQ(s.Najit(40002)->klavesa, 0u);
    EXPECT_EQ(s.NajitKombinaci(1, 0x41)->idPrikazu, 40050u);
    EXPECT_EQ(s.NajitKombinaci(0, 0), nullptr);

    SeznamHorkychKlaves bezKlice;
    EXPECT_EQ(bezKlice.Nacist(*std::make_unique<RegistrVPameti>(), kKoren, chyby), 1);
}
