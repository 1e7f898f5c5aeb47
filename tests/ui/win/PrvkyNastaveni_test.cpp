#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "ui/win/EditCislo.h"
#include "ui/win/EditSlozka.h"
#include "ui/win/EditSoubor.h"
#include "ui/win/OznameniPrvku.h"
#include "ui/win/StaticBarva.h"
#include "ui/win/StaticTitulek.h"

namespace {

// A parent window that records the WM_COMMAND notifications of its children.
struct Rodic {
    static std::vector<WPARAM>& Prikazy() {
        static std::vector<WPARAM> p;
        return p;
    }
    static LRESULT CALLBACK Procedura(HWND h, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_COMMAND) Prikazy().push_back(wp);
        return ::DefWindowProcW(h, m, wp, lp);
    }
    Rodic() {
        WNDCLASSW t{};
        t.lpfnWndProc = &Procedura;
        t.hInstance = ::GetModuleHandleW(nullptr);
        t.lpszClassName = L"TervikTestRodicPrvku";
        ::RegisterClassW(&t);
        okno = ::CreateWindowExW(0, t.lpszClassName, L"Rodič", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                                 t.hInstance, nullptr);
        Prikazy().clear();
    }
    ~Rodic() { ::DestroyWindow(okno); }
    HWND Prvek(const wchar_t* trida, DWORD styl, int id, const wchar_t* text = L"") const {
        return ::CreateWindowExW(0, trida, text, WS_CHILD | WS_VISIBLE | styl, 10, 10, 200, 20, okno,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
    }
    HWND okno;
};

std::wstring Text(HWND h) {
    wchar_t buf[256] = {};
    ::GetWindowTextW(h, buf, 256);
    return buf;
}

}  // namespace

TEST(EditCislo, PrijmeJenCisliceAOdmitneCisloMimoRozsah) {
    Rodic r;
    ASSERT_TRUE(r.okno);
    EditCislo cislo(5000, 40000);
    HWND edit = r.Prvek(L"EDIT", ES_AUTOHSCROLL, 101);
    cislo.Pripojit(edit);
    for (wchar_t z : std::wstring(L"8a1-2 4")) ::SendMessageW(edit, WM_CHAR, z, 0);
    EXPECT_EQ(Text(edit), L"8124");
    EXPECT_EQ(cislo.Cislo(), 8124);
    EXPECT_EQ(cislo.Overit(), std::nullopt);
    // Backspace is a control character and passes.
    ::SendMessageW(edit, WM_CHAR, VK_BACK, 0);
    EXPECT_EQ(cislo.Cislo(), 812);
    EXPECT_EQ(cislo.Overit(), L"Zadejte hodnotu v rozsahu 5000 - 40000");
    ::SetWindowTextW(edit, L"");
    EXPECT_EQ(cislo.Cislo(), std::nullopt);
    EXPECT_EQ(cislo.Overit(), L"Zadejte hodnotu v rozsahu 5000 - 40000");
    cislo.Nastavit(40000);
    EXPECT_EQ(cislo.Overit(), std::nullopt);
    // No more than ten digits fit: every 32-bit number, nothing that could overflow.
    EXPECT_EQ(::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(EditCislo::JenCislice(L" 12 345\r\nx6"), L"123456");
}

TEST(EditCislo, VlozeniZeSchrankyPrevezmeJenCislice) {
    Rodic r;
    EditCislo cislo(1, 3600);
    HWND edit = r.Prvek(L"EDIT", ES_AUTOHSCROLL, 102);
    cislo.Pripojit(edit);
    ASSERT_TRUE(::OpenClipboard(r.okno));
    ::EmptyClipboard();
    const wchar_t text[] = L"1 2x0";
    HGLOBAL data = ::GlobalAlloc(GMEM_MOVEABLE, sizeof text);
    std::memcpy(::GlobalLock(data), text, sizeof text);
    ::GlobalUnlock(data);
    ::SetClipboardData(CF_UNICODETEXT, data);
    ::CloseClipboard();
    ::SendMessageW(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(edit), L"120");
}

TEST(StaticBarva, BarvaNastavenaZpravouSeOznamiRodici) {
    Rodic r;
    StaticBarva barva;
    HWND swatch = r.Prvek(L"STATIC", SS_NOTIFY, 201);
    HWND tlacitko = r.Prvek(L"BUTTON", BS_PUSHBUTTON, 202, L"Změnit barvu...");
    barva.Pripojit(swatch, tlacitko);
    barva.Nastavit(0x00112233);
    EXPECT_EQ(::SendMessageW(swatch, StaticBarva::kZjistitBarvu, 0, 0), 0x00112233);
    EXPECT_TRUE(Rodic::Prikazy().empty());  // set by the program: no change of the user's
    ::SendMessageW(swatch, StaticBarva::kNastavitBarvu, 0xFF445566, 0);
    EXPECT_EQ(barva.Barva(), 0x00445566u);  // only the colour's three bytes
    ASSERT_EQ(Rodic::Prikazy().size(), 1u);
    EXPECT_EQ(Rodic::Prikazy()[0], MAKEWPARAM(201, kZmenaHodnoty));
    // Other commands of the two controls are no click of the picker.
    EXPECT_FALSE(barva.Prikaz(MAKEWPARAM(202, BN_SETFOCUS), reinterpret_cast<LPARAM>(tlacitko)));
    EXPECT_FALSE(barva.Prikaz(MAKEWPARAM(201, kZmenaHodnoty), reinterpret_cast<LPARAM>(swatch)));
    ::UpdateWindow(r.okno);
}

TEST(EditCesta, SlozkaISouborMusiExistovatAFiltrMaNulyMistoSvislic) {
    Rodic r;
    EditSlozka slozka(L"Složka pro data aplikace:");
    HWND edit = r.Prvek(L"EDIT", ES_AUTOHSCROLL, 301);
    HWND tlacitko = r.Prvek(L"BUTTON", BS_PUSHBUTTON, 302, L"...");
    slozka.Pripojit(edit, tlacitko);
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    slozka.Nastavit(temp);
    EXPECT_EQ(slozka.Overit(), std::nullopt);
    slozka.Nastavit(std::wstring(temp) + L"neexistující složka 7");
    EXPECT_EQ(slozka.Overit(), L"Složka \"" + std::wstring(temp) + L"neexistující složka 7\" neexistuje. Zadejte existující složku.");
    slozka.Nastavit(L"");
    EXPECT_TRUE(slozka.Overit().has_value());
    // A command of another control is not the browse button's.
    EXPECT_FALSE(slozka.Prikaz(MAKEWPARAM(301, EN_CHANGE), reinterpret_cast<LPARAM>(edit)));
    EXPECT_EQ(EditSoubor::FiltrDialogu(L"Obrázky|*.jpg|Vše|*.*"), std::wstring(L"Obrázky\0*.jpg\0Vše\0*.*\0\0", 23));

    // A file to open must exist; an empty edit means no file.
    EditSoubor soubor(L"Obrázky|*.png", false);
    HWND editSouboru = r.Prvek(L"EDIT", ES_AUTOHSCROLL, 303);
    soubor.Pripojit(editSouboru, nullptr);
    EXPECT_EQ(soubor.Overit(), std::nullopt);
    soubor.Nastavit(temp);
    EXPECT_EQ(soubor.Overit(), L"Soubor \"" + std::wstring(temp) + L"\" neexistuje. Zadejte existující soubor.");
    const std::wstring cesta = std::wstring(temp) + L"obrázek do snímku.png";
    HANDLE h = ::CreateFileW(cesta.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    ::CloseHandle(h);
    soubor.Nastavit(cesta);
    EXPECT_EQ(soubor.Overit(), std::nullopt);
    ::DeleteFileW(cesta.c_str());
    EXPECT_TRUE(soubor.Overit().has_value());
}

TEST(StaticTitulek, MaTucnePismoDialogu) {
    Rodic r;
    HWND s = r.Prvek(L"STATIC", SS_LEFT, 401, L"Všeobecné");
    ::SendMessageW(s, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    LOGFONTW zaklad{};
    ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof zaklad, &zaklad);
    HFONT pismo = nullptr;
    {
        StaticTitulek titulek;
        titulek.Pripojit(s);
        pismo = reinterpret_cast<HFONT>(::SendMessageW(s, WM_GETFONT, 0, 0));
        LOGFONTW lf{};
        ASSERT_TRUE(::GetObjectW(pismo, sizeof lf, &lf));
        EXPECT_EQ(lf.lfWeight, FW_BOLD);
        EXPECT_EQ(lf.lfHeight, zaklad.lfHeight);
        EXPECT_STREQ(lf.lfFaceName, zaklad.lfFaceName);
        ::SendMessageW(s, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    }
    // The title owned its font: it is gone with it.
    EXPECT_EQ(::GetObjectType(pismo), 0u);
}
