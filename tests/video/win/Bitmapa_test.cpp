#include "video/win/Bitmapa.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "imagetools/RozpoznaniObrazku.h"
#include "knihovna/Chyba.h"
#include "knihovna/win/UnikatniHandle.h"
#include "knihovna/win/Zdroje.h"

namespace {

using Holvent::GdiPlus::Bitmapa;
using Holvent::GdiPlus::NacistObrazek;
using Holvent::GdiPlus::UlozitObrazek;

class BitmapaTest : public ::testing::Test {
protected:
    void SetUp() override {
        Gdiplus::GdiplusStartupInput vstup;
        ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplus_, &vstup, nullptr), Gdiplus::Ok);
        const std::wstring modul = Knihovna::WinApi::CestaModulu(nullptr);
        const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        slozka_ = modul.substr(0, modul.find_last_of(L"\\/") + 1) + L"bitmapa_" + std::wstring(test.begin(), test.end());
        VyprazdnitSlozku();
        ::CreateDirectoryW(slozka_.c_str(), nullptr);
    }
    void TearDown() override {
        VyprazdnitSlozku();
        ::RemoveDirectoryW(slozka_.c_str());
        if (gdiplus_) Gdiplus::GdiplusShutdown(gdiplus_);
    }

    std::wstring Cesta(const std::wstring& jmeno) const { return slozka_ + L"\\" + jmeno; }

    std::vector<std::wstring> Soubory() const {
        std::vector<std::wstring> jmena;
        WIN32_FIND_DATAW d{};
        HANDLE h = ::FindFirstFileW((slozka_ + L"\\*").c_str(), &d);
        if (h == INVALID_HANDLE_VALUE) return jmena;
        do {
            if (d.cFileName[0] != L'.') jmena.emplace_back(d.cFileName);
        } while (::FindNextFileW(h, &d));
        ::FindClose(h);
        return jmena;
    }

    void VyprazdnitSlozku() const {
        for (const auto& j : Soubory()) ::DeleteFileW(Cesta(j).c_str());
    }

    // A 32-bit ARGB picture: left half red, right half blue, opaque.
    static Holvent::GdiPlus::BitmapaGdiPlus Obrazek(int w, int h) {
        auto b = Holvent::GdiPlus::PrevzitBitmapu(new Gdiplus::Bitmap(w, h, PixelFormat32bppARGB));
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b->SetPixel(x, y, Gdiplus::Color(x < w / 2 ? Gdiplus::Color::Red : Gdiplus::Color::Blue));
        return b;
    }

    static Gdiplus::Color Pixel(Gdiplus::Bitmap& b, int x, int y) {
        Gdiplus::Color c;
        b.GetPixel(x, y, &c);
        return c;
    }

    static bool Blizko(Gdiplus::Color c, int r, int g, int b) {
        return std::abs(c.GetR() - r) < 40 && std::abs(c.GetG() - g) < 40 && std::abs(c.GetB() - b) < 40;
    }

    void Zapsat(const std::wstring& jmeno, const std::string& obsah) const {
        std::ofstream(Cesta(jmeno).c_str(), std::ios::binary) << obsah;
    }

    std::string Precist(const std::wstring& jmeno) const {
        std::ifstream f(Cesta(jmeno).c_str(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    // The text of the failure the load raises ("" when it loads).
    std::wstring TextChybyNacteni(const std::wstring& jmeno) const {
        try {
            NacistObrazek(Cesta(jmeno));
        } catch (const Knihovna::Chyba& e) {
            return e.Text();
        }
        return {};
    }

    ULONG_PTR gdiplus_ = 0;
    std::wstring slozka_;
};

TEST_F(BitmapaTest, NactePetFormatuKtereProgramZapisujeJako32BitovouKopii) {
    auto zdroj = Obrazek(40, 30);
    for (const wchar_t* jmeno : {L"a.jpg", L"a.png", L"a.bmp", L"a.tif", L"a.gif"}) {
        SCOPED_TRACE(::testing::Message() << std::string(jmeno, jmeno + 5));
        ASSERT_NO_THROW(UlozitObrazek(*zdroj, Cesta(jmeno)));
        Holvent::GdiPlus::BitmapaGdiPlus b;
        ASSERT_NO_THROW(b = NacistObrazek(Cesta(jmeno)));
        ASSERT_EQ(b->GetWidth(), 40u);
        ASSERT_EQ(b->GetHeight(), 30u);
        EXPECT_EQ(b->GetPixelFormat(), PixelFormat32bppARGB);
        // Also the GIF, which goes to the encoder through 8 bits: from 32 bits directly it would be empty.
        EXPECT_TRUE(Blizko(Pixel(*b, 5, 15), 255, 0, 0));
        EXPECT_TRUE(Blizko(Pixel(*b, 35, 15), 0, 0, 255));
    }
    // A whole entry of an encoder's list only: no extension, or one that only begins like an entry, has none.
    EXPECT_THROW(UlozitObrazek(*zdroj, Cesta(L"bez_pripony")), Knihovna::Chyba);
    EXPECT_THROW(UlozitObrazek(*zdroj, Cesta(L"a.jp")), Knihovna::Chyba);
}

TEST_F(BitmapaTest, OdmitaPoskozenyNeobrazekAPrilisVelkySouborSeSvymiTexty) {
    UlozitObrazek(*Obrazek(40, 30), Cesta(L"cely.png"));
    const std::string png = Precist(L"cely.png");
    Zapsat(L"zacatek.png", png.substr(0, 40));            // the header is whole, the pixels are missing
    Zapsat(L"pulka.png", png.substr(0, png.size() / 2));
    Zapsat(L"text.jpg", "toto neni obrazek");
    Zapsat(L"prazdny.bmp", "");
    for (const wchar_t* jmeno : {L"zacatek.png", L"pulka.png", L"text.jpg", L"prazdny.bmp"}) {
        EXPECT_EQ(TextChybyNacteni(jmeno),
                  L"Soubor \"" + Cesta(jmeno) + L"\" není platný obrázek nebo je poškozený.");
    }

    // Over 256 MiB the file is not read at all (a sparse file: nothing is written).
    {
        Knihovna::WinApi::UnikatniSoubor f(::CreateFileW(Cesta(L"velky.jpg").c_str(), GENERIC_WRITE, 0, nullptr,
                                                          CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(f);
        LARGE_INTEGER konec{};
        konec.QuadPart = static_cast<LONGLONG>(Holvent::Obrazky::kMaxVelikostSouboru + 1);
        ASSERT_TRUE(::SetFilePointerEx(f.get(), konec, nullptr, FILE_BEGIN));
        ASSERT_TRUE(::SetEndOfFile(f.get()));
    }
    EXPECT_EQ(TextChybyNacteni(L"velky.jpg"),
              Holvent::Obrazky::TextPrilisVelkehoSouboru(Cesta(L"velky.jpg"), Holvent::Obrazky::kMaxVelikostSouboru + 1));
    EXPECT_THROW(NacistObrazek(Cesta(L"neni.jpg")), Knihovna::Chyba);

    // A picture refused for its size before anything decodes it: a BMP header stating 70000 x 4.
    UlozitObrazek(*Obrazek(4, 4), Cesta(L"maly.bmp"));
    std::string bmp = Precist(L"maly.bmp");
    bmp[18] = static_cast<char>(0x70), bmp[19] = static_cast<char>(0x11), bmp[20] = 1;
    Zapsat(L"siroky.bmp", bmp);
    EXPECT_EQ(TextChybyNacteni(L"siroky.bmp"),
              L"Obrázek \"" + Cesta(L"siroky.bmp") + L"\" je příliš velký (70000 x 4 bodů).");
    Bitmapa b;
    // A failed load leaves the picture held before.
    b.Nacist(Cesta(L"maly.bmp"));
    EXPECT_THROW(b.Nacist(Cesta(L"text.jpg")), Knihovna::Chyba);
    EXPECT_EQ(b.Sirka(), 4u);
    EXPECT_EQ(b.Cesta(), Cesta(L"maly.bmp"));
}

TEST_F(BitmapaTest, NactenySouborLzePrejmenovatISmazat) {
    UlozitObrazek(*Obrazek(40, 30), Cesta(L"snimek.jpg"));
    Bitmapa b;
    b.Nacist(Cesta(L"snimek.jpg"));
    EXPECT_TRUE(::MoveFileExW(Cesta(L"snimek.jpg").c_str(), Cesta(L"jiny.jpg").c_str(), 0));
    EXPECT_TRUE(::DeleteFileW(Cesta(L"jiny.jpg").c_str()));
    EXPECT_EQ(b.Sirka(), 40u);
    EXPECT_TRUE(Blizko(Pixel(*b.Obraz(), 35, 15), 0, 0, 255));
}

TEST_F(BitmapaTest, OtoceniVpravoAVlevo) {
    // Left half red, right half blue: turned clockwise red is on top, anticlockwise at the bottom.
    Bitmapa b;
    b.Nahradit(Obrazek(4, 2));
    b.OtocitVpravo();
    ASSERT_EQ(b.Sirka(), 2u);
    ASSERT_EQ(b.Vyska(), 4u);
    EXPECT_TRUE(Blizko(Pixel(*b.Obraz(), 0, 0), 255, 0, 0));
    EXPECT_TRUE(Blizko(Pixel(*b.Obraz(), 1, 3), 0, 0, 255));
    b.OtocitVlevo();
    b.OtocitVlevo();
    EXPECT_TRUE(Blizko(Pixel(*b.Obraz(), 0, 0), 0, 0, 255));
    EXPECT_TRUE(Blizko(Pixel(*b.Obraz(), 1, 3), 255, 0, 0));
}

TEST_F(BitmapaTest, UlozeniNaMistoNechaJenPuvodniSoubor) {
    UlozitObrazek(*Obrazek(40, 30), Cesta(L"foto.jpg"));
    Bitmapa b;
    b.Nacist(Cesta(L"FOTO.JPG"));
    b.OtocitVpravo();
    ASSERT_NO_THROW(b.Ulozit(Cesta(L"foto.jpg")));
    EXPECT_EQ(Soubory(), std::vector<std::wstring>{L"foto.jpg"});
    EXPECT_EQ(NacistObrazek(Cesta(L"foto.jpg"))->GetWidth(), 30u);

    // Held open without sharing by someone else: the save fails, the file keeps its content, no temporary
    // file stays, the picture stays loaded.
    const std::string puvodni = Precist(L"foto.jpg");
    b.OtocitVpravo();
    {
        Knihovna::WinApi::UnikatniSoubor drzeny(::CreateFileW(Cesta(L"foto.jpg").c_str(), GENERIC_READ, 0, nullptr,
                                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(drzeny);
        EXPECT_THROW(b.Ulozit(Cesta(L"foto.jpg")), Knihovna::Chyba);
    }
    EXPECT_EQ(Soubory(), std::vector<std::wstring>{L"foto.jpg"});
    EXPECT_EQ(Precist(L"foto.jpg"), puvodni);
    EXPECT_EQ(b.Sirka(), 40u);
}

}  // namespace
