#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "knihovna/win/IkonaOznamovaciOblasti.h"
#include "knihovna/win/Okno.h"
#include "knihovna/win/PanelNastroju.h"
#include "knihovna/win/StavovyRadek.h"

using namespace Knihovna::WinApi;

namespace {

constexpr int kVideo = 40022, kZaznam = 40026, kSnimky = 40049;
constexpr UINT kZpravaIkony = 0x87D1;

// A camera-like top-level window with a toolbar and a status bar.
class OknoPrvku final : public Okno {
public:
    PanelNastroju panel;
    StavovyRadek radek;
    std::vector<std::pair<int, POINT>> rozbaleni;

protected:
    LRESULT ZpracovatZpravu(UINT zprava, WPARAM wp, LPARAM lp) override {
        if (zprava == WM_NOTIFY) {
            LRESULT vysledek = 0;
            if (panel.ZpracovatNotifikaci(reinterpret_cast<NMHDR*>(lp), vysledek,
                                          [this](int prikaz, POINT bod) { rozbaleni.push_back({prikaz, bod}); }))
                return vysledek;
        }
        if (zprava == WM_SIZE) {
            panel.Prizpusobit();
            radek.Prizpusobit();
        }
        return Okno::ZpracovatZpravu(zprava, wp, lp);
    }
};

// 16x16 (or velikost) images made from a system icon (shared, so not freed).
HIMAGELIST SeznamObrazku(int pocet, int velikost = 16) {
    HIMAGELIST s = ImageList_Create(velikost, velikost, ILC_COLOR32 | ILC_MASK, pocet, 0);
    for (int i = 0; i < pocet; ++i) ImageList_AddIcon(s, ::LoadIconW(nullptr, i % 2 ? IDI_WARNING : IDI_APPLICATION));
    return s;
}

class PrvkyOkna : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
        ASSERT_TRUE(::InitCommonControlsEx(&icc));
        obrazky_ = SeznamObrazku(4);
        okno_.Vytvorit(L"TervikTestPrvku", L"Prvky", WS_OVERLAPPEDWINDOW, 0, 20, 20, 500, 300);
        ::ShowWindow(okno_.Hwnd(), SW_SHOWNOACTIVATE);
    }
    void TearDown() override {
        if (okno_.Hwnd()) okno_.Znicit();
        ImageList_Destroy(obrazky_);
    }
    OknoPrvku okno_;
    HIMAGELIST obrazky_ = nullptr;
};

LRESULT Stav(HWND panel, int prikaz) { return ::SendMessageW(panel, TB_GETSTATE, prikaz, 0); }

}  // namespace

// At a change of DPI the toolbar takes the strip of the new size: its buttons hold the larger images, and shrink back.
TEST_F(PrvkyOkna, PanelNastrojuBereObrazkyJineVelikosti) {
    auto& p = okno_.panel;
    p.Vytvorit(okno_.Hwnd(), 100, obrazky_,
               {{kVideo, 0, BTNS_CHECK, L"Video"}, {kSnimky, 1, BTNS_DROPDOWN, L"Snímek"}});
    auto tlacitko = [&] {
        RECT r{};
        ::SendMessageW(p.Hwnd(), TB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&r));
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    const SIZE puvodni = tlacitko();
    const int vyska = p.Vyska();
    HIMAGELIST vetsi = SeznamObrazku(4, 32);
    p.NastavitObrazky(vetsi);
    EXPECT_GE(tlacitko().cx, 32 + 6);
    EXPECT_GE(tlacitko().cy, 32 + 6);
    EXPECT_GE(p.Vyska(), vyska + 16);
    p.NastavitObrazky(obrazky_);
    EXPECT_EQ(tlacitko().cx, puvodni.cx);
    EXPECT_EQ(tlacitko().cy, puvodni.cy);
    EXPECT_EQ(p.Vyska(), vyska);
    p.NastavitObrazky(nullptr);  // the toolbar must not keep the list about to be freed
    ImageList_Destroy(vetsi);
}

TEST_F(PrvkyOkna, PanelNastrojuStavyPopiskyARozbaleni) {
    auto& p = okno_.panel;
    p.Vytvorit(okno_.Hwnd(), 100, obrazky_,
               {{kVideo, 0, BTNS_BUTTON, L"Zapnout videozařízení"}, {0, 0, BTNS_SEP, L""},
                {kZaznam, 1, BTNS_CHECK, L"Panel nástrojů"}, {kSnimky, 2, BTNS_DROPDOWN, L"Uložit snímek"}});
    ASSERT_NE(p.Hwnd(), nullptr);
    EXPECT_EQ(::SendMessageW(p.Hwnd(), TB_BUTTONCOUNT, 0, 0), 4);
    EXPECT_TRUE(p.Viditelny());
    EXPECT_GT(p.Vyska(), 0);

    // Enabled and checked states are the toolbar's own.
    EXPECT_TRUE(p.JePovoleno(kVideo));
    p.Povolit(kVideo, false);
    EXPECT_FALSE(Stav(p.Hwnd(), kVideo) & TBSTATE_ENABLED);
    EXPECT_FALSE(p.JePovoleno(kVideo));
    p.Zaskrtnout(kZaznam, true);
    EXPECT_TRUE(Stav(p.Hwnd(), kZaznam) & TBSTATE_CHECKED);
    EXPECT_TRUE(p.JeZaskrtnuto(kZaznam));
    EXPECT_TRUE(Stav(p.Hwnd(), kVideo) != -1 && !(Stav(p.Hwnd(), kVideo) & TBSTATE_CHECKED));
    p.Povolit(kVideo, true);
    p.Zaskrtnout(kZaznam, false);
    EXPECT_TRUE(Stav(p.Hwnd(), kVideo) & TBSTATE_ENABLED);
    EXPECT_FALSE(p.JeZaskrtnuto(kZaznam));

    // The tooltip's text request, as the toolbar's tooltip window sends it to the parent.
    HWND tip = reinterpret_cast<HWND>(::SendMessageW(p.Hwnd(), TB_GETTOOLTIPS, 0, 0));
    ASSERT_NE(tip, nullptr);
    auto popisek = [&](int prikaz) {
        NMTTDISPINFOW info{};
        info.hdr = {tip, static_cast<UINT_PTR>(prikaz), TTN_GETDISPINFOW};
        ::SendMessageW(okno_.Hwnd(), WM_NOTIFY, prikaz, reinterpret_cast<LPARAM>(&info));
        if (info.lpszText && !IS_INTRESOURCE(info.lpszText)) return std::wstring(info.lpszText);
        return std::wstring(info.szText);
    };
    EXPECT_EQ(popisek(kVideo), L"Zapnout videozařízení");
    EXPECT_EQ(popisek(kSnimky), L"Uložit snímek");
    p.NastavitPopis(kVideo, L"Vypnout videozařízení");
    EXPECT_EQ(popisek(kVideo), L"Vypnout videozařízení");
    EXPECT_EQ(p.Popis(kVideo), L"Vypnout videozařízení");
    // A request of another window's tooltip is not this toolbar's.
    NMTTDISPINFOW cizi{};
    cizi.hdr = {okno_.Hwnd(), static_cast<UINT_PTR>(kVideo), TTN_GETDISPINFOW};
    LRESULT vysledek = 0;
    EXPECT_FALSE(p.ZpracovatNotifikaci(&cizi.hdr, vysledek, nullptr));
    EXPECT_EQ(cizi.lpszText, nullptr);

    // A click on the split button's arrow asks for the menu below the button.
    RECT r{};
    ASSERT_TRUE(::SendMessageW(p.Hwnd(), TB_GETRECT, kSnimky, reinterpret_cast<LPARAM>(&r)));
    const LPARAM bodKliku = MAKELPARAM(r.right - 3, (r.top + r.bottom) / 2);
    ::SendMessageW(p.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, bodKliku);
    ::SendMessageW(p.Hwnd(), WM_LBUTTONUP, 0, bodKliku);
    ASSERT_EQ(okno_.rozbaleni.size(), 1u);
    EXPECT_EQ(okno_.rozbaleni[0].first, kSnimky);
    POINT roh{r.left, r.bottom};
    ::ClientToScreen(p.Hwnd(), &roh);
    EXPECT_EQ(okno_.rozbaleni[0].second.x, roh.x);
    EXPECT_EQ(okno_.rozbaleni[0].second.y, roh.y);

    p.Zobrazit(false);
    EXPECT_FALSE(p.Viditelny());
    EXPECT_EQ(p.Vyska(), 0);
}

TEST_F(PrvkyOkna, StavovyRadekTextyAIkonyCasti) {
    auto& s = okno_.radek;
    s.Vytvorit(okno_.Hwnd(), 101);
    ASSERT_NE(s.Hwnd(), nullptr);
    s.NastavitCasti({200, 240, 280, 320, -1});
    EXPECT_EQ(::SendMessageW(s.Hwnd(), SB_GETPARTS, 0, 0), 5);
    s.NastavitText(0, L"Připraven");
    s.NastavitText(4, L"320 × 240");
    wchar_t text[64] = {};
    ::SendMessageW(s.Hwnd(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"Připraven");
    ::SendMessageW(s.Hwnd(), SB_GETTEXTW, 4, reinterpret_cast<LPARAM>(text));
    EXPECT_STREQ(text, L"320 × 240");
    EXPECT_EQ(s.Text(0), L"Připraven");
    EXPECT_EQ(s.Text(2), L"");
    EXPECT_GT(s.Vyska(), 0);

    auto ikonaCasti = [&](int cast) { return reinterpret_cast<HICON>(::SendMessageW(s.Hwnd(), SB_GETICON, cast, 0)); };
    EXPECT_EQ(ikonaCasti(2), nullptr);
    EXPECT_EQ(s.IndexIkony(2), -1);
    // Replaced many times (the recording icon blinks): only the current icons stay alive.
    std::vector<HICON> stare;
    for (int i = 0; i < 50; ++i) {
        s.NastavitIkonu(2, obrazky_, i % 2);
        s.NastavitIkonu(3, obrazky_, 2 + i % 2);
        stare.push_back(ikonaCasti(2));
        EXPECT_EQ(s.IndexIkony(2), i % 2);
        EXPECT_EQ(s.PocetIkon(), 2);
    }
    ICONINFO ii{};
    ASSERT_TRUE(::GetIconInfo(ikonaCasti(2), &ii));
    ::DeleteObject(ii.hbmColor);
    ::DeleteObject(ii.hbmMask);
    stare.pop_back();
    int zive = 0;
    for (HICON h : stare) {
        if (::GetIconInfo(h, &ii)) {
            ++zive;
            ::DeleteObject(ii.hbmColor);
            ::DeleteObject(ii.hbmMask);
        }
    }
    EXPECT_EQ(zive, 0);

    HICON posledni = ikonaCasti(3);
    s.NastavitIkonu(2, obrazky_, -1);
    EXPECT_EQ(ikonaCasti(2), nullptr);
    EXPECT_EQ(s.IndexIkony(2), -1);
    EXPECT_NE(ikonaCasti(3), nullptr);
    EXPECT_EQ(s.PocetIkon(), 1);
    // Fewer parts: the dropped part's icon goes.
    s.NastavitCasti({200, 240, -1});
    EXPECT_EQ(s.PocetIkon(), 0);
    EXPECT_FALSE(::GetIconInfo(posledni, &ii));
    EXPECT_THROW(s.NastavitIkonu(1, obrazky_, 99), Knihovna::Chyba);
    EXPECT_EQ(s.PocetIkon(), 0);

    s.Zobrazit(false);
    EXPECT_EQ(s.Vyska(), 0);
}

TEST_F(PrvkyOkna, IkonaOznamovaciOblastiABubliny) {
    HICON ikona = ::LoadIconW(nullptr, IDI_APPLICATION);
    auto jeVOblasti = [&](UINT id) {  // a modify succeeds only for an icon the shell has
        NOTIFYICONDATAW d{};
        d.cbSize = sizeof(d);
        d.hWnd = okno_.Hwnd();
        d.uID = id;
        d.uFlags = NIF_TIP;
        return ::Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
    };
    {
        IkonaOznamovaciOblasti i;
        EXPECT_FALSE(i.Bublina(1, L"Tervik", L"bez ikony"));
        i.Nastavit(okno_.Hwnd(), 7, kZpravaIkony);
        ASSERT_TRUE(i.Zobrazit(ikona, std::wstring(200, L'x')));
        EXPECT_TRUE(i.Existuje());
        EXPECT_TRUE(jeVOblasti(7));
        EXPECT_EQ(i.Tip().size(), 127u);
        EXPECT_TRUE(i.Zobrazit(ikona, L"Kamera 1"));  // a second show changes the icon
        EXPECT_TRUE(i.ZmenitTip(L"Kamera 1 - snímky"));
        for (int druh : {1, 2, 3}) EXPECT_TRUE(i.Bublina(druh, std::wstring(100, L'T'), std::wstring(400, L'ř')));
        EXPECT_TRUE(i.SkrytBublinu());

        i.Odebrat();
        EXPECT_FALSE(i.Existuje());
        EXPECT_FALSE(jeVOblasti(7));
        EXPECT_FALSE(i.Bublina(3, L"Tervik", L"po odebrání"));
        EXPECT_FALSE(i.ZmenitTip(L"po odebrání"));
        i.Odebrat();
        i.ObnovitPoRestartuShellu();  // not there: stays away
        EXPECT_FALSE(jeVOblasti(7));

        ASSERT_TRUE(i.Zobrazit(ikona, L"znovu"));
        i.ObnovitPoRestartuShellu();
        EXPECT_TRUE(i.Existuje());
        EXPECT_TRUE(jeVOblasti(7));
    }
    EXPECT_FALSE(jeVOblasti(7));  // the destructor removed it
}
