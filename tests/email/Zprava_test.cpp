#include "email/Zprava.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DocasnaSlozka.h"
#include "PevneHodiny.h"
#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

const std::string kHlavicky =
    "From: \"Kamera\" <kamera@example.com>\r\n"
    "To: <prijemce@example.com>\r\n"
    "Subject: Snimek\r\n"
    "Date: Sat, 5 Dec 2026 7:03:09 +0100\r\n"
    "Importance: Normal\r\n"
    "X-Mailer: Tervik 4.8 (Dunmar Holvent, www.dunmarholvent.cz)\r\n"
    "X-MSMail-Priority: Normal\r\n"
    "X-Priority: 3 (Normal)\r\n"
    "MIME-Version: 1.0\r\n";

class ZpravaTest : public DocasnaSlozka {
protected:
    void SetUp() override {
        DocasnaSlozka::SetUp();
        hodiny_.tiky = 0x00ABCDEF;
        zprava_.senderName = L"Kamera";
        zprava_.senderAddress = L"kamera@example.com";
        zprava_.recipientAddress = L"prijemce@example.com";
        zprava_.subject = L"Snimek";
        zprava_.zoneOffset = 100;
    }
    void PridatText(const std::wstring& typ, const std::wstring& text) {
        CastZpravy cast;
        cast.contentType = typ;
        cast.text = text;
        zprava_.bodyParts.push_back(cast);
    }
    std::string Slozit() {
        std::string vystup;
        vynechane_ = zprava_.Compose(vystup);
        return vystup;
    }

    PevneHodiny hodiny_;
    Zprava zprava_{hodiny_};
    std::vector<std::wstring> vynechane_;
};

// Runs Python's standard MIME parser over a composed message and returns what it found.
std::string RozebratPythonem(const std::filesystem::path& soubor) {
    const std::filesystem::path skript = std::filesystem::path(__FILE__).parent_path() / "mime_kontrola.py";
    const std::string prikaz = "python3 '" + skript.string() + "' '" + soubor.string() + "'";
    std::string vystup;
    FILE* roura = popen(prikaz.c_str(), "r");
    if (!roura) return "popen failed";
    char buffer[4096];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, roura)) > 0) vystup.append(buffer, n);
    const int stav = pclose(roura);
    if (stav != 0) vystup += "\nexit " + std::to_string(stav);
    return vystup;
}

}  // namespace

// One text part goes alone; two are alternatives; with attachments the message is mixed, two texts inside it
// as an alternative of their own, each level with its own boundary.
TEST_F(ZpravaTest, SkladbaCastiAHranice) {
    const std::string vnejsi = "CSmtpMsgPart123X456_000_00ABCDEF", vnitrni = "CSmtpMsgPart123X456_001_00ABCDEF";
    const auto text = [](const char* typ, const char* telo) {
        return "Content-Type: " + std::string(typ) + ";\r\n\tcharset=\"iso-8859-1\"\r\nContent-Transfer-Encoding: 7bit\r\n\r\n" +
               telo;
    };
    const auto multipart = [](const char* druh, const std::string& hranice, const std::vector<std::string>& casti) {
        std::string s = "Content-Type: multipart/" + std::string(druh) + ";\r\n\tboundary=\"" + hranice + "\"\r\n";
        for (const auto& c : casti) s += "\r\n--" + hranice + "\r\n" + c;
        return s + "\r\n--" + hranice + "--\r\n";
    };
    const auto zprava = [&](const char* druh, const std::vector<std::string>& casti) {
        std::string s = multipart(druh, vnejsi, casti);
        return kHlavicky + s.insert(s.find("\r\n\r\n--"), "\r\n\r\nThis is a multipart message in MIME format");
    };
    // Each case composes a copy never composed before: a composed message keeps the headers it was given.
    MultipartKind druh{};
    const auto slozit = [&] {
        Zprava kopie = zprava_;
        std::string vystup;
        vynechane_ = kopie.Compose(vystup);
        druh = kopie.multipartKind;
        return vystup;
    };

    PridatText(L"text/plain", L"Dobry den");
    EXPECT_EQ(slozit(), kHlavicky + text("text/plain", "Dobry den"));

    zprava_.bodyParts[0].text = L"A";
    PridatText(L"text/html", L"<p>A</p>");
    EXPECT_EQ(slozit(), zprava("alternative", {text("text/plain", "A"), text("text/html", "<p>A</p>")}));
    EXPECT_EQ(druh, MultipartKind::Alternative);

    Priloha p;
    p.path = Zapsat("data.bin", std::string("\x00\x01\x02\xFF", 4));
    zprava_.attachments.push_back(p);
    const std::string binarni = "Content-Type: application/octet-stream;\r\n\tname=\"data.bin\"\r\n"
                                "Content-Transfer-Encoding: base64\r\n"
                                "Content-Disposition: attachment;\r\n\tfilename=\"data.bin\"\r\n\r\nAAEC/w==";
    EXPECT_EQ(slozit(), zprava("mixed", {multipart("alternative", vnitrni,
                                                   {text("text/plain", "A"), text("text/html", "<p>A</p>")}),
                                         binarni}));

    zprava_.bodyParts.pop_back();
    zprava_.attachments[0].path = Zapsat("snimek.jpg", "foo");
    zprava_.attachments[0].inlinePriloha = true;
    EXPECT_EQ(slozit(), zprava("mixed", {text("text/plain", "A"),
                                         "Content-Type: image/jpeg;\r\n\tname=\"snimek.jpg\"\r\n"
                                         "Content-Transfer-Encoding: 7bit\r\n"
                                         "Content-Disposition: inline;\r\n\tfilename=\"snimek.jpg\"\r\n\r\nfoo"}));
    EXPECT_TRUE(vynechane_.empty());
}

TEST_F(ZpravaTest, TypObsahuPodleTextuOdPrvniTecky) {
    Priloha p;
    p.path = Zapsat("snimek.2026.jpg", "x");
    zprava_.attachments.push_back(p);
    p.path = Zapsat("foto.PNG", "x");
    zprava_.attachments.push_back(p);
    p.path = Zapsat("bez_pripony", "x");
    p.contentType = L"image/gif";
    zprava_.attachments.push_back(p);
    const std::string text = Slozit();
    EXPECT_NE(text.find("Content-Type: application/octet-stream;\r\n\tname=\"snimek.2026.jpg\""), std::string::npos);
    EXPECT_NE(text.find("Content-Type: image/png;\r\n\tname=\"foto.PNG\""), std::string::npos);
    EXPECT_NE(text.find("Content-Type: image/gif;\r\n\tname=\"bez_pripony\""), std::string::npos);
    // The system's file-type registry is asked first.
    zprava_.attachments.resize(1);
    zprava_.hledatTypObsahu = [](const std::wstring& pripona) {
        return pripona == L".2026.jpg" ? std::wstring(L"image/x-test") : std::wstring();
    };
    EXPECT_NE(Slozit().find("Content-Type: image/x-test;"), std::string::npos);
}

TEST_F(ZpravaTest, TeloDlouhyRadekTeckaMezeraAPrazdnyText) {
    PridatText(L"text/plain", std::wstring(80, L'x') + L"\r\n.\r\nkonec");
    zprava_.bodyParts[0].encoding = EncodingKind::Bit7;
    std::string text = Slozit();
    EXPECT_NE(text.find("\r\n\r\n" + std::string(76, 'x') + "\r\nxxxx\r\n..\r\nkonec"), std::string::npos);

    zprava_.bodyParts[0].text = L"mezera ";
    zprava_.bodyParts[0].encoding = EncodingKind::QuotedPrintable;
    text = Slozit();
    EXPECT_NE(text.find("Content-Transfer-Encoding: quoted-printable\r\n\r\nmezera=20"), std::string::npos);

    zprava_.bodyParts[0].text.clear();
    zprava_.bodyParts[0].encoding = EncodingKind::Automaticky;
    text = Slozit();
    EXPECT_TRUE(text.ends_with("Content-Transfer-Encoding: base64\r\n\r\n")) << text;
}

TEST_F(ZpravaTest, NectitelnaPrilohaJeVynechanaANahlasena) {
    PridatText(L"text/plain", L"A");
    Priloha p;
    p.path = (slozka_ / "neexistuje.jpg").wstring();
    zprava_.attachments.push_back(p);
    const std::string text = Slozit();
    ASSERT_EQ(vynechane_.size(), 1u);
    EXPECT_EQ(vynechane_[0], p.path);
    EXPECT_EQ(text.find("neexistuje"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\r\n\r\nA\r\n--CSmtpMsgPart123X456_000_00ABCDEF--\r\n"));
}

TEST_F(ZpravaTest, HlavickyDatumZonaAJmenaMimoAscii) {
    zprava_.zoneOffset = 0;
    zprava_.subject = L"Sn\u00EDmek\r\nBcc: vetrelec@example.com";
    zprava_.senderName = L"Kamera \u010Cp";
    zprava_.recipientName = L"Jan \"J\" Nov";
    zprava_.furtherTo = {{L"", L"dalsi@example.com"}};
    zprava_.messageId = L"id1@example.com";
    zprava_.NastavitHlavicku(L"X-Priority", L"1 (Highest)");
    const std::string text = Slozit();
    EXPECT_NE(text.find("Date: Sat, 5 Dec 2026 7:03:09 -0000\r\n"), std::string::npos);
    EXPECT_NE(text.find("X-Priority: 1 (Highest)\r\n"), std::string::npos);
    EXPECT_NE(text.find("Message-ID: <id1@example.com>\r\n"), std::string::npos);
    EXPECT_NE(text.find("To: \"Jan \\\"J\\\" Nov\" <prijemce@example.com>,\r\n\t<dalsi@example.com>\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("From: =?utf-8?B?"), std::string::npos);
    EXPECT_NE(text.find("?= <kamera@example.com>\r\n"), std::string::npos);
    // The subject's line break cannot start a header of its own.
    EXPECT_EQ(text.find("\r\nBcc:"), std::string::npos);
    EXPECT_NE(text.find("Subject: =?utf-8?B?"), std::string::npos);
    zprava_.zoneOffset = -530;
    EXPECT_NE(Slozit().find(" -0530\r\n"), std::string::npos);
    zprava_.zoneOffset = 530;
    EXPECT_NE(Slozit().find(" +0530\r\n"), std::string::npos);
}

TEST_F(ZpravaTest, NebezpecneTextyAKonceRadkuSouboruPrezijiCestu) {
    // A literal encoded word and control characters are no header text a reader shows as it stands.
    zprava_.subject = L"Pohyb =?utf-8?B?QQ==?=";
    zprava_.senderName = std::wstring(L"Kamera\x01", 7);
    Priloha p;
    p.path = Zapsat("data.bin", "radek1\nradek2\r");
    p.fileName = std::wstring(L"a\0b.bin", 7);
    zprava_.attachments.push_back(p);
    const std::string text = Slozit();
    EXPECT_NE(text.find("Subject: =?utf-8?B?"), std::string::npos) << text;
    EXPECT_NE(text.find("From: =?utf-8?B?S2FtZXJhAQ==?= <"), std::string::npos) << text;
    EXPECT_NE(text.find("filename*=utf-8''a%00b.bin"), std::string::npos) << text;
    // Bare line ends of a file would become CR LF in any text encoding.
    EXPECT_NE(text.find("Content-Transfer-Encoding: base64"), std::string::npos) << text;
}

TEST_F(ZpravaTest, HlavickaSeZalomenimRadkuNeboSpatnymNazvemSeOdmitne) {
    PridatText(L"text/plain", L"A");
    zprava_.NastavitHlavicku(L"X-Kamera", L"1\r\nBcc: vetrelec@example.com");
    EXPECT_THROW(Slozit(), Knihovna::Chyba);
    zprava_.NastavitHlavicku(L"X-Kamera", L"1\nBcc: vetrelec@example.com");
    EXPECT_THROW(Slozit(), Knihovna::Chyba);
    zprava_.NastavitHlavicku(L"X-Kamera", L"1\r\n \r\n\r\ntelo");
    EXPECT_THROW(Slozit(), Knihovna::Chyba);
    zprava_.OdebratHlavicku(L"X-Kamera");
    zprava_.NastavitHlavicku(L"Bcc: x\r\nX-Kamera", L"1");
    EXPECT_THROW(Slozit(), Knihovna::Chyba);
    zprava_.OdebratHlavicku(L"Bcc: x\r\nX-Kamera");
    // A proper fold stays.
    zprava_.NastavitHlavicku(L"X-Kamera", L"1;\r\n\tdruha=2");
    EXPECT_NE(Slozit().find("\r\nX-Kamera: 1;\r\n\tdruha=2\r\n"), std::string::npos);
}

TEST_F(ZpravaTest, DlouheHlavickyAJmenaPrilohSeSkladaji) {
    std::wstring predmet;
    for (int i = 0; i < 150; ++i) predmet += L"slovo" + std::to_wstring(i) + L" ";
    predmet += L"konec";
    zprava_.subject = predmet;
    zprava_.senderName = std::wstring(1200, L'k');
    zprava_.NastavitHlavicku(L"X-Dlouha", std::wstring(2000, L'x'));
    PridatText(L"text/plain", L"A");
    std::wstring dlouheJmeno;
    for (int i = 0; i < 120; ++i) dlouheJmeno += L"sn\u00EDmek ";
    Priloha p;
    p.path = Zapsat("snimek.jpg", "obsah");
    p.fileName = dlouheJmeno + L".jpg";
    zprava_.attachments.push_back(p);
    p.path = Zapsat("jiny.txt", "obsah");
    p.fileName = L"\"" + std::wstring(300, L'a') + L"\".txt";
    zprava_.attachments.push_back(p);
    const std::string text = Slozit();
    std::size_t od = 0, nejdelsi = 0;
    for (std::size_t lf; (lf = text.find("\r\n", od)) != std::string::npos; od = lf + 2)
        nejdelsi = std::max(nejdelsi, lf - od);
    EXPECT_LE(nejdelsi, 998u);
    // Text with white space folds before it, at 78 characters.
    const std::size_t predmetOd = text.find("Subject: ");
    ASSERT_NE(predmetOd, std::string::npos);
    const std::size_t predmetDo = text.find("\r\n", text.find("konec", predmetOd));
    for (std::size_t i = predmetOd, lf; i < predmetDo; i = lf + 2) {
        lf = text.find("\r\n", i);
        EXPECT_LE(lf - i, 78u);
    }
#ifndef _WIN32
    const std::string rozbor = RozebratPythonem(Zapsat("zprava.eml", text));
    EXPECT_NE(rozbor.find("subject=" + Knihovna::NaUtf8(predmet) + "\n"), std::string::npos) << rozbor;
    // The long name went as encoded words (the parser puts a space between them).
    const std::size_t odesilatel = rozbor.find("from=");
    ASSERT_NE(odesilatel, std::string::npos);
    std::string radekOd = rozbor.substr(odesilatel, rozbor.find('\n', odesilatel) - odesilatel);
    std::erase(radekOd, ' ');
    EXPECT_EQ(radekOd, "from=" + std::string(1200, 'k') + "<kamera@example.com>");
    EXPECT_NE(rozbor.find("part image/jpeg name=" + Knihovna::NaUtf8(dlouheJmeno) + ".jpg bytes=5"),
              std::string::npos) << rozbor;
    EXPECT_NE(rozbor.find("name=\"" + std::string(300, 'a') + "\".txt bytes=5"), std::string::npos) << rozbor;
    EXPECT_NE(rozbor.find("defects=0\n"), std::string::npos) << rozbor;
#endif
}

TEST_F(ZpravaTest, HraniceNeniVZadneCasti) {
    const std::string obvykla = "CSmtpMsgPart123X456_000_00ABCDEF";
    PridatText(L"text/plain", L"--CSmtpMsgPart123X456_000_00ABCDEF\r\nX");
    PridatText(L"text/plain", L"CSmtpMsgPart123X456_001_00ABCDF0");
    Priloha p;
    p.path = Zapsat("a.txt", "B");
    zprava_.attachments.push_back(p);
    const std::string text = Slozit();
    EXPECT_NE(text.find("boundary=\"CSmtpMsgPart123X456_000_00ABCDF1\""), std::string::npos) << text;
    EXPECT_NE(text.find("boundary=\"CSmtpMsgPart123X456_001_00ABCDF1\""), std::string::npos);
    EXPECT_NE(text.find("\r\n\r\n--" + obvykla + "\r\nX"), std::string::npos);
#ifndef _WIN32
    const std::string rozbor = RozebratPythonem(Zapsat("zprava.eml", text));
    EXPECT_NE(rozbor.find("part text/plain name= text=--" + obvykla + "\r\nX\n"), std::string::npos) << rozbor;
    EXPECT_NE(rozbor.find("part text/plain name=a.txt"), std::string::npos) << rozbor;
    EXPECT_NE(rozbor.find("defects=0"), std::string::npos) << rozbor;
#endif
}

TEST_F(ZpravaTest, LadiciVystupHlasiDobuKodovani) {
    PridatText(L"text/plain", L"A");
    std::wstring radek;
    zprava_.ladiciVystup = [&](const std::wstring& r) { radek = r; };
    Slozit();
    EXPECT_EQ(radek, L"Encoding took 0ms\n");
}

#ifndef _WIN32
TEST_F(ZpravaTest, StandardniParserNacteVsechnyCasti) {
    zprava_.subject = L"Sn\u00EDmek z kamery \u010D. 1";
    zprava_.senderName = L"Kamera \u010Cp";
    PridatText(L"text/plain", L"\u017Dlu\u0165ou\u010Dk\u00FD k\u016F\u0148\r\n.\r\n" + std::wstring(200, L'a') + L"\r\n");
    PridatText(L"text/html", L"<p>caf\u00E9</p>");
    std::string binarni;
    for (int i = 0; i < 5000; ++i) binarni.push_back(static_cast<char>(i * 31 & 0xFF));
    Priloha p;
    p.path = Zapsat("snimek.jpg", binarni);
    p.inlinePriloha = true;
    zprava_.attachments.push_back(p);
    p.path = Zapsat("poznamka.txt", "radek\r\n.tecka\r\n");
    p.inlinePriloha = false;
    zprava_.attachments.push_back(p);
    p.path = Zapsat("data.bin", binarni.substr(0, 100));
    p.fileName = L"sn\u00EDmek.bin";
    zprava_.attachments.push_back(p);
    const std::wstring soubor = Zapsat("zprava.eml", Slozit());

    std::string ocekavano = "subject=" + Knihovna::NaUtf8(zprava_.subject) + "\n";
    ocekavano += "from=" + Knihovna::NaUtf8(L"Kamera \u010Cp <kamera@example.com>") + "\n";
    ocekavano += "part multipart/mixed\npart multipart/alternative\n";
    ocekavano += "part text/plain name= text=" + Knihovna::NaUtf8(zprava_.bodyParts[0].text) + "\n";
    ocekavano += "part text/html name= text=" + Knihovna::NaUtf8(zprava_.bodyParts[1].text) + "\n";
    auto otisk = [](const std::string& s) {
        std::uint32_t crc = 0xFFFFFFFFu;
        for (unsigned char c : s) {
            crc ^= c;
            for (int i = 0; i < 8; ++i) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        char b[48];
        std::snprintf(b, sizeof b, "bytes=%zu crc=%08x", s.size(), static_cast<unsigned>(~crc));
        return std::string(b);
    };
    ocekavano += "part image/jpeg name=snimek.jpg " + otisk(binarni) + "\n";
    ocekavano += "part text/plain name=poznamka.txt " + otisk("radek\r\n.tecka\r\n") + "\n";
    ocekavano += "part application/octet-stream name=" + Knihovna::NaUtf8(L"sn\u00EDmek.bin") +
                 " " + otisk(binarni.substr(0, 100)) + "\n";
    ocekavano += "defects=0\n";
    // The wire text is dot-stuffed for SMTP; the parser sees what the server stores.
    EXPECT_EQ(RozebratPythonem(soubor), ocekavano);
}
#endif
