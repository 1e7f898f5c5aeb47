#include "app/DrzeneHorkeKlavesy.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

// A system in which some combinations are taken by other programs and which records every call.
struct System {
    std::set<std::uint32_t> obsazene;  // virtual keys another program holds
    std::set<std::uint32_t> drzene;    // command ids registered by us
    std::vector<std::uint32_t> registrace, odregistrace;

    DrzeneHorkeKlavesy::Akce Zaregistrovat() {
        return [this](const HorkaKlavesa& k) {
            registrace.push_back(k.idPrikazu);
            if (obsazene.count(k.klavesa)) return false;
            return drzene.insert(k.idPrikazu).second;
        };
    }
    DrzeneHorkeKlavesy::Akce Odregistrovat() {
        return [this](const HorkaKlavesa& k) {
            odregistrace.push_back(k.idPrikazu);
            return drzene.erase(k.idPrikazu) == 1;
        };
    }
};

SeznamHorkychKlaves TabulkaSKlavesami() {
    SeznamHorkychKlaves t;
    t.NastavitVychozi();
    t.Najit(40001)->klavesa = 0x7B;  // F12
    t.Najit(40017)->modifikatory = 2;
    t.Najit(40017)->klavesa = 'T';
    t.Najit(40117)->klavesa = 0x7A;  // F11
    t.Pridat(40555, 0).klavesa = 'Q';
    return t;
}

}  // namespace

TEST(DrzeneHorkeKlavesy, RegistrujeJenPrirazeneAPocitaOdmitnute) {
    const auto tabulka = TabulkaSKlavesami();
    System sys;
    sys.obsazene = {0x7A};
    DrzeneHorkeKlavesy d;
    EXPECT_FALSE(d.Registrovano());

    EXPECT_EQ(d.Registrovat(tabulka, sys.Zaregistrovat()), 1);
    EXPECT_TRUE(d.Registrovano());
    // Entries without a key are not asked for; the table's order is kept.
    EXPECT_EQ(sys.registrace, (std::vector<std::uint32_t>{40001, 40017, 40117, 40555}));
    EXPECT_EQ(sys.drzene, (std::set<std::uint32_t>{40001, 40017, 40555}));
    ASSERT_EQ(d.Drzene().size(), 3u);
    EXPECT_EQ(d.Drzene()[1], (HorkaKlavesa{2, 'T', 40017, 20003}));

    // Only once while registered.
    EXPECT_EQ(d.Registrovat(tabulka, sys.Zaregistrovat()), 0);
    EXPECT_EQ(sys.registrace.size(), 4u);

    // Unregistration releases what was got, not the key another program holds.
    EXPECT_EQ(d.Odregistrovat(sys.Odregistrovat()), 0);
    EXPECT_EQ(sys.odregistrace, (std::vector<std::uint32_t>{40001, 40017, 40555}));
    EXPECT_TRUE(sys.drzene.empty());
    EXPECT_FALSE(d.Registrovano());
    EXPECT_TRUE(d.Drzene().empty());
    EXPECT_EQ(d.Odregistrovat(sys.Odregistrovat()), 0);
    EXPECT_EQ(sys.odregistrace.size(), 3u);
}

TEST(DrzeneHorkeKlavesy, ZnovuPoOdregistraciANovaTabulka) {
    auto tabulka = TabulkaSKlavesami();
    System sys;
    DrzeneHorkeKlavesy d;
    EXPECT_EQ(d.Registrovat(tabulka, sys.Zaregistrovat()), 0);
    EXPECT_EQ(d.Odregistrovat(sys.Odregistrovat()), 0);

    // As after the settings dialog: the table changed, the new keys are registered.
    tabulka.Najit(40001)->klavesa = 0;
    tabulka.Najit(40002)->klavesa = 0x73;
    sys.registrace.clear();
    sys.obsazene = {'Q', 0x73};
    EXPECT_EQ(d.Registrovat(tabulka, sys.Zaregistrovat()), 2);
    EXPECT_EQ(sys.registrace, (std::vector<std::uint32_t>{40002, 40017, 40117, 40555}));
    EXPECT_EQ(sys.drzene, (std::set<std::uint32_t>{40017, 40117}));

    // Keys the system no longer knows (the window is gone) count as failures and the state is cleared.
    sys.drzene.clear();
    EXPECT_EQ(d.Odregistrovat(sys.Odregistrovat()), 2);
    EXPECT_FALSE(d.Registrovano());

    // A table with no key at all: registered, nothing held, nothing refused.
    SeznamHorkychKlaves prazdna;
    prazdna.NastavitVychozi();
    sys.registrace.clear();
    EXPECT_EQ(d.Registrovat(prazdna, sys.Zaregistrovat()), 0);
    EXPECT_TRUE(d.Registrovano());
    EXPECT_TRUE(sys.registrace.empty());
}

TEST(DrzeneHorkeKlavesy, HlaseniSPoctem) {
    const std::wstring reg = L"%d klávesové zkratky se nepodařilo zaregistrovat.";
    EXPECT_EQ(DrzeneHorkeKlavesy::Hlaseni(reg, 1), L"1 klávesové zkratky se nepodařilo zaregistrovat.");
    EXPECT_EQ(DrzeneHorkeKlavesy::Hlaseni(reg, 12), L"12 klávesové zkratky se nepodařilo zaregistrovat.");
    EXPECT_EQ(DrzeneHorkeKlavesy::Hlaseni(reg, 0), L"");
    // Only the first placeholder; other percent signs stay as they are (the text is no format).
    EXPECT_EQ(DrzeneHorkeKlavesy::Hlaseni(L"Chyba %d z %d (100 %s)", 3), L"Chyba 3 z %d (100 %s)");
    EXPECT_EQ(DrzeneHorkeKlavesy::Hlaseni(L"klávesy selhaly", 2), L"2 klávesy selhaly");
}
