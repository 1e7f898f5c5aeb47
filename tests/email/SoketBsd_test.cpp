#include "email/SoketBsd.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>

#include "email/OdeslaniEmailu.h"
#include "email/Smtp.h"
#include "email/SmyckaBsd.h"

using namespace Holvent::Email;

TEST(SoketBsd, DialogPresSkutecneTcpSOdpovediPoKusechACasovymLimitem) {
    std::string prijato;
    PeerNaSmycce peer([&](int s, const std::atomic<bool>&) {
        Poslat(s, "220 ready\r\n");
        prijato += PrecistRadek(s);
        // The capability list arrives in two TCP pieces.
        Poslat(s, "250-loopback\r\n250-SIZE 100\r\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        Poslat(s, "250 HELP\r\n");
        prijato += PrecistRadek(s);
        Poslat(s, "250 OK\r\n");
        prijato += PrecistRadek(s);
        Poslat(s, "250 bez konce");  // a reply that never ends its line, until the client gives up and closes
        char b[256];
        for (int i = 0; i < 100 && !(CekatNaCteni(s, 100) && recv(s, b, sizeof b, 0) <= 0); ++i) {
        }
    });
    {
        Smtp klient(std::make_unique<SoketBsd>());
        klient.port = peer.Port();
        klient.pauzaPredPripojenimMs = 0;
        klient.pauzaPredPozdravemMs = 0;
        klient.casovyLimitOdpovediMs = 400;
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        EXPECT_EQ(klient.LastReply(), L"250-loopback\r\n250-SIZE 100\r\n250 HELP");
        EXPECT_EQ(klient.MailFrom(L"a@example.com"), 0);
        const auto zacatek = std::chrono::steady_clock::now();
        EXPECT_EQ(klient.RcptTo(L"b@example.com"), -1);
        EXPECT_GE(std::chrono::steady_clock::now() - zacatek, std::chrono::milliseconds(350));
        EXPECT_EQ(klient.LastReply(), L"250 bez konce");
        EXPECT_FALSE(klient.Greeted());
    }
    EXPECT_EQ(prijato.find("QUIT"), std::string::npos);
    EXPECT_NE(prijato.find("RCPT TO: <b@example.com>\r\n"), std::string::npos);
}

TEST(SoketBsd, NicNenasloucha) {
    Smtp klient(std::make_unique<SoketBsd>());
    klient.port = VolnyPortNaSmycce();
    klient.pauzaPredPripojenimMs = 0;
    klient.pauzaPredPozdravemMs = 0;
    EXPECT_FALSE(klient.Connect(L"127.0.0.1"));
    EXPECT_FALSE(klient.Connect(L"neexistuje.invalid"));
}

namespace {

// A peer that sends its replies, each but the greeting after one line, and then stays silent: it never greets
// (no replies), or it stops reading after 354. Its small receive buffer lets the client's send buffer fill soon.
PeerNaSmycce NemyPeer(std::vector<std::string> odpovedi) {
    return PeerNaSmycce(
        [odpovedi](int s, const std::atomic<bool>& konec) {
            for (std::size_t i = 0; i < odpovedi.size(); ++i) {
                if (i > 0) PrecistRadek(s);
                Poslat(s, odpovedi[i]);
            }
            MlcetDoKonce(konec);
        },
        4096);
}

UlohaEmailu UlohaPro(std::uint16_t port) {
    UlohaEmailu u;
    u.ucet.email = L"kamera@example.cz";
    u.ucet.server = L"127.0.0.1:" + std::to_wstring(port);
    u.prijemce = L"prijemce@example.cz";
    u.test = true;
    u.produkt = L"Tervik";
    u.pauzaPredPozdravemMs = 0;
    return u;
}

}  // namespace

TEST(SoketBsd, ServerKteryNepozdraviPrerusiZastaveni) {
    PeerNaSmycce peer = NemyPeer({});
    std::stop_source stop;
    auto vysledek = std::async(std::launch::async, [&] {
        return VlaknoOdeslaniEmailu(UlohaPro(peer.Port()), std::make_unique<SoketBsd>(), stop.get_token());
    });
    EXPECT_EQ(vysledek.wait_for(std::chrono::milliseconds(500)), std::future_status::timeout);
    stop.request_stop();
    // The 30-second reply time-out is cut short.
    ASSERT_EQ(vysledek.wait_for(std::chrono::seconds(10)), std::future_status::ready);
    const VysledekEmailu v = vysledek.get();
    EXPECT_FALSE(v.odeslano);
    EXPECT_EQ(v.chyba, L"Odesílání bylo přerušeno.");
}

TEST(SoketBsd, ServerKteryPrestaneCistJeSelhaniVCasovemLimitu) {
    PeerNaSmycce peer = NemyPeer({"220 ok\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 dal\r\n"});
    const auto snimek = std::filesystem::temp_directory_path() / "nemy_peer_snimek.jpg";
    std::string bajty(8 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < bajty.size(); ++i) bajty[i] = static_cast<char>(i * 131 >> 3);
    std::ofstream(snimek, std::ios::binary) << bajty;
    UlohaEmailu u = UlohaPro(peer.Port());
    u.test = false;
    u.snimek = snimek.wstring();
    u.prilohy = {u.snimek};
    u.casovyLimitS = 1;
    auto vysledek = std::async(std::launch::async, [&] { return VlaknoOdeslaniEmailu(u, std::make_unique<SoketBsd>(), {}); });
    ASSERT_EQ(vysledek.wait_for(std::chrono::seconds(30)), std::future_status::ready);
    const VysledekEmailu v = vysledek.get();
    std::filesystem::remove(snimek);
    EXPECT_FALSE(v.odeslano);
    EXPECT_EQ(v.krok, L"text zprávy") << v.chyba;
}

#endif
