#include "ui/win/StaticPismo.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <functional>
#include <thread>

#include "camera/win/PismoSystemu.h"
#include "knihovna/win/UnikatniHandle.h"
#include "ui/win/DialogPrvku.h"

using Holvent::Email::SablonaDialogu;

namespace {

constexpr int kIdPopisku = 501, kIdTlacitka = 502;

LOGFONTW Pismo(const wchar_t* jmeno, LONG vyska, LONG tloustka, bool kurziva) {
    LOGFONTW lf{};
    lf.lfHeight = vyska;
    lf.lfWeight = tloustka;
    lf.lfItalic = kurziva;
    lf.lfCharSet = DEFAULT_CHARSET;
    ::wcsncpy(lf.lfFaceName, jmeno, LF_FACESIZE - 1);
    return lf;
}

bool Stejne(const LOGFONTW& a, const LOGFONTW& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

LOGFONTW PismoPrvku(HWND h) {
    LOGFONTW lf{};
    auto pismo = reinterpret_cast<HGDIOBJ>(::SendMessageW(h, WM_GETFONT, 0, 0));
    if (pismo) ::GetObjectW(pismo, sizeof lf, &lf);
    return lf;
}

std::wstring Text(HWND h) {
    wchar_t buf[256] = {};
    ::GetWindowTextW(h, buf, 256);
    return buf;
}

// The user at the font dialog that the test's dialog owns: waits for it (generously), lets priOtevreni
// look at it, then presses the button. Sets videl when the dialog came.
std::thread Uzivatel(HWND vlastnik, int tlacitko, std::atomic<bool>& videl,
                     std::function<void(HWND)> priOtevreni = {}) {
    return std::thread([=, &videl] {
        for (int i = 0; i < 400; ++i) {
            HWND h = nullptr;
            while ((h = ::FindWindowExW(nullptr, h, L"#32770", nullptr)) != nullptr)
                if (::GetWindow(h, GW_OWNER) == vlastnik && ::IsWindowVisible(h)) break;
            if (h) {
                if (priOtevreni) priOtevreni(h);
                videl = true;
                ::PostMessageW(h, WM_COMMAND, MAKEWPARAM(tlacitko, BN_CLICKED),
                               reinterpret_cast<LPARAM>(::GetDlgItem(h, tlacitko)));
                return;
            }
            ::Sleep(50);
        }
    });
}

class StaticPismoTest : public ::testing::Test {
protected:
    StaticPismoTest() : sablona_(280, 80, L"Test písma") {
        sablona_.Polozka(SS_LEFT, 10, 10, 260, 18, kIdPopisku, SablonaDialogu::kPopisek, L"");
        sablona_.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 10, 40, 180, 14, kIdTlacitka, SablonaDialogu::kTlacitko, L"");
        dlg_ = std::make_unique<DialogPrvku>(sablona_);
    }
    void SetUp() override {
        ASSERT_NE(dlg_->Hwnd(), nullptr);
        Knihovna::WinApi::DcOkna dc(nullptr);
        ASSERT_EQ(::GetDeviceCaps(dc.Dc(), LOGPIXELSY), 96);  // the expected sizes assume it
    }
    void Kliknout(HWND h) {
        ::SendMessageW(h, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::SendMessageW(h, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }

    SablonaDialogu sablona_;
    std::unique_ptr<DialogPrvku> dlg_;
};

}  // namespace

TEST_F(StaticPismoTest, PismoProjdeTamAZpetAPopisJeVNem) {
    HWND popisek = dlg_->Prvek(kIdPopisku);
    const LOGFONTW puvodni = PismoPrvku(popisek);
    StaticPismo pismo;
    const LOGFONTW lf = Pismo(L"DejaVu Sans", -16, FW_BOLD, false);
    pismo.Nastavit(lf);
    pismo.Pripojit(popisek);
    EXPECT_TRUE(Stejne(pismo.Pismo(), lf));
    EXPECT_EQ(Text(popisek), L"DejaVu Sans, 12 pt, tučné");
    const LOGFONTW zobrazene = PismoPrvku(popisek);
    EXPECT_STREQ(zobrazene.lfFaceName, L"DejaVu Sans");
    EXPECT_EQ(zobrazene.lfWeight, FW_BOLD);
    EXPECT_EQ(zobrazene.lfHeight, -16);
    // The stored record and back: the same 92 bytes.
    const PopisPisma popis = pismo.Popis();
    EXPECT_EQ(popis, PopisZLogfontu(lf));
    pismo.Nastavit(Pismo(L"Tahoma", -11, FW_NORMAL, true));
    EXPECT_EQ(Text(popisek), L"Tahoma, 8 pt, kurzíva");
    pismo.Nastavit(popis);
    EXPECT_TRUE(Stejne(pismo.Pismo(), lf));
    // A huge font is described truly but shown no taller than the control.
    pismo.Nastavit(Pismo(L"DejaVu Sans", -96, FW_NORMAL, false));
    EXPECT_EQ(Text(popisek), L"DejaVu Sans, 72 pt");
    RECT r{};
    ::GetClientRect(popisek, &r);
    EXPECT_LE(-PismoPrvku(popisek).lfHeight, r.bottom);
    EXPECT_EQ(pismo.Pismo().lfHeight, -96);
    // So is a description wider than the control: it is shown whole, in a smaller size.
    ::SetWindowPos(popisek, nullptr, 0, 0, 120, r.bottom, SWP_NOMOVE | SWP_NOZORDER);
    pismo.Nastavit(lf);
    {
        const std::wstring text = Text(popisek);
        Knihovna::WinApi::DcOkna dc(popisek);
        Knihovna::WinApi::VybranyObjekt vybrane(dc.Dc(),
                                                reinterpret_cast<HGDIOBJ>(::SendMessageW(popisek, WM_GETFONT, 0, 0)));
        SIZE s{};
        ::GetTextExtentPoint32W(dc.Dc(), text.c_str(), static_cast<int>(text.size()), &s);
        EXPECT_LE(s.cx, 120);
        EXPECT_GT(PismoPrvku(popisek).lfHeight, -16);
        EXPECT_STREQ(PismoPrvku(popisek).lfFaceName, L"DejaVu Sans");
    }
    // Let go: the control has its own font again.
    pismo.Odpojit();
    EXPECT_TRUE(Stejne(PismoPrvku(popisek), puvodni));
    // Shown plainly: the control keeps its font and only the text says which.
    pismo.Nastavit(lf);
    pismo.Pripojit(popisek, false);
    EXPECT_EQ(Text(popisek), L"DejaVu Sans, 12 pt, tučné");
    EXPECT_TRUE(Stejne(PismoPrvku(popisek), puvodni));
    EXPECT_TRUE(dlg_->zmeny.empty());
}

TEST_F(StaticPismoTest, KliknutiOtevreDialogAPotvrzeniSeOznami) {
    HWND popisek = dlg_->Prvek(kIdPopisku);
    StaticPismo pismo;
    pismo.Nastavit(Pismo(L"DejaVu Sans", -16, FW_BOLD, false));
    pismo.Pripojit(popisek);
    // Storno: nothing changes, nothing is reported.
    std::atomic<bool> videl{false};
    std::thread storno = Uzivatel(dlg_->Hwnd(), IDCANCEL, videl);
    Kliknout(popisek);
    storno.join();
    ASSERT_TRUE(videl);
    EXPECT_TRUE(dlg_->zmeny.empty());
    EXPECT_EQ(pismo.Pismo().lfHeight, -16);
    // OK after choosing another size in the dialog: the new font is kept and reported.
    videl = false;
    std::thread ok = Uzivatel(dlg_->Hwnd(), IDOK, videl, [](HWND fontDlg) {
        HWND velikost = ::GetDlgItem(fontDlg, 0x472);  // the size combo box of the font dialog
        const LRESULT i =
            ::SendMessageW(velikost, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"20"));
        ::SendMessageW(velikost, CB_SETCURSEL, i, 0);
        ::SendMessageW(fontDlg, WM_COMMAND, MAKEWPARAM(0x472, CBN_SELCHANGE), reinterpret_cast<LPARAM>(velikost));
    });
    Kliknout(popisek);
    ok.join();
    ASSERT_TRUE(videl);
    ASSERT_EQ(dlg_->zmeny.size(), 1u);
    EXPECT_EQ(dlg_->zmeny[0].first, kIdPopisku);
    EXPECT_EQ(dlg_->zmeny[0].second, popisek);
    EXPECT_STREQ(pismo.Pismo().lfFaceName, L"DejaVu Sans");
    EXPECT_GE(pismo.Pismo().lfWeight, FW_SEMIBOLD);
    EXPECT_EQ(pismo.Pismo().lfHeight, -27);  // 20 pt at 96 dpi
    EXPECT_EQ(Text(popisek), L"DejaVu Sans, 20 pt, tučné");
    // A press that leaves the control before the release is no click.
    ::SendMessageW(popisek, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageW(popisek, WM_LBUTTONUP, 0, MAKELPARAM(5, 500));
    EXPECT_EQ(dlg_->zmeny.size(), 1u);
}

TEST_F(StaticPismoTest, TlacitkoOtevreDialogMezernikemIEnterem) {
    HWND tlacitko = dlg_->Prvek(kIdTlacitka);
    StaticPismo pismo;
    pismo.Pripojit(tlacitko);
    EXPECT_FALSE(Text(tlacitko).empty());  // the default GUI font's description
    ::SetFocus(tlacitko);
    std::atomic<bool> videl{false};
    std::thread mezernik = Uzivatel(dlg_->Hwnd(), IDOK, videl);
    ::SendMessageW(tlacitko, WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageW(tlacitko, WM_KEYUP, VK_SPACE, 0);
    mezernik.join();
    EXPECT_TRUE(videl);
    EXPECT_EQ(dlg_->zmeny.size(), 1u);
    // The dialog manager hands Enter to the button instead of to the default button.
    MSG enter{tlacitko, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(::SendMessageW(tlacitko, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)) &
                DLGC_WANTMESSAGE);
    videl = false;
    std::thread klavesa = Uzivatel(dlg_->Hwnd(), IDOK, videl);
    ::SendMessageW(tlacitko, WM_KEYDOWN, VK_RETURN, 0);
    klavesa.join();
    EXPECT_TRUE(videl);
    EXPECT_EQ(dlg_->zmeny.size(), 2u);
}

TEST_F(StaticPismoTest, OpakovaneVytvoreniNenechaPisma) {
    const long pred = ObjektGdiPrvku<HFONT>::Pocet();
    for (int i = 0; i < 50; ++i) {
        DialogPrvku dlg(sablona_);
        ASSERT_NE(dlg.Hwnd(), nullptr);
        StaticPismo pismo;
        pismo.Pripojit(dlg.Prvek(kIdPopisku));
        pismo.Nastavit(Pismo(L"DejaVu Sans", -13 - i % 5, FW_NORMAL, i % 2 != 0));
        pismo.Nastavit(Pismo(L"Tahoma", 20, FW_BOLD, false));  // a cell height: measured with a passing font
        EXPECT_EQ(ObjektGdiPrvku<HFONT>::Pocet(), pred + 1);
        // Half the time the control dies first, half the time the object.
        if (i % 2) {
            dlg.Znicit();
            EXPECT_EQ(ObjektGdiPrvku<HFONT>::Pocet(), pred);  // freed with the control, before the object goes
        }
    }
    EXPECT_EQ(ObjektGdiPrvku<HFONT>::Pocet(), pred);
}
