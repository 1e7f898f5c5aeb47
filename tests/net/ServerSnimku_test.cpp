#include "net/ServerSnimku.h"

#include <gtest/gtest.h>

#include <string>

#include "email/Base64.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Server;

namespace {

const std::string kProhlizec =
    "GET /?t=1 HTTP/1.1\r\nHost: 127.0.0.1:7124\r\nConnection: keep-alive\r\n"
    "User-Agent: Mozilla/5.0 (X11; Linux x86_64) AppleWebKit/537.36 Chrome/120.0 Safari/537.36\r\n"
    "Accept: text/html,image/avif,image/webp,*/*;q=0.8\r\nAccept-Language: cs-CZ,cs;q=0.9\r\n\r\n";

// The state after the bytes came in pieces of the given size (0: all at once), all at time 0.
Pozadavek Po(const std::string& bajty, std::size_t kus = 0, const std::wstring& heslo = L"") {
    SpojeniServeru s(heslo, 0);
    if (kus == 0) return s.Prijmout(bajty, 0);
    for (std::size_t i = 0; i < bajty.size(); i += kus) s.Prijmout(std::string_view(bajty).substr(i, kus), 0);
    return s.Stav();
}

// The same in one piece and byte by byte.
Pozadavek Vsemi(const std::string& bajty, const std::wstring& heslo = L"") {
    const Pozadavek celek = Po(bajty, 0, heslo);
    EXPECT_EQ(Po(bajty, 1, heslo), celek) << bajty;
    return celek;
}

std::string Basic(const std::string& uzivatelHeslo) {
    Holvent::Email::Base64 b;
    b.Encode(uzivatelHeslo.c_str());
    return "Basic " + std::string(b.EncodedText());
}

}  // namespace

TEST(ServerSnimku, HttpPodlePrvnihoRadku) {
    EXPECT_EQ(Vsemi(kProhlizec), Pozadavek::Snimek);
    EXPECT_EQ(Po(kProhlizec.substr(0, kProhlizec.size() - 2)), Pozadavek::Nerozhodnuto);
    EXPECT_EQ(Vsemi("HEAD / HTTP/1.0\r\n\r\n"), Pozadavek::Hlava);
    EXPECT_EQ(Vsemi("GET /mjpeg?x=1 HTTP/1.1\n\n"), Pozadavek::Proud);
    EXPECT_EQ(Vsemi("GET http://kamera:7124/mjpeg#f HTTP/1.1\r\n\r\n"), Pozadavek::Proud);
    EXPECT_EQ(Vsemi("POST /mjpeg/ HTTP/1.1\r\n\r\n"), Pozadavek::Snimek);
    EXPECT_EQ(Vsemi("GET /mjpegx HTTP/1.1\r\n\r\n"), Pozadavek::Snimek);
}

TEST(ServerSnimku, SuroveBajtyRozhodnouHned) {
    // Decided by the first byte that cannot continue a request line.
    EXPECT_EQ(Po("\xFF"), Pozadavek::Surovy);
    EXPECT_EQ(Po("\r"), Pozadavek::Surovy);
    EXPECT_EQ(Po("get"), Pozadavek::Surovy);
    EXPECT_EQ(Po("GET  "), Pozadavek::Surovy);
    EXPECT_EQ(Po("GET *"), Pozadavek::Surovy);
    EXPECT_EQ(Po("ABCDEFGHIJKLMNOPQ"), Pozadavek::Surovy);
    EXPECT_EQ(Po("GET / HTTP/2"), Pozadavek::Surovy);
    EXPECT_EQ(Po("GET / HTTP/1.1 "), Pozadavek::Surovy);
    EXPECT_EQ(Vsemi("GET /a\tb HTTP/1.0\r\n\r\n"), Pozadavek::Surovy);
    EXPECT_EQ(Po("GET / HTTP/1.1\r\r"), Pozadavek::Surovy);
    // A password shuts raw clients out; later bytes change nothing.
    EXPECT_EQ(Po("\xFF\xD8", 0, L"h"), Pozadavek::Zavrit);
    SpojeniServeru s(L"", 0);
    s.Prijmout("x", 0);
    EXPECT_EQ(s.Prijmout("GET / HTTP/1.0\r\n\r\n", 0), Pozadavek::Surovy);
}

TEST(ServerSnimku, LimityCasuANaPreteceniHlavy) {
    SpojeniServeru radek(L"", 0xFFFFFF00u);  // the tick count wraps meanwhile
    EXPECT_EQ(radek.Prijmout("GET / HT", 0xFFFFFF00u + 100), Pozadavek::Nerozhodnuto);
    EXPECT_EQ(radek.Cas(0xFFFFFF00u + kLimitRadkuMs - 1), Pozadavek::Nerozhodnuto);
    EXPECT_EQ(radek.Cas(0xFFFFFF00u + kLimitRadkuMs), Pozadavek::Surovy);

    SpojeniServeru hlava(L"", 500);  // slowloris: a line in time, the rest of the head never
    hlava.Prijmout("GET / HTTP/1.1\r\n", 600);
    EXPECT_EQ(hlava.Cas(500 + kLimitRadkuMs), Pozadavek::Nerozhodnuto);
    EXPECT_EQ(hlava.Prijmout("X-a: b\r\n", 500 + kLimitHlavyMs - 1), Pozadavek::Nerozhodnuto);
    EXPECT_EQ(hlava.Prijmout("\r\n", 500 + kLimitHlavyMs), Pozadavek::Zavrit);

    const std::string zacatek = "GET / HTTP/1.1\r\nX: ";
    const std::string presne = zacatek + std::string(kMaxHlava - zacatek.size() - 4, 'a') + "\r\n\r\n";
    EXPECT_EQ(Vsemi(presne), Pozadavek::Snimek);
    EXPECT_EQ(Po(presne + "telo pozadavku"), Pozadavek::Snimek);
    const std::string dlouha = zacatek + std::string(kMaxHlava - zacatek.size() - 3, 'a') + "\r\n\r\n";
    EXPECT_EQ(Vsemi(dlouha), Pozadavek::Zavrit);
    EXPECT_EQ(Po(dlouha, 1460), Pozadavek::Zavrit);
    EXPECT_EQ(Vsemi("GET /" + std::string(kMaxHlava, 'a')), Pozadavek::Zavrit);
}

TEST(ServerSnimku, HesloBasic) {
    const std::wstring heslo = L"žluťoučký";
    const std::string utf8 = Knihovna::NaUtf8(heslo);
    EXPECT_TRUE(OveritBasic(Basic("kdokoli:" + utf8), heslo));
    EXPECT_TRUE(OveritBasic("  basic  " + Basic(":" + utf8).substr(6) + " ", heslo));  // empty user
    EXPECT_TRUE(OveritBasic(Basic("u:a:b"), L"a:b"));
    EXPECT_FALSE(OveritBasic(Basic("u:" + utf8 + "x"), heslo));
    EXPECT_FALSE(OveritBasic(Basic("u:" + utf8.substr(0, utf8.size() - 1)), heslo));
    EXPECT_FALSE(OveritBasic(Basic(utf8), heslo));  // no colon
    EXPECT_FALSE(OveritBasic("Bearer " + Basic("u:" + utf8).substr(6), heslo));
    EXPECT_FALSE(OveritBasic("Basic", L""));
    for (const char* spatne : {"Basic dTp!YQ==", "Basic dTp=hYQ==", "Basic dTph===", "Basic dTphY", "Basic dTp hYQ=="})
        EXPECT_FALSE(OveritBasic(spatne, L"a")) << spatne;
    EXPECT_TRUE(OveritBasic("Basic dTphYQ", L"aa"));  // unpadded "u:aa"

    const std::string s = "GET / HTTP/1.1\r\nHost: x\r\n";
    EXPECT_EQ(Vsemi(s + "\r\n", heslo), Pozadavek::Neautorizovano);
    EXPECT_EQ(Vsemi(s + "AUTHORIZATION: " + Basic("u:" + utf8) + "\r\nAccept: */*\r\n\r\n", heslo), Pozadavek::Snimek);
    EXPECT_EQ(Vsemi("GET /mjpeg HTTP/1.1\r\nauthorization:" + Basic(":" + utf8) + "\n\n", heslo), Pozadavek::Proud);
    EXPECT_EQ(Vsemi(s + "Authorization: " + Basic("u:zlutoucky") + "\r\n\r\n", heslo), Pozadavek::Neautorizovano);
    EXPECT_EQ(Vsemi("HEAD / HTTP/1.0\r\nAuthorization: Basic !!\r\n\r\n", heslo), Pozadavek::Neautorizovano);
}

TEST(ServerSnimku, OdpovediPoBajtech) {
    EXPECT_EQ(HlavaSnimku(48213),
              "HTTP/1.0 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: 48213\r\n"
              "Cache-Control: no-store\r\nConnection: close\r\n\r\n");
    const std::string telo = "Pro p\xC5\x99\xC3\xADstup ke kame\xC5\x99\x65 je nutn\xC3\xA9 zadat heslo.\r\n";
    EXPECT_EQ(OdpovedNeautorizovano(),
              "HTTP/1.0 401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"Tervik\", charset=\"UTF-8\"\r\n"
              "Content-Type: text/plain; charset=utf-8\r\nContent-Length: " + std::to_string(telo.size()) +
                  "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + telo);
    EXPECT_EQ(HlavaProudu(),
              "HTTP/1.0 200 OK\r\nContent-Type: multipart/x-mixed-replace; boundary=tervikframe\r\n"
              "Cache-Control: no-store\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(HlavaCastiProudu(7) + "JPEGDAT" + std::string(kKonecCasti),
              "--tervikframe\r\nContent-Type: image/jpeg\r\nContent-Length: 7\r\n\r\nJPEGDAT\r\n");
}

TEST(ServerSnimku, PocetPozadavku) {
    EXPECT_EQ(LimitVlaken(0), 1u);
    EXPECT_EQ(LimitVlaken(65), 64u);
    EXPECT_TRUE(LzeSpustitPozadavek(0, 0));
    EXPECT_FALSE(LzeSpustitPozadavek(1, 0));
    EXPECT_FALSE(LzeSpustitPozadavek(3, 3));
    EXPECT_TRUE(LzeSpustitPozadavek(63, 1000));
    EXPECT_FALSE(LzeSpustitPozadavek(64, 1000));
}

TEST(ServerSnimku, TempoProuduASdileniSnimku) {
    EXPECT_EQ(TempoProudu(0).PeriodaMs(), 1000u);
    EXPECT_EQ(TempoProudu(31).PeriodaMs(), 33u);
    TempoProudu t(5);
    EXPECT_EQ(t.CekatMs(1000), 0u);
    t.Odeslano(1000);
    EXPECT_EQ(t.CekatMs(1150), 50u);
    t.Odeslano(1230);  // a little late: the schedule holds
    EXPECT_EQ(t.CekatMs(1230), 170u);
    t.Odeslano(2000);  // late by more than a period: no burst of missed frames
    EXPECT_EQ(t.CekatMs(2000), 200u);
    TempoProudu preteceni(5);
    preteceni.Odeslano(0xFFFFFFA0u);  // the next frame is due after the tick count wraps
    EXPECT_EQ(preteceni.CekatMs(0xFFFFFFF0u), 120u);
    EXPECT_EQ(preteceni.CekatMs(104), 0u);
    preteceni.Odeslano(110);
    EXPECT_EQ(preteceni.CekatMs(110), 194u);

    EXPECT_TRUE(LzeSdilet(1000, 1199, 200));
    EXPECT_FALSE(LzeSdilet(1000, 1200, 200));
    EXPECT_TRUE(LzeSdilet(0xFFFFFFF0u, 50, 200));
    EXPECT_TRUE(LzeSdilet(1000, 990, 200));
    EXPECT_FALSE(LzeSdilet(1000, 1000, 0));
}
