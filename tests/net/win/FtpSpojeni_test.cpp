#include <windows.h>
#include <shlobj.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
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

// The console of the test takes UTF-8.
void Vypsat(const char* co, const std::wstring& text) {
    std::string utf8(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr,
                                                                     nullptr)), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    std::printf("%s: %s\n", co, utf8.c_str());
    std::fflush(stdout);
}

int Pocet(const std::string& text, const std::string& co) {
    int n = 0;
    for (auto i = text.find(co); i != std::string::npos; i = text.find(co, i + 1)) ++n;
    return n;
}

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

// A nested folder that does not exist is created level by level once; later uploads find it. Passive mode.
TEST(FtpSpojeniServer, VnorenaSlozkaSeVytvoriJednou) {
    ServerFtp server(L"vnorena");
    ASSERT_FALSE(server.Adresa().empty()) << "pyftpdlib did not start";
    const std::wstring soubor = SlozkaProgramu() + L"\\ftp_test\\vnorena\\snimek.jpg";
    Zapsat(soubor, std::string(50000, 'x'));
    for (const wchar_t* nazev : {L"Webtervik1.jpg", L"Webtervik2.jpg"}) {
        FtpSpojeni spojeni(server.Adresa(), kUzivatel, kHeslo, true);
        spojeni.Connect(Koren());
        spojeni.ZmenitSlozku(L"\\kamery\\dvur\\", true);
        EXPECT_EQ(spojeni.AktualniSlozka(), L"/kamery/dvur");
        spojeni.Nahrat(soubor, nazev);
        spojeni.Odpojit();
    }
    EXPECT_EQ(Precist(server.Domov() + L"\\kamery\\dvur\\Webtervik2.jpg").size(), 50000u);
    EXPECT_EQ(Pocet(server.Prikazy(), "MKD "), 2) << server.Prikazy();
    // Without vytvorit a missing folder is an error naming it.
    FtpSpojeni spojeni(server.Adresa(), kUzivatel, kHeslo, true);
    spojeni.Connect(Koren());
    const std::wstring text = TextChyby([&] { spojeni.ZmenitSlozku(L"chybi", false); });
    EXPECT_NE(text.find(L"\"chybi\""), std::wstring::npos) << text;
    EXPECT_NE(text.find(L"550"), std::wstring::npos) << text;
}

// An empty folder is the login folder; active mode uploads too; the listing needs no pattern and leaves out
// the entries beginning with a dot and the files.
TEST(FtpSpojeniServer, PrazdnaSlozkaAktivniRezimAVypis) {
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
    spojeni.ZmenitSlozku(L"snimky", false);
    EXPECT_TRUE(spojeni.Slozky().empty());
}

// A refused login carries the server's reply; missing credentials and a bad port fail before any connection.
TEST(FtpSpojeniServer, OdmitnutePrihlaseniANeplatneUdaje) {
    ServerFtp server(L"heslo");
    ASSERT_FALSE(server.Adresa().empty()) << "pyftpdlib did not start";
    FtpSpojeni spatne(server.Adresa(), kUzivatel, L"spatne", true);
    const std::wstring text = TextChyby([&] { spatne.Connect(Koren()); });
    Vypsat("wrong password", text);
    EXPECT_NE(text.find(L"530"), std::wstring::npos) << text;
    EXPECT_NE(text.find(server.Adresa()), std::wstring::npos) << text;

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
    const std::wstring odmitnuto = TextChyby([&] { nikdo.Connect(Koren()); });
    Vypsat("refused connection", odmitnuto);
    EXPECT_EQ(odmitnuto, L"Připojení k FTP serveru 127.0.0.1:1 se nezdařilo: K serveru se nelze připojit.");
    std::fflush(stdout);
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

// A server that stops answering after the login: the call fails within WinInet's time-out (no hang), and a new
// connection to a working server goes through.
TEST(FtpSpojeniServer, NemyServerJeSelhaniAPristeToJde) {
    {
        ServerFtp nemy(L"nemy", L"--nemy-cwd");
        ASSERT_FALSE(nemy.Adresa().empty()) << "pyftpdlib did not start";
        FtpSpojeni spojeni(nemy.Adresa(), kUzivatel, kHeslo, true);
        spojeni.Connect(Koren());
        EXPECT_NE(TextChyby([&] { spojeni.ZmenitSlozku(L"nekam", false); }), L"(bez chyby)");
    }
    ServerFtp server(L"po_nemem");
    FtpSpojeni spojeni(server.Adresa(), kUzivatel, kHeslo, true);
    spojeni.Connect(Koren());
    EXPECT_EQ(TextChyby([&] { spojeni.ZmenitSlozku(L"dal", true); }), L"(bez chyby)");
}

// Hostile servers, through the camera's upload worker: one resets the data connection in the middle of the upload
// (the failure carries its 426 reply at once), one never answers USER (the worker ends by WinInet's 30-s reply
// time-out, whatever the stop request: a blocked WinInet call cannot be cut off, which is why the camera does not
// wait for it beyond its stop time-out). The measured times are printed for the notes.
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
        std::printf("data connection reset: %.1f s\n", trvani);
        Vypsat("data connection reset", v.chyba);
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
    std::printf("no answer to USER, stopped: %.1f s\n", trvani);
    Vypsat("no answer to USER", v.chyba);
    EXPECT_FALSE(v.uspech);
    EXPECT_NE(v.chyba.find(L"přerušeno"), std::wstring::npos) << Knihovna::NaUtf8(v.chyba);
    EXPECT_LT(trvani, 30.0 + 10.0);
}
