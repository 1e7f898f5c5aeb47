#include "app/win/ModulEditoruPrx.h"

#include <windows.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "app/NastaveniAplikace.h"
#include "app/win/Aplikace.h"
#include "knihovna/KodovaniUtf16.h"
#include "knihovna/win/Okno.h"
#include "video/win/DlgEditorPrxSouboru.h"

namespace {

constexpr DWORD kLimit = 30000;  // generous: a loaded machine under Wine

bool Cekat(const std::function<bool()>& podminka) {
    const DWORD start = ::GetTickCount();
    while (!podminka()) {
        if (::GetTickCount() - start > kLimit) return false;
        ::Sleep(20);
    }
    return true;
}

std::wstring Sirka(HWND okno) {
    HWND dialog = okno ? ::GetWindow(okno, GW_CHILD) : nullptr;
    HWND pole = dialog ? ::GetDlgItem(dialog, DlgEditorPrxSouboru::kSirka) : nullptr;
    wchar_t text[32] = {};
    DWORD_PTR vysledek = 0;
    if (pole) ::SendMessageTimeoutW(pole, WM_GETTEXT, 32, reinterpret_cast<LPARAM>(text), SMTO_NORMAL, 1000, &vysledek);
    return text;
}

std::filesystem::path Profil(const wchar_t* jmeno, int sirka) {
    const auto cesta = std::filesystem::temp_directory_path() / jmeno;
    std::ofstream(cesta, std::ios::binary) << Knihovna::KodovatUtf16LE(
        L"\xFEFF<videoinfoheader dwbitrate=\"250000\" avgtimeperframe=\"666666\"><rcsource right=\"" +
        std::to_wstring(sirka) + L"\" bottom=\"240\"/><bitmapinfoheader biwidth=\"" + std::to_wstring(sirka) +
        L"\" biheight=\"240\"/></videoinfoheader>");
    return cesta;
}

}  // namespace

// The settings page's "Upravit" starts the editor with its file, and hands the next file to the running editor.
TEST(ModulEditoruPrx, OtevreSouborPriStartuIVBezicimEditoru) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));
    const auto prvni = Profil(L"ModulEditoruPrx1.prx", 320), druhy = Profil(L"ModulEditoruPrx2.prx", 640);
    auto& modul = ModulEditoruPrx::Instance();

    modul.OtevritSoubor(prvni.wstring());
    ASSERT_TRUE(Cekat([&] { return Sirka(modul.OknoModulu()) == L"320"; }));
    const DWORD vlakno = modul.IdVlakna();
    modul.OtevritSoubor(druhy.wstring());
    EXPECT_TRUE(Cekat([&] { return Sirka(modul.OknoModulu()) == L"640"; }));
    EXPECT_EQ(modul.IdVlakna(), vlakno);

    EXPECT_EQ(modul.Zastavit(), 0);
    EXPECT_FALSE(modul.Bezi());
    std::filesystem::remove(prvni);
    std::filesystem::remove(druhy);
    ::SHDeleteKeyW(HKEY_CURRENT_USER, (std::wstring(kKorenRegistru) + L"\\Parametry oken\\Tervik4EditorPrx").c_str());
}
