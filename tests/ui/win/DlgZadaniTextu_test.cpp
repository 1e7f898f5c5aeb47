#include "ui/win/DlgZadaniTextu.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

// Finds the dialog by its title, generously: a loaded machine may take a while to show it.
HWND CekatNaDialog(const wchar_t* titulek) {
    for (int i = 0; i < 400; ++i) {
        HWND h = ::FindWindowW(L"#32770", titulek);
        if (h && ::IsWindowVisible(h)) return h;
        ::Sleep(50);
    }
    return nullptr;
}

std::wstring TextPrvku(HWND dlg, int id) {
    wchar_t buf[512] = {};
    ::GetDlgItemTextW(dlg, id, buf, 512);
    return buf;
}

}  // namespace

TEST(DlgZadaniTextu, VraciZadanyTextSOmezenouDelkou) {
    std::wstring vyzva, pocatecni;
    LRESULT limit = 0;
    std::thread uzivatel([&] {
        HWND dlg = CekatNaDialog(L"Test zadání");
        if (!dlg) return;
        vyzva = TextPrvku(dlg, DlgZadaniTextu::kIdVyzvy);
        pocatecni = TextPrvku(dlg, DlgZadaniTextu::kIdTextu);
        limit = ::SendMessageW(::GetDlgItem(dlg, DlgZadaniTextu::kIdTextu), EM_GETLIMITTEXT, 0, 0);
        ::SetDlgItemTextW(dlg, DlgZadaniTextu::kIdTextu, L"Dvůr u vrat");
        ::PostMessageW(dlg, WM_COMMAND, IDOK, 0);
    });
    DlgZadaniTextu dlg(L"Test zadání", L"Zadejte název nové kamery", L"Nová tervik", 200);
    const bool ok = dlg.Zobrazit(nullptr);
    uzivatel.join();
    EXPECT_TRUE(ok);
    EXPECT_EQ(dlg.Text(), L"Dvůr u vrat");
    EXPECT_EQ(vyzva, L"Zadejte název nové kamery");
    EXPECT_EQ(pocatecni, L"Nová tervik");
    EXPECT_EQ(limit, 200);
}

TEST(DlgZadaniTextu, StornoNicNemeni) {
    std::thread uzivatel([] {
        HWND dlg = CekatNaDialog(L"Test storna");
        if (!dlg) return;
        ::SetDlgItemTextW(dlg, DlgZadaniTextu::kIdTextu, L"jiný");
        ::PostMessageW(dlg, WM_COMMAND, IDCANCEL, 0);
    });
    DlgZadaniTextu dlg(L"Test storna", L"Zadejte nový název této kamery", L"Dvůr", 200);
    EXPECT_FALSE(dlg.Zobrazit(nullptr));
    uzivatel.join();
    EXPECT_EQ(dlg.Text(), L"Dvůr");
}
