#include "app/StrankaHorkychKlaves.h"

#include <gtest/gtest.h>

namespace {

using S = StrankaHorkychKlaves;

TEST(StrankaHorkychKlaves, PriznakyOvladaceAModifikatorySiOdpovidajiObemaSmery) {
    // Shift/Ctrl/Alt are 1/2/4 in the control and 4/2/1 as RegisterHotKey modifiers.
    EXPECT_EQ(S::ModifikatoryZPriznaku(0x01), 4u);
    EXPECT_EQ(S::ModifikatoryZPriznaku(0x02), 2u);
    EXPECT_EQ(S::ModifikatoryZPriznaku(0x04), 1u);
    EXPECT_EQ(S::ModifikatoryZPriznaku(0x08), 0u);  // extended key: no modifier
    EXPECT_EQ(S::PriznakyZModifikatoru(4), 0x01);
    EXPECT_EQ(S::PriznakyZModifikatoru(1), 0x04);
    for (std::uint8_t p = 0; p < 8; ++p) EXPECT_EQ(S::PriznakyZModifikatoru(S::ModifikatoryZPriznaku(p)), p);
    EXPECT_EQ(S::PriznakyZModifikatoru(0x0008), 0);  // the Windows key has no place in the control
}

TEST(StrankaHorkychKlaves, SkupinaVybiraPolozkyNulaVsechny) {
    SeznamHorkychKlaves klavesy;
    klavesy.NastavitVychozi();
    klavesy.Pridat(40555, 0);  // a value of an unknown command, loaded with group 0
    S stranka(klavesy);
    EXPECT_EQ(stranka.Polozky(S::kVsechnySkupiny).size(), 12u);
    const auto vseobecne = stranka.Polozky(20003);
    ASSERT_EQ(vseobecne.size(), 3u);
    EXPECT_EQ(klavesy.Polozky()[vseobecne[2]].idPrikazu, 40017u);
    const auto kamera = stranka.Polozky(20206);
    ASSERT_EQ(kamera.size(), 8u);
    EXPECT_EQ(klavesy.Polozky()[kamera[0]].idPrikazu, 40117u);
    EXPECT_TRUE(stranka.Polozky(12345).empty());
}

TEST(StrankaHorkychKlaves, TextPolozkyKonciPredZalomenimRadku) {
    EXPECT_EQ(S::TextPolozky(L"Uložit snímek\nna disk"), L"Uložit snímek");
    EXPECT_EQ(S::TextPolozky(L"Ukončit aplikaci\r\n"), L"Ukončit aplikaci");
    EXPECT_EQ(S::TextPolozky(L"Bez zalomení"), L"Bez zalomení");
    EXPECT_EQ(S::TextPolozky(L""), L"");
}

TEST(StrankaHorkychKlaves, ObsazenaKombinaceSeOdmitneAPolozkaSeNezmeni) {
    SeznamHorkychKlaves klavesy;
    klavesy.NastavitVychozi();
    S stranka(klavesy);
    const std::size_t konec = 0, okno = 2;
    // Ctrl+Shift+K (0x4B) for "Ukončit aplikaci".
    ASSERT_EQ(stranka.Nastavit(konec, S::kPriznakCtrl | S::kPriznakShift, 0x4B), S::Vysledek::Nastaveno);
    EXPECT_EQ(klavesy.Polozky()[konec].modifikatory, S::kModCtrl | S::kModShift);
    EXPECT_EQ(klavesy.Polozky()[konec].klavesa, 0x4Bu);
    // The same combination elsewhere is refused; the entry keeps what it had.
    klavesy.Polozky()[okno].klavesa = 0x70;
    EXPECT_EQ(stranka.Nastavit(okno, S::kPriznakCtrl | S::kPriznakShift, 0x4B), S::Vysledek::JizPouzita);
    EXPECT_EQ(klavesy.Polozky()[okno].klavesa, 0x70u);
    EXPECT_EQ(klavesy.Polozky()[okno].modifikatory, 0u);
    // The same key with other modifiers is another combination.
    EXPECT_EQ(stranka.Nastavit(okno, S::kPriznakCtrl, 0x4B), S::Vysledek::Nastaveno);
    // Many entries have no key: an empty control never collides, it clears the entry.
    EXPECT_EQ(stranka.Nastavit(okno, S::kPriznakAlt, 0), S::Vysledek::Nastaveno);
    EXPECT_EQ(klavesy.Polozky()[okno], (HorkaKlavesa{0, 0, 40017, 20003}));
    EXPECT_EQ(stranka.Vymazat(konec), S::Vysledek::Nastaveno);
    EXPECT_EQ(klavesy.Polozky()[konec].klavesa, 0u);
    // After clearing, the combination is free again.
    EXPECT_EQ(stranka.Nastavit(okno, S::kPriznakCtrl | S::kPriznakShift, 0x4B), S::Vysledek::Nastaveno);
    EXPECT_EQ(stranka.Nastavit(99, 0, 0x41), S::Vysledek::NeplatnaPolozka);
    EXPECT_EQ(stranka.Vymazat(99), S::Vysledek::NeplatnaPolozka);
}

}  // namespace
