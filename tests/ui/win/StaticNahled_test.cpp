#include "ui/win/StaticNahled.h"

#include <gtest/gtest.h>

#include <string>

#include "knihovna/win/GdiPlus.h"
#include "knihovna/win/UnikatniHandle.h"
#include "ui/win/DialogPrvku.h"

using Holvent::Email::SablonaDialogu;
using Knihovna::WinApi::UnikatniDc;
using Knihovna::WinApi::VybranyObjekt;

namespace {

constexpr int kIdNahledu = 401;
const CLSID kKoderJpeg = {0x557cf401, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

// What the control paints, read back pixel by pixel (through WM_PRINTCLIENT into a bitmap of its size).
class Otisk {
public:
    explicit Otisk(HWND prvek) {
        RECT r{};
        ::GetClientRect(prvek, &r);
        sirka_ = r.right;
        vyska_ = r.bottom;
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = sirka_;
        bi.bmiHeader.biHeight = -vyska_;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        void* bity = nullptr;
        bitmapa_.Nastavit(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bity, nullptr, 0));
        bity_ = static_cast<const DWORD*>(bity);
        UnikatniDc dc(::CreateCompatibleDC(nullptr));
        VybranyObjekt vybrany(dc.get(), bitmapa_.get());
        ::SendMessageW(prvek, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.get()), PRF_CLIENT);
        ::GdiFlush();
    }
    // 0xRRGGBB
    DWORD Pixel(int x, int y) const { return bity_ ? bity_[y * sirka_ + x] & 0xFFFFFF : 0; }
    int Sirka() const { return sirka_; }
    int Vyska() const { return vyska_; }

private:
    Knihovna::WinApi::UnikatniBitmapa bitmapa_;
    const DWORD* bity_ = nullptr;
    int sirka_ = 0, vyska_ = 0;
};

DWORD Pozadi() {
    const COLORREF c = ::GetSysColor(COLOR_BTNFACE);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

bool Cervena(DWORD p) { return ((p >> 16) & 0xFF) > 200 && ((p >> 8) & 0xFF) < 60 && (p & 0xFF) < 60; }

class StaticNahledTest : public ::testing::Test {
protected:
    StaticNahledTest() : sablona_(160, 120, L"Test náhledu") {
        // 133 × 100 dialog units: about 200 × 163 pixels with the dialog font.
        sablona_.Polozka(SS_LEFT, 10, 10, 133, 100, kIdNahledu, SablonaDialogu::kPopisek);
    }
    void SetUp() override {
        Gdiplus::GdiplusStartupInput vstup;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplus_, &vstup, nullptr), Gdiplus::Ok);
        wchar_t tmp[MAX_PATH] = {};
        ::GetTempPathW(MAX_PATH, tmp);
        slozka_ = std::wstring(tmp) + L"tervik_nahled_" + std::to_wstring(::GetCurrentProcessId());
        ::CreateDirectoryW(slozka_.c_str(), nullptr);
        dlg_ = std::make_unique<DialogPrvku>(sablona_);
        ASSERT_NE(dlg_->Hwnd(), nullptr);
    }
    void TearDown() override {
        nahled_.Odpojit();
        dlg_.reset();
        for (const std::wstring& s : soubory_) ::DeleteFileW(s.c_str());
        ::RemoveDirectoryW(slozka_.c_str());
        if (gdiplus_) Gdiplus::GdiplusShutdown(gdiplus_);
    }
    // A red JPEG of w × h.
    std::wstring Jpeg(int w, int h, const wchar_t* jmeno) {
        Gdiplus::Bitmap b(w, h, PixelFormat24bppRGB);
        {
            Gdiplus::Graphics g(&b);
            g.Clear(Gdiplus::Color(255, 230, 20, 20));
        }
        const std::wstring cesta = slozka_ + L"\\" + jmeno;
        EXPECT_EQ(b.Save(cesta.c_str(), &kKoderJpeg, nullptr), Gdiplus::Ok);
        soubory_.push_back(cesta);
        return cesta;
    }
    HWND Prvek() const { return dlg_->Prvek(kIdNahledu); }
    std::wstring Text() const {
        wchar_t buf[256] = {};
        ::GetWindowTextW(Prvek(), buf, 256);
        return buf;
    }

    ULONG_PTR gdiplus_ = 0;
    std::wstring slozka_;
    std::vector<std::wstring> soubory_;
    SablonaDialogu sablona_;
    std::unique_ptr<DialogPrvku> dlg_;
    StaticNahled nahled_;
};

}  // namespace

TEST_F(StaticNahledTest, VelkyJpegSeZmensiDoStreduAPrekresli) {
    nahled_.Pripojit(Prvek());
    ASSERT_TRUE(nahled_.Zobrazit(Jpeg(800, 200, L"siroky.jpg")));
    EXPECT_TRUE(nahled_.MaObrazek());
    EXPECT_EQ(Text(), L"siroky.jpg");
    RECT klient{};
    ::GetClientRect(Prvek(), &klient);
    // 4 : 1 across the whole width, centred vertically.
    const Knihovna::Obdelnik u = nahled_.Umisteni();
    EXPECT_EQ(u.left, 0);
    EXPECT_EQ(u.right, klient.right);
    EXPECT_NEAR(u.Vyska(), klient.right / 4, 1);
    EXPECT_NEAR(u.top, (klient.bottom - u.Vyska()) / 2, 1);
    const Otisk otisk(Prvek());
    EXPECT_TRUE(Cervena(otisk.Pixel(otisk.Sirka() / 2, otisk.Vyska() / 2)))
        << std::hex << otisk.Pixel(otisk.Sirka() / 2, otisk.Vyska() / 2);
    EXPECT_EQ(otisk.Pixel(otisk.Sirka() / 2, 1), Pozadi());  // above the picture
    // The window's own paint runs too.
    ::InvalidateRect(Prvek(), nullptr, TRUE);
    ::UpdateWindow(Prvek());
    // The file is not held: it can go while it is shown.
    EXPECT_TRUE(::DeleteFileW(soubory_.back().c_str()));
}

TEST_F(StaticNahledTest, MalyObrazekSeNezvetsiAVelikostPrvkuHoPrepocita) {
    nahled_.Pripojit(Prvek());
    ASSERT_TRUE(nahled_.Zobrazit(Jpeg(40, 30, L"maly.jpg")));
    Otisk otisk(Prvek());
    const int sx = otisk.Sirka() / 2, sy = otisk.Vyska() / 2;
    EXPECT_EQ(nahled_.Umisteni().Sirka(), 40);
    EXPECT_EQ(nahled_.Umisteni().Vyska(), 30);
    EXPECT_TRUE(Cervena(otisk.Pixel(sx, sy)));
    EXPECT_TRUE(Cervena(otisk.Pixel(sx + 18, sy)));
    EXPECT_EQ(otisk.Pixel(sx + 25, sy), Pozadi());
    EXPECT_EQ(otisk.Pixel(sx, sy + 20), Pozadi());
    // A smaller control shrinks the picture to fit it.
    ::SetWindowPos(Prvek(), nullptr, 0, 0, 20, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(nahled_.Umisteni(), (Knihovna::Obdelnik{0, 2, 20, 17}));
}

TEST_F(StaticNahledTest, ChybejiciSouborUkazeText) {
    nahled_.Pripojit(Prvek());
    EXPECT_EQ(Text(), StaticNahled::kTextBezNahledu);  // nothing chosen yet
    ASSERT_TRUE(nahled_.Zobrazit(Jpeg(100, 100, L"predtim.jpg")));
    EXPECT_FALSE(nahled_.Zobrazit(slozka_ + L"\\neni.jpg"));
    EXPECT_FALSE(nahled_.MaObrazek());
    EXPECT_EQ(nahled_.Umisteni(), Knihovna::Obdelnik{});
    EXPECT_EQ(Text(), L"Náhled není k dispozici");
    // The text is drawn in the middle: some pixels there are not the background (and none is the old red).
    const Otisk otisk(Prvek());
    int jine = 0, cervene = 0;
    for (int y = otisk.Vyska() / 2 - 10; y < otisk.Vyska() / 2 + 10; ++y)
        for (int x = 0; x < otisk.Sirka(); ++x) {
            jine += otisk.Pixel(x, y) != Pozadi();
            cervene += Cervena(otisk.Pixel(x, y));
        }
    EXPECT_GT(jine, 20);
    EXPECT_EQ(cervene, 0);
    // A file that is no picture reads as missing.
    const std::wstring text = slozka_ + L"\\text.jpg";
    {
        HANDLE f = ::CreateFileW(text.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD n = 0;
        ::WriteFile(f, "neni obrazek", 12, &n, nullptr);
        ::CloseHandle(f);
        soubory_.push_back(text);
    }
    EXPECT_FALSE(nahled_.Zobrazit(text));
    nahled_.Vyprazdnit();
    EXPECT_EQ(Text(), StaticNahled::kTextBezNahledu);
}

TEST_F(StaticNahledTest, OpakovaneVytvoreniNenechaBitmapy) {
    const std::wstring cesta = Jpeg(320, 240, L"opakovane.jpg");
    const long pred = ObjektGdiPrvku<HBITMAP>::Pocet();
    for (int i = 0; i < 50; ++i) {
        DialogPrvku dlg(sablona_);
        ASSERT_NE(dlg.Hwnd(), nullptr);
        StaticNahled nahled;
        nahled.Pripojit(dlg.Prvek(kIdNahledu));
        ASSERT_TRUE(nahled.Zobrazit(cesta));
        nahled.Zobrazit(cesta);  // again: the old copy goes
        EXPECT_EQ(ObjektGdiPrvku<HBITMAP>::Pocet(), pred + 1);
        // Half the time the control dies first, half the time the object.
        if (i % 2) {
            dlg.Znicit();
            EXPECT_EQ(ObjektGdiPrvku<HBITMAP>::Pocet(), pred);  // freed with the control, before the object goes
        }
    }
    EXPECT_EQ(ObjektGdiPrvku<HBITMAP>::Pocet(), pred);
}
