#include "net/DalkoveOvladani.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace DalkoveOvladani;
using namespace std::string_literals;

namespace {

// The default camera with everything a command could need.
StavKamery Pripravena() {
    StavKamery k;
    k.existuje = k.zapnuta = k.video = k.prikazDostupny = true;
    return k;
}

constexpr std::uint32_t Ip(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d) {
    return a << 24 | b << 16 | c << 8 | d;
}

}  // namespace

TEST(DalkoveOvladani, CisloPrikazuZPozadavku) {
    EXPECT_EQ(CisloPrikazu("GET /40053"), 40053);
    EXPECT_EQ(CisloPrikazu("GET /40053 HTTP/1.0\r\n\r\n"), 40053);
    EXPECT_EQ(CisloPrikazu("GET /12"), 12);
    EXPECT_EQ(CisloPrikazu("GET /40053abc"), 40053);
    // A missing token: closed without a reply.
    EXPECT_EQ(CisloPrikazu(""), -1);
    EXPECT_EQ(CisloPrikazu("GET /"), -1);
    EXPECT_EQ(CisloPrikazu("GET"), -1);
    EXPECT_EQ(CisloPrikazu("/40053"), -1);
    // No digits, or more than five of them (11 digits used to overflow): an unknown command.
    EXPECT_EQ(CisloPrikazu("GET /abc"), 0);
    EXPECT_EQ(CisloPrikazu("GET /400530"), 0);
    EXPECT_EQ(CisloPrikazu("GET /40053400534"), 0);
    EXPECT_EQ(Vyhodnotit(0, Pripravena()), (Vysledek{L"Neznámý příkaz síťového ovládání."}));
}

TEST(DalkoveOvladani, PozadavekSeSbiraDoNulovehoBajtuKonceNeboLimitu) {
    SberPozadavku s;
    // Split by TCP: the pieces are joined, the bytes after the zero byte dropped.
    EXPECT_FALSE(s.Pridat("GET /4"));
    EXPECT_FALSE(s.Pridat("00"));
    EXPECT_TRUE(s.Pridat("53\0GET /40001\0"s));
    EXPECT_EQ(s.Text(), "GET /40053");
    EXPECT_EQ(CisloPrikazu(s.Text()), 40053);
    EXPECT_EQ(s.Zbyva(), 0u);

    // The peer's end of sending completes what came.
    s.Vymazat();
    EXPECT_FALSE(s.Pridat("GET /40070"));
    s.KonecOdesilani();
    EXPECT_TRUE(s.Hotovo());
    EXPECT_EQ(s.Text(), "GET /40070");

    // 1023 bytes without a zero byte are a whole request; no more is taken.
    s.Vymazat();
    EXPECT_FALSE(s.Pridat("GET /12 " + std::string(1000, 'x')));
    EXPECT_EQ(s.Zbyva(), 15u);
    EXPECT_TRUE(s.Pridat(std::string(100, 'y')));
    EXPECT_EQ(s.Text().size(), SberPozadavku::kMaxDelka);
    EXPECT_EQ(CisloPrikazu(s.Text()), 12);
}

TEST(DalkoveOvladani, RadkyTabulkyKdyzKontrolyProjdou) {
    StavKamery k = Pripravena();
    const auto kamere = [](const wchar_t* text, std::uint32_t prikaz) {
        return Vysledek{text, Prijemce::VychoziKamera, prikaz};
    };
    EXPECT_EQ(Vyhodnotit(40001, StavKamery{}), (Vysledek{L"Aplikace bude ukončena", Prijemce::HlavniOkno, 40001}));
    EXPECT_EQ(Vyhodnotit(40066, k), (Vysledek{L"Výchozí tervik bude zapnuta/vypnuta", Prijemce::HlavniOkno, 40066}));
    EXPECT_EQ(Vyhodnotit(40040, k), kamere(L"Bude spuštěno automatické odesílání snímků na FTP server", 40040));
    EXPECT_EQ(Vyhodnotit(40041, k), kamere(L"Bude spuštěno automatické odesílání snímků emailem", 40041));
    EXPECT_EQ(Vyhodnotit(40052, k), kamere(L"Bude odeslán snímek na FTP", 40052));
    EXPECT_EQ(Vyhodnotit(40053, k), kamere(L"Bude odeslán snímek emailem", 40053));
    EXPECT_EQ(Vyhodnotit(40068, k), kamere(L"Zařízení výchozí kamery bude vypnuto", 40022));
    EXPECT_EQ(Vyhodnotit(40067, k), (Vysledek{L"Zařízení je již zapnuto"}));
    EXPECT_EQ(Vyhodnotit(40069, k), kamere(L"Bude spuštěn HTTP server", 40042));
    EXPECT_EQ(Vyhodnotit(40070, k), (Vysledek{L"HTTP server není spuštěn"}));
    k.autoFtp = k.autoEmail = k.serverHttp = true;
    EXPECT_EQ(Vyhodnotit(40040, k), kamere(L"Bude ukončeno automatické odesílání snímků na FTP server", 40040));
    EXPECT_EQ(Vyhodnotit(40041, k), kamere(L"Bude ukončeno automatické odesílání snímků emailem", 40041));
    EXPECT_EQ(Vyhodnotit(40069, k), (Vysledek{L"HTTP server je již spuštěn"}));
    EXPECT_EQ(Vyhodnotit(40070, k), kamere(L"Bude zastaven HTTP server", 40042));
    k.video = false;
    EXPECT_EQ(Vyhodnotit(40067, k), kamere(L"Zařízení výchozí kamery bude zapnuto", 40022));
    EXPECT_EQ(Vyhodnotit(40068, k), (Vysledek{L"Zařízení je nyní vypnuto."}));
    for (std::uint32_t cislo : {12u, 40000u, 40002u, 40042u, 40054u, 40071u, 99999u})
        EXPECT_EQ(Vyhodnotit(cislo, k).odpoved, kTextNeznamyPrikaz) << cislo;
}

TEST(DalkoveOvladani, KontrolyVPoradiANicSeNeposle) {
    const std::uint32_t sVideem[] = {40040, 40041, 40052, 40053, 40069, 40070};
    const std::uint32_t bezVidea[] = {40067, 40068};
    StavKamery k = Pripravena();
    k.video = false;
    for (auto c : sVideem) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextVideoVypnuto})) << c;
    // A command the camera would grey is refused before its own state check.
    k.prikazDostupny = false;
    for (auto c : bezVidea) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextNedostupne})) << c;
    k.video = true;
    for (auto c : sVideem) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextNedostupne})) << c;
    k.zapnuta = false;
    for (auto c : sVideem) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextVychoziVypnuta})) << c;
    for (auto c : bezVidea) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextVychoziVypnuta})) << c;
    k.existuje = false;
    for (auto c : sVideem) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextNeniVychozi})) << c;
    for (auto c : bezVidea) EXPECT_EQ(Vyhodnotit(c, k), (Vysledek{kTextNeniVychozi})) << c;
    // Switching the default camera on or off needs one.
    EXPECT_EQ(Vyhodnotit(40066, k), (Vysledek{kTextNeniVychozi}));
}

TEST(DalkoveOvladani, OdpovedVeWindows1250SNulovymBajtem) {
    EXPECT_EQ(BajtyOdpovedi(L"Bude odeslán snímek emailem"), "Bude odesl\xE1n sn\xEDmek emailem\0"s);
    EXPECT_EQ(BajtyOdpovedi(L"Neznámý příkaz síťového ovládání."),
              "Nezn\xE1m\xFD p\xF8\xEDkaz s\xED\x9Dov\xE9ho ovl\xE1\x64\xE1n\xED.\0"s);
    EXPECT_EQ(BajtyOdpovedi(L""), "\0"s);
}

TEST(DalkoveOvladani, PovoleneAdresy) {
    std::vector<std::wstring> chyby;
    EXPECT_TRUE(PovoleneAdresy::Nacist(L"", chyby).Povolena(Ip(8, 8, 8, 8)));
    EXPECT_TRUE(PovoleneAdresy::Nacist(L"  ; ", chyby).Vsechny());

    const PovoleneAdresy p = PovoleneAdresy::Nacist(L"192.168.1.77/24; 10.0.0.5,127.0.0.2", chyby);
    EXPECT_TRUE(chyby.empty());
    EXPECT_FALSE(p.Vsechny());
    EXPECT_TRUE(p.Povolena(Ip(192, 168, 1, 255)));
    EXPECT_FALSE(p.Povolena(Ip(192, 168, 2, 1)));
    EXPECT_TRUE(p.Povolena(Ip(10, 0, 0, 5)));
    EXPECT_FALSE(p.Povolena(Ip(10, 0, 0, 6)));
    EXPECT_FALSE(p.Povolena(Ip(127, 0, 0, 1)));
    EXPECT_TRUE(PovoleneAdresy::Nacist(L"0.0.0.0/0", chyby).Povolena(Ip(8, 8, 8, 8)));

    // Malformed entries are reported and left out; they never let everyone in.
    const PovoleneAdresy spatne =
        PovoleneAdresy::Nacist(L"10.0.0.256; 10.0.0/8; 10.0.0.1/33; 1.2.3.4/; *; 10.0.0.1.1; 10.0.0.x; 127.0.0.2", chyby);
    ASSERT_EQ(chyby.size(), 7u);
    EXPECT_EQ(chyby[0], L"Položka \"10.0.0.256\" seznamu povolených adres dálkového ovládání není adresa IPv4 ani "
                        L"síť (například 192.168.1.0/24), a proto byla vynechána.");
    EXPECT_NE(chyby[4].find(L"\"*\""), std::wstring::npos);
    EXPECT_FALSE(spatne.Povolena(Ip(10, 0, 0, 1)));
    EXPECT_TRUE(spatne.Povolena(Ip(127, 0, 0, 2)));
    chyby.clear();
    const PovoleneAdresy nic = PovoleneAdresy::Nacist(L"localhost", chyby);
    EXPECT_EQ(chyby.size(), 1u);
    EXPECT_FALSE(nic.Povolena(Ip(127, 0, 0, 1)));
}

TEST(DalkoveOvladani, OdmitnutiSeZapiseJednouZaHodinu) {
    HlaseniOdmitnuti h;
    const std::uint32_t a = Ip(127, 0, 0, 1), b = Ip(192, 168, 1, 9);
    const std::uint32_t start = 0xFFFF0000u;  // the tick count wraps within the hour
    EXPECT_TRUE(h.Hlasit(a, start));
    EXPECT_FALSE(h.Hlasit(a, start + 1000));
    EXPECT_TRUE(h.Hlasit(b, start + 1000));
    EXPECT_FALSE(h.Hlasit(a, start + HlaseniOdmitnuti::kPerioda - 1));
    EXPECT_TRUE(h.Hlasit(a, start + HlaseniOdmitnuti::kPerioda));
    EXPECT_FALSE(h.Hlasit(b, start + HlaseniOdmitnuti::kPerioda));
    // Many strangers do not make the list grow without end, nor silence a new one.
    for (std::uint32_t i = 0; i < 3 * HlaseniOdmitnuti::kMaxAdres; ++i) EXPECT_TRUE(h.Hlasit(Ip(10, 1, 0, 0) + i, 5));
    EXPECT_TRUE(h.Hlasit(Ip(10, 9, 9, 9), 6));
    EXPECT_EQ(HlaseniOdmitnuti::Text(a), L"Spojení dálkového ovládání z adresy 127.0.0.1 bylo odmítnuto: adresa "
                                         L"není mezi povolenými adresami.");
}
