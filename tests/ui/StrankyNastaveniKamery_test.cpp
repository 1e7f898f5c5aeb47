#include "ui/StrankyNastaveniKamery.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "camera/DetektorPohybu.h"
#include "camera/ParametryKamery.h"
#include "../camera/ZmenenaKamera.h"
#include "knihovna/AdresaServeru.h"
#include "knihovna/RegistrVPameti.h"
#include "ui/KopieParametruKamery.h"
#include "video/KoderyObrazu.h"

namespace {

namespace S = StrankyNastaveniKamery;

const S::Hodnota& Hodnota(const std::wstring& klic, const wchar_t* jmeno) {
    const S::Hodnota* h = S::Najit(klic.c_str(), jmeno);
    if (!h) throw std::runtime_error("no page edits this value");
    return *h;
}

const S::Stranka& Stranka(const std::wstring& nazev) {
    for (const S::Stranka& s : S::Stranky())
        if (nazev == s.nazev) return s;
    throw std::runtime_error("no such page");
}

ParametryKamery Vychozi() {
    ParametryKamery k;
    k.NastavitVychozi(L"Dvůr", TestovaciKontext());
    return k;
}

// Each value of every page is a value of the camera record, held by the copy in the type its control needs, no
// page edits a value (or a value's bit) twice, and a fresh camera's dialog can be confirmed as it stands.
TEST(StrankyNastaveniKamery, KazdaHodnotaJeVKopiiSeSvymTypemAVychoziProjdeKontrolou) {
    const KopieParametruKamery kopie(Vychozi());
    std::set<std::tuple<std::wstring, std::wstring, std::uint32_t>> videne;
    std::set<std::wstring> nazvy;
    for (const S::Stranka& s : S::Stranky()) {
        EXPECT_TRUE(nazvy.insert(s.nazev).second) << "page twice";
        EXPECT_FALSE(s.hodnoty.empty());
        for (const S::Hodnota& h : s.hodnoty) {
            SCOPED_TRACE(testing::Message() << "value " << std::wstring(h.klic) << " | " << std::wstring(h.jmeno));
            EXPECT_TRUE(videne.insert({h.klic, h.jmeno, h.bit}).second);
            EXPECT_NE(std::wstring(h.popisek), L"");
            const KopieHodnot::Hodnota* v = nullptr;
            ASSERT_NO_THROW(v = &kopie.Ulozena(h.klic, h.jmeno));
            if (h.ovladac == S::Ovladac::Pismo) {
                EXPECT_TRUE(std::holds_alternative<PopisPisma>(*v));
            } else if (ModelStranky::Textovy(h.ovladac)) {
                EXPECT_TRUE(std::holds_alternative<std::wstring>(*v));
                EXPECT_EQ(ModelStranky::OveritText(h, kopie.Text(h)), std::nullopt);
            } else {
                const bool prepinac = h.ovladac == S::Ovladac::Zaskrtnuti && !h.bit;
                EXPECT_TRUE(prepinac ? std::holds_alternative<bool>(*v) : std::holds_alternative<std::uint32_t>(*v));
                EXPECT_TRUE(h.ovladac == S::Ovladac::Zaskrtnuti || h.bit == 0);
                EXPECT_EQ(S::Overit(h, kopie.Zobrazena(h)), std::nullopt);
                if (h.ovladac == S::Ovladac::Cislo) {
                    EXPECT_LT(h.min, h.max);
                }
                if (h.ovladac == S::Ovladac::Vyber) {
                    EXPECT_FALSE(h.moznosti.empty());
                }
            }
        }
    }
}

// The pages enforce the ranges the camera record declares (a block's values by the block's generic key).
TEST(StrankyNastaveniKamery, RozsahyOdpovidajiZaznamuKamery) {
    int nalezeno = 0;
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty) {
            std::wstring klic = h.klic;
            if (const auto i = klic.find(L"Snimek"); i != std::wstring::npos) klic = klic.substr(i);
            const RozsahParametru* r = NajitRozsah(klic, h.jmeno);
            if (!r) continue;
            ++nalezeno;
            SCOPED_TRACE(testing::Message() << std::wstring(h.klic) << " | " << std::wstring(h.jmeno));
            if (h.ovladac == S::Ovladac::Vyber) {
                // A choice offers the whole range and nothing outside it.
                EXPECT_EQ(h.moznosti.size(), r->max - r->min + 1);
                for (const S::Moznost& m : h.moznosti) EXPECT_TRUE(m.hodnota >= r->min && m.hodnota <= r->max);
            } else {
                EXPECT_EQ(std::pair(h.min, h.max), std::pair(r->min, r->max));
            }
        }
    EXPECT_GE(nalezeno, 15);
}

TEST(StrankyNastaveniKamery, CislaMimoRozsahAVyberyOdmitaSeZpravou) {
    struct Pripad {
        const wchar_t *klic, *jmeno;
        std::uint32_t min, max;
    };
    // The edges: a minimum of 0, a maximum at 32 bits, a block's value, and a range the record does not hold.
    for (const Pripad& p : {Pripad{L"Snimky disk", L"interval", 1, 4294967295u},
                            Pripad{L"Logovani\\Soubor", L"maxVelikost", 10000, 52428800},
                            Pripad{L"Snimky email\\Snimek", L"kvalitaJpeg", 0, 100},
                            Pripad{L"ToolTipIkona", L"intervalSnimku", 100, 30000}}) {
        SCOPED_TRACE(testing::Message() << std::wstring(p.klic) << " | " << std::wstring(p.jmeno));
        const S::Hodnota& h = Hodnota(p.klic, p.jmeno);
        const std::wstring zprava = L"Zadejte hodnotu v rozsahu " + std::to_wstring(p.min) + L" - " + std::to_wstring(p.max);
        EXPECT_EQ(S::Overit(h, p.min), std::nullopt);
        EXPECT_EQ(S::Overit(h, p.max), std::nullopt);
        EXPECT_EQ(S::Overit(h, std::int64_t{p.min} - 1), zprava);
        EXPECT_EQ(S::Overit(h, std::int64_t{p.max} + 1), zprava);
    }
    const S::Hodnota& ikona = Hodnota(L"", L"indexIkony");
    EXPECT_EQ(S::Overit(ikona, S::kPocetIkon - 1), std::nullopt);
    for (std::int64_t spatna : {std::int64_t{S::kPocetIkon}, std::int64_t{-1}})
        EXPECT_EQ(S::Overit(ikona, spatna), L"Vyberte jeden z nabízených obrázků");

    // A picture's format is one of the encoders, by their names; a rotation only a right angle.
    const S::Hodnota& format = Hodnota(L"Detekce pohybu\\Disk\\Snimek", L"format");
    ASSERT_EQ(format.moznosti.size(), Holvent::DirectShow::kKoderyObrazu.size());
    for (std::size_t i = 0; i < format.moznosti.size(); ++i) {
        EXPECT_EQ(format.moznosti[i].hodnota, i);
        EXPECT_EQ(std::wstring(format.moznosti[i].text), Holvent::DirectShow::kKoderyObrazu[i].nazev);
    }
    EXPECT_NE(S::Overit(Hodnota(L"Snimky disk\\Snimek\\Upravy", L"otoceni"), 45), std::nullopt);
    EXPECT_EQ(S::Overit(Hodnota(L"Snimky disk\\Snimek\\Upravy", L"otoceni"), 270), std::nullopt);
}

// The texts beside the motion-detection numbers are those the detector itself writes, of the number as stored.
TEST(StrankyNastaveniKamery, Vysvetlivky) {
    const S::Hodnota& interval = Hodnota(L"Detekce pohybu", L"interval");
    const S::Hodnota& procento = Hodnota(L"Detekce pohybu", L"procentoZmen");
    EXPECT_EQ(S::Vysvetlivka(interval, 100), L"milisekund - tj. 0.100 sekund");
    EXPECT_EQ(S::Vysvetlivka(procento, 100000), L"tj. 100.000 procent");
    for (std::uint32_t n : {1u, 999u, 1000u, 1050u, 123456u}) {
        EXPECT_EQ(S::Vysvetlivka(interval, n), TextIntervaluDetekce(n));
        EXPECT_EQ(S::Vysvetlivka(procento, n), TextProcentaZmen(n));
    }
    const KopieParametruKamery kopie(Vychozi());
    EXPECT_EQ(S::Vysvetlivka(procento, kopie.Zobrazena(procento)), L"tj. 0.700 procent");
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Detekce pohybu", L"rozdilJasu"), 100), L"");
    // The e-mail interval in seconds as minutes, the FTP one in milliseconds as seconds.
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Snimky email", L"interval"), 86399), L"tj. 1439:59 minut");
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Snimky FTP", L"interval"), 10000), L"milisekund - tj. 10.000 sekund");
}

// Every block page is generated from one description, so the pages of the blocks differ only in the owner's key; the
// server's page leaves out what its snapshots do not use (always JPEG, overlays always).
TEST(StrankyNastaveniKamery, StrankyBlokuMajiPlneKlice) {
    const S::Stranka& disk = Stranka(L"Snímek na disk");
    const std::size_t delkaDisku = std::wstring(L"Snimky disk").size();
    for (const auto& [nazev, vlastnik] : {std::pair{L"Snímek při pohybu", L"Detekce pohybu\\Disk"},
                                          std::pair{L"Snímek emailem", L"Snimky email"},
                                          std::pair{L"Snímek na FTP", L"Snimky FTP"}}) {
        const S::Stranka& blok = Stranka(nazev);
        ASSERT_EQ(disk.hodnoty.size(), blok.hodnoty.size());
        for (std::size_t i = 0; i < disk.hodnoty.size(); ++i) {
            const std::wstring a = disk.hodnoty[i].klic;
            EXPECT_TRUE(a.starts_with(L"Snimky disk\\Snimek")) << a;
            EXPECT_EQ(vlastnik + a.substr(delkaDisku), blok.hodnoty[i].klic);
            EXPECT_EQ(std::wstring(disk.hodnoty[i].jmeno), blok.hodnoty[i].jmeno);
        }
    }
    // The texts stay where they were: the table is made once.
    EXPECT_EQ(S::Stranky().data(), S::Stranky().data());

    const S::Stranka& server = Stranka(L"Snímek pro HTTP server");
    EXPECT_EQ(std::wstring(server.rodic), L"HTTP server");
    std::vector<std::wstring> ocekavane, naStrance;
    for (const S::Hodnota& h : disk.hodnoty)
        if (std::wstring(h.jmeno) != L"format" && std::wstring(h.jmeno) != L"kdy")
            ocekavane.push_back(L"HTTP server" + std::wstring(h.klic).substr(delkaDisku) + L"|" + h.jmeno);
    for (const S::Hodnota& h : server.hodnoty) naStrance.push_back(std::wstring(h.klic) + L"|" + h.jmeno);
    EXPECT_EQ(naStrance, ocekavane);
    EXPECT_EQ(ocekavane.size(), disk.hodnoty.size() - 3);
}

// Both the log file and the Windows event log offer every stored camera event, each by a text of its own.
TEST(StrankyNastaveniKamery, PrepinaceZaznamuAUdalosti) {
    Knihovna::RegistrVPameti reg;
    const std::wstring cesta = CestaKamery(L"Software\\Tervik", L"Dvůr");
    Vychozi().Ulozit(reg, cesta);
    std::map<std::wstring, std::string> ulozene;
    VypsatRegistr(reg, cesta, L"", ulozene);
    for (const std::wstring klic : {L"Logovani", L"Zapis udalosti"}) {
        std::set<std::wstring> ulozena, naStrance, texty;
        for (const auto& [jmeno, data] : ulozene)
            if (jmeno.starts_with(klic + L"|")) ulozena.insert(jmeno.substr(klic.size() + 1));
        for (const S::Stranka& s : S::Stranky())
            for (const S::Hodnota& h : s.hodnoty)
                if (h.klic == klic) {
                    naStrance.insert(h.jmeno);
                    texty.insert(h.popisek);
                    EXPECT_EQ(h.ovladac, S::Ovladac::Zaskrtnuti);
                }
        EXPECT_GE(ulozena.size(), 20u);
        EXPECT_EQ(naStrance, ulozena);
        EXPECT_EQ(texty.size(), naStrance.size()) << "each event has a text of its own";
    }
    EXPECT_EQ(S::Najit(L"Logovani\\Soubor", L"maxVelikost"), &Stranka(S::kStrankaZaznamu).hodnoty[0]);

    // A failed delivery is always written to the camera's log: its two switches are on whatever was stored, and
    // cannot be switched off; the event log's stay free.
    ParametryKamery k = Vychozi();
    k.logovani.snimekEmailChyba = k.logovani.snimekFtpChyba = false;
    KopieParametruKamery kopie(k);
    for (const wchar_t* jmeno : {L"snimekEmailChyba", L"snimekFtpChyba"}) {
        const S::Hodnota& h = Hodnota(L"Logovani", jmeno);
        EXPECT_TRUE(h.vzdyZapnuto);
        EXPECT_EQ(kopie.Zobrazena(h), 1u);
        EXPECT_EQ(kopie.Nastavit(h, 0), L"Tato volba je vždy zapnuta");
        EXPECT_FALSE(Hodnota(L"Zapis udalosti", jmeno).vzdyZapnuto);
    }
    kopie.Potvrdit(k);
    EXPECT_TRUE(k.logovani.snimekEmailChyba && k.logovani.snimekFtpChyba);
    EXPECT_FALSE(k.logovani.snimekEmail);
}

// The e-mail and FTP reactions to a failure bit by bit; a password unmasked by a switch of its own key, or always
// masked (the server's); values with no meaning have no control.
TEST(StrankyNastaveniKamery, StrankyEmailuAFtp) {
    int hesel = 0;
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty)
            if (h.ovladac == S::Ovladac::Heslo) {
                ++hesel;
                if (h.zobrazeniHesla) {
                    EXPECT_EQ(Hodnota(h.klic, h.zobrazeniHesla).ovladac, S::Ovladac::Zaskrtnuti);
                }
            }
    EXPECT_EQ(hesel, 2);
    EXPECT_EQ(Hodnota(L"HTTP server", L"heslo").zobrazeniHesla, nullptr);
    EXPECT_NE(Hodnota(L"Snimky FTP\\FTP umisteni", L"heslo").zobrazeniHesla, nullptr);
    for (const auto& [klic, jmeno] : {std::pair{L"HTTP server", L"refreshStranky"}, {L"Snimky email", L"vlastniSnimek"},
                                      {L"Snimky FTP", L"vlastniSnimek"}})
        EXPECT_EQ(S::Najit(klic, jmeno), nullptr) << jmeno;

    for (const wchar_t* klic : {L"Snimky email", L"Snimky FTP"}) {
        std::vector<std::uint32_t> bity;
        for (const S::Stranka& s : S::Stranky())
            for (const S::Hodnota& h : s.hodnoty)
                if (std::wstring(h.klic) == klic && std::wstring(h.jmeno) == L"akcePriChybe") bity.push_back(h.bit);
        EXPECT_EQ(bity, (std::vector<std::uint32_t>{1, 2, 4})) << klic;
        EXPECT_NE(Hodnota(klic, L"akcePriChybe").nadpis, nullptr) << "the switches are introduced as reactions";
    }
}

// A server with a port that is none, and a file name that leads into another folder, are refused and leave the copy
// as it was; a good port and a plain name are taken.
TEST(StrankyNastaveniKamery, ServerSPortemAJmenoSouboruBezSlozek) {
    KopieParametruKamery kopie(Vychozi());
    const S::Hodnota& server = Hodnota(L"Snimky FTP\\FTP umisteni", L"server");
    EXPECT_EQ(kopie.NastavitText(server, L"127.0.0.1:2121"), std::nullopt);
    EXPECT_EQ(kopie.NastavitText(server, L"[::1]:21"), std::nullopt);
    for (const wchar_t* spatny : {L"ftp.example.cz:0", L"ftp.example.cz:65536", L"ftp.example.cz:ftp", L"[::1]:"})
        EXPECT_EQ(kopie.NastavitText(server, spatny), Knihovna::kTextChybnyPortServeru) << spatny;
    EXPECT_EQ(kopie.Text(server), L"[::1]:21");

    for (const wchar_t* klic : {L"Snimky FTP\\FTP umisteni", L"Gener HTML"}) {
        const S::Hodnota& soubor = Hodnota(klic, L"soubor");
        EXPECT_EQ(kopie.NastavitText(soubor, L"kamera dvůr.v2"), std::nullopt) << klic;
        for (const wchar_t* spatne : {L"web/kamera", L"web\\kamera", L"..", L"..kamera"})
            EXPECT_NE(kopie.NastavitText(soubor, spatne), std::nullopt) << klic << spatne;
        EXPECT_EQ(kopie.Text(soubor), L"kamera dvůr.v2");
    }
}

// The tree: a page stands under a page listed before it, and the pages between a parent and its child are all
// its own (so the table's order is the tree's and the controls' ids follow it).
TEST(StrankyNastaveniKamery, StromStranek) {
    const auto stranky = S::Stranky();
    auto Rodic = [&](int i) {
        const wchar_t* rodic = stranky[static_cast<std::size_t>(i)].rodic;
        for (int j = 0; rodic && j < static_cast<int>(stranky.size()); ++j)
            if (std::wstring(rodic) == stranky[static_cast<std::size_t>(j)].nazev) return j;
        return -1;
    };
    auto Pod = [&](int i, int rodic) {
        for (int r = i; r >= 0; r = Rodic(r))
            if (r == rodic) return true;
        return false;
    };
    for (int i = 0; i < static_cast<int>(stranky.size()); ++i) {
        if (!stranky[static_cast<std::size_t>(i)].rodic) continue;
        const int rodic = Rodic(i);
        ASSERT_GE(rodic, 0) << i;
        ASSERT_LT(rodic, i);
        for (int j = rodic + 1; j < i; ++j) EXPECT_TRUE(Pod(j, rodic)) << i << " " << j;
    }
    EXPECT_EQ(std::wstring(Stranka(S::kStrankaAdres).rodic), S::kStrankaEmailu);
    EXPECT_EQ(std::wstring(Stranka(S::kStrankaFtpUmisteni).rodic), S::kStrankaFtp);
}

}  // namespace
