#include "email/SoketBsd.h"

#include <gtest/gtest.h>

#ifndef _WIN32

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>

#include <filesystem>
#include <fstream>
#include <future>

#include "email/OdeslaniEmailu.h"
#include "email/Smtp.h"
#include "email/SmyckaBsd.h"

using namespace Holvent::Email;

namespace {

int NaslouchatNaSmycce(std::uint16_t& port, int rcvbuf = 0) { return SoketNaSmycce(port, true, rcvbuf); }

// A loopback peer on a free port that plays one short dialogue, every wait bounded.
class PeerNaSmycce {
public:
    PeerNaSmycce() {
        naslouchani_ = NaslouchatNaSmycce(port_);
        vlakno_ = std::thread([this] { Hrat(); });
    }
    ~PeerNaSmycce() {
        vlakno_.join();
        close(naslouchani_);
    }
    std::uint16_t Port() const { return port_; }
    std::string prijato;

private:
    bool Cekat(int s, int ms) {
        pollfd p{s, POLLIN, 0};
        return poll(&p, 1, ms) > 0;
    }
    std::string Radek(int s) {
        std::string r;
        char z;
        while (Cekat(s, 5000) && recv(s, &z, 1, 0) == 1) {
            r.push_back(z);
            if (z == '\n') break;
        }
        prijato += r;
        return r;
    }
    void Poslat(int s, const std::string& t) { send(s, t.data(), t.size(), MSG_NOSIGNAL); }
    void Hrat() {
        if (!Cekat(naslouchani_, 10000)) return;
        const int s = accept(naslouchani_, nullptr, nullptr);
        Poslat(s, "220 ready\r\n");
        Radek(s);
        // The capability list arrives in two TCP pieces.
        Poslat(s, "250-loopback\r\n250-SIZE 100\r\n");
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        Poslat(s, "250 HELP\r\n");
        Radek(s);
        Poslat(s, "250 OK\r\n");
        Radek(s);
        // A reply that never ends its line.
        Poslat(s, "250 bez konce");
        char buffer[256];
        const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        // Until the client gives up and closes.
        while (std::chrono::steady_clock::now() < konec) {
            if (Cekat(s, 100) && recv(s, buffer, sizeof buffer, 0) <= 0) break;
        }
        close(s);
    }

    int naslouchani_ = -1;
    std::uint16_t port_ = 0;
    std::thread vlakno_;
};

}  // namespace

TEST(SoketBsd, DialogPresSkutecneTcpSOdpovediPoKusechACasovymLimitem) {
    PeerNaSmycce peer;
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
    EXPECT_EQ(peer.prijato.find("QUIT"), std::string::npos);
    EXPECT_NE(peer.prijato.find("RCPT TO: <b@example.com>\r\n"), std::string::npos);
}

TEST(SoketBsd, NicNenasloucha) {
    Smtp klient(std::make_unique<SoketBsd>());
    klient.port = VolnyPortNaSmycce();
    klient.pauzaPredPripojenimMs = 0;
    klient.pauzaPredPozdravemMs = 0;
    EXPECT_FALSE(klient.Connect(L"127.0.0.1"));
    EXPECT_FALSE(klient.Connect(L"neexistuje.invalid"));
}

// A peer that plays a script and then stays silent: it never greets (empty script), or it stops reading after
// 354. Its small receive buffer lets the client's send buffer fill soon.
class NemyPeer {
public:
    explicit NemyPeer(std::vector<std::string> odpovedi) : odpovedi_(std::move(odpovedi)) {
        naslouchani_ = NaslouchatNaSmycce(port_, 4096);
        vlakno_ = std::thread([this] {
            pollfd p{naslouchani_, POLLIN, 0};
            if (poll(&p, 1, 10000) <= 0) return;
            spojeni_ = accept(naslouchani_, nullptr, nullptr);
            for (std::size_t i = 0; i < odpovedi_.size(); ++i) {
                const std::string& odpoved = odpovedi_[i];
                if (i > 0) {
                    // Every reply but the greeting answers one line.
                    char z = 0;
                    pollfd q{spojeni_, POLLIN, 0};
                    while (poll(&q, 1, 5000) > 0 && recv(spojeni_, &z, 1, 0) == 1 && z != '\n') {
                    }
                }
                send(spojeni_, odpoved.data(), odpoved.size(), MSG_NOSIGNAL);
            }
        });
    }
    ~NemyPeer() {
        vlakno_.join();
        if (spojeni_ >= 0) close(spojeni_);
        close(naslouchani_);
    }
    std::wstring Server() const { return L"127.0.0.1:" + std::to_wstring(port_); }

private:
    std::vector<std::string> odpovedi_;
    int naslouchani_ = -1;
    int spojeni_ = -1;
    std::uint16_t port_ = 0;
    std::thread vlakno_;
};

UlohaEmailu UlohaPro(const std::wstring& server) {
    UlohaEmailu u;
    u.ucet.email = L"kamera@example.cz";
    u.ucet.server = server;
    u.prijemce = L"prijemce@example.cz";
    u.test = true;
    u.produkt = L"Tervik";
    u.pauzaPredPozdravemMs = 0;
    return u;
}

TEST(SoketBsd, ServerKteryNepozdraviPrerusiZastaveni) {
    NemyPeer peer({});
    std::stop_source stop;
    auto vysledek = std::async(std::launch::async, [&] {
        return VlaknoOdeslaniEmailu(UlohaPro(peer.Server()), std::make_unique<SoketBsd>(), stop.get_token());
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
    NemyPeer peer({"220 ok\r\n", "250 ok\r\n", "250 ok\r\n", "250 ok\r\n", "354 dal\r\n"});
    const auto snimek = std::filesystem::temp_directory_path() / "nemy_peer_snimek.jpg";
    std::string bajty(8 * 1024 * 1024, '\0');
    for (std::size_t i = 0; i < bajty.size(); ++i) bajty[i] = static_cast<char>(i * 131 >> 3);
    std::ofstream(snimek, std::ios::binary) << bajty;
    UlohaEmailu u = UlohaPro(peer.Server());
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
