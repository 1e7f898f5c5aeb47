#include "video/win/OknoVideo.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "ProstrediKamery.h"

using namespace TestyVidea;

namespace {

class OknoVideoTest : public TestSKamerou {
protected:
    void SetUp() override {
        TestSKamerou::SetUp();
        ::SetWindowPos(vlastnik_, nullptr, 0, 0, 800, 600, SWP_NOZORDER | SWP_NOMOVE);
        okno_.Vytvorit(vlastnik_);
        okno_.NastavitCilKliknuti(cil_.Hwnd());
    }
    void TearDown() override {
        okno_.Znicit();
        TestSKamerou::TearDown();
    }

    // Resizes the video window to a client area of sirka × vyska (no scroll bars counted).
    void Klient(int sirka, int vyska) {
        ::SetWindowPos(okno_.Hwnd(), nullptr, 0, 0, sirka, vyska, SWP_NOZORDER | SWP_NOMOVE);
        Cekat([] { return true; }, 0);
    }

    // Where the renderer really is: its window inside the video window's client area.
    RECT PoziceRendereru() {
        RECT r{};
        HWND renderer = ::GetWindow(okno_.Hwnd(), GW_CHILD);
        if (!renderer) return r;
        // The renderer's client origin in the video window's client coordinates.
        POINT a{0, 0};
        ::ClientToScreen(renderer, &a);
        ::ScreenToClient(okno_.Hwnd(), &a);
        RECT k{};
        ::GetClientRect(renderer, &k);
        r = {a.x, a.y, a.x + k.right, a.y + k.bottom};
        return r;
    }

    bool MaStyl(LONG_PTR styl) const { return (::GetWindowLongPtrW(okno_.Hwnd(), GWL_STYLE) & styl) != 0; }

    ZaznamZprav cil_;
    OknoVideo okno_;
};

bool Stejne(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST_F(OknoVideoTest, PrizpusobeniZmensiAVycentruje) {
    // The first video device is chosen when the window is made.
    EXPECT_EQ(okno_.Zachytavani().ZarizeniVideo().friendlyName, kNazevKamery);
    okno_.NastavitPrizpusobeni(true);
    okno_.ZapnoutVideo();
    Klient(320, 400);
    EXPECT_TRUE(Stejne(PoziceRendereru(), RECT{0, 80, 320, 320}));
    Klient(800, 600);
    EXPECT_TRUE(Stejne(PoziceRendereru(), RECT{80, 60, 720, 540}));
    EXPECT_FALSE(MaStyl(WS_HSCROLL));
    EXPECT_FALSE(MaStyl(WS_VSCROLL));
    if (const wchar_t* ms = _wgetenv(L"TERVIK_PODRZET_OKNO")) Cekat([] { return false; }, _wtoi(ms));
}

TEST_F(OknoVideoTest, JednaKuJedneSPosuvniky) {
    okno_.ZapnoutVideo();
    Klient(500, 600);
    EXPECT_TRUE(Stejne(PoziceRendereru(), RECT{0, 0, 640, 480}));
    EXPECT_TRUE(MaStyl(WS_HSCROLL));
    EXPECT_FALSE(MaStyl(WS_VSCROLL));
    // Scrolling moves the picture within its range.
    ::SendMessageW(okno_.Hwnd(), WM_HSCROLL, SB_BOTTOM, 0);
    const RECT r = PoziceRendereru();
    EXPECT_LT(r.left, 0);
    EXPECT_EQ(r.right - r.left, 640);
    RECT klient{};
    ::GetClientRect(okno_.Hwnd(), &klient);
    EXPECT_EQ(r.right, klient.right);
    // Switching to fit hides the bars again.
    okno_.NastavitPrizpusobeni(true);
    Cekat([&] { return !MaStyl(WS_HSCROLL); }, 5000);
    EXPECT_FALSE(MaStyl(WS_HSCROLL));
    EXPECT_EQ(PoziceRendereru().left, 0);
}

TEST_F(OknoVideoTest, VypnuteVideoSkryjePosuvnikyAUkazeNazev) {
    okno_.ZapnoutVideo();
    Klient(300, 200);
    EXPECT_TRUE(MaStyl(WS_HSCROLL));
    okno_.VypnoutVideo();
    Klient(400, 300);
    EXPECT_FALSE(MaStyl(WS_HSCROLL));
    EXPECT_FALSE(MaStyl(WS_VSCROLL));
    ::RedrawWindow(okno_.Hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    // The name is painted around the centre: some pixel of the middle row is not white, the
    // corners are.
    HDC dc = ::GetDC(okno_.Hwnd());
    int jine = 0;
    for (int x = 0; x < 400; ++x)
        if ((::GetPixel(dc, x, 150) & 0xFFFFFF) != 0xFFFFFF) ++jine;
    const COLORREF roh = ::GetPixel(dc, 2, 2);
    ::ReleaseDC(okno_.Hwnd(), dc);
    EXPECT_GT(jine, 10);
    EXPECT_EQ(roh & 0xFFFFFF, 0xFFFFFFu);
    if (const wchar_t* ms = _wgetenv(L"TERVIK_PODRZET_OKNO")) Cekat([] { return false; }, _wtoi(ms));
}

TEST_F(OknoVideoTest, KliknutiSCtrlJdeKamereOstatniRodici) {
    ::SendMessageW(okno_.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(5, 6));
    Cekat([&] { return !cil_.zpravy.empty(); }, 5000);
    ASSERT_EQ(cil_.zpravy.size(), 1u);
    EXPECT_EQ(cil_.zpravy[0].cislo, OknoVideo::kZpravaCtrlKlik);
    ::SendMessageW(okno_.Hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 6));
    Cekat([&] { return cil_.zpravy.size() >= 2; }, 5000);
    ASSERT_EQ(cil_.zpravy.size(), 2u);
    EXPECT_EQ(cil_.zpravy[1].cislo, OknoVideo::kZpravaDvojklik);

    // A plain click goes to the parent window (posted), not to the camera.
    MSG msg{};
    ::SendMessageW(okno_.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
    ASSERT_TRUE(::PeekMessageW(&msg, vlastnik_, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.lParam, MAKELPARAM(7, 8));
    ::SendMessageW(okno_.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, 0);
    EXPECT_FALSE(::PeekMessageW(&msg, vlastnik_, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
}

TEST_F(OknoVideoTest, KurzorRukaSCtrl) {
    BYTE klavesy[256] = {};
    ::GetKeyboardState(klavesy);
    klavesy[VK_CONTROL] = 0x80;
    ::SetKeyboardState(klavesy);
    ::SendMessageW(okno_.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(okno_.Hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_HAND));
    klavesy[VK_CONTROL] = 0;
    ::SetKeyboardState(klavesy);
    ::SendMessageW(okno_.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(okno_.Hwnd()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_ARROW));
}
