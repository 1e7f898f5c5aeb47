#include "ui/KopieParametruKamery.h"

#include <gtest/gtest.h>

#include <tuple>

#include "../camera/ZmenenaKamera.h"
#include "ui/StrankyNastaveniKamery.h"

namespace {

namespace S = StrankyNastaveniKamery;

const S::Hodnota& Hodnota(const wchar_t* klic, const wchar_t* jmeno) {
    const S::Hodnota* h = S::Najit(klic, jmeno);
    if (!h) throw std::runtime_error("no page edits this value");
    return *h;
}

const S::Hodnota& Cil(std::uint32_t bit) {
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty)
            if (std::wstring(h.jmeno) == L"parametry" && h.bit == bit) return h;
    throw std::runtime_error("no such target");
}

ParametryKamery Vychozi() {
    ParametryKamery k;
    k.NastavitVychozi(L"Dvůr", TestovaciKontext());
    return k;
}

// Every page value of a record with all values changed reaches another record; what no page edits stays as the
// target had it, so counters the camera advanced while the dialog was open are not set back.
TEST(KopieParametruKamery, PotvrzeniPreneseHodnotyStranekAJineNe) {
    const ParametryKamery zdroj = ZmenenaKamera();
    ParametryKamery cil = Vychozi();
    cil.snimkyDisk.soubor.posledniCislo = 500;
    KopieParametruKamery(zdroj).Potvrdit(cil);

    const KopieParametruKamery zeZdroje(zdroj), zCile(cil);
    int pocet = 0;
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty) {
            EXPECT_EQ(zCile.Ulozena(h.klic, h.jmeno), zeZdroje.Ulozena(h.klic, h.jmeno))
                << std::wstring(h.klic) << " | " << h.jmeno;
            ++pocet;
        }
    EXPECT_GT(pocet, 90);
    // A few fields by name, so that a page value mapped to the wrong field both ways is caught too.
    EXPECT_EQ(cil.detekcePohybu.disk.snimek.text.logfont, zdroj.detekcePohybu.disk.snimek.text.logfont);
    EXPECT_EQ(std::tuple(cil.indexIkony, cil.detekcePohybu.procentoZmen, cil.okno.titulek, cil.cileNaplanovanychSnimku),
              std::tuple(3u, 1500u, 2u, 7u));
    EXPECT_EQ(cil.logovani, zdroj.logovani);
    EXPECT_EQ(cil.zapisUdalosti, zdroj.zapisUdalosti);
    EXPECT_EQ(cil.generHtml, zdroj.generHtml);
    EXPECT_EQ(cil.snimkyFtp.heslo, L"tajné");

    // Not on any page.
    const ParametryKamery vychozi = Vychozi();
    EXPECT_EQ(cil.snimkyDisk.soubor.posledniCislo, 500u);
    EXPECT_TRUE(cil.planovaneSnimky.empty());
    EXPECT_EQ(cil.zarizeni, vychozi.zarizeni);
    EXPECT_EQ(cil.video.sirka, -1);
    EXPECT_EQ(cil.snimkyDisk.snimek.velikost, -1);
    EXPECT_EQ(cil.snimkyDisk.snimek.text.sirkaPruhu, 50u);
    EXPECT_TRUE(cil.snimkyEmail.vlastniSnimek && cil.snimkyFtp.vlastniSnimek) << "no control: it has no meaning";
    EXPECT_EQ(cil.httpServer.refreshStranky, vychozi.httpServer.refreshStranky);
    // The recording pages take all but the counter and the profile's stored input, which are on none.
    ParametryKamery::ZaznamVidea zaznam = zdroj.zaznamVidea;
    zaznam.soubor.posledniCislo = vychozi.zaznamVidea.soubor.posledniCislo;
    zaznam.profil.vstupSirka = 320;
    zaznam.profil.vstupVyska = 240;
    zaznam.profil.zvuk = false;
    EXPECT_EQ(cil.zaznamVidea, zaznam);
}

// A value set through the copy lands in its own field only: a block's value in that block, not in another.
TEST(KopieParametruKamery, HodnotaBlokuPatriSvemuBloku) {
    ParametryKamery k = Vychozi();
    KopieParametruKamery kopie(k);
    EXPECT_EQ(kopie.Nastavit(Hodnota(L"Detekce pohybu\\Disk\\Snimek\\Text", L"co"), 2), std::nullopt);
    EXPECT_EQ(kopie.Nastavit(Hodnota(L"Snimky disk\\Snimek", L"kvalitaJpeg"), 40), std::nullopt);
    PopisPisma pismo = PopisPisma::Vychozi();
    pismo.vyska = -30;
    pismo.NastavitJmenoPisma(L"DejaVu Sans");
    kopie.NastavitPismo(Hodnota(L"Snimky disk\\Snimek\\Text", L"logfont"), pismo);
    kopie.NastavitText(Hodnota(L"Detekce pohybu\\Disk\\Snimek\\Soubor", L"soubor"), L"C:\\logo.png");
    EXPECT_EQ(kopie.Nastavit(Hodnota(L"Detekce pohybu\\Disk", L"minInterval"), 60), std::nullopt);
    EXPECT_EQ(kopie.Nastavit(Hodnota(L"Logovani", L"spusteni"), 1), std::nullopt);

    const ParametryKamery puvodni = k;
    kopie.Potvrdit(k);
    EXPECT_EQ(k.detekcePohybu.disk.snimek.text.co, 2u);
    EXPECT_EQ(k.snimkyDisk.snimek.text.co, 0u);
    EXPECT_EQ(k.snimkyDisk.snimek.kvalitaJpeg, 40u);
    EXPECT_EQ(k.detekcePohybu.disk.snimek.kvalitaJpeg, 85u);
    EXPECT_EQ(k.snimkyDisk.snimek.text.logfont, pismo);
    EXPECT_EQ(k.detekcePohybu.disk.snimek.text.logfont, puvodni.detekcePohybu.disk.snimek.text.logfont);
    EXPECT_EQ(k.detekcePohybu.disk.snimek.soubor.soubor, L"C:\\logo.png");
    EXPECT_EQ(k.snimkyDisk.snimek.soubor.soubor, L"");
    EXPECT_EQ(k.detekcePohybu.disk.minInterval, 60u);
    EXPECT_EQ(k.detekcePohybu.ftp.minInterval, 10u);
    EXPECT_TRUE(k.logovani.spusteni);
    EXPECT_FALSE(k.zapisUdalosti.spusteni);
    EXPECT_EQ(k.snimkyEmail.snimek, puvodni.snimkyEmail.snimek);
    EXPECT_EQ(k.httpServer.snimek, puvodni.httpServer.snimek);
}

// The three targets of a scheduled snapshot are bits of one number: each check box sets and clears its own.
TEST(KopieParametruKamery, CileNaplanovanychSnimkuMeniJenSvujBit) {
    ParametryKamery k = Vychozi();
    ASSERT_EQ(k.cileNaplanovanychSnimku, 1u);
    KopieParametruKamery kopie(k);
    const S::Hodnota &disk = Cil(1), &ftp = Cil(2), &email = Cil(4);
    const auto zobrazene = [&] { return std::tuple(kopie.Zobrazena(disk), kopie.Zobrazena(ftp), kopie.Zobrazena(email)); };
    EXPECT_EQ(zobrazene(), std::tuple(1u, 0u, 0u));

    const auto ulozene = [&] { return std::get<std::uint32_t>(kopie.Ulozena(L"param_planovane_snimky", L"parametry")); };
    // Set twice: still one bit.
    for (const auto& [h, n, ocekavano] : {std::tuple{&email, 1, 5u}, {&disk, 0, 4u}, {&ftp, 1, 6u}, {&ftp, 1, 6u}}) {
        EXPECT_EQ(kopie.Nastavit(*h, n), std::nullopt);
        EXPECT_EQ(ulozene(), ocekavano);
    }
    EXPECT_NE(kopie.Nastavit(ftp, 2), std::nullopt);  // a check box is 0 or 1
    EXPECT_EQ(zobrazene(), std::tuple(0u, 1u, 1u));

    kopie.Potvrdit(k);
    EXPECT_EQ(k.cileNaplanovanychSnimku, 6u);
    // Bits no check box edits are kept.
    k.cileNaplanovanychSnimku = 0x80 | 1;
    KopieParametruKamery dalsi(k);
    EXPECT_EQ(dalsi.Nastavit(disk, 0), std::nullopt);
    dalsi.Potvrdit(k);
    EXPECT_EQ(k.cileNaplanovanychSnimku, 0x80u);
}

// A refused number leaves the copy unchanged; only a commit reaches the record, and then the copy is unchanged
// again against what it wrote.
TEST(KopieParametruKamery, OdmitnutiZruseniAPotvrzeni) {
    ParametryKamery k = Vychozi();
    KopieParametruKamery kopie(k);
    const S::Hodnota& rozdil = Hodnota(L"Detekce pohybu", L"rozdilJasu");
    const S::Hodnota& velikost = Hodnota(L"Logovani\\Soubor", L"maxVelikost");
    const S::Hodnota& cim = Hodnota(L"Snimky disk", L"otviratSnimekCim");
    const S::Hodnota& barva = Hodnota(L"Snimky disk\\Snimek\\Soubor", L"pruhlednaBarva");
    EXPECT_EQ(kopie.Nastavit(rozdil, 256), std::wstring(L"Zadejte hodnotu v rozsahu 1 - 255"));
    EXPECT_NE(kopie.Nastavit(velikost, 9999), std::nullopt);
    EXPECT_EQ(kopie.Nastavit(cim, 10), L"Vyberte jednu z nabízených možností");
    EXPECT_NE(kopie.Nastavit(barva, 0x1000000), std::nullopt);
    EXPECT_THROW(kopie.NastavitText(rozdil, L"100"), Knihovna::Chyba);
    EXPECT_FALSE(kopie.Zmeneno());
    EXPECT_EQ(kopie.Zobrazena(rozdil), 100u);

    for (const auto& [h, n] : {std::pair{&rozdil, 255u}, {&velikost, 52428800u}, {&cim, 11u}, {&barva, 0x0000FFu}})
        EXPECT_EQ(kopie.Nastavit(*h, n), std::nullopt) << h->jmeno;
    kopie.NastavitText(Hodnota(L"Snimky disk", L"slozka"), L"D:\\snímky");
    EXPECT_TRUE(kopie.Zmeneno());
    EXPECT_EQ(k.detekcePohybu.rozdilJasu, 100u);  // cancel: untouched

    kopie.Potvrdit(k);
    EXPECT_FALSE(kopie.Zmeneno());
    EXPECT_EQ(std::tuple(k.detekcePohybu.rozdilJasu, k.souborLogu.maxVelikost, k.snimkyDisk.otviratSnimekCim,
                         k.snimkyDisk.snimek.soubor.pruhlednaBarva),
              std::tuple(255u, 52428800u, 11u, 0x0000FFu));
    EXPECT_EQ(k.snimkyDisk.slozka, L"D:\\snímky");
}

// The least number of digits is offered from 1; a stored 0 pads no more than 1 does, so the copy shows it as 1
// and does not count that as a change.
TEST(KopieParametruKamery, NulovyPocetMistSeUkazeJakoJedna) {
    ParametryKamery k = Vychozi();
    ASSERT_EQ(k.snimkyDisk.soubor.pocetMistCisla, 0u);
    ASSERT_EQ(k.zaznamVidea.soubor.pocetMistCisla, 0u);
    for (const wchar_t* klic : {L"Snimky disk\\Soubor", L"Zaznam videa\\Soubor"}) {
        const S::Hodnota& mista = Hodnota(klic, L"pocetMistCisla");
        KopieParametruKamery kopie(k);
        EXPECT_EQ(kopie.Zobrazena(mista), 1u) << klic;
        EXPECT_EQ(S::Overit(mista, kopie.Zobrazena(mista)), std::nullopt) << klic;
        EXPECT_FALSE(kopie.Zmeneno()) << klic;
    }

    k.snimkyDisk.soubor.pocetMistCisla = 4;
    EXPECT_EQ(KopieParametruKamery(k).Zobrazena(Hodnota(L"Snimky disk\\Soubor", L"pocetMistCisla")), 4u);
}

}  // namespace
