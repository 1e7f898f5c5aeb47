#include <gtest/gtest.h>

#include "app/PrikazovyRadek.h"
#include "app/TextyZprav.h"
#include "app/VerzeWindows.h"

TEST(PrikazovyRadek, RoleZPrvnihoArgumentu) {
    auto r = [](std::vector<std::wstring> a) { return RozebratPrikazovyRadek(a).rezim; };
    EXPECT_EQ(r({}), RezimSpusteni::Aplikace);
    EXPECT_EQ(r({L"neco"}), RezimSpusteni::Aplikace);
    EXPECT_EQ(r({L"/eo"}), RezimSpusteni::EditorObrazku);
    EXPECT_EQ(r({L"-FP"}), RezimSpusteni::ProhlizecFtp);
    EXPECT_EQ(r({L"Pv"}), RezimSpusteni::PrehravacVidea);
    EXPECT_EQ(r({L"/so"}), RezimSpusteni::SitovyOvladac);
    EXPECT_EQ(r({L"-vk"}), RezimSpusteni::VychoziKamera);
    EXPECT_EQ(r({L"--eo"}), RezimSpusteni::Aplikace);
    EXPECT_EQ(r({L"x", L"/eo"}), RezimSpusteni::Aplikace);  // only the first argument counts
}

TEST(PrikazovyRadek, KameraPodleJmenaJinakVychozi) {
    auto p = RozebratPrikazovyRadek({L"-ka", L"Dvůr"});
    EXPECT_EQ(p.rezim, RezimSpusteni::VychoziKamera);  // becomes Kamera once found in the list
    EXPECT_EQ(p.jmenoKamery, L"Dvůr");
    p = RozebratPrikazovyRadek({L"KA"});
    EXPECT_EQ(p.rezim, RezimSpusteni::VychoziKamera);
    EXPECT_TRUE(p.jmenoKamery.empty());
    // The player's switch takes the file to play; a camera's name is no file.
    p = RozebratPrikazovyRadek({L"-pv", L"C:\\Záznamy\\dvůr.avi"});
    EXPECT_EQ(p.soubor, L"C:\\Záznamy\\dvůr.avi");
    EXPECT_TRUE(p.jmenoKamery.empty());
    EXPECT_TRUE(RozebratPrikazovyRadek({L"-ka", L"Dvůr"}).soubor.empty());
}

TEST(PrikazovyRadek, RezimZprav) {
    auto z = [](std::vector<std::wstring> a) { return RozebratPrikazovyRadek(a).rezimZprav; };
    EXPECT_EQ(z({L"/automaticky", L"/skryt"}), RezimZprav::Automaticky);
    EXPECT_EQ(z({L"/SKRYT"}), RezimZprav::Skryty);
    EXPECT_EQ(z({L"-skryt"}), RezimZprav::Skryty);
    EXPECT_EQ(z({L"skryt"}), RezimZprav::Skryty);
    EXPECT_EQ(z({L"-automaticky"}), RezimZprav::Interaktivni);  // only with a slash
    EXPECT_EQ(RozebratPrikazovyRadek({L"/skryt"}).rezim, RezimSpusteni::Aplikace);
    EXPECT_EQ(IdModeluAplikace(RezimSpusteni::VychoziKamera), L"DunmarHolvent.Tervik.VychoziTervik");
    EXPECT_EQ(IdModeluAplikace(RezimSpusteni::Aplikace), L"DunmarHolvent.Tervik.Aplikace");
}

TEST(VerzeWindows, KodyVerzi) {
    EXPECT_EQ(KodVerzeWindows(2, 5, 0), 0x0500u);
    EXPECT_EQ(KodVerzeWindows(2, 5, 1), 0x0501u);
    EXPECT_EQ(KodVerzeWindows(2, 5, 2), 0x0502u);
    EXPECT_EQ(KodVerzeWindows(2, 5, 7), 0x0502u);
    EXPECT_EQ(KodVerzeWindows(2, 6, 0), 0x0600u);
    EXPECT_EQ(KodVerzeWindows(2, 6, 1), 0x0601u);
    EXPECT_EQ(KodVerzeWindows(2, 6, 3), 0x0602u);
    EXPECT_EQ(KodVerzeWindows(2, 10, 0), 0xFFFFu);
    EXPECT_EQ(KodVerzeWindows(2, 4, 0), 0u);
    EXPECT_EQ(KodVerzeWindows(1, 6, 1), 0u);
    EXPECT_FALSE(JeVistaNeboNovejsi(0x0502));
    EXPECT_TRUE(JeVistaNeboNovejsi(0x0600));
}

TEST(TextyZprav, SkladaniZprav) {
    EXPECT_EQ(TextyZprav::Chyba(L"Došlo k chybě při načítání konfigurace z registru Windows", L"Přístup byl odepřen."),
              L"Došlo k chybě při načítání konfigurace z registru Windows.\n\nChyba: Přístup byl odepřen.");
    EXPECT_EQ(TextyZprav::Chyba(L"Hotovo.", L"x"), L"Hotovo.\n\nChyba: x");
    EXPECT_EQ(TextyZprav::FatalniChyba(L"Pád", L"Tervik"), L"Došlo k významné chybě!\n\nPád\n\nAplikace Tervik bude ukončena.");
    EXPECT_EQ(TextyZprav::ChybaUkonceniModulu(L"Promítání obrázků", L"Vypršel časový limit."),
              L"Chyba ukončení modulu \"Promítání obrázků\"\n\nSystémový popis chyby:\nVypršel časový limit.");
    const std::wstring popis = L"Neplatný parametr";
    EXPECT_EQ(TextyZprav::PopisChybyCom(L"Zpráva", true, &popis), L"Zpráva - Neplatný parametr");
    EXPECT_EQ(TextyZprav::PopisChybyCom(L"Zpráva", true, nullptr), L"Zpráva - Nezjištěný popis chyby IErrorInfo");
    EXPECT_EQ(TextyZprav::PopisChybyCom(L"Zpráva", false, nullptr), L"Zpráva");
    EXPECT_EQ(TextyZprav::TextUdalosti(L"Aplikace byla ukončena."), L"Aplikace byla ukončena.\r\n");
    EXPECT_EQ(TextyZprav::TextUdalosti(L"Bez tečky"), L"Bez tečky.\r\n");
}
