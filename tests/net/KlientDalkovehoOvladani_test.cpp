#include "net/KlientDalkovehoOvladani.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "email/SkriptovanySoket.h"

using namespace Holvent::Ovladac;
using namespace std::string_literals;

#ifndef _WIN32

#include <cerrno>
#include <chrono>
#include <thread>

#include "email/SmyckaBsd.h"
#include "email/SoketBsd.h"

using Holvent::Email::SoketBsd;

namespace {

// A receiver for one connection: it reads the request until the client ends its sending (into pozadavek, and
// konecPozadavku then), then sends its pieces with a pause between them and closes; silent, it first waits for
// the test to end.
struct Prijemce {
    std::string pozadavek;
    bool konecPozadavku = false;
    PeerNaSmycce peer;
    explicit Prijemce(std::vector<std::string> kusy, bool mlci = false)
        : peer([this, kusy, mlci](int s, const std::atomic<bool>& konec) {
              char b[256];
              for (int i = 0; i < 100 && CekatNaCteni(s, 5000); ++i) {
                  const auto n = recv(s, b, sizeof b, 0);
                  if (n <= 0) {
                      konecPozadavku = n == 0;
                      break;
                  }
                  pozadavek.append(b, static_cast<std::size_t>(n));
              }
              if (mlci) MlcetDoKonce(konec);
              for (const auto& kus : kusy) {
                  Poslat(s, kus);
                  std::this_thread::sleep_for(std::chrono::milliseconds(30));
              }
          }) {}
};

VysledekPrikazu Poslat(Prijemce& prijemce, int prikaz, int limitOdpovediMs = 10000) {
    SoketBsd soket;
    KlientDalkovehoOvladani klient(soket, 5000, limitOdpovediMs);
    return klient.Odeslat(L"127.0.0.1", prijemce.peer.Port(), prikaz);
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
        Prijemce prijemce(p.kusy);
        const VysledekPrikazu v = Poslat(prijemce, p.prikaz);
        EXPECT_TRUE(v.Uspech()) << p.prikaz;
        EXPECT_EQ(v.odpovedi, p.odpovedi);
        EXPECT_EQ(prijemce.pozadavek, "GET /" + std::to_string(p.prikaz) + '\0');
        EXPECT_TRUE(prijemce.konecPozadavku);
    }
}

TEST(KlientDalkovehoOvladani, MlciciPrijemceVyprsiAPrerusenyKonciHned) {
    {
        Prijemce prijemce({}, /*mlci*/ true);
        const VysledekPrikazu v = Poslat(prijemce, 40066, 300);
        EXPECT_EQ(v.selhani, Selhani::CasOdpovedi);
        EXPECT_FALSE(KlientDalkovehoOvladani::TextSelhani(v.selhani).empty());
    }
    {
        Prijemce prijemce({}, /*mlci*/ true);
        SoketBsd soket;
        KlientDalkovehoOvladani klient(soket);  // the full 10 s reply limit
        std::thread preruseni([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            klient.Prerusit();
        });
        const VysledekPrikazu v = klient.Odeslat(L"127.0.0.1", prijemce.peer.Port(), 40066);
        preruseni.join();
        EXPECT_EQ(v.selhani, Selhani::Preruseno);
    }
}

TEST(KlientDalkovehoOvladani, OdpovedNad64KiBSeUtne) {
    Prijemce prijemce({std::string(40000, 'a'), std::string(40000, 'b')});
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

