#include "ui/StrankyNastaveniKamery.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>
#include <vector>

#include "camera/DetektorPohybu.h"
#include "camera/ParametryKamery.h"
#include "../camera/ZmenenaKamera.h"
#include "knihovna/AdresaServeru.h"
#include "ui/KopieParametruKamery.h"
#include "video/KoderyObrazu.h"

namespace {

namespace S = StrankyNastaveniKamery;

const S::Hodnota& Hodnota(const wchar_t* klic, const wchar_t* jmeno) {
    const S::Hodnota* h = S::Najit(klic, jmeno);
    if (!h) throw std::runtime_error("no page edits this value");
    return *h;
}

const S::Stranka& Stranka(const std::wstring& nazev) {
    for (const S::Stranka& s : S::Stranky())
        if (nazev == s.nazev) return s;
    throw std::runtime_error("no such page");
}

std::vector<std::uint32_t> Hodnoty(const S::Hodnota& h) {
    std::vector<std::uint32_t> v;
    for (const S::Moznost& m : h.moznosti) v.push_back(m.hodnota);
    return v;
}

ParametryKamery Vychozi() {
    ParametryKamery k;
    k.NastavitVychozi(L"Dvůr", TestovaciKontext());
    return k;
}

// Each value of every page is a value of the camera record, held by the copy in the type its control needs, and
// no page edits a value (or a value's bit) twice.
TEST(StrankyNastaveniKamery, KazdaHodnotaStrankyJeVKopiiSeSvymTypem) {
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
            switch (h.ovladac) {
            case S::Ovladac::Zaskrtnuti:
                if (h.bit) {
                    EXPECT_TRUE(std::holds_alternative<std::uint32_t>(*v));
                } else {
                    EXPECT_TRUE(std::holds_alternative<bool>(*v));
                }
                break;
            case S::Ovladac::Cislo:
            case S::Ovladac::Vyber:
            case S::Ovladac::Vlastni:
            case S::Ovladac::Barva:
            case S::Ovladac::KvalitaJpeg:
            case S::Ovladac::Ikona:
                EXPECT_TRUE(std::holds_alternative<std::uint32_t>(*v));
                EXPECT_EQ(h.bit, 0u);
                break;
            case S::Ovladac::Text:
            case S::Ovladac::Slozka:
            case S::Ovladac::Soubor:
            case S::Ovladac::VyceradkovyText:
            case S::Ovladac::Heslo:
            case S::Ovladac::VyberTextu:
            case S::Ovladac::TextSVyberem:
                EXPECT_TRUE(ModelStranky::Textovy(h.ovladac));
                EXPECT_TRUE(std::holds_alternative<std::wstring>(*v));
                break;
            case S::Ovladac::Pismo:
                EXPECT_TRUE(std::holds_alternative<PopisPisma>(*v));
                break;
            }
            if (h.ovladac == S::Ovladac::Vyber) {
                EXPECT_FALSE(h.moznosti.empty());
            }
        }
    }
}

// A fresh camera's dialog can be confirmed as it stands: every default lies in its range or among its options.
TEST(StrankyNastaveniKamery, VychoziHodnotyProjdouKontrolou) {
    const KopieParametruKamery kopie(Vychozi());
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty) {
            if (ModelStranky::Textovy(h.ovladac)) {
                EXPECT_EQ(ModelStranky::OveritText(h, kopie.Text(h)), std::nullopt) << h.jmeno;
                continue;
            }
            if (h.ovladac == S::Ovladac::Pismo) continue;
            EXPECT_EQ(S::Overit(h, kopie.Zobrazena(h)), std::nullopt) << std::wstring(h.klic) << " " << h.jmeno;
            if (h.ovladac == S::Ovladac::Cislo) {
                EXPECT_LT(h.min, h.max) << h.jmeno;
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
                for (const S::Moznost& m : h.moznosti) {
                    EXPECT_GE(m.hodnota, r->min);
                    EXPECT_LE(m.hodnota, r->max);
                }
            } else {
                EXPECT_EQ(h.min, r->min);
                EXPECT_EQ(h.max, r->max);
            }
        }
    EXPECT_GE(nalezeno, 15);
}

TEST(StrankyNastaveniKamery, IkonaJeJednimZObrazkuProgramu) {
    const S::Hodnota& h = Hodnota(L"", L"indexIkony");
    EXPECT_EQ(h.ovladac, S::Ovladac::Ikona);
    EXPECT_EQ(S::Overit(h, 0), std::nullopt);
    EXPECT_EQ(S::Overit(h, S::kPocetIkon - 1), std::nullopt);
    EXPECT_EQ(S::Overit(h, S::kPocetIkon), L"Vyberte jeden z nabízených obrázků");
    EXPECT_EQ(S::Overit(h, -1), L"Vyberte jeden z nabízených obrázků");
}

TEST(StrankyNastaveniKamery, CislaMimoRozsahOdmitaSeZpravou) {
    struct Pripad {
        const wchar_t *klic, *jmeno;
        std::uint32_t min, max;
    };
    // Every page range equals the record's (above); here the message and the edges: a minimum of 0, a maximum at
    // 32 bits, a block's value, and a range the record does not hold.
    for (const Pripad& p : {
             Pripad{L"ToolTipIkona", L"intervalSnimku", 100, 30000},
             Pripad{L"Snimky disk", L"interval", 1, 4294967295u},
             Pripad{L"Detekce pohybu\\Video", L"delkaZaznamu", 1, 3600},
             Pripad{L"Logovani\\Soubor", L"maxVelikost", 10000, 52428800},
             Pripad{L"Snimky email\\Snimek", L"kvalitaJpeg", 0, 100},
             Pripad{L"Snimky FTP\\Snimek\\Soubor", L"alfa", 1, 255},
             Pripad{L"HTTP server", L"portServer", 1, 65535},
             Pripad{L"Gener HTML", L"refresh", 1, 86400},
         }) {
        SCOPED_TRACE(testing::Message() << std::wstring(p.klic) << " | " << std::wstring(p.jmeno));
        const S::Hodnota& h = Hodnota(p.klic, p.jmeno);
        const std::wstring zprava =
            L"Zadejte hodnotu v rozsahu " + std::to_wstring(p.min) + L" - " + std::to_wstring(p.max);
        EXPECT_EQ(S::Overit(h, p.min), std::nullopt);
        EXPECT_EQ(S::Overit(h, p.max), std::nullopt);
        EXPECT_EQ(S::Overit(h, std::int64_t{p.min} - 1), zprava);
        EXPECT_EQ(S::Overit(h, std::int64_t{p.max} + 1), zprava);
    }
    EXPECT_EQ(Hodnota(L"Snimky disk\\Snimek", L"kvalitaJpeg").ovladac, S::Ovladac::KvalitaJpeg);
}

// The texts beside the motion-detection numbers are those the detector itself writes.
TEST(StrankyNastaveniKamery, VysvetlivkyDetekcePohybu) {
    const S::Hodnota& interval = Hodnota(L"Detekce pohybu", L"interval");
    const S::Hodnota& procento = Hodnota(L"Detekce pohybu", L"procentoZmen");
    EXPECT_EQ(S::Vysvetlivka(interval, 1500), L"milisekund - tj. 1.500 sekund");
    EXPECT_EQ(S::Vysvetlivka(interval, 100), L"milisekund - tj. 0.100 sekund");
    EXPECT_EQ(S::Vysvetlivka(procento, 700), L"tj. 0.700 procent");
    EXPECT_EQ(S::Vysvetlivka(procento, 100000), L"tj. 100.000 procent");
    for (std::uint32_t n : {1u, 999u, 1000u, 1050u, 123456u}) {
        EXPECT_EQ(S::Vysvetlivka(interval, n), TextIntervaluDetekce(n));
        EXPECT_EQ(S::Vysvetlivka(procento, n), TextProcentaZmen(n));
    }
    // Shown in the units stored: the copy hands the control the stored number.
    const KopieParametruKamery kopie(Vychozi());
    EXPECT_EQ(kopie.Zobrazena(interval), 1000u);
    EXPECT_EQ(kopie.Zobrazena(procento), 700u);
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Snimky disk", L"interval"), kopie.Zobrazena(Hodnota(L"Snimky disk", L"interval"))),
              L"milisekund - tj. 15.000 sekund");
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Detekce pohybu", L"rozdilJasu"), 100), L"");
    // The e-mail interval in seconds as minutes, the FTP one in milliseconds as seconds.
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Snimky email", L"interval"), 300), L"tj. 5:00 minut");
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Snimky email", L"interval"), 86399), L"tj. 1439:59 minut");
    EXPECT_EQ(S::Vysvetlivka(Hodnota(L"Snimky FTP", L"interval"), 10000), L"milisekund - tj. 10.000 sekund");
}

TEST(StrankyNastaveniKamery, VyberyUkladajiHodnotyZaznamu) {
    using V = std::vector<std::uint32_t>;
    EXPECT_EQ(Hodnoty(Hodnota(L"", L"oznamovaciIkona")), (V{2, 1, 0}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Okno", L"titulek")), (V{0, 1, 2}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky disk", L"otviratSnimekKdy")), (V{0, 1, 2, 3}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky disk", L"otviratSnimekCim")), (V{11, 0, 1}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky disk", L"otviratSnimekJak")), (V{5, 3, 6}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky disk", L"zpravaIkona")), (V{0, 1, 2}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky disk\\Soubor", L"vytvJmena")), (V{0, 1, 2}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky email", L"toolBarCommand")), (V{40053, 40041}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky FTP", L"toolBarCommand")), (V{40052, 40040}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky email", L"zpravaIkona")), (V{0, 1, 2}));
    EXPECT_EQ(Hodnoty(Hodnota(L"Snimky FTP", L"zpravaIkona")), (V{0, 1, 2}));
    EXPECT_EQ(std::wstring(Hodnota(L"Snimky disk", L"otviratSnimekCim").moznosti[0].text),
              L"Vlastním interním editorem snímků");
    EXPECT_EQ(std::wstring(Hodnota(L"Snimky disk", L"otviratSnimekJak").moznosti[2].text), L"V minimalizovaném okně");
    EXPECT_EQ(std::wstring(Hodnota(L"Snimky disk\\Soubor", L"vytvJmena").moznosti[0].text),
              L"Zvolené jméno souboru + číslování");

    for (const wchar_t* vlastnik : {L"Snimky disk", L"Detekce pohybu\\Disk"}) {
        const std::wstring snimek = std::wstring(vlastnik) + L"\\Snimek";
        SCOPED_TRACE(testing::Message() << snimek);
        const S::Hodnota& format = Hodnota(snimek.c_str(), L"format");
        ASSERT_EQ(format.moznosti.size(), Holvent::DirectShow::kKoderyObrazu.size());
        for (std::size_t i = 0; i < format.moznosti.size(); ++i) {
            EXPECT_EQ(format.moznosti[i].hodnota, i);
            EXPECT_EQ(std::wstring(format.moznosti[i].text), Holvent::DirectShow::kKoderyObrazu[i].nazev);
        }
        EXPECT_EQ(std::wstring(format.moznosti[2].text), L"Bitmapa (BMP)");
        const S::Hodnota& otoceni = Hodnota((snimek + L"\\Upravy").c_str(), L"otoceni");
        EXPECT_EQ(Hodnoty(otoceni), (V{0, 90, 180, 270}));
        EXPECT_NE(S::Overit(otoceni, 45), std::nullopt);
        EXPECT_EQ(Hodnoty(Hodnota((snimek + L"\\Soubor").c_str(), L"kde")), (V{22, 21, 24, 23, 3}));
        EXPECT_EQ(Hodnoty(Hodnota((snimek + L"\\Soubor").c_str(), L"kdy")), (V{3, 1, 2, 0}));
        EXPECT_EQ(Hodnoty(Hodnota((snimek + L"\\Text").c_str(), L"kde")), (V{11, 1, 12, 2, 13, 14, 3}));
        EXPECT_EQ(Hodnoty(Hodnota((snimek + L"\\Text").c_str(), L"kdy")), (V{3, 1, 2, 0}));
        EXPECT_EQ(Hodnoty(Hodnota((snimek + L"\\Text").c_str(), L"co")), (V{0, 1, 2}));
        EXPECT_EQ(std::wstring(Hodnota((snimek + L"\\Text").c_str(), L"kdy").moznosti[2].text),
                  L"Zapisovat pouze při automatickém (časovaném) uložení snímku");
        EXPECT_EQ(Hodnota((snimek + L"\\Text").c_str(), L"logfont").ovladac, S::Ovladac::Pismo);
        EXPECT_EQ(Hodnota((snimek + L"\\Soubor").c_str(), L"soubor").ovladac, S::Ovladac::Soubor);
        EXPECT_EQ(Hodnota((snimek + L"\\Soubor").c_str(), L"pruhlednaBarva").ovladac, S::Ovladac::Barva);
    }
}

// Every block page is generated from one description, so the pages of the blocks differ only in the owner's key; the
// server's page leaves out what its snapshots do not use (always JPEG, overlays always).
TEST(StrankyNastaveniKamery, StrankyBlokuMajiPlneKlice) {
    const S::Stranka& disk = Stranka(L"Snímek na disk");
    for (const auto& [nazev, vlastnik] : {std::pair{L"Snímek při pohybu", L"Detekce pohybu\\Disk"},
                                          std::pair{L"Snímek emailem", L"Snimky email"},
                                          std::pair{L"Snímek na FTP", L"Snimky FTP"}}) {
        const S::Stranka& blok = Stranka(nazev);
        ASSERT_EQ(disk.hodnoty.size(), blok.hodnoty.size());
        for (std::size_t i = 0; i < disk.hodnoty.size(); ++i) {
            const std::wstring a = disk.hodnoty[i].klic, b = blok.hodnoty[i].klic;
            EXPECT_TRUE(a.starts_with(L"Snimky disk\\Snimek")) << a;
            EXPECT_EQ(vlastnik + a.substr(std::wstring(L"Snimky disk").size()), b);
            EXPECT_EQ(std::wstring(disk.hodnoty[i].jmeno), blok.hodnoty[i].jmeno);
        }
    }
    // The texts stay where they were: the table is made once.
    EXPECT_EQ(S::Stranky().data(), S::Stranky().data());
    EXPECT_EQ(S::Najit(L"Snimky disk\\Snimek\\Text", L"co"), S::Najit(L"Snimky disk\\Snimek\\Text", L"co"));

    const S::Stranka& server = Stranka(L"Snímek pro HTTP server");
    EXPECT_EQ(std::wstring(server.rodic), L"HTTP server");
    std::vector<std::wstring> ocekavane, naStrance;
    for (const S::Hodnota& h : disk.hodnoty)
        if (std::wstring(h.jmeno) != L"format" && std::wstring(h.jmeno) != L"kdy")
            ocekavane.push_back(L"HTTP server" + std::wstring(h.klic).substr(std::wstring(L"Snimky disk").size()) + L"|" +
                                h.jmeno);
    for (const S::Hodnota& h : server.hodnoty) naStrance.push_back(std::wstring(h.klic) + L"|" + h.jmeno);
    EXPECT_EQ(naStrance, ocekavane);
    EXPECT_EQ(ocekavane.size(), disk.hodnoty.size() - 3);
}

// Both the log file and the Windows event log offer all 20 camera events in the stored order, by the same texts.
TEST(StrankyNastaveniKamery, PrepinaceZaznamuAUdalosti) {
    const std::vector<std::wstring> jmena{
        L"snimekEmail", L"snimekEmailChyba", L"snimekFtp", L"snimekFtpChyba", L"snimekServerHttp",
        L"snimekServerHttpChyba", L"spusteni", L"spusteniSnimkovaniDisk", L"spusteniSnimkovaniEmail",
        L"spusteniSnimkovaniFtp", L"spusteniZaznamuVidea", L"spusteniZaznamuVideaDP", L"ukonceni",
        L"ukonceniSnimkovaniDisk", L"ukonceniSnimkovaniEmail", L"ukonceniSnimkovaniFtp", L"ukonceniZaznamuVidea",
        L"ukonceniZaznamuVideaDP", L"vypnutiVidea", L"zapnutiVidea"};
    for (const wchar_t* klic : {L"Logovani", L"Zapis udalosti"}) {
        std::vector<std::wstring> naStrance;
        std::set<std::wstring> texty;
        for (const S::Stranka& s : S::Stranky())
            for (const S::Hodnota& h : s.hodnoty)
                if (std::wstring(h.klic) == klic) {
                    naStrance.push_back(h.jmeno);
                    texty.insert(h.popisek);
                    EXPECT_EQ(h.ovladac, S::Ovladac::Zaskrtnuti);
                }
        // The camera's log alone also records the storage clean-up.
        std::vector<std::wstring> ocekavana = jmena;
        if (std::wstring(klic) == L"Logovani") ocekavana.push_back(L"uklid");
        EXPECT_EQ(naStrance, ocekavana) << klic;
        EXPECT_EQ(texty.size(), ocekavana.size()) << "each event has a text of its own";
        EXPECT_EQ(std::wstring(Hodnota(L"Logovani", L"spusteni").popisek), Hodnota(L"Zapis udalosti", L"spusteni").popisek);
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
    EXPECT_TRUE(k.logovani.snimekEmailChyba);
    EXPECT_TRUE(k.logovani.snimekFtpChyba);
    EXPECT_FALSE(k.logovani.snimekEmail);
}

// The e-mail and FTP reactions to a failure bit by bit; a password unmasked by a switch of its own key, or always
// masked (the server's); "vlastniSnimek" has no meaning and no control.
TEST(StrankyNastaveniKamery, StrankyEmailuAFtp) {
    int hesel = 0;
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty)
            if (h.ovladac == S::Ovladac::Heslo) {
                ++hesel;
                if (!h.zobrazeniHesla) continue;
                EXPECT_EQ(Hodnota(h.klic, h.zobrazeniHesla).ovladac, S::Ovladac::Zaskrtnuti) << h.jmeno;
            }
    EXPECT_EQ(hesel, 2);
    EXPECT_EQ(Hodnota(L"HTTP server", L"heslo").ovladac, S::Ovladac::Heslo);
    EXPECT_EQ(Hodnota(L"HTTP server", L"heslo").zobrazeniHesla, nullptr);
    EXPECT_NE(Hodnota(L"Snimky FTP\\FTP umisteni", L"heslo").zobrazeniHesla, nullptr);
    EXPECT_EQ(S::Najit(L"HTTP server", L"refreshStranky"), nullptr) << "stored, used by nothing";
    EXPECT_EQ(S::Najit(L"Snimky email", L"vlastniSnimek"), nullptr);
    EXPECT_EQ(S::Najit(L"Snimky FTP", L"vlastniSnimek"), nullptr);

    for (const wchar_t* klic : {L"Snimky email", L"Snimky FTP"}) {
        std::vector<std::uint32_t> bity;
        for (const S::Stranka& s : S::Stranky())
            for (const S::Hodnota& h : s.hodnoty)
                if (std::wstring(h.klic) == klic && std::wstring(h.jmeno) == L"akcePriChybe") bity.push_back(h.bit);
        EXPECT_EQ(bity, (std::vector<std::uint32_t>{1, 2, 4})) << klic;
        const S::Hodnota& prvni = Hodnota(klic, L"akcePriChybe");
        EXPECT_EQ(std::wstring(prvni.popisek), L"Ukončit probíhající automatické odesílání");
        EXPECT_NE(prvni.nadpis, nullptr) << "the three switches are introduced as the reactions to a failure";
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
// its own (so the table's order is the tree's and the controls' ids follow it); e-mail and FTP pages stand together.
TEST(StrankyNastaveniKamery, StromStranek) {
    const auto stranky = S::Stranky();
    auto Index = [&](const std::wstring& nazev) {
        for (std::size_t i = 0; i < stranky.size(); ++i)
            if (nazev == stranky[i].nazev) return static_cast<int>(i);
        return -1;
    };
    auto Pod = [&](int i, int rodic) {
        for (int r = i; r >= 0; r = stranky[static_cast<std::size_t>(r)].rodic ? Index(stranky[static_cast<std::size_t>(r)].rodic) : -1)
            if (r == rodic) return true;
        return false;
    };
    for (int i = 0; i < static_cast<int>(stranky.size()); ++i) {
        if (!stranky[static_cast<std::size_t>(i)].rodic) continue;
        const int rodic = Index(stranky[static_cast<std::size_t>(i)].rodic);
        ASSERT_GE(rodic, 0) << i;
        ASSERT_LT(rodic, i);
        for (int j = rodic + 1; j < i; ++j) EXPECT_TRUE(Pod(j, rodic)) << i << " " << j;
    }
    for (const wchar_t* nazev : {S::kStrankaAdres, L"Zpráva emailu", L"Snímek emailem"})
        EXPECT_EQ(std::wstring(Stranka(nazev).rodic), S::kStrankaEmailu) << nazev;
    for (const wchar_t* nazev : {S::kStrankaFtpUmisteni, L"Snímek na FTP", L"HTML stránka"})
        EXPECT_EQ(std::wstring(Stranka(nazev).rodic), S::kStrankaFtp) << nazev;
}

}  // namespace
