#include "app/win/UdrzbaLogu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "app/win/Aplikace.h"

namespace {

// Answers the next message box of the program: reads its text and presses the given button.
class Odpovidac {
public:
    Odpovidac(std::wstring titulek, int tlacitko)
        : vlakno_([this, titulek, tlacitko] {
              for (int i = 0; i < 400 && !konec_; ++i) {
                  HWND h = ::FindWindowW(L"#32770", titulek.c_str());
                  if (h && ::IsWindowVisible(h)) {
                      wchar_t buf[2048] = {};
                      ::GetDlgItemTextW(h, 0xFFFF, buf, 2048);
                      text_ = buf;
                      ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(tlacitko, BN_CLICKED),
                                     reinterpret_cast<LPARAM>(::GetDlgItem(h, tlacitko)));
                      return;
                  }
                  ::Sleep(50);
              }
          }) {}
    ~Odpovidac() {
        konec_ = true;
        if (vlakno_.joinable()) vlakno_.join();
    }
    std::wstring Text() {
        if (vlakno_.joinable()) vlakno_.join();
        return text_;
    }

private:
    std::atomic<bool> konec_{false};
    std::wstring text_;
    std::thread vlakno_;
};

std::wstring DocasnySoubor(const wchar_t* jmeno) {
    wchar_t slozka[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, slozka);
    return std::wstring(slozka) + jmeno;
}

}  // namespace

TEST(UdrzbaLogu, SmazaniSeZeptaANeexistujiciSouborSeOhlasi) {
    // The application object gives the texts of this test program's string table (the program's own).
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    const std::wstring cesta = DocasnySoubor(L"tervik_udrzba.log");
    ::DeleteFileW(cesta.c_str());
    {
        Odpovidac ok(aplikace.Produkt(), IDOK);
        EXPECT_FALSE(UdrzbaLogu::Smazat(nullptr, cesta));
        EXPECT_EQ(ok.Text(), L"Požadovaný soubor\n\"" + cesta + L"\"\nneexistuje!");
    }
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ::CloseHandle(h);
    {
        Odpovidac ne(aplikace.Produkt(), IDNO);
        EXPECT_FALSE(UdrzbaLogu::Smazat(nullptr, cesta));
        EXPECT_EQ(ne.Text(), L"Opravdu chcete smazat tento soubor?\n\"" + cesta + L"\"");
        EXPECT_NE(::GetFileAttributesW(cesta.c_str()), INVALID_FILE_ATTRIBUTES);
    }
    {
        Odpovidac ano(aplikace.Produkt(), IDYES);
        EXPECT_TRUE(UdrzbaLogu::Smazat(nullptr, cesta));
        ano.Text();
        EXPECT_EQ(::GetFileAttributesW(cesta.c_str()), INVALID_FILE_ATTRIBUTES);
    }
}
