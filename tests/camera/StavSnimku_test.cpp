#include "camera/StavSnimku.h"

#include <gtest/gtest.h>

#include "app/NastaveniAplikace.h"
#include "camera/DruhSnimku.h"
#include "camera/NazvySnimku.h"
#include "camera/Tervik.h"
#include "knihovna/RegistrVPameti.h"

namespace {

TEST(StavSnimku, AutomatickySpinacKazdehoDruhu) {
    StavSnimku s;
    s.Zahajit(kSnimekDisk, true);
    s.Zahajit(kSnimekEmail, false);
    s.Zahajit(kSnimekFtp, true);
    EXPECT_EQ(s.CekajiciDruh(), kSnimekFtp);
    EXPECT_TRUE(s.Automaticky(kSnimekDisk));
    EXPECT_FALSE(s.Automaticky(kSnimekEmail));
    s.Zahajit(kSnimekHttp, true);  // the server's snapshot has no switch
    EXPECT_FALSE(s.Automaticky(kSnimekHttp));
    EXPECT_TRUE(s.Automaticky(kSnimekFtp));
    s.Zahajit(kSnimekDisk, false);  // a motion or menu snapshot is by hand
    EXPECT_FALSE(s.Automaticky(kSnimekDisk));

    // Each kind takes its own block of the record.
    ParametryKamery p;
    const int druhy[] = {kSnimekDisk, kSnimekEmail, kSnimekFtp, kSnimekHttp};
    ParametrySnimku* bloky[] = {&p.snimkyDisk.snimek, &p.snimkyEmail.snimek, &p.snimkyFtp.snimek, &p.httpServer.snimek};
    for (std::uint32_t i = 0; i < 4; ++i) bloky[i]->format = i + 1;
    for (std::uint32_t i = 0; i < 4; ++i) EXPECT_EQ(BlokDruhu(p, druhy[i]).format, i + 1);
}

TEST(StavSnimku, CitacPrezijePadProgramu) {
    // Each save stores the counter at once: a camera read again after a crash numbers on.
    Knihovna::RegistrVPameti registr;
    const std::wstring cesta = CestaKamery(kKorenRegistru, L"Dvůr");
    Tervik kamera(L"Dvůr");
    kamera.Parametry().snimkyDisk.soubor = {.jmeno = L"Dvůr", .maxPocetSouboru = 3, .prepisovatStare = true};
    kamera.UlozitParametry(registr, kKorenRegistru);

    StavSnimku stav;
    stav.Citac() = kamera.Parametry().snimkyDisk.soubor.posledniCislo;
    Knihovna::MistniCas cas;
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(VytvoritCestuSnimku(kamera.Parametry().snimkyDisk.soubor, stav.Citac(), L"C:\\s", L".jpg", cas).hr,
                  Knihovna::kS_OK);
        stav.UlozitCitac(kamera.Parametry(), registr, cesta);
    }
    Tervik poPadu(L"Dvůr");
    EXPECT_TRUE(poPadu.NacistParametry(registr, kKorenRegistru).empty());
    EXPECT_EQ(poPadu.Parametry().snimkyDisk.soubor.posledniCislo, 3u);
    EXPECT_EQ(kamera.Parametry().snimkyDisk.soubor.posledniCislo, 3u);

    stav.ResetovatCislovani(kamera.Parametry(), registr, cesta);
    Tervik poResetu(L"Dvůr");
    poResetu.NacistParametry(registr, kKorenRegistru);
    EXPECT_EQ(poResetu.Parametry().snimkyDisk.soubor.posledniCislo, 1u);
    EXPECT_EQ(stav.Citac(), 1u);
}

}  // namespace
