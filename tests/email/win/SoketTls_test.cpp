#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <thread>

#include "email/win/KorenovyCertifikat.h"
#include "email/win/SoketTls.h"
#include "email/win/SoketWinsock.h"
#include "knihovna/KodovaniUtf16.h"
#include "ServerPythonu.h"

using namespace Holvent::Email;

namespace {

constexpr int kLimitMs = 20000;

// tests/email/win/tls_server.py beside the test, with the test CA in the Root store while it runs.
class ServerTls {
public:
    explicit ServerTls(const std::wstring& jmeno) {
        slozka_ = SlozkaProgramu() + L"\\tls_test\\" + jmeno;
        ::SHCreateDirectoryExW(nullptr, slozka_.c_str(), nullptr);
        ::DeleteFileW((slozka_ + L"\\udalosti.log").c_str());
        // The first run makes the certificates (a few seconds of openssl).
        std::istringstream radky(SpustitServerPythonu(L"email/win/tls_server.py", L"\"" + UnixCesta(slozka_) + L"\"",
                                                      slozka_ + L"\\port", 60000));
        std::string jmenoPorty, hodnota;
        while (radky >> jmenoPorty >> hodnota) porty_[jmenoPorty] = hodnota;
        ca_ = L"Z:" + Knihovna::ZUtf8(porty_["ca"]);
        koren_ = !porty_["ca"].empty() && TestyTls::PridatKorenovy(ca_);
    }
    ~ServerTls() {
        if (koren_) TestyTls::OdebratKorenovy(ca_);
        ZastavitServerPythonu(slozka_ + L"\\port");
    }
    bool Bezi() const { return koren_; }
    std::uint16_t Port(const std::string& jmeno) {
        return static_cast<std::uint16_t>(std::stoi(porty_.count(jmeno) ? porty_[jmeno] : "0"));
    }
    // Waits for a line of the server's log.
    bool CekatNaUdalost(const std::string& radek) const {
        for (int i = 0; i < 300; ++i) {
            if (Precist(slozka_ + L"\\udalosti.log").find(radek + "\n") != std::string::npos) return true;
            ::Sleep(100);
        }
        return false;
    }
    std::string Udalosti() const { return Precist(slozka_ + L"\\udalosti.log"); }

private:
    std::wstring slozka_, ca_;
    std::map<std::string, std::string> porty_;
    bool koren_ = false;
};

std::unique_ptr<Soket> Pripojit(std::uint16_t port) {
    auto soket = std::make_unique<SoketWinsock>();
    std::uint32_t adresa = 0;
    if (!soket->PrelozitAdresu("localhost", adresa) || !soket->Vytvorit() || !soket->Pripojit(adresa, port, kLimitMs))
        return nullptr;
    return soket;
}

bool OdeslatVse(Soket& soket, const std::string& data) {
    std::size_t odeslano = 0;
    while (odeslano < data.size()) {
        if (!soket.CekatNaZapis(kLimitMs)) return false;
        const int n = soket.Odeslat(data.data() + odeslano, static_cast<int>(data.size() - odeslano));
        if (n < 0) return false;
        odeslano += static_cast<std::size_t>(n);
    }
    return true;
}

// Everything up to the peer's end of the data (or n bytes, or a failure).
std::string PrijmoutDoKonce(Soket& soket, std::size_t n = std::string::npos) {
    std::string prijato;
    char buffer[3000];
    while (prijato.size() < n && soket.CekatNaCteni(kLimitMs) == 1) {
        const int r = soket.Prijmout(buffer, sizeof buffer);
        if (r <= 0) break;
        prijato.append(buffer, static_cast<std::size_t>(r));
    }
    return prijato;
}

std::string Vzor(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = static_cast<char>(i % 251);
    return s;
}

// The server's exchange over a standing session: the pattern up (the server says whether it came whole), the same
// down in records split across reads, the server's close_notify, then ours.
void Vymena(Soket& tls, std::size_t n) {
    ASSERT_TRUE(OdeslatVse(tls, std::to_string(n) + "\n" + Vzor(n)));
    const std::string odpoved = PrijmoutDoKonce(tls);
    ASSERT_EQ(odpoved.size(), 3 + n);
    EXPECT_EQ(odpoved.substr(0, 3), "ok\n");
    EXPECT_TRUE(odpoved.substr(3) == Vzor(n));
    // The server's close_notify ended the data: the end stays readable and nothing more comes.
    char b;
    EXPECT_EQ(tls.CekatNaCteni(0), 1);
    EXPECT_EQ(tls.Prijmout(&b, 1), 0);
    tls.Zavrit();
    EXPECT_FALSE(tls.JeOtevreny());
}

}  // namespace

TEST(SoketTls, DataObemaSmeryVZaznamechRozdelenychMeziCteniAKonecCloseNotify) {
    ServerTls server(L"prenos");
    ASSERT_TRUE(server.Bezi()) << "the test server did not start or the CA could not enter the Root store";

    std::wstring chyba;
    auto implicitni = ZabalitDoTls(Pripojit(server.Port("implicitni")), L"localhost", kLimitMs, chyba);
    ASSERT_TRUE(implicitni) << Knihovna::NaUtf8(chyba);
    // What the server sends after the handshake (TLS 1.3 session tickets) is no data for the reader.
    EXPECT_EQ(implicitni->CekatNaCteni(500), 0);
    Vymena(*implicitni, 3u << 20);
    EXPECT_TRUE(server.CekatNaUdalost("close_notify implicitni")) << server.Udalosti();

}

TEST(SoketTls, ZavreniSmetiMlceniAPreruseniBehemNavazovaniSelzou) {
    ServerTls server(L"navazovani");
    ASSERT_TRUE(server.Bezi());
    constexpr int kKratkyLimit = 3000;
    std::wstring chyba;
    EXPECT_FALSE(ZabalitDoTls(Pripojit(server.Port("zavre")), L"localhost", kKratkyLimit, chyba));
    EXPECT_EQ(Knihovna::NaUtf8(chyba), "Server localhost ukončil spojení během navazování šifrovaného spojení.");
    // A plain SMTP greeting on a TLS port: refused as what it is, not waited out.
    EXPECT_FALSE(ZabalitDoTls(Pripojit(server.Port("smeti")), L"localhost", kKratkyLimit, chyba));
    EXPECT_EQ(Knihovna::NaUtf8(chyba),
              "Šifrované spojení se serverem localhost se nepodařilo navázat: server neodpovídá protokolem TLS.");
    EXPECT_FALSE(ZabalitDoTls(Pripojit(server.Port("mlci")), L"localhost", kKratkyLimit, chyba));
    EXPECT_EQ(Knihovna::NaUtf8(chyba), "Server localhost neodpověděl včas při navazování šifrovaného spojení.");
    // Cut off from another thread (the camera closing) while it waits: ends at once, said so.
    SoketTls tls(Pripojit(server.Port("mlci")), L"localhost", kLimitMs);
    std::thread prerusit([&tls] {
        ::Sleep(300);
        tls.Prerusit();
    });
    EXPECT_FALSE(tls.Navazat(chyba));
    prerusit.join();
    EXPECT_EQ(Knihovna::NaUtf8(chyba), "Navazování šifrovaného spojení se serverem localhost bylo přerušeno.");
    // A socket that never connected is refused before anything is sent.
    EXPECT_FALSE(ZabalitDoTls(std::make_unique<SoketWinsock>(), L"localhost", kKratkyLimit, chyba));
    EXPECT_FALSE(chyba.empty());
}
