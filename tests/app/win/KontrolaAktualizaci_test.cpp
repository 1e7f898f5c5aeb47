#include "app/win/KontrolaAktualizaci.h"

#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "net/win/ServerFtpTestu.h"  // SlozkaProgramu, UnixCesta, Precist

using Knihovna::Chyba;

namespace {

// The Python web server (tests/app/win/server_verze.py) beside the test, in its own folder under the build tree.
class ServerVerze {
public:
    ServerVerze() {
        // A folder of the test's own: tests in parallel lanes each have their server.
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        slozka_ = SlozkaProgramu() + L"\\aktualizace_test\\" + std::wstring(test.begin(), test.end());
        std::filesystem::create_directories(std::filesystem::path(slozka_));
        for (const wchar_t* f : {L"\\port", L"\\port.konec", L"\\pozadavky"}) ::DeleteFileW((slozka_ + f).c_str());
        std::wstring prikaz = L"/usr/bin/python3 \"" + UnixCesta(SlozkaProgramu()) +
                              L"/../../tests/app/win/server_verze.py\" \"" + UnixCesta(slozka_) + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        PROCESS_INFORMATION pi{};
        if (!::CreateProcessW(nullptr, prikaz.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        ::CloseHandle(pi.hThread);
        ::CloseHandle(pi.hProcess);
        const std::wstring port = slozka_ + L"\\port";
        for (int i = 0; i < 300 && ::GetFileAttributesW(port.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) ::Sleep(100);
        const std::string text = Precist(port);
        if (!text.empty()) adresa_ = L"http://127.0.0.1:" + std::to_wstring(std::stoi(text));
    }
    ~ServerVerze() { std::ofstream(std::filesystem::path(slozka_ + L"\\port.konec")); }
    std::wstring Url(const wchar_t* cesta) const { return adresa_ + cesta; }
    bool Bezi() const { return !adresa_.empty(); }

private:
    std::wstring slozka_, adresa_;
};

ServerVerze& Server() {
    static ServerVerze server;
    return server;
}

// The web version, or the failure's HRESULT and own text.
struct Odpoved {
    std::wstring verze;
    Knihovna::Hresult hr = 0;
    std::wstring text;
};
Odpoved Zeptat(const wchar_t* cesta, int sekund = 5) {
    Odpoved o;
    try {
        o.verze = KontrolaAktualizaci::Stahnout(Server().Url(cesta), std::chrono::seconds(sekund));
    } catch (const Chyba& c) {
        o.hr = c.Hr();
        o.text = c.Text();
    }
    return o;
}

}  // namespace

// What the whole-program test cannot serve: an answer too large to be a version file, a server that trickles
// (each byte within the socket time-out, the whole past the check's budget), and nobody listening on the port.
TEST(KontrolaAktualizaci, ObriOdpovedKapkyAZavrenyPort) {
    ASSERT_TRUE(Server().Bezi()) << "the Python web server did not start";
    const Odpoved obri = Zeptat(L"/obri");
    EXPECT_EQ(obri.verze, L"");
    EXPECT_EQ(obri.hr, Knihovna::kE_FAIL);
    EXPECT_EQ(Zeptat(L"/kapky", 2).hr, Knihovna::HresultZWin32(ERROR_INTERNET_TIMEOUT));
    EXPECT_THROW(KontrolaAktualizaci::Stahnout(L"http://127.0.0.1:1/v.txt", std::chrono::seconds(5)), Chyba);
}
