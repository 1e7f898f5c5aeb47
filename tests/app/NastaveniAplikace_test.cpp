#include "app/NastaveniAplikace.h"

#include <gtest/gtest.h>

#include <map>

#include "../SpatneHodnotyRegistru.h"
#include "../camera/ZmenenaKamera.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"

using namespace Knihovna;

namespace {

void Vychozi(NastaveniAplikace& n) { n.NastavitVychozi(L"C:\\Users\\pavel\\Documents", 0x0601); }

}  // namespace

// The hotkey value's byte layout as earlier versions wrote it (the wrong-type walk below checks the rest).
TEST(NastaveniAplikace, HorkaKlavesaVBinarnimTvaru) {
    RegistrVPameti reg;
    {
        RegistrKlic k(reg, kKorenRegistru);
        k.OtevritZapis(L"Horke klavesy");
        unsigned char b[16] = {2, 0, 0, 0, 0x70, 0, 0, 0, 0x41, 0x9C, 0, 0, 0x23, 0x4E, 0, 0};  // Ctrl+F1 for 40001
        k.ZapsatBinarni(L"40001", b, 16);
        k.Zavrit();
    }
    NastaveniAplikace n;
    Vychozi(n);
    EXPECT_TRUE(n.Nacist(reg).empty());
    EXPECT_EQ(n.horkeKlavesy.Najit(40001)->klavesa, 0x70u);
    EXPECT_EQ(n.horkeKlavesy.Najit(40001)->modifikatory, 2u);
}

TEST(NastaveniAplikace, HodnotaMimoRozsahZustaneVychoziSRadkemLogu) {
    RegistrVPameti reg;
    {
        RegistrKlic k(reg, kKorenRegistru);
        k.OtevritZapis();
        k.ZapsatCislo(L"processPriority", 0x1234);  // no priority class: SetPriorityClass would refuse it
        k.ZapsatCislo(L"oznamovaciIkona", 1);
        k.OtevritZapis(L"Dalkove ovladani");
        k.ZapsatCislo(L"portPrijem", 80);
        k.OtevritZapis(L"Promitani obrazku");
        k.ZapsatCislo(L"interval", 7500);  // 7 whole seconds as the page shows it: allowed
        k.OtevritZapis(L"Sitovy ovladac");
        k.ZapsatCislo(L"port", 9999);
        k.OtevritZapis(L"Logovani\\Soubor");
        k.ZapsatCislo(L"maxVelikost", 60000000);
        k.OtevritZapis(L"Aktualizace");
        k.ZapsatCislo(L"casovyLimit", 1);
        k.Zavrit();
    }
    NastaveniAplikace n;
    Vychozi(n);
    std::vector<std::wstring> log;
    EXPECT_TRUE(n.Nacist(reg, kKorenRegistru, &log).empty());  // no registry-load message
    EXPECT_EQ(n.processPriority, 0x20u);
    EXPECT_EQ(n.portPrijem, 8124u);
    EXPECT_EQ(n.maxVelikost, 2000000u);
    EXPECT_EQ(n.oznamovaciIkona, 1u);
    EXPECT_EQ(n.interval, 7500u);
    EXPECT_EQ(n.port, 9999u);
    EXPECT_EQ(n.casovyLimitAktualizaci, 20u);
    // One line per replaced value, naming the value and its key.
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], L"Hodnota \"processPriority\" v klíči registru \"" + std::wstring(kKorenRegistru) +
                          L"\" (4660) je mimo povolený rozsah, použita výchozí hodnota 32.");
    EXPECT_NE(log[1].find(L"\"portPrijem\" v klíči registru \"" + std::wstring(kKorenRegistru) + L"\\Dalkove ovladani\""),
              std::wstring::npos);
    EXPECT_NE(log[2].find(L"\"maxVelikost\""), std::wstring::npos);
    EXPECT_NE(log[3].find(L"\"casovyLimit\" v klíči registru \"" + std::wstring(kKorenRegistru) + L"\\Aktualizace\""),
              std::wstring::npos);
}

TEST(NastaveniAplikace, UlozeniJednotlivychHodnotZapiseJenJe) {
    RegistrVPameti reg;
    NastaveniAplikace a;
    Vychozi(a);
    a.ipAdresa = L"10.0.0.7";
    a.port = 9100;
    a.nacistPocitaceLan = true;  // changed in memory, not to be written
    a.UlozitHodnoty(reg, L"Sitovy ovladac", {L"ipAdresa", L"port"});

    NastaveniAplikace b;
    Vychozi(b);
    EXPECT_TRUE(b.Nacist(reg).empty());
    EXPECT_EQ(b.ipAdresa, L"10.0.0.7");
    EXPECT_EQ(b.port, 9100u);
    RegistrKlic k(reg, kKorenRegistru);
    k.OtevritCteni(L"Sitovy ovladac");
    bool priznak = false;
    EXPECT_NE(k.CistPriznak(L"nacistPocitaceLan", priznak), 0);
    EXPECT_FALSE(k.ZkusitOtevritCteni(L"Dalkove ovladani"));
    k.Zavrit();
    EXPECT_EQ(reg.PocetOtevrenych(), 0);
}

// ------------------------------------------------------------------ every stored value with every wrong type

namespace {

std::map<std::wstring, std::string> Ulozene(const NastaveniAplikace& n) {
    RegistrVPameti reg;
    const_cast<NastaveniAplikace&>(n).Ulozit(reg);
    std::map<std::wstring, std::string> v;
    VypsatRegistr(reg, kKorenRegistru, L"", v);
    return v;
}

// The stored values from the record's table, and the hotkey table's binary values.
std::vector<SpatneHodnoty::Hodnota> HodnotyAplikace(const NastaveniAplikace& n) {
    std::vector<SpatneHodnoty::Hodnota> hodnoty;
    for (const auto& p : NastaveniAplikace::Polozky())
        hodnoty.push_back({p.klic, p.jmeno,
                           std::holds_alternative<std::wstring NastaveniAplikace::*>(p.pole) ? SpatneHodnoty::Druh::Text
                                                                                           : SpatneHodnoty::Druh::Cislo});
    for (const auto& k : n.horkeKlavesy.Polozky())
        hodnoty.push_back({L"Horke klavesy", std::to_wstring(k.idPrikazu), SpatneHodnoty::Druh::Binarni, 16});
    return hodnoty;
}

}  // namespace

TEST(NastaveniAplikace, KazdaHodnotaSpatnehoTypuNechaVychoziAUlozeniZapiseSpravnyTyp) {
    NastaveniAplikace vychozi;
    Vychozi(vychozi);
    // The user's record: every value differs from its default.
    NastaveniAplikace zmenena;
    Vychozi(zmenena);
    zmenena.oznamovaciIkona = 0;
    zmenena.processPriority = 0x8000;
    zmenena.portPrijem = zmenena.port = 9000;
    zmenena.barvaPozadi = 0x00112233;
    zmenena.interval = 7000;
    zmenena.maxVelikost = 10000;
    zmenena.casovyLimitAktualizaci = 5;
    for (const auto& p : NastaveniAplikace::Polozky())
        std::visit(
            [&](auto pole) {
                using T = std::remove_reference_t<decltype(zmenena.*pole)>;
                if constexpr (std::is_same_v<T, bool>) zmenena.*pole = !(zmenena.*pole);
                else if constexpr (std::is_same_v<T, std::wstring>) zmenena.*pole += L"Ž";
            },
            p.pole);
    zmenena.horkeKlavesy.Najit(40001)->klavesa = 0x70;
    const auto zmenene = Ulozene(zmenena);
    const auto vychozihodnoty = Ulozene(vychozi);
    // The whole record comes back, each value in its documented key; a first run (no key) reports nothing.
    {
        RegistrVPameti prazdny, reg;
        zmenena.Ulozit(reg);
        NastaveniAplikace n;
        Vychozi(n);
        EXPECT_TRUE(n.Nacist(prazdny).empty());
        EXPECT_TRUE(n.Nacist(reg).empty());
        EXPECT_EQ(Ulozene(n), zmenene);
        EXPECT_EQ(reg.PocetOtevrenych(), 0);
        for (const wchar_t* cesta : {L"Logovani\\Soubor|maxVelikost", L"Dalkove ovladani|portPrijem",
                                     L"Zapis udalosti|ukonceniPrijemSitOvl"})
            EXPECT_EQ(zmenene.count(cesta), 1u) << NaUtf8(cesta);
    }

    const auto hodnoty = HodnotyAplikace(vychozi);
    std::map<std::wstring, std::string> popsane;
    for (const auto& h : hodnoty) popsane[h.Cesta()] = vychozihodnoty.count(h.Cesta()) ? vychozihodnoty.at(h.Cesta()) : "";
    EXPECT_EQ(popsane, vychozihodnoty);  // the walk reaches every stored value

    int pripadu = 0;
    for (const auto& h : hodnoty) {
        for (const auto& spatna : SpatneHodnoty::Pro(h.druh, h.velikost)) {
            SCOPED_TRACE(NaUtf8(h.Cesta()) + " jako " + spatna.popis);
            RegistrVPameti reg;
            zmenena.Ulozit(reg);
            SpatneHodnoty::Zapsat(reg, kKorenRegistru, h, spatna);
            NastaveniAplikace n;
            Vychozi(n);
            const auto chyby = n.Nacist(reg);
            ASSERT_EQ(chyby.size(), 1u);
            EXPECT_EQ(chyby[0].Hr(), HresultZWin32(kChybaNesouhlasTypu));
            EXPECT_NE(chyby[0].Text().find(L"\"" + h.jmeno + L"\""), std::wstring::npos);
            EXPECT_EQ(reg.PocetOtevrenych(), 0);
            auto ocekavane = zmenene;
            ocekavane[h.Cesta()] = vychozihodnoty.at(h.Cesta());
            ASSERT_EQ(Ulozene(n), ocekavane);
            ++pripadu;
        }
    }
    EXPECT_GT(pripadu, 400);
}
