#include "net/KlientDalkovehoOvladani.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "email/SkriptovanySoket.h"

using namespace Holvent::Ovladac;
using namespace std::string_literals;

#ifndef _WIN32

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "email/SmyckaBsd.h"
#include "email/SoketBsd.h"

using Holvent::Email::SoketBsd;

namespace {

// A receiver on a free loopback port for one connection: it reads the request until the client ends its
// sending, then sends its pieces (a pause between them) and closes; silent, it only waits for the client
// to go. Every wait is bounded.
class PrijemceNaSmycce {
public:
    explicit PrijemceNaSmycce(std::vector<std::string> kusy, bool mlci = false) : kusy_(std::move(kusy)), mlci_(mlci) {
        naslouchani_ = SoketNaSmycce(port_);
        vlakno_ = std::thread([this] { Obslouzit(); });
    }
    ~PrijemceNaSmycce() {
        konec_ = true;
        vlakno_.join();
        close(naslouchani_);
    }
    std::uint16_t Port() const { return port_; }
    std::string pozadavek;
    bool konecPozadavku = false;  // the client ended its sending

private:
    static bool Cekat(int s, int ms) {
        pollfd p{s, POLLIN, 0};
        return poll(&p, 1, ms) > 0;
    }
    void Obslouzit() {
        if (!Cekat(naslouchani_, 10000)) return;
        const int s = accept(naslouchani_, nullptr, nullptr);
        char b[256];
        for (int i = 0; i < 100 && Cekat(s, 5000); ++i) {
            const auto n = recv(s, b, sizeof b, 0);
            if (n <= 0) {
                konecPozadavku = n == 0;
                break;
            }
            pozadavek.append(b, static_cast<std::size_t>(n));
        }
        // Silent: holds the connection until the test is over (at most 10 s).
        for (int i = 0; mlci_ && i < 500 && !konec_; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
        for (const auto& kus : kusy_) {
            send(s, kus.data(), kus.size(), MSG_NOSIGNAL);
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
        close(s);
    }

    std::vector<std::string> kusy_;
    bool mlci_;
    std::atomic<bool> konec_{false};
    int naslouchani_ = -1;
    std::uint16_t port_ = 0;
    std::thread vlakno_;
};

VysledekPrikazu Poslat(PrijemceNaSmycce& prijemce, int prikaz, int limitOdpovediMs = 10000) {
    SoketBsd soket;
    KlientDalkovehoOvladani klient(soket, 5000, limitOdpovediMs);
    return klient.Odeslat(L"127.0.0.1", prijemce.Port(), prikaz);
}

}  // namespace

// The request goes with its zero byte and the sending is ended; the replies come in pieces split inside a word
// and inside a zero-separated list, in Windows-1250; a receiver that closes without a word is a success too.
TEST(KlientDalkovehoOvladani, PosilaPozadavekSNulouAUkonciOdesilani_OdpovediVKusechAVeWindows1250) {
    const struct {
        std::vector<std::string> kusy;
        int prikaz;
        std::vector<std::wstring> odpovedi;
    } pripady[] = {
        {{"Bude spu\x9A", "t\xECn HTTP server", std::string(1, '\0')}, 40069, {L"Bude spuštěn HTTP server"}},
        {{"Aplikace bude ukon\xE8" "ena\0Dru"s, "h\xE1\0\0"s}, 40001, {L"Aplikace bude ukončena", L"Druhá"}},
        {{}, 40066, {}},
    };
    for (const auto& p : pripady) {
        PrijemceNaSmycce prijemce(p.kusy);
        const VysledekPrikazu v = Poslat(prijemce, p.prikaz);
        EXPECT_TRUE(v.Uspech()) << p.prikaz;
        EXPECT_EQ(v.odpovedi, p.odpovedi);
        EXPECT_EQ(prijemce.pozadavek, "GET /" + std::to_string(p.prikaz) + '\0');
        EXPECT_TRUE(prijemce.konecPozadavku);
    }
}

TEST(KlientDalkovehoOvladani, MlciciPrijemceVyprsiAPrerusenyKonciHned) {
    {
        PrijemceNaSmycce prijemce({}, /*mlci*/ true);
        const VysledekPrikazu v = Poslat(prijemce, 40066, 300);
        EXPECT_EQ(v.selhani, Selhani::CasOdpovedi);
        EXPECT_FALSE(KlientDalkovehoOvladani::TextSelhani(v.selhani).empty());
    }
    {
        PrijemceNaSmycce prijemce({}, /*mlci*/ true);
        SoketBsd soket;
        KlientDalkovehoOvladani klient(soket);  // the full 10 s reply limit
        std::thread preruseni([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            klient.Prerusit();
        });
        const VysledekPrikazu v = klient.Odeslat(L"127.0.0.1", prijemce.Port(), 40066);
        preruseni.join();
        EXPECT_EQ(v.selhani, Selhani::Preruseno);
    }
}

TEST(KlientDalkovehoOvladani, OdpovedNad64KiBSeUtne) {
    PrijemceNaSmycce prijemce({std::string(40000, 'a'), std::string(40000, 'b')});
    const VysledekPrikazu v = Poslat(prijemce, 40066);
    EXPECT_EQ(v.selhani, Selhani::DlouhaOdpoved);
    ASSERT_EQ(v.odpovedi.size(), 1u);
    EXPECT_EQ(v.odpovedi[0].size(), KlientDalkovehoOvladani::kMaxOdpoved);
}

TEST(KlientDalkovehoOvladani, BezPrijemceSelzeSpojeniSKodemSystemu) {
    const std::uint16_t port = VolnyPortNaSmycce();
    SoketBsd soket;
    const VysledekPrikazu v = KlientDalkovehoOvladani(soket).Odeslat(L"127.0.0.1", port, 40066);
    EXPECT_EQ(v.selhani, Selhani::Spojeni);
    EXPECT_EQ(v.kodSystemu, ECONNREFUSED);
}

#endif

TEST(KlientDalkovehoOvladani, OdpovediBezNulovychBajtu) {
    // Empty texts between zero bytes are no replies; without the zero byte at its end, the last text is one too.
    EXPECT_EQ(KlientDalkovehoOvladani::Odpovedi("\0a\0\0b"s), (std::vector<std::wstring>{L"a", L"b"}));
    EXPECT_EQ(KlientDalkovehoOvladani::Odpovedi("Za\x9D\xED\0"s), std::vector<std::wstring>{L"Zaťí"});
    EXPECT_EQ(KlientDalkovehoOvladani::Pozadavek(40053), "GET /40053\0"s);
}

TEST(KlientDalkovehoOvladani, JenTeckovanaAdresaIpv4_JinaSeOdmitnePredSpojenim) {
    std::uint32_t a = 0;
    ASSERT_TRUE(KlientDalkovehoOvladani::JeAdresaIpv4(L"192.168.1.10", &a));
    const auto* b = reinterpret_cast<const unsigned char*>(&a);
    EXPECT_EQ((std::vector<int>{b[0], b[1], b[2], b[3]}), (std::vector<int>{192, 168, 1, 10}));
    EXPECT_TRUE(KlientDalkovehoOvladani::JeAdresaIpv4(L"0.0.0.0"));
    for (const wchar_t* spatna : {L"", L"pc.local", L"1.2.3", L"1.2.3.4.5", L"256.1.1.1", L"1.2.3.4 ", L"1..3.4",
                                  L"0001.2.3.4", L"-1.2.3.4", L"::1"})
        EXPECT_FALSE(KlientDalkovehoOvladani::JeAdresaIpv4(spatna)) << spatna;

    std::string odeslano;
    Holvent::Email::SkriptovanySoket soket({});
    soket.odeslano = &odeslano;
    const VysledekPrikazu v = KlientDalkovehoOvladani(soket).Odeslat(L"pc.local", 8124, 40066);
    EXPECT_EQ(v.selhani, Selhani::NeplatnaAdresa);
    EXPECT_EQ(KlientDalkovehoOvladani::TextSelhani(v.selhani), L"Neplatná IP adresa");
    EXPECT_FALSE(soket.JeOtevreny());
    EXPECT_TRUE(odeslano.empty());
}

