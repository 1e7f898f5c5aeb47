#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <thread>

#include "knihovna/AdresaServeru.h"
#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"
#include "net/win/FtpSpojeni.h"
#include "net/win/ServerFtpTestu.h"
#include "net/win/SnimkyNaFtp.h"

using Holvent::Ftp::FtpSpojeni;
using Knihovna::Chyba;

namespace {

constexpr const wchar_t* kUzivatel = L"kamera";
constexpr const wchar_t* kHeslo = L"tajne heslo";

HINTERNET Koren() {
    static HINTERNET koren = ::InternetOpenW(L"RTervik4", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    return koren;
}

std::wstring TextChyby(const std::function<void()>& akce) {
    try {
        akce();
    } catch (const Chyba& c) {
        return c.Text();
    }
    return L"(bez chyby)";
}

}  // namespace

// Active mode uploads; an empty folder is the login folder; the listing needs no pattern and leaves out the entries
// beginning with a dot and the files; without vytvorit a missing folder is an error naming it. A bad password, a
// missing one, a bad port and a refused connection fail with their texts. (Passive uploads into a nested new
// folder: the snapshots-to-FTP process test.)
TEST(FtpSpojeniServer, AktivniRezimVypisChybejiciSlozkaANeplatneUdaje) {
    ServerFtp server(L"aktivni");
    ASSERT_FALSE(server.Adresa().empty()) << "pyftpdlib did not start";
    ::CreateDirectoryW((server.Domov() + L"\\snimky").c_str(), nullptr);
    ::CreateDirectoryW((server.Domov() + L"\\.skryta").c_str(), nullptr);
    const std::wstring soubor = SlozkaProgramu() + L"\\ftp_test\\aktivni\\snimek.png";
    Zapsat(soubor, "PNG\r\n\x1a\n\0data");
    FtpSpojeni spojeni(server.Adresa(), kUzivatel, kHeslo, false);
    spojeni.Connect(Koren());
    spojeni.ZmenitSlozku(L"", true);
    EXPECT_EQ(spojeni.AktualniSlozka(), L"/");
    spojeni.Nahrat(soubor, L"Webtervik.png");
    EXPECT_EQ(Precist(server.Domov() + L"\\Webtervik.png"), Precist(soubor));
    EXPECT_EQ(spojeni.Slozky(), std::vector<std::wstring>{L"snimky"});
    EXPECT_NE(server.Prikazy().find("PORT"), std::string::npos) << server.Prikazy();
    const std::wstring chybi = TextChyby([&] { spojeni.ZmenitSlozku(L"chybi", false); });
    EXPECT_NE(chybi.find(L"\"chybi\""), std::wstring::npos) << Knihovna::NaUtf8(chybi);
    EXPECT_NE(chybi.find(L"550"), std::wstring::npos) << Knihovna::NaUtf8(chybi);
    spojeni.ZmenitSlozku(L"snimky", false);
    EXPECT_TRUE(spojeni.Slozky().empty());

    FtpSpojeni spatne(server.Adresa(), kUzivatel, L"spatne", true);
    const std::wstring text = TextChyby([&] { spatne.Connect(Koren()); });
    EXPECT_NE(text.find(L"530"), std::wstring::npos) << Knihovna::NaUtf8(text);
    FtpSpojeni bezHesla(server.Adresa(), kUzivatel, L"", true);
    try {
        bezHesla.Connect(Koren());
        ADD_FAILURE() << "an empty password connected";
    } catch (const Chyba& c) {
        EXPECT_EQ(c.Hr(), Knihovna::kE_INVALIDARG);
    }
    FtpSpojeni spatnyPort(L"127.0.0.1:70000", kUzivatel, kHeslo, true);
    EXPECT_EQ(TextChyby([&] { spatnyPort.Connect(Koren()); }), Knihovna::kTextChybnyPortServeru);
    // Nothing listens on port 1: the description of WinInet's own code, not an empty text.
    FtpSpojeni nikdo(L"127.0.0.1:1", kUzivatel, kHeslo, true);
    EXPECT_EQ(Knihovna::NaUtf8(TextChyby([&] { nikdo.Connect(Koren()); })),
              "Připojení k FTP serveru 127.0.0.1:1 se nezdařilo: K serveru se nelze připojit.");
}

// After Zrusit (the camera's closing, from another thread) every call fails at once, naming the cut-off. Whether a
// call already blocked returns is WinInet's affair: under Wine it runs on to its own 30-s time-out.
TEST(FtpSpojeniServer, PoZruseniKazdeVolaniSelze) {
    ServerFtp server(L"zruseni");
    ASSERT_FALSE(server.Adresa().empty()) << "pyftpdlib did not start";
    FtpSpojeni spojeni(server.Adresa(), kUzivatel, kHeslo, true);
    spojeni.Connect(Koren());
    std::jthread([&] { spojeni.Zrusit(); }).join();
    EXPECT_NE(TextChyby([&] { spojeni.AktualniSlozka(); }).find(L"přerušen"), std::wstring::npos);
    EXPECT_NE(TextChyby([&] { spojeni.ZmenitSlozku(L"nekam", true); }).find(L"přerušen"), std::wstring::npos);
}

// Hostile servers, through the camera's upload worker: one resets the data connection in the middle of the upload
// (the failure carries its 426 reply at once), one never answers USER (the worker ends by WinInet's 30-s reply
// time-out, whatever the stop request: a blocked WinInet call cannot be cut off, which is why the camera does not
// wait for it beyond its stop time-out); afterwards a working server is reached as before. The measured times are
// printed for the notes.
TEST(FtpSpojeniServer, NepratelskeServeryKonciVLimitu) {
    using std::chrono::steady_clock;
    const auto sekundy = [](steady_clock::time_point od) {
        return std::chrono::duration<double>(steady_clock::now() - od).count();
    };
    const std::wstring soubor = SlozkaProgramu() + L"\\ftp_test\\nepratelsky.jpg";
    ::SHCreateDirectoryExW(nullptr, (SlozkaProgramu() + L"\\ftp_test").c_str(), nullptr);
    Zapsat(soubor, std::string(4 << 20, 'x'));
    UlohaFtp uloha{Koren(), L"", kUzivatel, kHeslo, L"", true, soubor, L"Webtervik.jpg"};
    {
        ServerFtp server(L"zahozena_data", L"--zahodit-data");
        ASSERT_FALSE(server.Adresa().empty()) << "pyftpdlib did not start";
        uloha.server = server.Adresa();
        PrubehFtp prubeh;
        const auto zacatek = steady_clock::now();
        const VysledekFtp v = SnimkyNaFtp::VlaknoOdeslaniFtp(uloha, {}, std::chrono::minutes(2), prubeh);
        const double trvani = sekundy(zacatek);
        std::printf("data connection reset: %.1f s, %s\n", trvani, Knihovna::NaUtf8(v.chyba).c_str());
        EXPECT_FALSE(v.uspech);
        EXPECT_NE(v.chyba.find(L"\"Webtervik.jpg\""), std::wstring::npos) << Knihovna::NaUtf8(v.chyba);
        EXPECT_NE(v.chyba.find(L"426 Datove spojeni bylo preruseno"), std::wstring::npos) << Knihovna::NaUtf8(v.chyba);
        EXPECT_LT(trvani, 30.0 + 10.0);
    }
    ServerFtp nemy(L"nemy_user", L"--nemy-user");
    ASSERT_FALSE(nemy.Adresa().empty()) << "pyftpdlib did not start";
    uloha.server = nemy.Adresa();
    PrubehFtp prubeh;
    std::stop_source stop;
    VysledekFtp v;
    const auto zacatek = steady_clock::now();
    std::jthread pracovnik([&] { v = SnimkyNaFtp::VlaknoOdeslaniFtp(uloha, stop.get_token(), std::chrono::minutes(2),
                                                                    prubeh); });
    for (int i = 0; i < 300 && nemy.Prikazy().find("USER") == std::string::npos; ++i) ::Sleep(100);
    ASSERT_NE(nemy.Prikazy().find("USER"), std::string::npos);
    EXPECT_STREQ(prubeh.krok.load(), L"připojení a přihlášení k serveru");
    stop.request_stop();
    pracovnik.join();
    const double trvani = sekundy(zacatek);
    std::printf("no answer to USER, stopped: %.1f s, %s\n", trvani, Knihovna::NaUtf8(v.chyba).c_str());
    EXPECT_FALSE(v.uspech);
    EXPECT_NE(v.chyba.find(L"přerušeno"), std::wstring::npos) << Knihovna::NaUtf8(v.chyba);
    EXPECT_LT(trvani, 30.0 + 10.0);
    // WinInet's state is none the worse: a working server is reached.
    ServerFtp server(L"po_nemem");
    FtpSpojeni spojeni(server.Adresa(), kUzivatel, kHeslo, true);
    spojeni.Connect(Koren());
    EXPECT_EQ(TextChyby([&] { spojeni.ZmenitSlozku(L"dal", true); }), L"(bez chyby)");
}
