#include "ui/win/TrackBarKvalitaJpeg.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include "ui/win/DialogPrvku.h"

using Holvent::Email::SablonaDialogu;

namespace {

constexpr int kIdBaru = 201, kIdPopisku = 202;

std::wstring Text(HWND h) {
    wchar_t buf[128] = {};
    ::GetWindowTextW(h, buf, 128);
    return buf;
}

class TrackBarKvalitaJpegTest : public ::testing::Test {
protected:
    TrackBarKvalitaJpegTest() : sablona_(220, 60, L"Test kvality"), dlg_(sablona_) {}
    void SetUp() override {
        ASSERT_NE(dlg_.Hwnd(), nullptr);
        bar_.Nastavit(85);
        bar_.Vytvorit(dlg_.Hwnd(), kIdBaru, kIdPopisku, RECT{10, 10, 310, 40});
        ASSERT_NE(bar_.Hwnd(), nullptr);
    }
    LRESULT Poloha() const { return ::SendMessageW(bar_.Hwnd(), TBM_GETPOS, 0, 0); }
    void Klavesa(WPARAM vk) {
        ::SendMessageW(bar_.Hwnd(), WM_KEYDOWN, vk, 0);
        ::SendMessageW(bar_.Hwnd(), WM_KEYUP, vk, 0);
    }

    SablonaDialogu sablona_;
    DialogPrvku dlg_;
    TrackBarKvalitaJpeg bar_;
};

}  // namespace

TEST_F(TrackBarKvalitaJpegTest, RozsahAPocatecniHodnotaBezOznameni) {
    EXPECT_EQ(::SendMessageW(bar_.Hwnd(), TBM_GETRANGEMIN, 0, 0), 1);
    EXPECT_EQ(::SendMessageW(bar_.Hwnd(), TBM_GETRANGEMAX, 0, 0), 100);
    EXPECT_EQ(Poloha(), 85);
    EXPECT_EQ(bar_.Hodnota(), 85u);
    EXPECT_EQ(::GetDlgCtrlID(bar_.Popisek()), kIdPopisku);
    EXPECT_EQ(Text(bar_.Popisek()), L"Kvalita: 85 %");
    // The static sits right of the bar, inside the given area.
    RECT b{}, p{};
    ::GetWindowRect(bar_.Hwnd(), &b);
    ::GetWindowRect(bar_.Popisek(), &p);
    EXPECT_LE(b.right, p.left);
    EXPECT_EQ(p.right - b.left, 300);
    bar_.Nastavit(0);
    EXPECT_EQ(bar_.Hodnota(), 1u);
    EXPECT_EQ(Text(bar_.Popisek()), L"Kvalita: 1 %");
    bar_.Nastavit(250);
    EXPECT_EQ(bar_.Hodnota(), 100u);
    EXPECT_EQ(Poloha(), 100);
    EXPECT_EQ(Text(bar_.Popisek()), L"Kvalita: 100 %");
    EXPECT_TRUE(dlg_.zmeny.empty());
}

TEST_F(TrackBarKvalitaJpegTest, PopisekSledujePosunUzivatelem) {
    Klavesa(VK_RIGHT);
    EXPECT_EQ(Poloha(), 86);
    EXPECT_EQ(bar_.Hodnota(), 86u);
    EXPECT_EQ(Text(bar_.Popisek()), L"Kvalita: 86 %");
    ASSERT_EQ(dlg_.zmeny.size(), 1u);
    EXPECT_EQ(dlg_.zmeny[0].first, kIdBaru);
    EXPECT_EQ(dlg_.zmeny[0].second, bar_.Hwnd());
    Klavesa(VK_END);
    EXPECT_EQ(Text(bar_.Popisek()), L"Kvalita: 100 %");
    EXPECT_EQ(dlg_.zmeny.size(), 2u);
    // At the end already: the bar scrolls but the value does not change, so nothing is reported.
    Klavesa(VK_RIGHT);
    EXPECT_EQ(dlg_.zmeny.size(), 2u);
    // A thumb dragged to 40 (the bar moves, then tells its parent).
    ::SendMessageW(bar_.Hwnd(), TBM_SETPOS, TRUE, 40);
    ::SendMessageW(dlg_.Hwnd(), WM_HSCROLL, MAKEWPARAM(TB_THUMBTRACK, 40), reinterpret_cast<LPARAM>(bar_.Hwnd()));
    EXPECT_EQ(bar_.Hodnota(), 40u);
    EXPECT_EQ(Text(bar_.Popisek()), L"Kvalita: 40 %");
    EXPECT_EQ(dlg_.zmeny.size(), 3u);
    // Another scroll bar's message is not the bar's.
    ::SendMessageW(dlg_.Hwnd(), WM_HSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(dlg_.zmeny.size(), 3u);
}

TEST_F(TrackBarKvalitaJpegTest, ZnicenyPosuvnikUvolniRodice) {
    HWND popisek = bar_.Popisek();
    ::DestroyWindow(bar_.Hwnd());
    EXPECT_EQ(bar_.Hwnd(), nullptr);
    EXPECT_EQ(bar_.Popisek(), nullptr);
    // The dialog's scroll messages reach no freed hook; the value is still known.
    ::SendMessageW(dlg_.Hwnd(), WM_HSCROLL, SB_LINEDOWN, 0);
    bar_.Nastavit(50);
    EXPECT_EQ(bar_.Hodnota(), 50u);
    EXPECT_EQ(Text(popisek), L"Kvalita: 85 %");
    EXPECT_TRUE(dlg_.zmeny.empty());
}
