#include "camera/win/ZpracovaniSnimku.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "camera/DruhSnimku.h"
#include "camera/win/PismoSystemu.h"
#include "knihovna/win/Zdroje.h"
#include "video/win/ChybaGdiPlus.h"

namespace {

const CLSID kKoderPng = {0x557cf406, 0x1a04, 0x11d3, {0x9a, 0x73, 0x00, 0x00, 0xf8, 0x1e, 0xf3, 0x2e}};

class ZpracovaniSnimkuTest : public ::testing::Test {
protected:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput vstup;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplus_, &vstup, nullptr), Gdiplus::Ok);
        // Files go beside the test program, inside the build tree.
        slozka_ = Knihovna::WinApi::CestaModulu(nullptr);
        slozka_ = slozka_.substr(0, slozka_.find_last_of(L"\\/") + 1) + L"snimky_zpracovani";
        ::CreateDirectoryW(slozka_.c_str(), nullptr);
        blok_ = ParametrySnimku::Vychozi(VychoziPismoGui());
    }
    void TearDown() override {
        if (gdiplus_) Gdiplus::GdiplusShutdown(gdiplus_);
    }

    // A 24-bit frame filled by barva(x, y) as ARGB.
    static std::unique_ptr<Gdiplus::Bitmap> Snimek(int w, int h, const std::function<Gdiplus::ARGB(int, int)>& barva) {
        auto b = std::make_unique<Gdiplus::Bitmap>(w, h, PixelFormat24bppRGB);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) b->SetPixel(x, y, Gdiplus::Color(barva(x, y)));
        return b;
    }

    // Saves as PNG and decodes the file again: what a viewer of the snapshot sees.
    std::unique_ptr<Gdiplus::Bitmap> UlozitANacist(Gdiplus::Bitmap& b, const std::wstring& jmeno) {
        const std::wstring cesta = slozka_ + L"\\" + jmeno;
        EXPECT_EQ(b.Save(cesta.c_str(), &kKoderPng, nullptr), Gdiplus::Ok);
        auto nacteny = std::make_unique<Gdiplus::Bitmap>(cesta.c_str());
        EXPECT_EQ(nacteny->GetLastStatus(), Gdiplus::Ok);
        return nacteny;
    }

    static Gdiplus::Color Pixel(Gdiplus::Bitmap& b, int x, int y) {
        Gdiplus::Color c;
        b.GetPixel(x, y, &c);
        return c;
    }

    static Knihovna::Hresult Chyba(const std::function<void()>& akce) {
        try {
            akce();
        } catch (const Knihovna::Chyba& e) {
            return e.Hr();
        }
        return Knihovna::kS_OK;
    }

    Knihovna::MistniCas cas_{2026, 12, 6, 5, 7, 5, 9, 7};
    ULONG_PTR gdiplus_ = 0;
    std::wstring slozka_;
    ParametrySnimku blok_;
};

TEST_F(ZpracovaniSnimkuTest, PrekryvSKlicemBarvyProsvita) {
    // A 10×10 overlay: white on the left half (the default key), red on the right.
    auto logo = Snimek(10, 10, [](int x, int) { return x < 5 ? 0xFFFFFFFFu : 0xFFFF0000u; });
    const std::wstring soubor = slozka_ + L"\\logo.png";
    ASSERT_EQ(logo->Save(soubor.c_str(), &kKoderPng, nullptr), Gdiplus::Ok);
    logo.reset();

    auto b = Snimek(40, 30, [](int, int) { return 0xFF0000FFu; });
    blok_.soubor.soubor = soubor;
    blok_.soubor.kde = 22;
    blok_.soubor.kdy = 1;
    ZpracovaniSnimku::Zpracovat(*b, blok_, kSnimekDisk, false, cas_);
    auto n = UlozitANacist(*b, L"prekryv.png");
    EXPECT_EQ(Pixel(*n, 5, 5).GetValue(), 0xFF0000FFu);    // keyed: the frame shows through
    EXPECT_EQ(Pixel(*n, 12, 12).GetValue(), 0xFFFF0000u);  // the red half
    EXPECT_EQ(Pixel(*n, 3, 5).GetValue(), 0xFF0000FFu);    // the margin
    EXPECT_EQ(Pixel(*n, 15, 5).GetValue(), 0xFF0000FFu);

    // Not for an automatic snapshot when "kdy" says by hand only.
    auto a = Snimek(40, 30, [](int, int) { return 0xFF0000FFu; });
    ZpracovaniSnimku::Zpracovat(*a, blok_, kSnimekDisk, true, cas_);
    EXPECT_EQ(Pixel(*a, 12, 12).GetValue(), 0xFF0000FFu);

    // Half opacity over blue.
    blok_.soubor.alfa = 128;
    auto p = Snimek(40, 30, [](int, int) { return 0xFF0000FFu; });
    ZpracovaniSnimku::Zpracovat(*p, blok_, kSnimekDisk, false, cas_);
    const auto c = Pixel(*p, 12, 12);
    EXPECT_NEAR(c.GetR(), 128, 3);
    EXPECT_NEAR(c.GetB(), 127, 3);
}

TEST_F(ZpracovaniSnimkuTest, PrekryvKteryNelzeUmistitSnimekZastavi) {
    auto logo = Snimek(50, 10, [](int, int) { return 0xFFFF0000u; });
    const std::wstring soubor = slozka_ + L"\\velke.png";
    ASSERT_EQ(logo->Save(soubor.c_str(), &kKoderPng, nullptr), Gdiplus::Ok);
    logo.reset();
    auto b = Snimek(40, 30, [](int, int) { return 0xFF0000FFu; });
    blok_.soubor.soubor = soubor;
    blok_.soubor.kdy = 3;
    EXPECT_EQ(Chyba([&] { ZpracovaniSnimku::Zpracovat(*b, blok_, kSnimekDisk, false, cas_); }), Knihovna::kE_INVALIDARG);
    // Through the message, the error is the result.
    EXPECT_EQ(static_cast<HRESULT>(ZpracovaniSnimku::ZpracovatZpravu(reinterpret_cast<LPARAM>(b.get()), blok_,
                                                                      kSnimekDisk, false, cas_)),
              E_INVALIDARG);
    blok_.soubor.soubor = slozka_ + L"\\neni.png";
    EXPECT_EQ(Chyba([&] { ZpracovaniSnimku::Zpracovat(*b, blok_, kSnimekDisk, false, cas_); }), Knihovna::kE_INVALIDARG);
    // The server's snapshot leaves a missing picture out instead.
    EXPECT_EQ(Chyba([&] { ZpracovaniSnimku::Zpracovat(*b, blok_, kSnimekHttp, false, cas_); }), Knihovna::kS_OK);
    EXPECT_EQ(static_cast<HRESULT>(ZpracovaniSnimku::ZpracovatZpravu(0, blok_, kSnimekDisk, false, cas_)), E_INVALIDARG);
}

TEST_F(ZpracovaniSnimkuTest, TextKteryNelzeNakreslitSnimekZastavi) {
    // A bitmap GDI+ cannot draw on (its file never loaded): the date cannot be written on it.
    Gdiplus::Bitmap b((slozka_ + L"\\neni.png").c_str());
    ASSERT_NE(b.GetLastStatus(), Gdiplus::Ok);
    blok_.text.kdy = 3;
    blok_.text.co = 0;
    EXPECT_EQ(Chyba([&] { ZpracovaniSnimku::Zpracovat(b, blok_, kSnimekDisk, false, cas_); }), Knihovna::kS_OK);
    // With the date to write, the snapshot fails with the status instead of going out without it.
    blok_.text.co = 1;
    const Knihovna::Hresult hr = Holvent::GdiPlus::HresultStavu(Gdiplus::InvalidParameter);
    EXPECT_EQ(Chyba([&] { ZpracovaniSnimku::Zpracovat(b, blok_, kSnimekDisk, false, cas_); }), hr);
    EXPECT_EQ(static_cast<HRESULT>(ZpracovaniSnimku::ZpracovatZpravu(reinterpret_cast<LPARAM>(&b), blok_, kSnimekDisk,
                                                                      false, cas_)),
              static_cast<HRESULT>(hr));
}

TEST_F(ZpracovaniSnimkuTest, TextDoleANaBoku) {
    // Black frames; the yellow date text must show up where its position puts it and nowhere else.
    auto radkySTextem = [](Gdiplus::Bitmap& b, bool sloupce) {
        std::vector<bool> s(sloupce ? b.GetWidth() : b.GetHeight());
        for (UINT y = 0; y < b.GetHeight(); ++y)
            for (UINT x = 0; x < b.GetWidth(); ++x) {
                Gdiplus::Color c;
                b.GetPixel(static_cast<INT>(x), static_cast<INT>(y), &c);
                if (c.GetR() > 100 && c.GetG() > 100) s[sloupce ? x : y] = true;
            }
        return s;
    };
    blok_.text.co = 1;
    blok_.text.kdy = 3;
    blok_.text.logfont.NastavitJmenoPisma(L"Písmo, které není");  // falls back, still draws
    for (std::uint32_t kde : {11u, 3u}) {
        blok_.text.kde = kde;
        auto b = Snimek(320, 120, [](int, int) { return 0xFF000000u; });
        ZpracovaniSnimku::Zpracovat(*b, blok_, kSnimekDisk, false, cas_);
        const auto r = radkySTextem(*UlozitANacist(*b, L"text.png"), false);
        EXPECT_TRUE(std::count(r.begin() + 90, r.end(), true) > 0) << kde;
        EXPECT_EQ(std::count(r.begin(), r.begin() + 60, true), 0) << kde;
    }
    blok_.text.kde = 13;
    auto b = Snimek(320, 240, [](int, int) { return 0xFF000000u; });
    ZpracovaniSnimku::Zpracovat(*b, blok_, kSnimekDisk, false, cas_);
    const auto s = radkySTextem(*UlozitANacist(*b, L"text_svisle.png"), true);
    EXPECT_TRUE(std::count(s.begin(), s.begin() + 40, true) > 0);
    EXPECT_EQ(std::count(s.begin() + 80, s.end(), true), 0);

    // An automatic snapshot with "kdy" by hand only gets no text; kind 5 is not processed at all.
    blok_.text.kdy = 1;
    blok_.upravy.inverzeBarev = true;
    auto c = Snimek(320, 120, [](int, int) { return 0xFF000000u; });
    ZpracovaniSnimku::Zpracovat(*c, blok_, kSnimekDisk, true, cas_);
    const auto bile = radkySTextem(*c, false);  // inverted to white, and no text on it
    EXPECT_EQ(std::count(bile.begin(), bile.end(), true), 120);
    EXPECT_EQ(Pixel(*c, 160, 115).GetValue(), 0xFFFFFFFFu);
    auto d = Snimek(320, 120, [](int, int) { return 0xFF000000u; });
    ZpracovaniSnimku::Zpracovat(*d, blok_, DruhKeZpracovani(5), false, cas_);
    EXPECT_EQ(Pixel(*d, 0, 0).GetValue(), 0xFF000000u);
}

}  // namespace
