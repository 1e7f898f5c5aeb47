#include "email/Smtp.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <thread>

#include "PevneHodiny.h"
#include "email/SkriptovanySoket.h"
#include "email/Base64.h"

using namespace Holvent::Email;

namespace {

class ZaznamSmtp final : public Smtp {
public:
    using Smtp::Smtp;
    std::vector<int> odmitnuti;
    std::vector<int> chyby;
    std::vector<std::size_t> prubeh;
    bool prerusit = false;
    int opakovatPrihlaseni = 0;

    int OnRejected(int kod, const std::wstring&) override {
        odmitnuti.push_back(kod);
        if (kod == 535 && opakovatPrihlaseni > 0) {
            --opakovatPrihlaseni;
            password = L"spravne";
            return 1;
        }
        return 0;
    }
    int OnError(int kod, const std::wstring&) override {
        chyby.push_back(kod);
        return 0;
    }
    bool OnProgress(const std::string&, std::size_t odeslanoBajtu, std::size_t) override {
        prubeh.push_back(odeslanoBajtu);
        return !prerusit;
    }
};

std::string B64(const std::string& s) {
    Base64 b;
    b.Encode(s.c_str());
    return b.EncodedText();
}

class SmtpTest : public ::testing::Test {
protected:
    ZaznamSmtp& Klient(std::vector<Krok> skript) {
        klient_.reset();
        prikazy_.clear();
        odeslano_.clear();
        auto soket = std::make_unique<SkriptovanySoket>(std::move(skript));
        soket->prikazy = &prikazy_;
        soket->odeslano = &odeslano_;
        soket_ = soket.get();
        klient_ = std::make_unique<ZaznamSmtp>(std::move(soket));
        klient_->pauzaPredPripojenimMs = 0;
        klient_->pauzaPredPozdravemMs = 0;
        klient_->casovyLimitOdpovediMs = 300;
        return *klient_;
    }
    void Zprava1(const std::wstring& text = L"Ahoj") {
        zprava_.senderAddress = L"kamera@example.com";
        zprava_.recipientAddress = L"a@example.com";
        zprava_.subject = L"Test";
        CastZpravy cast;
        cast.text = text;
        zprava_.bodyParts.push_back(cast);
    }

    PevneHodiny hodiny_;
    Zprava zprava_{hodiny_};
    std::vector<std::string> prikazy_;
    std::string odeslano_;
    SkriptovanySoket* soket_ = nullptr;
    std::unique_ptr<ZaznamSmtp> klient_;
};

const Krok kPozdrav{"", {"220 smtp.example.com ESMTP\r\n"}};
const Krok kEhloViceradkove{"EHLO TESTPC\r\n", {"250-smtp.example.com\r\n250-SIZE 1000", "0000\r\n250-AUTH LOGIN\r\n",
                                                "250 HELP\r\n"}};

}  // namespace

TEST_F(SmtpTest, CelyDialogSPrihlasenimAViceradkovouOdpovediPoKusech) {
    auto& klient = Klient({kPozdrav,
                           kEhloViceradkove,
                           {"AUTH LOGIN\r\n", {"334 VXNlcm5hbWU6\r\n"}},
                           {B64("uzivatel") + "\r\n", {"334 cGFzc3dvcmQ6\r\n"}},  // "password:" in lower case
                           {B64("heslo") + "\r\n", {"235 2.7.0 Accepted\r\n"}},
                           {"MAIL FROM: <kamera@example.com>\r\n", {"250 OK\r\n"}},
                           {"RCPT TO: <a@example.com>\r\n", {"250 OK\r\n"}},
                           {"RCPT TO: <skryty@example.com>\r\n", {"251 forwarded\r\n"}},
                           {"DATA\r\n", {"354 go ahead\r\n"}},
                           {"", {"250 queued\r\n"}},
                           {"QUIT\r\n", {"221 bye\r\n"}}});
    klient.userName = L"uzivatel";
    klient.password = L"heslo";
    Zprava1(L"radek\r\n.\r\nkonec");
    zprava_.hidden.push_back({L"", L"skryty@example.com"});
    Zprava kopie = zprava_;
    std::string ocekavanaZprava;
    kopie.Compose(ocekavanaZprava);
    ASSERT_TRUE(klient.Connect(L"smtp.example.com"));
    EXPECT_TRUE(klient.Greeted());
    EXPECT_EQ(klient.SendMail(zprava_), 0);
    ASSERT_EQ(prikazy_.size(), 9u);
    EXPECT_EQ(prikazy_[8], ocekavanaZprava + "\r\n.\r\n");
    EXPECT_NE(prikazy_[8].find("\r\n..\r\n"), std::string::npos);
    EXPECT_EQ(klient.LastReply(), L"250 queued");
    klient.Close();
    EXPECT_EQ(prikazy_.back(), "QUIT\r\n");
    EXPECT_FALSE(soket_->JeOtevreny());
    EXPECT_TRUE(klient.chyby.empty());
    EXPECT_TRUE(klient.odmitnuti.empty());
}

// Stale data is flushed before a command: what is there goes, a peer that keeps sending, fast (bounded by bytes)
// or slowly (bounded by the time-out), gets no command at all.
TEST_F(SmtpTest, VyprazdneniPredPrikazemJeOmezenoBajtyICasem) {
    auto& klient = Klient({kPozdrav,
                           {"EHLO", {"250 OK\r\n", "250-zbytek starsi odpovedi\r\n"}},
                           {"MAIL FROM", {"250 OK\r\n"}}});
    ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
    EXPECT_EQ(klient.MailFrom(L"kamera@example.com"), 0);
    EXPECT_EQ(klient.LastReply(), L"250 OK");
    for (const bool zaplava : {true, false}) {
        Klient({kPozdrav, {"EHLO", {"250 OK\r\n"}}});
        ASSERT_TRUE(klient_->Connect(L"127.0.0.1"));
        soket_->zaplavit = zaplava;
        soket_->kapat = !zaplava;
        EXPECT_EQ(klient_->MailFrom(L"x@example.com"), -1);
        EXPECT_FALSE(klient_->Greeted());
        EXPECT_EQ(klient_->chyby, std::vector<int>{-1});
        EXPECT_EQ(odeslano_.find("MAIL FROM"), std::string::npos);
    }
}

TEST_F(SmtpTest, KodNezacinajiciDvaAzPetNeniOdpoved) {
    const std::vector<Krok> zacatek{kPozdrav, {"EHLO", {"250 OK\r\n"}}, {"MAIL FROM", {"250 OK\r\n"}}};
    {
        auto skript = zacatek;
        skript.push_back({"RCPT TO", {"250 OK\r\n"}});
        skript.push_back({"DATA", {"354 go\r\n"}});
        skript.push_back({"", {"000 not really\r\n"}});
        auto& klient = Klient(skript);
        Zprava1();
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), -1);
        EXPECT_EQ(klient.chyby, std::vector<int>{-1});
    }
    {
        auto skript = zacatek;
        skript.push_back({"RCPT TO", {"099 hm\r\n"}});
        auto& klient = Klient(skript);
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), -1);
        for (const auto& p : prikazy_) EXPECT_FALSE(p.starts_with("DATA"));
    }
}

TEST_F(SmtpTest, BezRozsireniNeboPoOdmitnutiEhloJenHeloBezPrihlaseni) {
    {
        auto& klient = Klient({kPozdrav, {"HELO TESTPC\r\n", {"250 hi\r\n"}}, {"MAIL FROM", {"250 OK\r\n"}}});
        klient.extended = false;
        klient.userName = L"uzivatel";
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.MailFrom(L"x@example.com"), 0);
        EXPECT_EQ(prikazy_[0], "HELO TESTPC\r\n");
    }
    {
        auto& klient = Klient({kPozdrav,
                               {"EHLO TESTPC\r\n", {"500 unknown command\r\n"}},
                               {"HELO TESTPC\r\n", {"250 hi\r\n"}},
                               {"MAIL FROM", {"250 OK\r\n"}}});
        klient.userName = L"uzivatel";
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.MailFrom(L"x@example.com"), 0);
        EXPECT_EQ(prikazy_.size(), 3u);
        EXPECT_EQ(prikazy_[1], "HELO TESTPC\r\n");
    }
}

TEST_F(SmtpTest, PrazdnyUzivatelNeprihlasujeAJinaVyzvaKonci334) {
    {
        auto& klient = Klient({kPozdrav, kEhloViceradkove, {"MAIL FROM", {"250 OK\r\n"}}});
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.MailFrom(L"x@example.com"), 0);
        EXPECT_EQ(prikazy_[1].substr(0, 4), "MAIL");
    }
    {
        auto& klient = Klient({kPozdrav,
                               kEhloViceradkove,
                               {"AUTH LOGIN\r\n", {"334 " + B64("Jmeno:") + "\r\n"}},
                               {"MAIL FROM", {"530 auth required\r\n"}},
                               {"AUTH LOGIN\r\n", {"334 " + B64("Jmeno:") + "\r\n"}},
                               {"MAIL FROM", {"250 OK\r\n"}}});
        klient.userName = L"uzivatel";
        // Hello succeeds whatever the authentication gave; it shows up at MAIL FROM.
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        ASSERT_FALSE(klient.chyby.empty());
        EXPECT_EQ(klient.chyby[0], 334);
        EXPECT_EQ(klient.MailFrom(L"x@example.com"), 0);
    }
}

TEST_F(SmtpTest, OdmitnuteHesloZnovuPresOnRejected) {
    auto& klient = Klient({kPozdrav,
                           kEhloViceradkove,
                           {"AUTH LOGIN\r\n", {"334 VXNlcm5hbWU6\r\n"}},
                           {B64("u") + "\r\n", {"334 UGFzc3dvcmQ6\r\n"}},
                           {B64("spatne") + "\r\n", {"535 invalid\r\n"}},
                           {"AUTH LOGIN\r\n", {"334 VXNlcm5hbWU6\r\n"}},
                           {B64("u") + "\r\n", {"334 UGFzc3dvcmQ6\r\n"}},
                           {B64("spravne") + "\r\n", {"235 ok\r\n"}}});
    klient.userName = L"u";
    klient.password = L"spatne";
    klient.opakovatPrihlaseni = 1;
    ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
    EXPECT_EQ(klient.odmitnuti, std::vector<int>{535});
    EXPECT_TRUE(klient.chyby.empty());
    EXPECT_EQ(prikazy_.size(), 7u);
}

TEST_F(SmtpTest, OpakovanePozadovaniPrihlaseniJeOmezene) {
    std::vector<Krok> skript{kPozdrav, {"EHLO", {"250 OK\r\n"}}};
    const Krok prihlaseni[] = {{"AUTH LOGIN\r\n", {"334 VXNlcm5hbWU6\r\n"}},
                               {B64("u") + "\r\n", {"334 UGFzc3dvcmQ6\r\n"}},
                               {B64("p") + "\r\n", {"235 ok\r\n"}}};
    skript.insert(skript.end(), std::begin(prihlaseni), std::end(prihlaseni));
    for (int i = 0; i <= Smtp::kMaxKolAutentizace; ++i) {
        skript.push_back({"MAIL FROM", {"530 authentication required\r\n"}});
        if (i < Smtp::kMaxKolAutentizace) skript.insert(skript.end(), std::begin(prihlaseni), std::end(prihlaseni));
    }
    skript.push_back({"QUIT", {"221 bye\r\n"}});
    auto& klient = Klient(skript);
    klient.userName = L"u";
    klient.password = L"p";
    ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
    EXPECT_EQ(klient.MailFrom(L"x@example.com"), 530);
    int mailFrom = 0;
    for (const auto& p : prikazy_) mailFrom += p.starts_with("MAIL FROM") ? 1 : 0;
    EXPECT_EQ(mailFrom, Smtp::kMaxKolAutentizace + 1);
    EXPECT_EQ(klient.chyby.back(), 530);
}

TEST_F(SmtpTest, OdmitnutiPrijemci) {
    {
        auto& klient = Klient({kPozdrav,
                               {"EHLO", {"250 OK\r\n"}},
                               {"MAIL FROM", {"250 OK\r\n"}},
                               {"RCPT TO: <a@example.com>", {"550 no such user\r\n"}},
                               {"RCPT TO: <b@example.com>", {"250 OK\r\n"}},
                               {"RCPT TO: <c@example.com>", {"553 refused\r\n"}},
                               {"DATA", {"354 go\r\n"}},
                               {"", {"250 OK\r\n"}}});
        Zprava1();
        zprava_.furtherTo.push_back({L"B", L"b@example.com"});
        zprava_.hidden.push_back({L"", L"c@example.com"});
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), 0);
        EXPECT_EQ(klient.odmitnuti, (std::vector<int>{550, 553}));
        EXPECT_TRUE(klient.chyby.empty());
    }
    {
        auto& klient = Klient({kPozdrav,
                               {"EHLO", {"250 OK\r\n"}},
                               {"MAIL FROM", {"250 OK\r\n"}},
                               {"RCPT TO: <a@example.com>", {"550 no\r\n"}},
                               {"RCPT TO: <b@example.com>", {"551 not local\r\n"}}});
        zprava_ = Zprava(hodiny_);
        Zprava1();
        zprava_.furtherTo.push_back({L"", L"b@example.com"});
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), 551);
        for (const auto& p : prikazy_) EXPECT_FALSE(p.starts_with("DATA"));
        EXPECT_EQ(klient.chyby, std::vector<int>{551});
    }
}

TEST_F(SmtpTest, OdpovedBezKonceRadkuDoCasovehoLimituJeMinusJedna) {
    auto& klient = Klient({kPozdrav, {"EHLO", {"250 OK\r\n"}}, {"MAIL FROM", {"250 zacatek bez konce"}}});
    soket_->kapat = true;
    ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
    const auto zacatek = std::chrono::steady_clock::now();
    EXPECT_EQ(klient.MailFrom(L"x@example.com"), -1);
    EXPECT_GE(std::chrono::steady_clock::now() - zacatek, std::chrono::milliseconds(250));
    EXPECT_FALSE(klient.Greeted());
    EXPECT_EQ(klient.chyby, std::vector<int>{-1});
    // A dead connection gets no QUIT.
    klient.Close();
    EXPECT_NE(prikazy_.back(), "QUIT\r\n");
}

// Hostile peers: an endless line is cut off at the reply's bound and kept short for the log; a server that gives
// up in the middle of the message text is reported with its own last words, never with the 354 before them.
TEST_F(SmtpTest, NekonecnyRadekAVzdaniBehemTextuZpravy) {
    for (const char* konec : {"\r\n", ""}) {
        auto& klient = Klient({{"", {"220 " + std::string(1 << 20, 'x') + konec}}});
        EXPECT_FALSE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.chyby, std::vector<int>{-1});
        EXPECT_TRUE(klient.LastReply().starts_with(L"220 xxxx"));
        EXPECT_LE(klient.LastReply().size(), 1001u);
        EXPECT_EQ(klient.LastReply().back(), L'…');
        EXPECT_FALSE(soket_->JeOtevreny());
    }
    const std::vector<Krok> skript{kPozdrav,
                                   {"EHLO", {"250 OK\r\n"}},
                                   {"MAIL FROM", {"250 OK\r\n"}},
                                   {"RCPT TO", {"250 OK\r\n"}},
                                   {"DATA", {"354 go ahead\r\n"}}};
    for (const std::string slova : {"421 4.4.2 Connection dropped\r\n", ""}) {
        auto& klient = Klient(skript);
        soket_->vzdatVDatechPo = 2000;
        soket_->slovaPriVzdani = slova;
        Zprava1(std::wstring(8000, L'a'));
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), -1);
        EXPECT_EQ(klient.PosledniKrok(), L"text zprávy");
        EXPECT_EQ(klient.LastReply(), slova.empty() ? L"" : L"421 4.4.2 Connection dropped");
        EXPECT_EQ(klient.chyby, std::vector<int>{-1});
        EXPECT_FALSE(klient.Greeted());
    }
}

TEST_F(SmtpTest, PrubehPoBlocichAPreruseni) {
    const std::vector<Krok> skript{kPozdrav,
                                   {"EHLO", {"250 OK\r\n"}},
                                   {"MAIL FROM", {"250 OK\r\n"}},
                                   {"RCPT TO", {"250 OK\r\n"}},
                                   {"DATA", {"354 go\r\n"}},
                                   {"", {"250 OK\r\n"}}};
    {
        auto& klient = Klient(skript);
        Zprava1(std::wstring(3000, L'a'));
        std::string text;
        zprava_.Compose(text);
        const std::size_t celkem = text.size() + 5;
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), 0);
        ASSERT_EQ(klient.prubeh.size(), (celkem + 1023) / 1024);
        for (std::size_t i = 0; i + 1 < klient.prubeh.size(); ++i) EXPECT_EQ(klient.prubeh[i], 1024 * (i + 1));
        EXPECT_EQ(klient.prubeh.back(), celkem);
    }
    {
        auto& klient = Klient(skript);
        klient.prerusit = true;
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.SendMail(zprava_), -1);
        EXPECT_EQ(klient.prubeh.size(), 1u);
        EXPECT_EQ(odeslano_.find("\r\n.\r\n"), std::string::npos);
        EXPECT_FALSE(klient.Greeted());
    }
}

// A session that never starts: the peer's code (-1 for none, or one outside 2xx-5xx) reported once, the socket
// closed.
TEST_F(SmtpTest, SelhaniPripojeni) {
    const auto hello = [](const std::string& odpoved) {
        return std::vector<Krok>{kPozdrav, {"EHLO", {odpoved}}, {"HELO", {odpoved}}};
    };
    const std::pair<std::vector<Krok>, int> pripady[] = {
        {{{"", {"554 go away\r\n"}}}, 554}, {hello("421 closing\r\n"), 421}, {{{"", {"HELLO THERE\r\n"}}}, -1},
        {hello("000 x\r\n"), -1},          {hello("199 x\r\n"), -1},         {hello("600 x\r\n"), -1},
    };
    for (const auto& [skript, kod] : pripady) {
        auto& klient = Klient(skript);
        EXPECT_FALSE(klient.Connect(L"127.0.0.1")) << kod;
        EXPECT_EQ(klient.chyby, std::vector<int>{kod});
        EXPECT_FALSE(soket_->JeOtevreny());
    }
    Klient({kPozdrav});
    soket_->lzePrelozit = false;
    EXPECT_FALSE(klient_->Connect(L"neexistuje.invalid"));
    zprava_.senderAddress = L"kamera@example.com";
    EXPECT_EQ(Klient({kPozdrav}).SendMail(zprava_), -1);
}

namespace {

class SmtpTlsTest : public SmtpTest {
protected:
    // The client of the script, securing by zabezpeceni; the upgrade (TLS without cryptography: the same socket
    // goes on) shows in the commands as "<TLS server>", what follows it went inside the session.
    ZaznamSmtp& KlientTls(Zabezpeceni zabezpeceni, std::vector<Krok> skript, std::wstring chybaZabaleni = {}) {
        auto& klient = Klient(std::move(skript));
        klient.zabezpeceni = zabezpeceni;
        klient.userName = L"uzivatel";
        klient.password = L"heslo";
        klient.zabalitTls = [this, chybaZabaleni](std::unique_ptr<Soket> vnitrni, const std::wstring& server,
                                                  std::wstring& chyba) -> std::unique_ptr<Soket> {
            prikazy_.push_back("<TLS " + std::string(server.begin(), server.end()) + ">");
            if (!chybaZabaleni.empty()) {
                chyba = chybaZabaleni;
                vnitrni->Zavrit();
                return nullptr;
            }
            return vnitrni;
        };
        return klient;
    }
};

const Krok kEhloSeStartTls{"EHLO TESTPC\r\n", {"250-smtp.example.com\r\n250-STARTTLS\r\n250 AUTH LOGIN\r\n"}};
const std::vector<Krok> kPrihlaseniAZprava{{"AUTH LOGIN\r\n", {"334 VXNlcm5hbWU6\r\n"}},
                                           {B64("uzivatel") + "\r\n", {"334 UGFzc3dvcmQ6\r\n"}},
                                           {B64("heslo") + "\r\n", {"235 ok\r\n"}},
                                           {"MAIL FROM", {"250 ok\r\n"}},
                                           {"RCPT TO", {"250 ok\r\n"}},
                                           {"DATA", {"354 go\r\n"}},
                                           {"", {"250 queued\r\n"}},
                                           {"QUIT", {"221 bye\r\n"}}};

std::vector<Krok> Spojit(std::vector<Krok> a, const std::vector<Krok>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

}  // namespace

TEST_F(SmtpTlsTest, ZabezpeceniPoradiAEhloZnovuPoZabaleni) {
    const std::vector<std::string> ocekavanyZacatek{"EHLO TESTPC\r\n", "STARTTLS\r\n", "<TLS smtp.example.com>",
                                                    "EHLO TESTPC\r\n", "AUTH LOGIN\r\n", B64("uzivatel") + "\r\n",
                                                    B64("heslo") + "\r\n"};
    {
        // STARTTLS: the plain EHLO, the upgrade on 220, EHLO again inside, only then the login.
        auto& klient = KlientTls(Zabezpeceni::StartTls,
                                 Spojit({kPozdrav, kEhloSeStartTls, {"STARTTLS\r\n", {"220 2.0.0 Ready to start TLS\r\n"}},
                                         kEhloSeStartTls},
                                        kPrihlaseniAZprava));
        Zprava1();
        ASSERT_TRUE(klient.Connect(L"smtp.example.com"));
        EXPECT_EQ(klient.SendMail(zprava_), 0);
        klient.Close();
        ASSERT_GE(prikazy_.size(), ocekavanyZacatek.size());
        // Everything from the second EHLO on went inside the session, the credentials too.
        EXPECT_EQ(std::vector<std::string>(prikazy_.begin(), prikazy_.begin() + 7), ocekavanyZacatek);
        EXPECT_EQ(prikazy_.back(), "QUIT\r\n");
        EXPECT_TRUE(klient.ChybaZabezpeceni().empty());
    }
    {
        // Implicit TLS: the upgrade before the greeting is read.
        auto& klient = KlientTls(Zabezpeceni::Tls, Spojit({kPozdrav, kEhloSeStartTls}, kPrihlaseniAZprava));
        Zprava1();
        ASSERT_TRUE(klient.Connect(L"smtp.example.com"));
        EXPECT_EQ(klient.SendMail(zprava_), 0);
        EXPECT_EQ(std::vector<std::string>(prikazy_.begin(), prikazy_.begin() + 3),
                  (std::vector<std::string>{"<TLS smtp.example.com>", "EHLO TESTPC\r\n", "AUTH LOGIN\r\n"}));
    }
    {
        // None: today's dialogue, no STARTTLS even when offered, the hook never asked.
        auto& klient = KlientTls(Zabezpeceni::Zadne, Spojit({kPozdrav, kEhloSeStartTls}, kPrihlaseniAZprava));
        Zprava1();
        ASSERT_TRUE(klient.Connect(L"smtp.example.com"));
        EXPECT_EQ(klient.SendMail(zprava_), 0);
        EXPECT_EQ(prikazy_[0], "EHLO TESTPC\r\n");
        EXPECT_EQ(prikazy_[1], "AUTH LOGIN\r\n");
        for (const auto& p : prikazy_) EXPECT_FALSE(p.starts_with("STARTTLS") || p.starts_with("<TLS")) << p;
    }
}

TEST_F(SmtpTlsTest, OdmitnuteZabezpeceniKonciBezPrihlaseni) {
    const std::wstring kCertifikat = L"Certifikát serveru smtp.example.com nevydala důvěryhodná certifikační autorita.";
    struct Pripad {
        const char* nazev;
        Zabezpeceni zabezpeceni;
        std::vector<Krok> skript;
        std::wstring chybaZabaleni;
        std::wstring chyba;  // its beginning
        bool quit;
    };
    const std::wstring kStartTls = L"Server smtp.example.com neumožňuje šifrované spojení (STARTTLS): ";
    const Pripad pripady[] = {
        {"454", Zabezpeceni::StartTls,
         {kPozdrav, kEhloSeStartTls, {"STARTTLS", {"454 4.7.0 TLS not available\r\n"}}, {"QUIT", {"221 bye\r\n"}}},
         {}, kStartTls + L"454 4.7.0 TLS not available", true},
        {"EHLO odmitnuto", Zabezpeceni::StartTls,
         {kPozdrav, {"EHLO", {"500 unknown\r\n"}}, {"QUIT", {"221 bye\r\n"}}}, {}, kStartTls + L"500 unknown", false},
        {"data za 220 v jednom kuse", Zabezpeceni::StartTls,
         {kPozdrav, kEhloSeStartTls, {"STARTTLS", {"220 go\r\n250-AUTH PLAIN\r\n"}}, {"QUIT", {"221 bye\r\n"}}},
         {}, kStartTls + L"za odpovědí \"220 go\" následovala další data", true},
        {"data za 220 zvlast", Zabezpeceni::StartTls,
         {kPozdrav, kEhloSeStartTls, {"STARTTLS", {"220 go\r\n", "250 AUTH PLAIN\r\n"}}, {"QUIT", {"221 bye\r\n"}}},
         {}, kStartTls + L"za odpovědí \"220 go\" následovala další data", true},
        {"certifikat po STARTTLS", Zabezpeceni::StartTls,
         {kPozdrav, kEhloSeStartTls, {"STARTTLS", {"220 go\r\n"}}}, kCertifikat, kCertifikat, false},
        {"certifikat TLS", Zabezpeceni::Tls, {kPozdrav}, kCertifikat, kCertifikat, false},
        {"EHLO odmitnuto v TLS", Zabezpeceni::Tls, {kPozdrav, {"EHLO", {"502 no\r\n"}}, {"QUIT", {"221 bye\r\n"}}}, {},
         {}, false},
    };
    for (const Pripad& p : pripady) {
        auto& klient = KlientTls(p.zabezpeceni, p.skript, p.chybaZabaleni);
        EXPECT_FALSE(klient.Connect(L"smtp.example.com")) << p.nazev;
        EXPECT_TRUE(klient.ChybaZabezpeceni().starts_with(p.chyba)) << p.nazev;
        EXPECT_EQ(odeslano_.find("AUTH"), std::string::npos) << p.nazev;
        EXPECT_EQ(odeslano_.find("HELO"), std::string::npos) << p.nazev;
        EXPECT_EQ(!prikazy_.empty() && prikazy_.back() == "QUIT\r\n", p.quit) << p.nazev;
        EXPECT_FALSE(soket_->JeOtevreny()) << p.nazev;
    }
    // The implicit TLS that failed sent not a byte.
    KlientTls(Zabezpeceni::Tls, {kPozdrav}, kCertifikat).Connect(L"smtp.example.com");
    EXPECT_TRUE(odeslano_.empty());
}
