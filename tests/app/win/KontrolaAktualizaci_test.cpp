#include "app/win/KontrolaAktualizaci.h"

#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
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

// Only a 200 answer of the right shape gives a version; every other answer fails with its reason.
TEST(KontrolaAktualizaci, OdpovediServeru) {
    ASSERT_TRUE(Server().Bezi()) << "the Python web server did not start";
    EXPECT_EQ(Zeptat(L"/ok").verze, L" 4.9.0.0");
    EXPECT_EQ(Zeptat(L"/velka").verze, L" 4.9.0.0");
    EXPECT_EQ(Zeptat(L"/404").text, L"HTTP 404");
    for (const wchar_t* spatny : {L"/kratky", L"/dlouhy", L"/bez-slova", L"/bom", L"/obri"}) {
        const Odpoved o = Zeptat(spatny);
        EXPECT_EQ(o.verze, L"") << spatny;
        EXPECT_EQ(o.hr, Knihovna::kE_FAIL) << spatny;
    }
    // Nobody listening on the port.
    EXPECT_THROW(KontrolaAktualizaci::Stahnout(L"http://127.0.0.1:1/v.txt", std::chrono::seconds(5)), Chyba);
}

// A server that never answers and one that trickles both end as a time-out of the check's budget.
TEST(KontrolaAktualizaci, ServerKteryVisiKonciCasovymLimitem) {
    ASSERT_TRUE(Server().Bezi());
    const Knihovna::Hresult vyprselo = Knihovna::HresultZWin32(ERROR_INTERNET_TIMEOUT);
    EXPECT_EQ(Zeptat(L"/visi", 2).hr, vyprselo);
    EXPECT_EQ(Zeptat(L"/kapky", 2).hr, vyprselo);
}

// The worker posts its result to the window; abandoning a hanging check ends the worker, and it posts nothing.
TEST(KontrolaAktualizaci, VysledekPrijdeOknuAOpusteniUkonciVlakno) {
    ASSERT_TRUE(Server().Bezi());
    constexpr UINT kZprava = WM_APP + 77;
    HWND okno = ::CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(okno, nullptr);
    KontrolaAktualizaci kontrola;
    ASSERT_TRUE(kontrola.Spustit(okno, kZprava, Server().Url(L"/ok"), 20, false));
    EXPECT_FALSE(kontrola.Spustit(okno, kZprava, Server().Url(L"/ok"), 20, false));  // one at a time
    MSG msg{};
    ASSERT_GT(::GetMessageW(&msg, okno, kZprava, kZprava), 0);
    std::unique_ptr<KontrolaAktualizaci::Vysledek> vysledek(reinterpret_cast<KontrolaAktualizaci::Vysledek*>(msg.lParam));
    EXPECT_EQ(vysledek->webovaVerze, L" 4.9.0.0");
    EXPECT_FALSE(vysledek->chyba.has_value());
    EXPECT_FALSE(kontrola.Bezi());

    ASSERT_TRUE(kontrola.Spustit(okno, kZprava, Server().Url(L"/visi"), 60, true));
    EXPECT_TRUE(kontrola.Tiche());
    EXPECT_TRUE(kontrola.Opustit());
    EXPECT_FALSE(kontrola.Bezi());
    EXPECT_FALSE(::PeekMessageW(&msg, okno, kZprava, kZprava, PM_REMOVE));
    ::DestroyWindow(okno);
}
