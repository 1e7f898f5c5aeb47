#include "app/win/RegistraceHorkychKlaves.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "knihovna/win/IkonaOznamovaciOblasti.h"
#include "knihovna/win/Zdroje.h"

namespace {

// Combinations nobody else on the test desktop uses.
constexpr UINT kMod = MOD_CONTROL | MOD_ALT | MOD_SHIFT;
constexpr UINT kObsazena = VK_F9;
constexpr UINT kVolna1 = VK_F10;
constexpr UINT kVolna2 = VK_F11;

// The test helper program holding one hotkey for its own process until its stdin is closed.
class CiziProces {
public:
    CiziProces(UINT modifikatory, UINT klavesa) {
        SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
        HANDLE vstupCteni = nullptr, vystupZapis = nullptr;
        if (!::CreatePipe(&vstupCteni, &vstup_, &sa, 0) || !::CreatePipe(&vystup_, &vystupZapis, &sa, 0)) return;
        ::SetHandleInformation(vstup_, HANDLE_FLAG_INHERIT, 0);
        ::SetHandleInformation(vystup_, HANDLE_FLAG_INHERIT, 0);
        std::wstring exe = Knihovna::WinApi::CestaModulu(nullptr);
        exe = exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"PomocnikTestu.exe";
        std::wstring radek = L"\"" + exe + L"\" drzet-klavesu " + std::to_wstring(modifikatory) + L" " +
                             std::to_wstring(klavesa) + L" 120000";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdInput = vstupCteni;
        si.hStdOutput = vystupZapis;
        si.hStdError = vystupZapis;
        PROCESS_INFORMATION pi{};
        if (::CreateProcessW(exe.c_str(), radek.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &si, &pi)) {
            proces_ = pi.hProcess;
            ::CloseHandle(pi.hThread);
        }
        ::CloseHandle(vstupCteni);
        ::CloseHandle(vystupZapis);
    }
    ~CiziProces() {
        if (vstup_) ::CloseHandle(vstup_);  // the helper lets its key go and ends
        if (proces_) {
            ::WaitForSingleObject(proces_, 60000);
            ::CloseHandle(proces_);
        }
        if (vystup_) ::CloseHandle(vystup_);
    }
    CiziProces(const CiziProces&) = delete;
    CiziProces& operator=(const CiziProces&) = delete;

    // The helper's first line: "drzim" once the key is its, else its error; empty after the time-out.
    std::string PrvniRadek(DWORD ms) {
        std::string text;
        const DWORD start = ::GetTickCount();
        while (proces_ && ::GetTickCount() - start < ms) {
            DWORD k = 0;
            if (!::PeekNamedPipe(vystup_, nullptr, 0, nullptr, &k, nullptr)) break;
            if (k == 0) {
                ::Sleep(20);
                continue;
            }
            char buf[256];
            DWORD n = 0;
            if (!::ReadFile(vystup_, buf, sizeof buf, &n, nullptr) || n == 0) break;
            text.append(buf, n);
            const auto konec = text.find('\n');
            if (konec != std::string::npos) return text.substr(0, text.find_first_of("\r\n"));
        }
        return text;
    }

private:
    HANDLE vstup_ = nullptr;
    HANDLE vystup_ = nullptr;
    HANDLE proces_ = nullptr;
};

// Whether the combination is free on the desktop: this thread can take it (and gives it back at once).
bool Volna(UINT modifikatory, UINT klavesa, DWORD* chyba = nullptr) {
    if (::RegisterHotKey(nullptr, 0x7001, modifikatory, klavesa)) {
        ::UnregisterHotKey(nullptr, 0x7001);
        return true;
    }
    if (chyba) *chyba = ::GetLastError();
    return false;
}

HWND OknoProKlavesy() {
    return ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
}

struct Zaznam {
    std::vector<std::wstring> udalosti, log;
    RegistraceHorkychKlaves::Hlaseni Hlaseni() {
        return {L"Tervik", [this](const std::wstring& t) { udalosti.push_back(t); },
                [this](const std::wstring& t) { log.push_back(t); }};
    }
};

SeznamHorkychKlaves Tabulka() {
    SeznamHorkychKlaves t;
    t.NastavitVychozi();
    *t.Najit(40001) = {kMod, kObsazena, 40001, 20003};
    *t.Najit(40017) = {kMod, kVolna1, 40017, 20003};
    *t.Najit(40117) = {kMod, kVolna2, 40117, 20206};
    return t;
}

}  // namespace

TEST(RegistraceHorkychKlaves, KlavesaJinehoProgramuSeSectaOstatniSeDrzi) {
    ASSERT_TRUE(Volna(kMod, kObsazena) && Volna(kMod, kVolna1) && Volna(kMod, kVolna2));
    CiziProces cizi(kMod, kObsazena);
    ASSERT_EQ(cizi.PrvniRadek(30000), "drzim");
    DWORD chyba = 0;
    ASSERT_FALSE(Volna(kMod, kObsazena, &chyba));
    EXPECT_EQ(chyba, 1409u);

    HWND okno = OknoProKlavesy();
    ASSERT_NE(okno, nullptr);
    Zaznam zaznam;
    {
        RegistraceHorkychKlaves registrace(zaznam.Hlaseni());
        EXPECT_FALSE(registrace.Registrovano());
        EXPECT_EQ(registrace.Registrovat(okno, Tabulka(), nullptr), 1);
        EXPECT_TRUE(registrace.Registrovano());
        EXPECT_EQ(registrace.PosledniChyba(), 1409u);
        const std::vector<std::wstring> ocekavane{L"1 klávesové zkratky se nepodařilo zaregistrovat."};
        EXPECT_EQ(zaznam.udalosti, ocekavane);
        EXPECT_EQ(zaznam.log, ocekavane);

        // The remaining keys are the window's: nobody else can take them now.
        EXPECT_FALSE(Volna(kMod, kVolna1, &chyba));
        EXPECT_EQ(chyba, 1409u);
        EXPECT_FALSE(Volna(kMod, kVolna2));

        // Only once while registered: no second attempt, no second warning.
        EXPECT_EQ(registrace.Registrovat(okno, Tabulka(), nullptr), 0);
        EXPECT_EQ(zaznam.udalosti.size(), 1u);

        // Unregistering gives back exactly what the window got, without a warning.
        EXPECT_EQ(registrace.Odregistrovat(nullptr), 0);
        EXPECT_FALSE(registrace.Registrovano());
        EXPECT_TRUE(Volna(kMod, kVolna1));
        EXPECT_TRUE(Volna(kMod, kVolna2));
        EXPECT_FALSE(Volna(kMod, kObsazena));
        EXPECT_EQ(zaznam.udalosti.size(), 1u);
        EXPECT_EQ(zaznam.log.size(), 1u);

        // Registered again and left so: the destructor releases the keys of a living window.
        EXPECT_EQ(registrace.Registrovat(okno, Tabulka(), nullptr), 1);
        EXPECT_FALSE(Volna(kMod, kVolna1));
    }
    EXPECT_TRUE(Volna(kMod, kVolna1));
    EXPECT_TRUE(Volna(kMod, kVolna2));
    ::DestroyWindow(okno);
}

TEST(RegistraceHorkychKlaves, NeuspesneOdregistrovaniSeOhlasi) {
    HWND okno = OknoProKlavesy();
    ASSERT_NE(okno, nullptr);
    Zaznam zaznam;
    RegistraceHorkychKlaves registrace(zaznam.Hlaseni());
    ASSERT_EQ(registrace.Registrovat(okno, Tabulka(), nullptr), 0);  // nothing held by others here
    EXPECT_TRUE(zaznam.udalosti.empty());
    // The window went first (its keys with it): none of the three can be unregistered any more.
    ::DestroyWindow(okno);
    EXPECT_TRUE(Volna(kMod, kVolna1));
    EXPECT_EQ(registrace.Odregistrovat(nullptr), 3);
    EXPECT_FALSE(registrace.Registrovano());
    const std::vector<std::wstring> ocekavane{L"3 klávesové zkratky se nepodařilo odregistrovat."};
    EXPECT_EQ(zaznam.udalosti, ocekavane);
    EXPECT_EQ(zaznam.log, ocekavane);
}

TEST(RegistraceHorkychKlaves, VarovaniVBublineJenSIkonou) {
    // A real top-level window with a tray icon needs the test display.
    HWND okno = ::CreateWindowExW(0, L"STATIC", L"Tervik klávesy", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                  nullptr, nullptr, nullptr);
    if (!okno) GTEST_SKIP() << "no display";
    CiziProces cizi(kMod, kVolna1);
    ASSERT_EQ(cizi.PrvniRadek(30000), "drzim");
    Zaznam zaznam;
    Knihovna::WinApi::IkonaOznamovaciOblasti ikona;
    ikona.Nastavit(okno, 1, 0x87D1);
    RegistraceHorkychKlaves registrace(zaznam.Hlaseni());

    // An icon that is not shown takes no balloon; the other two places still get the warning.
    EXPECT_EQ(registrace.Registrovat(okno, Tabulka(), &ikona), 1);
    EXPECT_FALSE(registrace.PosledniBublina());
    EXPECT_EQ(zaznam.udalosti.size(), 1u);
    EXPECT_EQ(registrace.Odregistrovat(&ikona), 0);

    ASSERT_TRUE(ikona.Zobrazit(::LoadIconW(nullptr, IDI_APPLICATION), L"Tervik"));
    EXPECT_EQ(registrace.Registrovat(okno, Tabulka(), &ikona), 1);
    EXPECT_TRUE(registrace.PosledniBublina());
    EXPECT_EQ(zaznam.udalosti.size(), 2u);
    EXPECT_EQ(zaznam.log.back(), L"1 klávesové zkratky se nepodařilo zaregistrovat.");

    EXPECT_EQ(registrace.Odregistrovat(&ikona), 0);
    ikona.Odebrat();
    ::DestroyWindow(okno);
}
