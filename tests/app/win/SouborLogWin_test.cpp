#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "PevneHodiny.h"
#include "app/SouborLog.h"
#include "knihovna/Chyba.h"
#include "knihovna/KodovaniUtf16.h"
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

std::string Obsah(const std::wstring& cesta) {
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string data(::GetFileSize(h, nullptr), '\0');
    DWORD n = 0;
    ::ReadFile(h, data.data(), static_cast<DWORD>(data.size()), &n, nullptr);
    ::CloseHandle(h);
    return data;
}

}  // namespace

TEST(SouborLogWin, PresneBajtySouboru) {
    const std::wstring cesta = DocasnySoubor(L"tervik_test_log.log");
    PevneHodiny hodiny;
    Knihovna::WinApi::PristupKSouborumWin soubory;
    SouborLog log(cesta, 2000000, 0, soubory, hodiny);
    ASSERT_EQ(log.ZapsatRadek(L"Aplikace \"Tervik\" byla ukončena."), 0);
    hodiny.cas = MistniCas{2027, 1, 0, 31, 23, 5, 0, 0};
    ASSERT_EQ(log.ZapsatRadek(L"Další"), 0);
    const std::string ocekavano =
        KodovatUtf16LE(L"5.12.2026 7:03:09 - Aplikace \"Tervik\" byla ukončena.\r\n31.1.2027 23:05:00 - Další\r\n");
    EXPECT_EQ(Obsah(cesta), ocekavano);
    EXPECT_NE(ocekavano.substr(0, 2), std::string("\xFF\xFE", 2));  // no byte-order mark
    ::DeleteFileW(cesta.c_str());
}

TEST(SouborLogWin, PlnyADrzenyJinymSouborem) {
    const std::wstring cesta = DocasnySoubor(L"tervik_test_plny.log");
    PevneHodiny hodiny;
    Knihovna::WinApi::PristupKSouborumWin soubory;
    SouborLog log(cesta, 10, 0, soubory, hodiny);
    EXPECT_EQ(log.ZapsatRadek(L"první"), 0);
    const std::string poPrvnim = Obsah(cesta);
    FILETIME pred{}, po{};
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ::GetFileTime(h, nullptr, nullptr, &pred);
    ::CloseHandle(h);
    EXPECT_EQ(log.ZapsatRadek(L"druhý"), 1);
    EXPECT_EQ(Obsah(cesta), poPrvnim);
    h = ::CreateFileW(cesta.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ::GetFileTime(h, nullptr, nullptr, &po);
    ::CloseHandle(h);
    EXPECT_EQ(CompareFileTime(&pred, &po), 0);

    // Another writer holds the file: the exclusive open fails and the caller hears of it.
    SouborLog velky(cesta, 2000000, 0, soubory, hodiny);
    HANDLE drzi = ::CreateFileW(cesta.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(drzi, INVALID_HANDLE_VALUE);
    try {
        velky.ZapsatRadek(L"x");
        ADD_FAILURE() << "zápis do drženého souboru prošel";
    } catch (const Chyba& c) {
        EXPECT_EQ(c.Hr(), HRESULT_FROM_WIN32(ERROR_SHARING_VIOLATION));
    }
    ::CloseHandle(drzi);
    EXPECT_EQ(velky.ZapsatRadek(L"x"), 0);
    ::DeleteFileW(cesta.c_str());
}
