#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "PevneHodiny.h"
#include "app/SouborLog.h"
#include "knihovna/Chyba.h"
#include "knihovna/win/PristupKSouborumWin.h"

using namespace Knihovna;

namespace {

std::wstring DocasnySoubor(const wchar_t* jmeno) {
    wchar_t slozka[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, slozka);
    std::wstring cesta = std::wstring(slozka) + jmeno;
    ::DeleteFileW(cesta.c_str());
    return cesta;
}

}  // namespace

// The exact bytes of the file (UTF-16LE without a byte-order mark, lines appended) and a full file left untouched:
// the whole-program tests of start-up's log and of the log's size.
TEST(SouborLogWin, SouborDrzenyJinymZapisovatelemSeOhlasi) {
    const std::wstring cesta = DocasnySoubor(L"tervik_test_drzeny.log");
    PevneHodiny hodiny;
    Knihovna::WinApi::PristupKSouborumWin soubory;
    SouborLog log(cesta, 2000000, 0, soubory, hodiny);
    EXPECT_EQ(log.ZapsatRadek(L"první"), 0);
    // Another writer holds the file: the exclusive open fails and the caller hears of it.
    HANDLE drzi = ::CreateFileW(cesta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(drzi, INVALID_HANDLE_VALUE);
    try {
        log.ZapsatRadek(L"x");
        ADD_FAILURE() << "zápis do drženého souboru prošel";
    } catch (const Chyba& c) {
        EXPECT_EQ(c.Hr(), HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION));
    }
    ::CloseHandle(drzi);
    EXPECT_EQ(log.ZapsatRadek(L"x"), 0);
    ::DeleteFileW(cesta.c_str());
}
