#include "ui/win/OknoRozdelovac.h"

#include <gtest/gtest.h>

#include <vector>

#include "ui/win/OznameniPrvku.h"

namespace {

constexpr int kIdRozdelovace = 301, kIdLeveho = 302, kIdPraveho = 303;

// The splitter's parent: records the commands it receives.
class OknoRodice final : public Knihovna::WinApi::Okno {
public:
    std::vector<WPARAM> prikazy;

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override {
        if (zprava == WM_COMMAND) {
            prikazy.push_back(wp);
            return 0;
        }
        return Okno::ZpracovatZpravu(zprava, wp, lp);
    }
};

RECT Obdelnik(HWND h) {
    RECT r{};
    ::GetWindowRect(h, &r);
    ::MapWindowPoints(nullptr, ::GetParent(h), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

class OknoRozdelovacTest : public ::testing::Test {
protected:
    void SetUp() override {
        rodic_.Vytvorit(L"TervikTestRodicRozdelovace", L"Rozdělovač", WS_OVERLAPPEDWINDOW, 0, 20, 20, 600, 400);
        ::ShowWindow(rodic_.Hwnd(), SW_SHOWNOACTIVATE);
        rozdelovac_.Vytvorit(rodic_.Hwnd(), kIdRozdelovace, RECT{0, 0, 400, 200});
        auto panel = [&](int id) {
            return ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, rodic_.Hwnd(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                                     nullptr);
        };
        levy_ = panel(kIdLeveho);
        pravy_ = panel(kIdPraveho);
        rozdelovac_.NastavitTloustkuPruhu(6);
        rozdelovac_.NastavitMinima(50, 80);
        rozdelovac_.NastavitPanely(levy_, pravy_);
    }
    void Tahnout(int odX, int kX) {
        ::SendMessageW(rozdelovac_.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(odX, 100));
        ::SendMessageW(rozdelovac_.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<short>(kX), 100));
    }
    void Pustit(int x) { ::SendMessageW(rozdelovac_.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(static_cast<short>(x), 100)); }
    int ZmenRozdelovace() const {
        int n = 0;
        for (WPARAM wp : rodic_.prikazy) n += LOWORD(wp) == kIdRozdelovace && HIWORD(wp) == kZmenaHodnoty;
        return n;
    }

    OknoRodice rodic_;
    OknoRozdelovac rozdelovac_;
    HWND levy_ = nullptr;
    HWND pravy_ = nullptr;
};

}  // namespace

TEST_F(OknoRozdelovacTest, PanelyLeziVedleSebeKolemPruhu) {
    EXPECT_EQ(::GetParent(levy_), rozdelovac_.Hwnd());
    EXPECT_EQ(::GetParent(pravy_), rozdelovac_.Hwnd());
    EXPECT_EQ(rozdelovac_.Poloha(), 197);
    const RECT l = Obdelnik(levy_), p = Obdelnik(pravy_);
    EXPECT_EQ(l.left, 0);
    EXPECT_EQ(l.right, 197);
    EXPECT_EQ(p.left, 203);
    EXPECT_EQ(p.right, 400);
    EXPECT_EQ(p.bottom - p.top, 200);
}

TEST_F(OknoRozdelovacTest, TazeniZaMinimumSeZastaviAOznamiSe) {
    Tahnout(199, 5);  // grabbed 2 pixels into the bar, pulled far past the left minimum
    EXPECT_EQ(rozdelovac_.Poloha(), 50);
    EXPECT_EQ(Obdelnik(levy_).right, 50);
    EXPECT_EQ(Obdelnik(pravy_).left, 56);
    ::SendMessageW(rozdelovac_.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<short>(-40), 100));
    EXPECT_EQ(rozdelovac_.Poloha(), 50);
    ::SendMessageW(rozdelovac_.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1000, 100));
    EXPECT_EQ(rozdelovac_.Poloha(), 400 - 80 - 6);
    EXPECT_EQ(Obdelnik(pravy_).right - Obdelnik(pravy_).left, 80);
    EXPECT_EQ(ZmenRozdelovace(), 0);  // reported once the drag ends
    Pustit(1000);
    EXPECT_EQ(ZmenRozdelovace(), 1);
    // After the release the mouse moves the bar no more.
    ::SendMessageW(rozdelovac_.Hwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(100, 100));
    EXPECT_EQ(rozdelovac_.Poloha(), 314);
    // A press beside the bar drags nothing; a drag back to the start is no change.
    Tahnout(20, 200);
    Pustit(200);
    EXPECT_EQ(rozdelovac_.Poloha(), 314);
    Tahnout(316, 100);
    ::SendMessageW(rozdelovac_.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(316, 100));
    Pustit(316);
    EXPECT_EQ(ZmenRozdelovace(), 1);
    // Escape during a drag puts the bar back.
    Tahnout(316, 120);
    EXPECT_EQ(rozdelovac_.Poloha(), 118);
    ::SendMessageW(rozdelovac_.Hwnd(), WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(rozdelovac_.Poloha(), 314);
    EXPECT_EQ(ZmenRozdelovace(), 1);
}

TEST_F(OknoRozdelovacTest, ZmenaVelikostiPrerovnaPanelyANotifikacePaneluJdouRodici) {
    // The share kept across resizes is the geometry's (tested natively); here the panes follow it.
    rozdelovac_.NastavitPolohu(100);
    ::SetWindowPos(rozdelovac_.Hwnd(), nullptr, 0, 0, 794, 200, SWP_NOZORDER | SWP_NOMOVE);
    EXPECT_EQ(Obdelnik(levy_).right, rozdelovac_.Poloha());
    EXPECT_EQ(Obdelnik(pravy_).right, 794);
    EXPECT_EQ(ZmenRozdelovace(), 0);  // the program's own changes are not the user's
    // A pane's control talks to the window around the splitter.
    ::SendMessageW(rozdelovac_.Hwnd(), WM_COMMAND, MAKEWPARAM(kIdLeveho, STN_CLICKED), reinterpret_cast<LPARAM>(levy_));
    ASSERT_EQ(rodic_.prikazy.size(), 1u);
    EXPECT_EQ(rodic_.prikazy[0], MAKEWPARAM(kIdLeveho, STN_CLICKED));
}

TEST(OknoRozdelovac, NadSebouDeliVysku) {
    OknoRodice rodic;
    rodic.Vytvorit(L"TervikTestRodicRozdelovace", L"Rozdělovač", WS_OVERLAPPEDWINDOW, 0, 20, 20, 600, 400);
    OknoRozdelovac rozdelovac(false);
    rozdelovac.Vytvorit(rodic.Hwnd(), kIdRozdelovace, RECT{10, 10, 210, 310});
    HWND horni =
        ::CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 1, 1, rozdelovac.Hwnd(), nullptr, nullptr, nullptr);
    rozdelovac.NastavitMinima(40, 40);
    rozdelovac.NastavitPanely(horni, nullptr);
    rozdelovac.NastavitPolohu(280);
    EXPECT_EQ(rozdelovac.Poloha(), 300 - 40 - 5);
    EXPECT_EQ(Obdelnik(horni).bottom, 255);
    EXPECT_EQ(Obdelnik(horni).right, 200);
    // A vertical drag moves it; a horizontal one along the bar does not.
    ::SendMessageW(rozdelovac.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 257));
    ::SendMessageW(rozdelovac.Hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(150, 102));
    ::SendMessageW(rozdelovac.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(150, 102));
    EXPECT_EQ(rozdelovac.Poloha(), 100);
    ASSERT_EQ(rodic.prikazy.size(), 1u);
    EXPECT_EQ(rodic.prikazy[0], MAKEWPARAM(kIdRozdelovace, kZmenaHodnoty));
}
