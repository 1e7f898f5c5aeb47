#include <gtest/gtest.h>

#include "net/StrankaHtml.h"

using namespace Holvent::Ftp;

TEST(StrankaHtml, DesetPolozekVUtf8SOsetrenimTextu) {
    UdajeStrankyHtml u;
    u.deklarace = L"<!DOCTYPE html>";
    u.zacatekHtml = L"<html xmlns=\"http://www.w3.org/1999/xhtml\">";
    u.titulek = L"Dvůr & <vchod> \"sever\"";
    u.obnova = 86400;
    u.nadpis = L"A  B";
    u.cestaSnimku = L"snímky/web kamera&1.jpg";
    const std::string stranka = VytvoritStrankuHtml(u);
    EXPECT_EQ(stranka,
              "<!DOCTYPE html>\r\n"
              "<html xmlns=\"http://www.w3.org/1999/xhtml\">\r\n"
              "<head>\r\n\r\n"
              "<title>Dvůr &amp; &lt;vchod&gt; &quot;sever&quot;</title>\r\n"
              "<meta http-equiv=\"refresh\" content=\"86400\"/>\r\n"
              "</head>\r\n<body>\r\n\r\n"
              "<h1>A  B</h1>\r\n"
              "<p><img src=\"snímky/web kamera&amp;1.jpg\" alt=\"Snímek z webkamery\"/></p>\r\n"
              "</body>\r\n\r\n"
              "</html>");
    // No byte-order mark, no terminating zero.
    EXPECT_NE(stranka.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(stranka.find('\0'), std::string::npos);
}

TEST(StrankaHtml, CestaSnimkuPodleFormatuFtp) {
    EXPECT_EQ(CestaSnimkuNaFtp(L"Webtervik", 0), L"Webtervik.jpg");
    EXPECT_EQ(CestaSnimkuNaFtp(L"kamera 1", 1), L"kamera 1.png");
    EXPECT_EQ(CestaSnimkuNaFtp(L"x", 4), L"x.gif");
    EXPECT_EQ(CestaSnimkuNaFtp(L"x", 9), L"x.jpg");  // a stored format out of range is read as JPEG
}

TEST(StrankaHtml, NazevSouboruBezCesty) {
    for (const wchar_t* dobry : {L"", L"stranka.htm", L"web kamera.v2.html"})
        EXPECT_EQ(ChybaNazvuSouboru(dobry), L"") << dobry;
    for (const wchar_t* spatny : {L"a/b.htm", L"a\\b.htm", L"..", L"x..htm", L"/"})
        EXPECT_NE(ChybaNazvuSouboru(spatny), L"") << spatny;
}
