#include "app/SeznamKamer.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <stdexcept>

#include "../camera/ZmenenaKamera.h"
#include "knihovna/Formatovani.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"
#include "resources/IdZdroju.h"

using namespace Knihovna;

namespace {

// Records what the camera list tells the user and answers its questions from a script.
class TestovaciRozhrani final : public RozhraniSeznamuKamer {
public:
    std::deque<std::optional<std::wstring>> odpovediNaZadani;  // nullopt = Cancel
    std::deque<bool> odpovediNaOtazky;
    std::vector<std::wstring> zadaniVyzvy;
    std::vector<std::wstring> pocatecniTexty;
    std::vector<std::wstring> chyby;
    std::vector<std::wstring> otazky;
    std::vector<std::wstring> spusteno;
    std::vector<std::wstring> log;
    std::function<void()> priOtazce;  // what happens while a question waits for the user

    std::wstring Text(std::uint32_t id) override {
        if (id == IdZdroju::kTextNazevDlouhy) return L"20064 %d";
        if (id == IdZdroju::kTextOdebratKameru) return L"20067 %s";
        return std::to_wstring(id);
    }
    bool ZadatText(const std::wstring& vyzva, std::wstring& text, std::size_t maxDelka) override {
        zadaniVyzvy.push_back(vyzva);
        pocatecniTexty.push_back(text);
        EXPECT_EQ(maxDelka, 200u);
        if (odpovediNaZadani.empty()) throw std::logic_error("unexpected text input");
        auto o = odpovediNaZadani.front();
        odpovediNaZadani.pop_front();
        if (!o) return false;
        text = *o;
        return true;
    }
    void HlasitChybu(const std::wstring& text) override { chyby.push_back(text); }
    void HlasitChybuCom(const std::wstring& text, const Chyba&) override { chyby.push_back(text); }
    [[noreturn]] void HlasitFatalniChybu(const std::wstring& text, const Chyba&) override {
        chyby.push_back(L"fatální " + text);
        throw std::runtime_error("fatal");
    }
    bool ZeptatSe(const std::wstring& text, bool anoVychozi, bool varovani) override {
        otazky.push_back(Formatovat(L"%s %d %d", text.c_str(), anoVychozi ? 1 : 0, varovani ? 1 : 0));
        if (priOtazce) priOtazce();
        if (odpovediNaOtazky.empty()) throw std::logic_error("unexpected question");
        const bool o = odpovediNaOtazky.front();
        odpovediNaOtazky.pop_front();
        return o;
    }
    void SpustitSebe(const std::wstring& parametry) override { spusteno.push_back(parametry); }
    void ZapsatLog(const std::wstring& text) override { log.push_back(text); }
};

// A camera that can be switched on, and counts how often it was stopped; its window may wait in a dialog.
class BeziciKamera final : public Tervik {
public:
    using Tervik::Tervik;
    bool bezi = false;
    bool vDialogu = false;
    int* zastaveni = nullptr;
    bool Bezi() const override { return bezi; }
    bool VeVlastnimDialogu() const override { return vDialogu; }
    void Zastavit() override {
        if (bezi && zastaveni) ++*zastaveni;
        bezi = false;
    }
};

class SeznamKamerTest : public ::testing::Test {
protected:
    RegistrVPameti reg;
    NastaveniAplikace nastaveni;
    TestovaciRozhrani ui;
    SeznamZarizeni video{{L"Integrated Webcam", L"", L"\\\\?\\pci#int"}};
    std::unique_ptr<SeznamKamer> seznam;

    void SetUp() override {
        nastaveni.NastavitVychozi(L"C:\\Dokumenty", 0x0601);
        seznam = NovySeznam();
    }
    std::unique_ptr<SeznamKamer> NovySeznam() {
        auto s = std::make_unique<SeznamKamer>(reg, nastaveni, ui, kKorenRegistru,
                                               [](const std::wstring& j) { return std::make_unique<BeziciKamera>(j); });
        s->Kontext() = TestovaciKontext();
        s->Kontext().zarizeniVideo = &video;
        return s;
    }
    void Ulozit(const std::wstring& jmeno) {
        ParametryKamery p;
        p.NastavitVychozi(jmeno, TestovaciKontext());
        p.indexIkony = 40;
        p.Ulozit(reg, CestaKamery(kKorenRegistru, jmeno));
    }
    std::vector<std::wstring> Jmena() const {
        std::vector<std::wstring> j;
        for (int i = 0; i < seznam->Pocet(); ++i) j.push_back(seznam->Kamera(i)->Jmeno());
        return j;
    }
    std::vector<std::wstring> Podklice() {
        RegistrKlic k(reg, kKorenRegistru);
        if (!k.ZkusitOtevritCteni(kKlicKamer)) return {};
        return k.JmenaPodklicu();
    }
    int Pridat(const std::wstring& jmeno) {
        ui.odpovediNaZadani.push_back(jmeno);
        return seznam->Pridat();
    }
};

}  // namespace

TEST_F(SeznamKamerTest, NacteniRadiPodleJmenaAHledaVychoziKameru) {
    for (const wchar_t* j : {L"b", L"A", L"c"}) Ulozit(j);
    nastaveni.vychoziTervik = L"C";
    seznam->Nacist();
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"A", L"b", L"c"}));
    ASSERT_NE(seznam->VychoziKamera(), nullptr);
    EXPECT_EQ(seznam->VychoziKamera()->Jmeno(), L"c");
    EXPECT_TRUE(seznam->VychoziKamera()->JeVychoziKamera());
    EXPECT_EQ(seznam->IndexVychoziKamery(), 2);
    EXPECT_EQ(seznam->Kamera(0)->Parametry().indexIkony, 40u);  // each camera's settings are loaded
    EXPECT_EQ(seznam->Najit(L"B"), 1);
    EXPECT_EQ(seznam->Najit(L"d"), -1);
    EXPECT_EQ(seznam->Kamera(3), nullptr);
    EXPECT_TRUE(ui.chyby.empty());
    // A camera added before it in the order leaves it the default, at its new place.
    Pridat(L"Alej");
    EXPECT_EQ(seznam->VychoziKamera()->Jmeno(), L"c");
    EXPECT_TRUE(seznam->Kamera(3)->JeVychoziKamera());
    EXPECT_EQ(seznam->IndexVychoziKamery(), 3);

    // The first run has no "Kamery" key: an empty list, nothing reported.
    RegistrVPameti prazdny;
    SeznamKamer s(prazdny, nastaveni, ui);
    s.Nacist();
    EXPECT_EQ(s.Pocet(), 0);
    EXPECT_TRUE(ui.chyby.empty());
    EXPECT_EQ(reg.PocetOtevrenych(), 0);
}

TEST_F(SeznamKamerTest, KameraSChybnouHodnotouSeOhlasiJednouANacteSe) {
    Ulozit(L"Dvůr");
    RegistrKlic k(reg, CestaKamery(kKorenRegistru, L"Dvůr"));
    k.OtevritZapis(L"Okno");
    k.ZapsatText(L"titulek", L"úzký");
    k.ZapsatText(L"menu", L"ne");
    // Out of its range: the default with a line in the application log, no message of its own.
    k.OtevritZapis(L"Detekce pohybu");
    k.ZapsatCislo(L"rozdilJasu", 999);
    k.Zavrit();
    seznam->Nacist();
    ASSERT_EQ(seznam->Pocet(), 1);
    EXPECT_EQ(ui.chyby, (std::vector<std::wstring>{L"Došlo k chybě při načítání konfigurace kamery Dvůr."}));
    EXPECT_EQ(seznam->Kamera(0)->Parametry().indexIkony, 40u);
    EXPECT_EQ(seznam->Kamera(0)->Parametry().okno.titulek, 0u);
    EXPECT_EQ(seznam->Kamera(0)->Parametry().detekcePohybu.rozdilJasu, 100u);
    ASSERT_EQ(ui.log.size(), 1u);
    EXPECT_NE(ui.log[0].find(L"\"rozdilJasu\" v klíči registru \"" + CestaKamery(kKorenRegistru, L"Dvůr") +
                             L"\\Detekce pohybu\""),
              std::wstring::npos);
}

TEST_F(SeznamKamerTest, PridaniZeptaSeNaJmenoAUlozi) {
    Ulozit(L"Zahrada");
    seznam->Nacist();
    EXPECT_EQ(Pridat(L"Dvůr"), 0);
    EXPECT_EQ(ui.zadaniVyzvy.back(), L"20061");
    EXPECT_EQ(ui.pocatecniTexty.back(), L"Nová tervik");
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Dvůr", L"Zahrada"}));
    EXPECT_EQ(Podklice().size(), 2u);
    // Saved with every value of its defaults.
    ParametryKamery p;
    p.NastavitVychozi(L"Dvůr", TestovaciKontext());
    EXPECT_TRUE(p.Nacist(reg, CestaKamery(kKorenRegistru, L"Dvůr")).empty());
    EXPECT_EQ(p.snimkyDisk.soubor.jmeno, L"Dvůr");

    // Refusals: an existing name in other capitals, an empty name, a backslash; Cancel says nothing.
    EXPECT_EQ(Pridat(L"ZAHRADA"), -1);
    EXPECT_EQ(Pridat(L""), -1);
    EXPECT_EQ(Pridat(L"a\\b"), -1);
    ui.odpovediNaZadani.push_back(std::nullopt);
    EXPECT_EQ(seznam->Pridat(), -1);
    EXPECT_EQ(ui.chyby, (std::vector<std::wstring>{L"20047", L"20063", L"20063"}));
    EXPECT_EQ(seznam->Pocet(), 2);
    EXPECT_EQ(Podklice().size(), 2u);
}

TEST_F(SeznamKamerTest, PadesataPrvniKameraSeOdmitneDrivNezSeZeptaNaJmeno) {
    for (int i = 0; i < 50; ++i) ASSERT_GE(Pridat(Formatovat(L"Kamera %02d", i)), 0);
    const size_t dotazu = ui.zadaniVyzvy.size();
    EXPECT_EQ(seznam->Pridat(), -1);
    EXPECT_EQ(ui.zadaniVyzvy.size(), dotazu);
    EXPECT_EQ(ui.chyby, (std::vector<std::wstring>{L"20060"}));
    EXPECT_EQ(seznam->Pocet(), 50);
}

TEST_F(SeznamKamerTest, PrejmenovaniKontrolujeVDanemPoradi) {
    Pridat(L"Dvůr");
    Pridat(L"Zahrada");
    auto* dvur = static_cast<BeziciKamera*>(seznam->Kamera(0));
    dvur->bezi = true;
    EXPECT_EQ(seznam->Prejmenovat(0), -1);  // refused before the name is asked
    dvur->bezi = false;
    const size_t dotazu = ui.zadaniVyzvy.size();
    for (const wchar_t* n : {L"", L"x\\y", L"dvůr", L"ZAHRADA"}) {
        ui.odpovediNaZadani.push_back(n);
        EXPECT_EQ(seznam->Prejmenovat(0), -1);
    }
    ui.odpovediNaZadani.push_back(std::wstring(201, L'x'));
    EXPECT_EQ(seznam->Prejmenovat(0), -1);
    EXPECT_EQ(ui.zadaniVyzvy.size(), dotazu + 5);
    EXPECT_EQ(ui.zadaniVyzvy.back(), L"20062");
    EXPECT_EQ(ui.pocatecniTexty.back(), L"Dvůr");
    EXPECT_EQ(ui.chyby, (std::vector<std::wstring>{L"20066", L"20063", L"20063", L"20065", L"20047", L"20064 200"}));
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Dvůr", L"Zahrada"}));
}

TEST_F(SeznamKamerTest, PrejmenovaniVychoziKameryJiPonechaVychozi) {
    Pridat(L"Dvůr");
    Pridat(L"Brána");
    seznam->NastavitVychoziKameru(1);
    EXPECT_EQ(nastaveni.vychoziTervik, L"Dvůr");
    seznam->Kamera(1)->Parametry().indexIkony = 7;
    seznam->Kamera(1)->UlozitParametry(reg, kKorenRegistru);
    ui.odpovediNaZadani.push_back(L"Alej");
    EXPECT_EQ(seznam->Prejmenovat(1), 0);
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Alej", L"Brána"}));
    EXPECT_EQ(Podklice(), (std::vector<std::wstring>{L"Alej", L"Brána"}));
    EXPECT_EQ(nastaveni.vychoziTervik, L"Alej");
    // The settings were saved, the next start finds the renamed camera as the default with its values.
    NastaveniAplikace ulozene;
    ulozene.NastavitVychozi(L"C:\\Dokumenty", 0x0601);
    EXPECT_TRUE(ulozene.Nacist(reg).empty());
    EXPECT_EQ(ulozene.vychoziTervik, L"Alej");
    seznam->Nacist();
    ASSERT_NE(seznam->VychoziKamera(), nullptr);
    EXPECT_EQ(seznam->VychoziKamera()->Jmeno(), L"Alej");
    EXPECT_EQ(seznam->VychoziKamera()->Parametry().indexIkony, 7u);
}

TEST_F(SeznamKamerTest, OdebraniVychoziKamery) {
    Pridat(L"Dvůr");
    Pridat(L"Brána");
    seznam->NastavitVychoziKameru(1);
    ui.odpovediNaOtazky = {false, true};
    EXPECT_FALSE(seznam->Odebrat(1));
    EXPECT_TRUE(seznam->Odebrat(1));
    EXPECT_EQ(ui.otazky, (std::vector<std::wstring>{L"20067 Dvůr 0 1", L"20067 Dvůr 0 1"}));
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Brána"}));
    EXPECT_EQ(Podklice(), (std::vector<std::wstring>{L"Brána"}));
    EXPECT_EQ(seznam->VychoziKamera(), nullptr);
    EXPECT_EQ(seznam->IndexVychoziKamery(), -1);
    // The setting still names the removed camera; the next load finds no default camera.
    EXPECT_EQ(nastaveni.vychoziTervik, L"Dvůr");
    seznam->Nacist();
    EXPECT_EQ(seznam->VychoziKamera(), nullptr);
}

TEST_F(SeznamKamerTest, KameraVeVlastnimDialoguSeNezastaviAniNeuvolni) {
    int zastaveni = 0;
    Pridat(L"Brána");
    Pridat(L"Dvůr");
    auto* k = static_cast<BeziciKamera*>(seznam->Kamera(1));
    k->bezi = true;
    k->vDialogu = true;
    k->zastaveni = &zastaveni;
    // Removal, a rebuilt list, stopping and the application's end are refused before any question, naming
    // the camera whose dialog is to be closed; the camera keeps running and stays in the list.
    EXPECT_FALSE(seznam->Odebrat(1));
    EXPECT_FALSE(seznam->VytvoritVychoziSeznam());
    EXPECT_FALSE(seznam->PovolitZastaveni(1));
    EXPECT_FALSE(seznam->PovolitZastaveniVsech());
    EXPECT_TRUE(seznam->PovolitZastaveni(0));
    EXPECT_TRUE(ui.otazky.empty());
    ASSERT_EQ(ui.chyby.size(), 4u);
    for (const auto& chyba : ui.chyby) EXPECT_NE(chyba.find(L"\"Dvůr\" má otevřené dialogové okno"), std::wstring::npos);
    EXPECT_EQ(zastaveni, 0);
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Brána", L"Dvůr"}));
    EXPECT_EQ(Podklice(), Jmena());

    // Once the dialog is closed the same removal goes through and stops the running camera.
    k->vDialogu = false;
    ui.odpovediNaOtazky = {true};
    EXPECT_TRUE(seznam->Odebrat(1));
    EXPECT_EQ(zastaveni, 1);
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Brána"}));
}

TEST_F(SeznamKamerTest, DialogOtevrenyBehemOtazkyZastaviOdebrani) {
    Pridat(L"Dvůr");
    auto* k = static_cast<BeziciKamera*>(seznam->Kamera(0));
    k->bezi = true;
    // The question runs a message loop of its own: the camera opens its settings meanwhile.
    ui.priOtazce = [k] { k->vDialogu = true; };
    ui.odpovediNaOtazky = {true, true};
    EXPECT_FALSE(seznam->Odebrat(0));
    EXPECT_FALSE(seznam->VytvoritVychoziSeznam());
    EXPECT_EQ(ui.otazky.size(), 1u);  // the rebuild was refused before its question
    EXPECT_EQ(ui.chyby.size(), 2u);
    EXPECT_TRUE(k->bezi);
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Dvůr"}));
}

TEST_F(SeznamKamerTest, VychoziSeznamZeZarizeni) {
    video = {{L"Testovací kamera Tervik", L"", L"\\\\?\\tervik#1"}, {L"Testovací kamera Tervik #2", L"", L"\\\\?\\tervik#2"}};
    Pridat(L"Stará");
    // With cameras present the question warns and defaults to No.
    ui.odpovediNaOtazky = {false, true};
    EXPECT_FALSE(seznam->VytvoritVychoziSeznam());
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Stará"}));
    EXPECT_TRUE(seznam->VytvoritVychoziSeznam());
    EXPECT_EQ(ui.otazky, (std::vector<std::wstring>{L"20049 0 1", L"20049 0 1"}));
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Testovací kamera Tervik", L"Testovací kamera Tervik #2"}));
    EXPECT_EQ(Podklice(), Jmena());
    EXPECT_EQ(seznam->Kamera(1)->Parametry().zarizeni.video.devicePath, L"\\\\?\\tervik#2");
    ParametryKamery p;
    p.NastavitVychozi(L"x", TestovaciKontext());
    EXPECT_TRUE(p.Nacist(reg, CestaKamery(kKorenRegistru, L"Testovací kamera Tervik #2")).empty());
    EXPECT_EQ(p.zarizeni.video.friendlyName, L"Testovací kamera Tervik #2");
    EXPECT_EQ(p.zarizeni.video.devicePath, L"\\\\?\\tervik#2");

    // With none the question is the offer, Yes by default.
    seznam->UvolnitVse();
    ui.odpovediNaOtazky = {false};
    seznam->VytvoritVychoziSeznam();
    EXPECT_EQ(ui.otazky.back(), L"20050 1 0");
}

TEST_F(SeznamKamerTest, BezVideozarizeniZustanouKameryZachovany) {
    Pridat(L"Dvůr");
    video.clear();
    EXPECT_FALSE(seznam->VytvoritVychoziSeznam());
    EXPECT_TRUE(ui.otazky.empty());
    ASSERT_EQ(ui.chyby.size(), 1u);
    EXPECT_NE(ui.chyby[0].find(L"videozařízení"), std::wstring::npos);
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"Dvůr"}));
    EXPECT_EQ(Podklice(), (std::vector<std::wstring>{L"Dvůr"}));
}

TEST_F(SeznamKamerTest, VychoziSeznamDavaJedinecneNazvyKlicu) {
    // Names equal but for case would share one registry key; a backslash would nest keys.
    video = {{L"camera", L"", L"1"}, {L"Camera", L"", L"2"}, {L"A\\B", L"", L"3"}};
    EXPECT_TRUE(seznam->VytvoritVychoziSeznam(false));
    EXPECT_EQ(Jmena(), (std::vector<std::wstring>{L"A_B", L"camera", L"Camera #2"}));
    EXPECT_EQ(Podklice().size(), 3u);
}

TEST_F(SeznamKamerTest, SpusteniVeVlastnimProcesu) {
    Pridat(L"Dvůr");
    seznam->SpustitVeVlastnimProcesu(0);
    seznam->SpustitVeVlastnimProcesu(5);
    EXPECT_EQ(ui.spusteno, (std::vector<std::wstring>{L"\"-ka\" \"Dvůr\""}));
    EXPECT_EQ(SeznamKamer::ParametryProcesu(L"Dvůr \"A\""), L"\"-ka\" \"Dvůr \\\"A\\\"\"");
}

TEST_F(SeznamKamerTest, UlozeniSeznamuVytvoriKlicKazdeKamery) {
    Pridat(L"Dvůr");
    RegistrKlic(reg, kKorenRegistru).SmazatPodklic(L"Kamery");
    seznam->UlozitSeznam();
    EXPECT_EQ(Podklice(), (std::vector<std::wstring>{L"Dvůr"}));
    EXPECT_TRUE(ui.chyby.empty());
}
