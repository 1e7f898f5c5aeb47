#include "email/OdeslaniEmailu.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "DocasnaSlozka.h"
#include "PevneHodiny.h"
#include "camera/ParametryKamery.h"
#include "email/SkriptovanySoket.h"
#include "email/Smtp.h"
#include "email/SouboryEmailu.h"

using namespace Holvent::Email;

namespace {

class SnimkyEmailemTest : public DocasnaSlozka {
protected:
    void SetUp() override {
        DocasnaSlozka::SetUp();
        // The names keep the program's backslash; here it is a character of the file name.
        data_ = (slozka_ / "data").wstring();
        std::filesystem::create_directories(slozka_ / "data");  // the folder on Windows, a name prefix elsewhere
    }
    static void Zapsat(const std::wstring& cesta, std::size_t velikost) {
        std::ofstream(std::filesystem::path(cesta), std::ios::binary) << std::string(velikost, 'j');
    }
    UlohaEmailu Uloha() {
        UlohaEmailu u;
        u.ucet.email = L"kamera@example.cz";
        u.ucet.server = L"smtp.example.cz";
        u.prijemce = L"prijemce@example.cz";
        u.skryti = {L"skryty@example.cz"};
        u.predmet = L"Snimek z webkamery";
        u.text = L"<h1>Tervik</h1>";
        u.produkt = L"Tervik 4.8";
        u.pauzaPredPozdravemMs = 0;
        return u;
    }

    std::wstring data_;
};

}  // namespace

TEST_F(SnimkyEmailemTest, NazvyCitacAPrilohy) {
    EXPECT_EQ(SouborEmailu(L"C:\\d", L"Dvůr: vchod?", 1, 1, L".jpg"), L"C:\\d\\Dvůr_ vchod__email.jpg");
    EXPECT_EQ(SouborEmailu(L"C:\\d", L"Cam", 3, 5, L".png"), L"C:\\d\\Cam_email03.png");

    // Three files: the first three messages carry 1, 2, 3 snapshots, then always three, the oldest overwritten.
    CitacEmailu citac;
    std::vector<std::size_t> pocty;
    std::vector<std::uint32_t> cisla;
    for (int i = 0; i < 5; ++i) {
        const std::uint32_t c = citac.Aktualni(3);
        const std::wstring soubor = SouborEmailu(data_, L"Cam", c, 3, L".jpg");
        Zapsat(soubor, 10);
        citac.Posunout();
        cisla.push_back(c);
        const auto prilohy = PrilohyEmailu(data_, L"Cam", 3, L".jpg", soubor);
        pocty.push_back(prilohy.size());
    }
    EXPECT_EQ(cisla, (std::vector<std::uint32_t>{1, 2, 3, 1, 2}));
    EXPECT_EQ(pocty, (std::vector<std::size_t>{1, 2, 3, 3, 3}));
    // The setting lowered below the counter: it restarts, it never goes above.
    EXPECT_EQ(citac.Aktualni(2), 1u);
    // One file: the snapshot itself, whatever else lies there.
    EXPECT_EQ(PrilohyEmailu(data_, L"Cam", 1, L".jpg", L"x.jpg"), std::vector<std::wstring>{L"x.jpg"});

    // At the camera's start the numbered files of the last run go, the single one and other cameras' stay.
    Zapsat(SouborEmailu(data_, L"Cam", 1, 1, L".jpg"), 1);
    Zapsat(SouborEmailu(data_, L"Jina", 1, 3, L".jpg"), 1);
    EXPECT_EQ(SmazatStareSouboryEmailu(data_, L"Cam", L".jpg"), 3u);
    EXPECT_TRUE(PrilohyEmailu(data_, L"Cam", 3, L".jpg", L"").empty());
    EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(SouborEmailu(data_, L"Cam", 1, 1, L".jpg"))));
    EXPECT_EQ(PrilohyEmailu(data_, L"Jina", 3, L".jpg", L"").size(), 1u);
}

TEST_F(SnimkyEmailemTest, AdresyRozdelenOrezanyAPodvrzeneOdmitnuty) {
    EXPECT_EQ(RozdelitDalsiEmaily(L"a@x.cz; b@x.cz;;\t c@x.cz \r\n\r\n ;"),
              (std::vector<std::wstring>{L"a@x.cz", L"b@x.cz", L"c@x.cz"}));
    EXPECT_TRUE(RozdelitDalsiEmaily(L"a@b.c").empty());  // fewer than 6 characters
    EXPECT_EQ(RozdelitDalsiEmaily(L"ab@c.d"), (std::vector<std::wstring>{L"ab@c.d"}));
    EXPECT_EQ(OrezatAdresu(L"  a@x.cz\t"), L"a@x.cz");
    EXPECT_EQ(ChybaAdresy(L"a@x.cz"), L"");
    for (const wchar_t* spatna : {L"a@x.cz>\r\nRCPT TO:<b@y.cz", L"a@x.cz\nDATA", L"a\x01@x.cz", L"<a@x.cz>"})
        EXPECT_NE(ChybaAdresy(spatna), L"") << spatna;

    // Refused before any dialogue: nothing reaches the server.
    UlohaEmailu u = Uloha();
    u.test = true;
    u.skryti.push_back(L"c@x.cz>\r\nRCPT TO:<d@y.cz");
    std::vector<std::string> prikazy;
    const VysledekEmailu v = VlaknoOdeslaniEmailu(u, Skript({}, &prikazy), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_NE(v.chyba.find(L"nepřípustné znaky"), std::wstring::npos);
    EXPECT_TRUE(prikazy.empty());
    // A port outside 1-65535 in the server field is refused with its own message.
    u = Uloha();
    u.ucet.server = L"smtp.example.cz:70000";
    EXPECT_EQ(ChybaUlohy(u), L"Port serveru musí být číslo v rozsahu 1 - 65535.");
}

TEST_F(SnimkyEmailemTest, RozvrzeniZprav) {
    PevneHodiny hodiny;
    const std::wstring snimek = (slozka_ / "snimek.jpg").wstring();
    Zapsat(snimek, 3000);

    UlohaEmailu u = Uloha();
    u.prilohy = {snimek};
    u.snimek = snimek;
    for (bool html : {true, false}) {
        u.html = html;
        Zprava zprava(hodiny);
        SestavitZpravu(u, zprava);
        std::string text;
        EXPECT_TRUE(zprava.Compose(text).empty());
        EXPECT_NE(text.find("Subject: Snimek z webkamery\r\n"), std::string::npos);
        EXPECT_NE(text.find("From: \"kamera@example.cz\" <kamera@example.cz>"), std::string::npos) << text.substr(0, 800);
        EXPECT_NE(text.find("To: <prijemce@example.cz>\r\n"), std::string::npos);
        EXPECT_NE(text.find(html ? "Content-Type: text/html" : "Content-Type: text/plain"), std::string::npos);
        EXPECT_NE(text.find("Content-Disposition: inline"), std::string::npos);
        EXPECT_NE(text.find("image/jpeg"), std::string::npos);
        // The hidden recipient is named in no header (nor anywhere in the text).
        EXPECT_EQ(text.find("skryty@"), std::string::npos);
        EXPECT_EQ(zprava.hidden.size(), 1u);
    }

    // The default body names the application, the maker's rights and links the maker's site.
    ParametryKamery vychozi;
    KontextKamery kontext;
    kontext.produkt = L"Tervik 4.8";
    vychozi.NastavitVychozi(L"Cam", kontext);
    ASSERT_TRUE(vychozi.snimkyEmail.htmlFormat);
    for (const wchar_t* cast : {L"<h1>Tervik 4.8</h1>", L"© Dunmar Holvent", L"<a href=\"https://www.dunmarholvent.cz/"})
        EXPECT_NE(vychozi.snimkyEmail.text.find(cast), std::wstring::npos) << cast;

    // The test message: the application's name as subject, plain text, no attachment.
    u.test = true;
    Zprava zprava(hodiny);
    SestavitZpravu(u, zprava);
    std::string text;
    zprava.Compose(text);
    EXPECT_NE(text.find("Subject: Tervik 4.8\r\n"), std::string::npos);
    EXPECT_NE(text.find("Content-Type: text/plain"), std::string::npos);
    EXPECT_NE(text.find("Testovac"), std::string::npos);
    EXPECT_EQ(text.find("Content-Disposition"), std::string::npos);
    EXPECT_EQ(text.find("multipart"), std::string::npos);
}

TEST_F(SnimkyEmailemTest, PrilohyNad40MBSeNeskladajiAChybejiciSnimekNeniUspech) {
    std::vector<std::wstring> soubory;
    for (int i = 1; i <= 3; ++i) {
        soubory.push_back(SouborEmailu(data_, L"Cam", i, 3, L".jpg"));
        std::filesystem::resize_file([&] { Zapsat(soubory.back(), 0); return std::filesystem::path(soubory.back()); }(),
                                     15ull * 1024 * 1024);
    }
    EXPECT_EQ(ChybaVelikostiPriloh({soubory[0], soubory[1]}), std::nullopt);
    EXPECT_EQ(ChybaVelikostiPriloh(soubory), L"Zpráva by měla 45 MB příloh, nejvýše lze 40 MB.");

    UlohaEmailu u = Uloha();
    u.prilohy = soubory;
    u.snimek = soubory[0];
    std::vector<std::string> prikazy;
    VysledekEmailu v = VlaknoOdeslaniEmailu(u, Skript({}, &prikazy), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_EQ(v.chyba, L"Zpráva by měla 45 MB příloh, nejvýše lze 40 MB.");
    EXPECT_TRUE(prikazy.empty());

    u.snimek = u.prilohy.front() = (slozka_ / "chybi.jpg").wstring();
    v = VlaknoOdeslaniEmailu(u, Skript({}), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_NE(v.chyba.find(L"chybi.jpg"), std::wstring::npos);
}

TEST_F(SnimkyEmailemTest, OdmitnutiPrijemcuSbiranaPoAdresach) {
    const auto skript = [](const char* druhyRcpt, const char* tretiRcpt) {
        std::vector<Krok> s = {{"", {"220 ok\r\n"}},
                               {"EHLO", {"250 ok\r\n"}},
                               {"MAIL FROM: <kamera@example.cz>", {"250 ok\r\n"}},
                               {"RCPT TO: <prijemce@example.cz>", {"550 5.1.1 prijemce neznamy\r\n"}},
                               {"RCPT TO: <skryty@example.cz>", {druhyRcpt}},
                               {"RCPT TO: <dalsi@example.cz>", {tretiRcpt}}};
        return s;
    };
    UlohaEmailu u = Uloha();
    u.test = true;
    u.skryti = {L"skryty@example.cz", L"dalsi@example.cz"};

    // One accepted: sent, the two refusals reported by address.
    auto s = skript("250 ok\r\n", "553 zakazano\r\n");
    s.push_back({"DATA", {"354 dal\r\n"}});
    s.push_back({"", {"250 prijato\r\n"}});
    s.push_back({"QUIT", {"221 bye\r\n"}});
    std::vector<std::string> prikazy;
    VysledekEmailu v = VlaknoOdeslaniEmailu(u, Skript(s, &prikazy), {});
    EXPECT_TRUE(v.odeslano) << v.chyba;
    EXPECT_EQ(v.odmitnute, (std::vector<OdmitnutaAdresa>{{L"prijemce@example.cz", L"550 5.1.1 prijemce neznamy"},
                                                          {L"dalsi@example.cz", L"553 zakazano"}}));
    EXPECT_EQ(prikazy.back(), "QUIT\r\n");

    // All refused: a failure at the last RCPT with its reply, QUIT still sent.
    s = skript("550 ne\r\n", "550 taky ne\r\n");
    s.push_back({"QUIT", {"221 bye\r\n"}});
    prikazy.clear();
    v = VlaknoOdeslaniEmailu(u, Skript(s, &prikazy), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_EQ(v.odmitnute.size(), 3u);
    EXPECT_EQ(v.krok, L"RCPT TO <dalsi@example.cz>");
    EXPECT_EQ(v.odpoved, L"550 taky ne");
    EXPECT_EQ(prikazy.back(), "QUIT\r\n");

    // A refused login shows its own reply, not the MAIL FROM refusal it causes.
    u.ucet.id = L"kamera";
    u.ucet.heslo = L"spatne";
    std::vector<Krok> prihlaseni = {{"", {"220 ok\r\n"}},
                                    {"EHLO", {"250-ok\r\n250 AUTH LOGIN\r\n"}},
                                    {"AUTH LOGIN", {"334 VXNlcm5hbWU6\r\n"}},
                                    {"a2FtZXJh", {"334 UGFzc3dvcmQ6\r\n"}},
                                    {"c3BhdG5l", {"535 5.7.8 spatne heslo\r\n"}}};
    for (int kolo = 0; kolo <= Smtp::kMaxKolAutentizace; ++kolo) {
        prihlaseni.push_back({"MAIL FROM", {"530 nejdriv prihlaseni\r\n"}});
        if (kolo == Smtp::kMaxKolAutentizace) break;
        prihlaseni.push_back({"AUTH LOGIN", {"334 VXNlcm5hbWU6\r\n"}});
        prihlaseni.push_back({"a2FtZXJh", {"334 UGFzc3dvcmQ6\r\n"}});
        prihlaseni.push_back({"c3BhdG5l", {"535 5.7.8 spatne heslo\r\n"}});
    }
    prihlaseni.push_back({"QUIT", {"221 bye\r\n"}});
    v = VlaknoOdeslaniEmailu(u, Skript(prihlaseni), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_EQ(v.krok, L"AUTH LOGIN");
    EXPECT_EQ(v.odpoved, L"535 5.7.8 spatne heslo");
    EXPECT_EQ(v.chyba.find(L"c3BhdG5l"), std::wstring::npos);
}

// A refused security (here the wrapper's own text, a refused certificate) is the failure's text; without a
// wrapper nothing goes plain.
TEST_F(SnimkyEmailemTest, NezabezpeceneSpojeniHlasiDuvod) {
    UlohaEmailu u = Uloha();
    u.test = true;
    u.ucet.zabezpeceni = Zabezpeceni::Tls;
    u.zabalitTls = [](std::unique_ptr<Soket>, const std::wstring& server, std::wstring& chyba) {
        chyba = L"Certifikát serveru " + server + L" je vystaven na jiné jméno (jiny.example.cz).";
        return std::unique_ptr<Soket>();
    };
    std::string odeslano;
    VysledekEmailu v = VlaknoOdeslaniEmailu(u, Skript({{"", {"220 ok\r\n"}}}, nullptr, &odeslano), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_EQ(v.chyba, L"Certifikát serveru smtp.example.cz je vystaven na jiné jméno (jiny.example.cz).");
    u.zabalitTls = nullptr;
    v = VlaknoOdeslaniEmailu(u, Skript({{"", {"220 ok\r\n"}}}), {});
    EXPECT_FALSE(v.odeslano);
    EXPECT_FALSE(v.chyba.empty());
    EXPECT_TRUE(odeslano.empty());
}
