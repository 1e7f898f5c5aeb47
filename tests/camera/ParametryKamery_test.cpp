#include "camera/ParametryKamery.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "SpatneHodnotyRegistru.h"
#include "ZmenenaKamera.h"
#include "app/NastaveniAplikace.h"
#include "camera/PopisKamery.h"
#include "camera/PopisSnimku.h"
#include "camera/Tervik.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"

using namespace Knihovna;

namespace {

const std::wstring kCesta = CestaKamery(kKorenRegistru, L"Dvůr");

ParametryKamery Vychozi(const std::wstring& jmeno = L"Dvůr") {
    ParametryKamery k;
    k.NastavitVychozi(jmeno, TestovaciKontext());
    return k;
}

std::map<std::wstring, std::string> Vypis(Registr& reg, const std::wstring& cesta = kCesta) {
    std::map<std::wstring, std::string> v;
    VypsatRegistr(reg, cesta, L"", v);
    return v;
}

// Registry values of the record itself (without the scheduled list and the plug-in list).
std::map<std::wstring, std::string> HodnotyZaznamu(Registr& reg) {
    auto v = Vypis(reg);
    std::erase_if(v, [](const auto& p) {
        return p.first.starts_with(L"planovane_snimky") || p.first.starts_with(L"Zasuvne moduly");
    });
    return v;
}

// Fails every write below a path that contains the marker.
class RegistrSChybou final : public Registr {
public:
    RegistrSChybou(Registr& zaklad, std::wstring znacka) : zaklad_(zaklad), znacka_(std::move(znacka)) {}
    std::uint32_t Otevrit(const std::wstring& cesta, bool vytvorit, std::unique_ptr<OtevrenyKlic>& klic) override {
        if (vytvorit && cesta.find(znacka_) != std::wstring::npos) return kChybaPristupOdepren;
        return zaklad_.Otevrit(cesta, vytvorit, klic);
    }
    std::uint32_t SmazatStrom(const std::wstring& cesta) override { return zaklad_.SmazatStrom(cesta); }

private:
    Registr& zaklad_;
    std::wstring znacka_;
};

}  // namespace

TEST(ParametryKamery, PrazdnyKlicDavaPresneVychozi) {
    RegistrVPameti reg;
    RegistrKlic(reg, CestaKamery(kKorenRegistru, L"a/b")).OtevritZapis();
    ParametryKamery k = Vychozi(L"a/b");
    const ParametryKamery pred = k;
    EXPECT_TRUE(k.Nacist(reg, CestaKamery(kKorenRegistru, L"a/b")).empty());
    EXPECT_EQ(k, pred);

    // The file names come from the camera's name, the folders and the user from the context.
    EXPECT_EQ(k.snimkyDisk.soubor.jmeno, L"a_b");
    EXPECT_EQ(k.zaznamVidea.soubor.jmeno, L"a_b");
    const auto& kontext = TestovaciKontext();
    for (const auto* slozka : {&k.snimkyDisk.slozka, &k.detekcePohybu.disk.slozka, &k.detekcePohybu.video.slozka,
                               &k.zaznamVidea.slozka})
        EXPECT_EQ(*slozka, kontext.slozkaDat);
    EXPECT_EQ(k.snimkyFtp.uzivatel, L"pavel");
    EXPECT_EQ(k.zarizeni.video.friendlyName, L"Integrated Webcam");
    EXPECT_EQ(k.zarizeni.zvuk.friendlyName, L"Mikrofon");
    EXPECT_EQ(k.httpServer.snimek.text.logfont, kontext.pismo);
    // Without any audio device the audio fields stay empty.
    KontextKamery bezZvuku = TestovaciKontext();
    bezZvuku.zarizeniZvuk = nullptr;
    k.NastavitVychozi(L"x", bezZvuku);
    EXPECT_EQ(k.zarizeni.zvuk, InfoZarizeni{});
    EXPECT_EQ(reg.PocetOtevrenych(), 0);
}

TEST(ParametryKamery, UplnyObehKazdeHodnoty) {
    RegistrVPameti reg;
    const ParametryKamery zmenena = ZmenenaKamera();
    zmenena.Ulozit(reg, kCesta);
    ParametryKamery k = Vychozi();
    EXPECT_TRUE(k.Nacist(reg, kCesta).empty());
    EXPECT_EQ(k, zmenena);
    EXPECT_EQ(k.dalsiPrijemci, (std::vector<std::wstring>{L"a@example.cz", L"b@example.cz", L"c@example.cz"}));
    EXPECT_EQ(reg.PocetOtevrenych(), 0);

    // Every value of the record is stored: 171 in the camera's keys and 23 in each of five blocks.
    const auto zmeneneHodnoty = HodnotyZaznamu(reg);
    EXPECT_EQ(zmeneneHodnoty.size(), 171u + 5 * 23u);
    // ... and the changed record differs from the defaults in every one of them.
    RegistrVPameti regVychozi;
    Vychozi().Ulozit(regVychozi, kCesta);
    const auto vychoziHodnoty = HodnotyZaznamu(regVychozi);
    ASSERT_EQ(vychoziHodnoty.size(), zmeneneHodnoty.size());
    for (const auto& [jmeno, data] : vychoziHodnoty) {
        ASSERT_TRUE(zmeneneHodnoty.count(jmeno));
        EXPECT_NE(zmeneneHodnoty.at(jmeno), data) << std::string(jmeno.begin(), jmeno.end());
    }
    // Both event switch sets keep "snimekEmail" and "snimekEmailChyba" apart, the switch as a DWORD 1.
    for (const wchar_t* klic : {L"Logovani", L"Zapis udalosti"}) {
        EXPECT_TRUE(zmeneneHodnoty.count(std::wstring(klic) + L"|snimekEmail"));
        EXPECT_TRUE(zmeneneHodnoty.count(std::wstring(klic) + L"|snimekEmailChyba"));
    }
    EXPECT_EQ(zmeneneHodnoty.at(L"Snimky disk\\Snimek\\Text|logfont").size(), 2 + 92u);  // "3:" and 92 bytes
}

TEST(ParametryKamery, ChybejiciPodklicNechavaVychozi) {
    RegistrVPameti reg;
    const ParametryKamery zmenena = ZmenenaKamera();
    zmenena.Ulozit(reg, kCesta);
    RegistrKlic klic(reg, kCesta);
    klic.SmazatPodklic(L"Okno");
    klic.SmazatPodklic(L"Snimky disk\\Snimek");
    klic.SmazatPodklic(L"HTTP server\\Snimek\\Text");

    ParametryKamery k = Vychozi();
    const ParametryKamery vychozi = k;
    EXPECT_TRUE(k.Nacist(reg, kCesta).empty());
    EXPECT_EQ(k.okno, vychozi.okno);
    EXPECT_EQ(k.snimkyDisk.snimek, vychozi.snimkyDisk.snimek);
    EXPECT_EQ(k.httpServer.snimek.text, vychozi.httpServer.snimek.text);
    EXPECT_EQ(k.httpServer.snimek.upravy, zmenena.httpServer.snimek.upravy);
    EXPECT_EQ(k.snimkyDisk.soubor, zmenena.snimkyDisk.soubor);
    EXPECT_EQ(k.zaznamVidea, zmenena.zaznamVidea);
}

TEST(ParametryKamery, HodnotaSpatnehoTypuNechaVychoziAOstatniSeNactou) {
    RegistrVPameti reg;
    const ParametryKamery zmenena = ZmenenaKamera();
    zmenena.Ulozit(reg, kCesta);
    RegistrKlic klic(reg, kCesta);
    klic.OtevritZapis(L"Detekce pohybu");
    klic.ZapsatText(L"interval", L"1000");
    klic.ZapsatBinarni(L"maska", std::string(95, '\xFF').data(), 95);  // a byte short: refused, no mask
    klic.OtevritZapis(L"Snimky email\\Snimek\\Text");
    klic.ZapsatBinarni(L"logfont", "kratke", 6);
    klic.Zavrit();

    ParametryKamery k = Vychozi();
    const auto chyby = k.Nacist(reg, kCesta);
    ASSERT_EQ(chyby.size(), 3u);
    EXPECT_EQ(chyby.front().Hr(), HresultZWin32(kChybaNesouhlasTypu));
    EXPECT_NE(chyby.front().Text().find(L"interval"), std::wstring::npos);
    EXPECT_EQ(chyby[1].Text(), TextChybneMasky(kCesta + L"\\Detekce pohybu"));
    EXPECT_EQ(k.detekcePohybu.interval, 1000u);
    EXPECT_TRUE(k.detekcePohybu.maska.Prazdna());
    EXPECT_EQ(k.snimkyEmail.snimek.text.logfont, TestovaciKontext().pismo);
    // Everything else, before and after the bad values, is the user's.
    ParametryKamery ocekavana = zmenena;
    ocekavana.detekcePohybu.interval = 1000;
    ocekavana.detekcePohybu.maska = {};
    ocekavana.snimkyEmail.snimek.text.logfont = TestovaciKontext().pismo;
    EXPECT_EQ(k, ocekavana);
}

TEST(ParametryKamery, PrepinacUlozenyJakoDvaJePravdaAZapiseSeJedna) {
    RegistrVPameti reg;
    RegistrKlic klic(reg, kCesta);
    klic.OtevritZapis(L"Okno");
    klic.ZapsatCislo(L"navrchu", 2);
    klic.Zavrit();
    ParametryKamery k = Vychozi();
    EXPECT_TRUE(k.Nacist(reg, kCesta).empty());
    EXPECT_TRUE(k.okno.navrchu);
    k.Ulozit(reg, kCesta);
    std::uint32_t ulozeno = 0;
    klic.OtevritCteni(L"Okno");
    EXPECT_EQ(klic.CistCislo(L"navrchu", ulozeno), 0);
    EXPECT_EQ(ulozeno, 1u);
}

TEST(ParametryKamery, HodnotyMimoRozsahZustanouVychoziSRadkemLogu) {
    RegistrVPameti reg;
    const ParametryKamery zmenena = ZmenenaKamera();
    zmenena.Ulozit(reg, kCesta);
    RegistrKlic klic(reg, kCesta);
    klic.OtevritZapis(L"Detekce pohybu");
    klic.ZapsatCislo(L"rozdilJasu", 999);
    klic.OtevritZapis(L"Snimky disk");
    klic.ZapsatCislo(L"otviratSnimekCim", 5);  // not one of the options 0, 1, 11
    klic.OtevritZapis(L"Snimky disk\\Soubor");
    klic.ZapsatCislo(L"pocetMistCisla", 0);  // the default itself, below what the dialog offers: no line
    klic.OtevritZapis(L"Snimky email");
    klic.ZapsatCislo(L"interval", 0);  // no page yet: the record's range
    // The blocks of owners without a page are checked as the disk block is.
    klic.OtevritZapis(L"Snimky FTP\\Snimek");
    klic.ZapsatCislo(L"kvalitaJpeg", 101);
    klic.OtevritZapis(L"HTTP server\\Snimek\\Upravy");
    klic.ZapsatCislo(L"otoceni", 45);
    klic.OtevritZapis(L"HTTP server");
    klic.ZapsatCislo(L"portServer", 70000);  // never a port of another number
    klic.OtevritZapis(L"Uklid");
    klic.ZapsatCislo(L"maxStariDni", 3651);  // retention out of range stays off
    klic.Zavrit();

    ParametryKamery k = Vychozi();
    std::vector<std::wstring> log;
    EXPECT_TRUE(k.Nacist(reg, kCesta, &log).empty());
    const ParametryKamery vychozi = Vychozi();
    ParametryKamery ocekavana = zmenena;
    ocekavana.detekcePohybu.rozdilJasu = vychozi.detekcePohybu.rozdilJasu;
    ocekavana.snimkyDisk.otviratSnimekCim = vychozi.snimkyDisk.otviratSnimekCim;
    ocekavana.snimkyDisk.soubor.pocetMistCisla = 0;
    ocekavana.snimkyEmail.interval = vychozi.snimkyEmail.interval;
    ocekavana.snimkyFtp.snimek.kvalitaJpeg = vychozi.snimkyFtp.snimek.kvalitaJpeg;
    ocekavana.httpServer.snimek.upravy.otoceni = 0;
    ocekavana.httpServer.portServer = vychozi.httpServer.portServer;
    ocekavana.uklid.maxStariDni = 0;
    EXPECT_EQ(k, ocekavana);
    ASSERT_EQ(log.size(), 7u);
    EXPECT_EQ(log[0], L"Hodnota \"rozdilJasu\" v klíči registru \"" + kCesta +
                          L"\\Detekce pohybu\" (999) je mimo povolený rozsah, použita výchozí hodnota 100.");
    for (const wchar_t* klicAJmeno : {L"\\HTTP server\\Snimek\\Upravy\"", L"\\HTTP server\"", L"\\Snimky disk\"", L"\\Snimky email\"",
                                      L"\\Snimky FTP\\Snimek\"", L"\\Uklid\""}) {
        EXPECT_EQ(std::count_if(log.begin(), log.end(), [&](const std::wstring& r) { return r.find(klicAJmeno) != r.npos; }), 1)
            << klicAJmeno;
    }

    EXPECT_EQ(NajitRozsah(L"Okno", L"menu"), nullptr);
}

TEST(ParametryKamery, PlanovaneSnimkySerazeneBezDuplicit) {
    RegistrVPameti reg;
    const std::uint32_t poledne = ZabalitCas(12, 0, 0);
    const std::uint32_t osm = ZabalitCas(8, 0, 0);
    ASSERT_EQ(osm, 134217728u);
    RegistrKlic klic(reg, kCesta);
    klic.OtevritZapis(L"planovane_snimky");
    // Names are the entries (the data is not read): 12:00:00, 8:00:00 and 12:00:00 once more.
    klic.ZapsatCislo(std::to_wstring(poledne), 0);
    klic.ZapsatCislo(std::to_wstring(osm), 0);
    klic.ZapsatCislo(L"0" + std::to_wstring(poledne), 0);
    klic.ZapsatCislo(L"poznamka", 5);  // not a number: no entry
    klic.Zavrit();

    ParametryKamery k = Vychozi();
    EXPECT_TRUE(k.Nacist(reg, kCesta).empty());
    EXPECT_EQ(k.planovaneSnimky, (std::vector<std::uint32_t>{osm, poledne}));
    EXPECT_EQ(TextCasu(osm), L"Čas: 8:00:00");
    EXPECT_EQ(TextCasu(ZabalitCas(23, 5, 9)), L"Čas: 23:05:09");

    // Deleted entries disappear on save: the key is rebuilt.
    k.planovaneSnimky.erase(k.planovaneSnimky.begin() + 1);
    EXPECT_FALSE(PridatPlanovanySnimek(k.planovaneSnimky, osm));
    EXPECT_TRUE(PridatPlanovanySnimek(k.planovaneSnimky, ZabalitCas(7, 59, 59)));
    k.Ulozit(reg, kCesta);
    klic.OtevritCteni(L"planovane_snimky");
    EXPECT_EQ(klic.JmenaHodnot(), (std::vector<std::wstring>{std::to_wstring(ZabalitCas(7, 59, 59)), L"134217728"}));
    std::uint32_t data = 0;
    EXPECT_EQ(klic.CistCislo(L"134217728", data), 0);
    EXPECT_EQ(data, osm);
    klic.Zavrit();

    std::vector<std::uint32_t> seznam{1, 2};
    EXPECT_EQ(NacistPlanovaneSnimky(seznam, reg, CestaKamery(kKorenRegistru, L"jina")), 1);
    EXPECT_TRUE(seznam.empty());
}

TEST(ParametryKamery, PlanovanyCasKteryNeniCasemDneSeVynechaSRadkemLogu) {
    RegistrVPameti reg;
    const std::uint32_t rano = ZabalitCas(9, 30, 0);
    const std::uint32_t velky = ZabalitCas(200, 0, 0);  // 2^31 and more: a hand-edited value
    RegistrKlic klic(reg, kCesta);
    klic.OtevritZapis(L"planovane_snimky");
    klic.ZapsatCislo(std::to_wstring(rano), rano);
    klic.ZapsatCislo(std::to_wstring(velky), velky);
    klic.ZapsatCislo(std::to_wstring(static_cast<std::int32_t>(velky)), velky);  // as "%d" wrote it: negative
    klic.ZapsatCislo(std::to_wstring(ZabalitCas(23, 60, 0)), 0);
    klic.ZapsatCislo(std::to_wstring(rano + 1), 0);  // the low byte is not zero
    klic.Zavrit();

    ParametryKamery k = Vychozi();
    std::vector<std::wstring> log;
    EXPECT_TRUE(k.Nacist(reg, kCesta, &log).empty());
    EXPECT_EQ(k.planovaneSnimky, (std::vector<std::uint32_t>{rano}));
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0], L"Hodnota \"" + std::to_wstring(velky) + L"\" v klíči registru \"" + kCesta +
                          L"\\planovane_snimky\" není platný čas plánovaného snímku, vynechána.");

    // Only times of day are stored, so that every stored name loads back.
    k.planovaneSnimky = {rano, velky};
    k.Ulozit(reg, kCesta);
    klic.OtevritCteni(L"planovane_snimky");
    EXPECT_EQ(klic.JmenaHodnot(), (std::vector<std::wstring>{std::to_wstring(rano)}));
    klic.Zavrit();
    EXPECT_FALSE(PlatnyCas(velky));
    EXPECT_TRUE(PlatnyCas(ZabalitCas(23, 59, 59)));
}

// A scheduled time typed in the dialog, also in the form the list shows it, and back.
TEST(ParametryKamery, CasZTextuAZpet) {
    EXPECT_EQ(CasZTextu(L"8:00"), ZabalitCas(8, 0, 0));
    EXPECT_EQ(CasZTextu(L" 08:00:30 "), ZabalitCas(8, 0, 30));
    EXPECT_EQ(CasZTextu(L"23:59:59"), ZabalitCas(23, 59, 59));
    EXPECT_EQ(CasZTextu(L"0:00"), 0u);
    for (std::uint32_t cas : {ZabalitCas(0, 0, 0), ZabalitCas(7, 5, 9), ZabalitCas(23, 59, 59)})
        EXPECT_EQ(CasZTextu(TextCasu(cas)), cas) << cas;
    for (const wchar_t* spatne : {L"", L"8", L"24:00", L"12:60", L"12:00:60", L"12:5", L"123:00", L"12:00:00:00",
                                  L"12:00:", L"12-00", L"-1:00", L"dvanáct", L"Čas: "})
        EXPECT_EQ(CasZTextu(spatne), std::nullopt) << std::wstring(spatne);
}

TEST(ParametryKamery, PoziceOknaSeUkladaJenKdyzDavaSmysl) {
    RegistrVPameti reg;
    const Obdelnik obrazovka{0, 0, 1280, 800};
    EXPECT_EQ(NacistPoziciOkna(reg, kCesta), std::nullopt);
    EXPECT_TRUE(UlozitPoziciOkna({10, 20, 330, 260}, obrazovka, reg, kCesta));
    EXPECT_EQ(NacistPoziciOkna(reg, kCesta), (PoziceOkna{10, 20, 320, 240}));
    // Three pixels wide, left edge beyond the screen, taller than twice the screen: kept as it was.
    for (const Obdelnik& o : {Obdelnik{10, 20, 13, 260}, {1281, 20, 1600, 260}, {-1, 0, 300, 200}, {0, 0, 300, 1601}})
        EXPECT_FALSE(UlozitPoziciOkna(o, obrazovka, reg, kCesta)) << o.left << "," << o.top;
    EXPECT_EQ(NacistPoziciOkna(reg, kCesta), (PoziceOkna{10, 20, 320, 240}));
    EXPECT_TRUE(PoziceOknaLzeUlozit({1280, 800, 1284, 804}, obrazovka));
    // A second monitor left of and above the primary one: negative positions are stored and read back.
    const Obdelnik dvaMonitory{-1920, -200, 1280, 1080};
    EXPECT_TRUE(UlozitPoziciOkna({-1500, -100, -1180, 140}, dvaMonitory, reg, kCesta));
    EXPECT_EQ(NacistPoziciOkna(reg, kCesta), (PoziceOkna{-1500, -100, 320, 240}));
    EXPECT_FALSE(PoziceOknaLzeUlozit({-1921, 0, -1600, 240}, dvaMonitory));
}

TEST(ParametryKamery, ZapisBlokuKteryNelzeVytvoritKonciZapisSeZpravouBloku) {
    RegistrVPameti reg;
    RegistrSChybou chybny(reg, L"HTTP server\\Snimek");
    try {
        ZmenenaKamera().Ulozit(chybny, kCesta);
        FAIL() << "the save did not fail";
    } catch (const Chyba& c) {
        EXPECT_EQ(c.Hr(), HresultZWin32(kChybaPristupOdepren));
        EXPECT_TRUE(c.Text().starts_with(kTextChybaZapisuSnimku));
    }
    // Values before the block were written, those after it were not.
    RegistrKlic klic(reg, kCesta);
    std::uint32_t port = 0;
    klic.OtevritCteni(L"HTTP server");
    EXPECT_EQ(klic.CistCislo(L"portServer", port), 0);
    EXPECT_FALSE(klic.ZkusitOtevritCteni(L"Snimky disk"));
}

TEST(ParametryKamery, NahradaZnakuVNazvechSouboru) {
    std::wstring t = L"a/b\\c+d?e*f:g;h!i<j>k|l'm\"n";
    NahraditZnaky(t, L'_');
    EXPECT_EQ(t, L"a_b_c_d_e_f_g_h_i_j_k_l_m_n");
    std::wstring prazdny;
    try {
        NahraditZnaky(prazdny, L'_');
        FAIL();
    } catch (const Chyba& c) {
        EXPECT_EQ(c.Hr(), kE_INVALIDARG);
    }
}

TEST(ParametryKamery, ZasuvneModulyUlozeneCeleNeboVubec) {
    RegistrVPameti reg;
    ParametryKamery k = Vychozi();
    k.zasuvneModuly = {{L"Stary", L"C:\\s.dll", true, true, true, true, true}};
    k.Ulozit(reg, kCesta);
    k.zasuvneModuly = {{L"Vodoznak", L"C:\\a.dll", true, false, false, false, false},
                       {L"Hodiny", L"C:\\h.dll", false, false, false, false, true}};
    k.Ulozit(reg, kCesta);
    // A switch that is missing reads as off.
    RegistrKlic klic(reg, kCesta);
    klic.OtevritZapis(L"Zasuvne moduly\\Hodiny");
    klic.SmazatHodnotu(L"zdo");
    klic.Zavrit();
    ParametryKamery n = Vychozi();
    EXPECT_TRUE(n.Nacist(reg, kCesta).empty());
    // The stale plug-in of the earlier save is gone.
    ASSERT_EQ(n.zasuvneModuly.size(), 2u);
    const auto hodiny = std::find_if(n.zasuvneModuly.begin(), n.zasuvneModuly.end(),
                                     [](const ZasuvnyModul& m) { return m.jmeno == L"Hodiny"; });
    ASSERT_NE(hodiny, n.zasuvneModuly.end());
    EXPECT_FALSE(hodiny->zdo);
    // Names that would share a subkey (the registry ignores case) or nest one are refused before the
    // stored list is deleted, wherever in the list they stand.
    const auto ulozeno = Vypis(reg);
    for (const wchar_t* spatne : {L"vodoznak", L"a\\b", L""}) {
        k.zasuvneModuly.push_back({spatne, L"C:\\x.dll"});
        EXPECT_THROW(k.Ulozit(reg, kCesta), Chyba) << spatne;
        EXPECT_EQ(Vypis(reg), ulozeno) << spatne;
        k.zasuvneModuly.pop_back();
    }
}

TEST(PopisPisma, ZaznamMa92BajtuVRozlozeniLogfontw) {
    PopisPisma p;
    p.vyska = -13;
    p.tloustka = 700;
    p.kurziva = 1;
    p.znakovaSada = 238;
    p.roztecARodina = 0x22;
    p.NastavitJmenoPisma(L"Tahoma");
    const auto b = p.Bajty();
    EXPECT_EQ(b.size(), 92u);
    // Little-endian at the offsets of LOGFONTW: height, weight, italic, charset, pitch, then the name's UTF-16.
    for (const auto& [i, bajt] : {std::pair{0, 0xF3}, {3, 0xFF}, {16, 700 & 0xFF}, {17, 700 >> 8}, {20, 1}, {23, 238},
                                  {27, 0x22}, {28, 'T'}, {29, 0}, {38, 'a'}, {40, 0}})
        EXPECT_EQ(b[static_cast<std::size_t>(i)], bajt) << i;
    EXPECT_EQ(PopisPisma::ZBajtu(b), p);
    EXPECT_EQ(p.JmenoPisma(), L"Tahoma");
    p.NastavitJmenoPisma(std::wstring(40, L'x'));
    EXPECT_EQ(p.JmenoPisma().size(), 31u);
}

TEST(Tervik, ParametryPodKlicemKameryAZamekPotomVolny) {
    RegistrVPameti reg;
    Tervik t(L"Dvůr");
    t.NastavitVychozi(TestovaciKontext());
    t.Parametry().indexIkony = 5;
    t.UlozitParametry(reg, kKorenRegistru);
    Tervik u(L"dvůr");
    u.NastavitVychozi(TestovaciKontext());
    EXPECT_TRUE(u.NacistParametry(reg, kKorenRegistru).empty());
    EXPECT_EQ(u.Parametry().indexIkony, 5u);
    // Not held afterwards.
    EXPECT_TRUE(u.Zamek().try_lock());
    u.Zamek().unlock();
}

// ------------------------------------------------------------------ every stored value with every wrong type

namespace {

// Collects the stored values from the record's own description, as the load walks it.
class SberHodnot {
public:
    SberHodnot(std::vector<SpatneHodnoty::Hodnota>& hodnoty, std::wstring vlastnik = L"")
        : hodnoty_(hodnoty), vlastnik_(std::move(vlastnik)) {}
    void Klic(const wchar_t* podklic) {
        klic_ = vlastnik_;
        if (podklic) klic_ += (klic_.empty() ? L"" : L"\\") + std::wstring(podklic);
    }
    void Hodnota(const wchar_t* jmeno, const bool&) { Pridat(jmeno, SpatneHodnoty::Druh::Cislo); }
    void Hodnota(const wchar_t* jmeno, const std::uint32_t&) { Pridat(jmeno, SpatneHodnoty::Druh::Cislo); }
    void Hodnota(const wchar_t* jmeno, const std::int32_t&) { Pridat(jmeno, SpatneHodnoty::Druh::Cislo); }
    void Hodnota(const wchar_t* jmeno, const std::wstring&) { Pridat(jmeno, SpatneHodnoty::Druh::Text); }
    void Hodnota(const wchar_t* jmeno, const PopisPisma&) {
        Pridat(jmeno, SpatneHodnoty::Druh::Binarni, PopisPisma::kVelikost);
    }
    void Hodnota(const wchar_t* jmeno, const MaskaPohybu&) {
        Pridat(jmeno, SpatneHodnoty::Druh::Binarni, MaskaPohybu::kBajtu);
    }
    void Zavrit() {}

private:
    void Pridat(const wchar_t* jmeno, SpatneHodnoty::Druh druh, std::uint32_t velikost = 0) {
        hodnoty_.push_back({klic_, jmeno, druh, velikost});
    }
    std::vector<SpatneHodnoty::Hodnota>& hodnoty_;
    std::wstring vlastnik_;
    std::wstring klic_;
};

std::vector<SpatneHodnoty::Hodnota> HodnotyKamery() {
    std::vector<SpatneHodnoty::Hodnota> hodnoty;
    SberHodnot sber(hodnoty);
    const ParametryKamery k;
    PopsatKameru(sber, k, [&](const wchar_t* vlastnik, const ParametrySnimku& b) {
        SberHodnot blok(hodnoty, vlastnik);
        PopsatBlokSnimku(blok, b);
    });
    return hodnoty;
}

}  // namespace

TEST(ParametryKamery, KazdaHodnotaSpatnehoTypuNechaVychoziAUlozeniZapiseSpravnyTyp) {
    const ParametryKamery zmenena = ZmenenaKamera();
    RegistrVPameti vzor;
    zmenena.Ulozit(vzor, kCesta);
    const auto zmenene = HodnotyZaznamu(vzor);
    RegistrVPameti prazdny;
    Vychozi().Ulozit(prazdny, kCesta);
    const auto vychozi = HodnotyZaznamu(prazdny);

    const auto hodnoty = HodnotyKamery();
    // The walk reaches every value the record stores.
    std::map<std::wstring, std::string> popsane;
    for (const auto& h : hodnoty) popsane[h.Cesta()] = vychozi.count(h.Cesta()) ? vychozi.at(h.Cesta()) : "";
    EXPECT_EQ(popsane, vychozi);

    // One registry for the loads and one for the saves: each case puts its value back afterwards.
    RegistrVPameti reg, ulozeny;
    zmenena.Ulozit(reg, kCesta);
    int pripadu = 0;
    for (const auto& h : hodnoty) {
        const std::string& puvodni = zmenene.at(h.Cesta());
        const SpatneHodnoty::Surova zpet{static_cast<std::uint32_t>(std::stoul(puvodni)),
                                         puvodni.substr(puvodni.find(':') + 1), "původní"};
        for (const auto& spatna : SpatneHodnoty::Pro(h.druh, h.velikost)) {
            SCOPED_TRACE(NaUtf8(h.Cesta()) + " jako " + spatna.popis);
            SpatneHodnoty::Zapsat(reg, kCesta, h, spatna);
            ParametryKamery k = Vychozi();
            const auto chyby = k.Nacist(reg, kCesta);
            // One failure naming the value; the others, before and after it, are the user's.
            ASSERT_EQ(chyby.size(), 1u);
            EXPECT_EQ(chyby[0].Hr(), HresultZWin32(kChybaNesouhlasTypu));
            EXPECT_NE(chyby[0].Text().find(L"\"" + h.jmeno + L"\""), std::wstring::npos);
            EXPECT_EQ(reg.PocetOtevrenych(), 0);
            SpatneHodnoty::Zapsat(reg, kCesta, h, zpet);
            // The failed value runs with its default, and saving writes it with its own type.
            k.Ulozit(ulozeny, kCesta);
            auto ocekavane = zmenene;
            ocekavane[h.Cesta()] = vychozi.at(h.Cesta());
            ASSERT_EQ(HodnotyZaznamu(ulozeny), ocekavane);
            ++pripadu;
        }
    }
    EXPECT_GT(pripadu, 1500);
}
