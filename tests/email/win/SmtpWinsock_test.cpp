#include <winsock2.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "email/Smtp.h"
#include "email/win/SluzbyZpravyWin.h"
#include "email/win/SoketWinsock.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

class KlicTypu {
public:
    explicit KlicTypu(const wchar_t* pripona) : cesta_(pripona) {}
    ~KlicTypu() { RegDeleteTreeW(HKEY_CLASSES_ROOT, cesta_.c_str()); }
    void Zapsat(DWORD typ, const void* data, DWORD velikost) {
        HKEY klic = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, cesta_.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &klic,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(klic, L"Content Type", 0, typ, static_cast<const BYTE*>(data), velikost);
        RegCloseKey(klic);
    }

private:
    std::wstring cesta_;
};

// A hostile SMTP peer on a free loopback port: accepts one connection and plays chovani on it on its own thread
// (every wait bounded), then closes.
class NepratelskyServer {
public:
    explicit NepratelskyServer(std::function<void(SOCKET)> chovani) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        naslouchani_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in adresa{};
        adresa.sin_family = AF_INET;
        adresa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int delka = sizeof adresa;
        bind(naslouchani_, reinterpret_cast<sockaddr*>(&adresa), sizeof adresa);
        listen(naslouchani_, 1);
        getsockname(naslouchani_, reinterpret_cast<sockaddr*>(&adresa), &delka);
        port_ = ntohs(adresa.sin_port);
        vlakno_ = std::jthread([this, chovani = std::move(chovani)] {
            if (!Cekat(naslouchani_, 20000)) return;
            const SOCKET s = accept(naslouchani_, nullptr, nullptr);
            if (s == INVALID_SOCKET) return;
            chovani(s);
            closesocket(s);
        });
    }
    ~NepratelskyServer() {
        closesocket(naslouchani_);
        vlakno_.join();
        WSACleanup();
    }
    std::uint16_t Port() const { return port_; }

    static bool Cekat(SOCKET s, int ms) {
        fd_set sada;
        FD_ZERO(&sada);
        FD_SET(s, &sada);
        timeval limit{ms / 1000, (ms % 1000) * 1000};
        return select(0, &sada, nullptr, nullptr, &limit) == 1;
    }
    static void Poslat(SOCKET s, const std::string& text) { send(s, text.data(), static_cast<int>(text.size()), 0); }
    // Reads up to and including the next line end (at most 20 s); false when the peer went.
    static bool Radek(SOCKET s, std::string* radek = nullptr) {
        std::string r;
        char z = 0;
        while (Cekat(s, 20000) && recv(s, &z, 1, 0) == 1) {
            r += z;
            if (z == '\n') {
                if (radek) *radek = r;
                return true;
            }
        }
        return false;
    }
    // Closes with a reset (no orderly end), as a crashed or killed server does.
    static void Resetovat(SOCKET s) {
        const linger l{1, 0};
        setsockopt(s, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&l), sizeof l);
    }

private:
    SOCKET naslouchani_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
    std::jthread vlakno_;
};

double Sekund(std::chrono::steady_clock::time_point od) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - od).count();
}

}  // namespace

TEST(TypObsahuWin, RegistrTypuSouboruMaPrednost) {
    KlicTypu klic(L".tervikzkouska");
    const wchar_t typ[] = L"image/x-tervik";
    klic.Zapsat(REG_SZ, typ, sizeof typ);
    EXPECT_EQ(TypObsahuZRegistru(L".tervikzkouska"), L"image/x-tervik");
    EXPECT_EQ(TypObsahuZRegistru(L".tervikneexistuje"), L"");
    Zprava zprava;
    PripojitSluzbyWindows(zprava);
    EXPECT_EQ(zprava.hledatTypObsahu(L".tervikzkouska"), L"image/x-tervik");
    // A value of another type is no media type.
    const DWORD cislo = 5;
    klic.Zapsat(REG_DWORD, &cislo, sizeof cislo);
    EXPECT_EQ(TypObsahuZRegistru(L".tervikzkouska"), L"");
}

TEST(SoketWinsockTest, NeznamyHostitelAOdmitnutePripojeni) {
    Smtp klient(std::make_unique<SoketWinsock>());
    klient.pauzaPredPripojenimMs = 0;
    klient.pauzaPredPozdravemMs = 0;
    EXPECT_FALSE(klient.Connect(L"neexistujici-hostitel.invalid"));
    // Nothing listens on port 1 of the loopback.
    klient.port = 1;
    EXPECT_FALSE(klient.Connect(L"127.0.0.1"));
    EXPECT_FALSE(klient.Greeted());
    EXPECT_GT(SoketWinsock::PortSmtp(), 0);
}

// Hostile servers on real sockets. A greeting line that never ends: the wait ends at the reply time-out with the
// words that came. A server that takes part of the message text, says why and resets the connection: the dispatch
// ends at once with its words; one that resets without a word: at once, with no reply (never the 354 before).
TEST(SmtpNepratelskyServer, NedokoncenyPozdravAResetBehemTextuZpravy) {
    constexpr std::uint32_t kLimitMs = 3000;
    {
        NepratelskyServer server([](SOCKET s) {
            NepratelskyServer::Poslat(s, "220 pomaly.example.com ESMTP");
            NepratelskyServer::Cekat(s, 20000);  // until the client gives up
        });
        Smtp klient(std::make_unique<SoketWinsock>());
        klient.pauzaPredPripojenimMs = klient.pauzaPredPozdravemMs = 0;
        klient.casovyLimitOdpovediMs = kLimitMs;
        klient.port = server.Port();
        const auto zacatek = std::chrono::steady_clock::now();
        EXPECT_FALSE(klient.Connect(L"127.0.0.1"));
        const double trvani = Sekund(zacatek);
        std::printf("greeting without a line end: %.1f s, \"%s\"\n", trvani, Knihovna::NaUtf8(klient.LastReply()).c_str());
        EXPECT_EQ(klient.LastReply(), L"220 pomaly.example.com ESMTP");
        EXPECT_EQ(klient.PosledniKrok(), L"pozdrav serveru");
        EXPECT_LT(trvani, kLimitMs / 1000.0 + 5.0);
    }
    for (const std::string slova : {"421 4.4.2 Spojeni ukonceno serverem\r\n", ""}) {
        NepratelskyServer server([slova](SOCKET s) {
            using S = NepratelskyServer;
            S::Poslat(s, "220 test.example.com ESMTP\r\n");
            std::string radek;
            for (const char* odpoved : {"250 OK\r\n", "250 OK\r\n", "250 OK\r\n", "354 go ahead\r\n"}) {
                if (!S::Radek(s, &radek)) return;
                S::Poslat(s, odpoved);
            }
            // A few lines of the text, then the end.
            for (int i = 0; i < 5; ++i) S::Radek(s);
            if (!slova.empty()) S::Poslat(s, slova);
            S::Resetovat(s);
        });
        Smtp klient(std::make_unique<SoketWinsock>());
        klient.extended = false;
        klient.pauzaPredPripojenimMs = klient.pauzaPredPozdravemMs = 0;
        klient.casovyLimitOdpovediMs = 20000;
        klient.port = server.Port();
        Zprava zprava;
        zprava.senderAddress = L"kamera@example.com";
        zprava.recipientAddress = L"a@example.com";
        CastZpravy cast;
        cast.contentType = L"text/plain";
        for (int i = 0; i < 40000; ++i) cast.text += L"radek textu zpravy, ktery server nedocte\r\n";
        zprava.bodyParts.push_back(cast);
        ASSERT_TRUE(klient.Connect(L"127.0.0.1"));
        const auto zacatek = std::chrono::steady_clock::now();
        EXPECT_EQ(klient.SendMail(zprava), -1);
        const double trvani = Sekund(zacatek);
        std::printf("reset in the message text%s: %.1f s, \"%s\"\n", slova.empty() ? "" : " after a reply", trvani,
                    Knihovna::NaUtf8(klient.LastReply()).c_str());
        EXPECT_EQ(klient.PosledniKrok(), L"text zprávy");
        EXPECT_EQ(klient.LastReply(), slova.empty() ? L"" : L"421 4.4.2 Spojeni ukonceno serverem");
        EXPECT_FALSE(klient.Greeted());
        EXPECT_LT(trvani, 20.0);
    }
}
