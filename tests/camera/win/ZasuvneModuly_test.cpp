#include "camera/win/ZasuvneModuly.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <sstream>

#include "camera/VlaknoZasuvnehoModulu.h"
#include "camera/win/StrazModulu.h"
#include "knihovna/win/GdiPlus.h"
#include "video/win/ProstrediKamery.h"

// The plug-in libraries of this build: the test plug-ins (tests/camera/win/moduly) and the sample.
namespace {

std::wstring SlozkaSestaveni() {
    const std::wstring exe = Knihovna::WinApi::CestaModulu(nullptr);
    return exe.substr(0, exe.find_last_of(L"\\/") + 1);
}
std::wstring TestovaciModul(const wchar_t* jmeno) { return SlozkaSestaveni() + L"tests\\moduly\\" + jmeno + L".dll"; }
std::wstring Vodoznak() { return SlozkaSestaveni() + L"zasuvnymodul\\TervikVodoznak.dll"; }

ZasuvnyModul VseZapnuto(const std::wstring& cesta) { return {L"M", cesta, true, true, true, true, true}; }

// One live-frame call of the first plug-in through the guard on the plug-in thread.
VlaknoZasuvnehoModulu::Vysledek ZivyObraz(VlaknoZasuvnehoModulu& vlakno, const ZasuvneModuly& moduly,
                                          std::chrono::milliseconds limit = VlaknoZasuvnehoModulu::kLimitZivehoObrazu) {
    const auto funkce = moduly.Moduly().at(0).zapisDoObrazu;
    std::uint8_t snimek[4 * 2] = {};
    return vlakno.Zavolat([funkce](std::uint8_t* d, std::size_t) { return StrazVolatZapisDoObrazu(funkce, d, 1, 2); },
                          snimek, sizeof snimek, limit);
}

}  // namespace

// Libraries that cannot be loaded keep their entries and give one message each, with the path and the system's
// text; a library without any of the five exports is loaded and called for nothing; the sample's five are found.
TEST(ZasuvneModuly, NacteniKnihovenAJejichChyby) {
    const std::wstring slozka = TestyVidea::DocasnaSlozka();
    const std::wstring nePe = slozka + L"\\text.dll";
    std::ofstream(nePe.c_str()) << "not a library";

    const std::vector<ZasuvnyModul> seznam{
        VseZapnuto(slozka + L"\\chybi.dll"),
        VseZapnuto(nePe),
        VseZapnuto(L"ModulBezExportu.dll"),  // relative: would be found beside the program's tests
        VseZapnuto(TestovaciModul(L"ModulOdmitnuti")),
        VseZapnuto(TestovaciModul(L"ModulBezExportu")),
        VseZapnuto(Vodoznak()),
    };
    ZasuvneModuly moduly;
    const auto chyby = moduly.Nacist(seznam);
    ASSERT_EQ(chyby.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(chyby[i].rfind(L"Chyba načtení zásuvného modulu\n" + seznam[i].cesta + L"\n", 0), 0u) << chyby[i];
        EXPECT_NE(chyby[i].find(L"Systémový popis chyby:\n"), std::wstring::npos);
        EXPECT_FALSE(moduly.Moduly()[i].knihovna) << i;
    }
    ASSERT_EQ(moduly.Moduly().size(), 6u);
    EXPECT_TRUE(moduly.Moduly()[4].knihovna);
    EXPECT_TRUE(moduly.Moduly()[5].knihovna);
    const std::vector<std::size_t> jenVzor{5};
    EXPECT_EQ(moduly.Seznamy(), (SeznamyVolaniModulu{jenVzor, jenVzor, jenVzor, jenVzor, jenVzor}));
    moduly.Uvolnit();
    EXPECT_TRUE(moduly.Moduly().empty());
    EXPECT_EQ(::GetModuleHandleW(Vodoznak().c_str()), nullptr);
}

TEST(ZasuvneModuly, JmenoKnihovnyZInformaciOVerzi) {
    EXPECT_EQ(ZasuvneModuly::JmenoKnihovny(Vodoznak()), L"Vodoznak Tervik");
    EXPECT_EQ(ZasuvneModuly::JmenoKnihovny(TestovaciModul(L"ModulDvojiceA")), L"Dvojice Tervik");
    EXPECT_EQ(ZasuvneModuly::JmenoKnihovny(TestovaciModul(L"ModulDvojiceB")), L"Dvojice Tervik");
    EXPECT_EQ(ZasuvneModuly::JmenoKnihovny(TestovaciModul(L"ModulBezExportu")), L"ModulBezExportu.dll");
}

// A C++ exception or a stack overflow that escapes the plug-in ends only its call, with the exception's code; E_FAIL
// results are ignored. (An access violation, the fresh thread after it and the plug-in switched off: the
// whole-program test of the plug-ins and the native test of the plug-in thread.)
TEST(ZasuvneModuly, StrazZachytiVyjimkuAPreteceni) {
    ZasuvneModuly moduly;
    ASSERT_TRUE(moduly.Nacist({VseZapnuto(TestovaciModul(L"ModulVyjimka")), VseZapnuto(TestovaciModul(L"ModulPreteceni")),
                               VseZapnuto(TestovaciModul(L"ModulEFail"))})
                    .empty());
    using K = VlaknoZasuvnehoModulu::Konec;
    VlaknoZasuvnehoModulu vlakno;
    const auto snimek = [&](std::size_t i, std::chrono::milliseconds limit = VlaknoZasuvnehoModulu::kLimitSnimku) {
        const auto funkce = moduly.Moduly().at(i).disk;
        return vlakno.Zavolat([funkce](std::uint8_t*, std::size_t) { return StrazVolatUpravuSnimku(funkce, nullptr); },
                              nullptr, 0, limit);
    };
    // The plug-in's own handler catches its exception before the guard's sees it.
    EXPECT_EQ(ZivyObraz(vlakno, moduly).konec, K::Dobehlo);
    const auto vyjimka = snimek(0);
    EXPECT_EQ(vyjimka.konec, K::Selhalo);
    EXPECT_EQ(vyjimka.kod, 0x20474343u);  // a C++ exception thrown by GCC-built code
    // A stack overflow is caught on Windows; Wine 8 ends a thread whose stack reaches its last page before
    // anything can be dispatched, so there the call is given up. Either way the process goes on.
    const auto preteceni = snimek(1, std::chrono::milliseconds(1000));
    EXPECT_NE(preteceni.konec, K::Dobehlo);
    if (preteceni.konec == K::Selhalo) EXPECT_EQ(preteceni.kod, static_cast<std::uint32_t>(EXCEPTION_STACK_OVERFLOW));
    EXPECT_EQ(snimek(2).konec, K::Dobehlo);
}

// A call that never returns is given up at the budget; its library is pinned (as the camera does), so
// unloading the plug-ins never frees code a thread is still in.
TEST(ZasuvneModuly, ZaseknutyModulJeOpustenAKnihovnaZustane) {
    const std::wstring cesta = TestovaciModul(L"ModulZaseknuti");
    ZasuvneModuly moduly;
    ASSERT_TRUE(moduly.Nacist({VseZapnuto(cesta)}).empty());
    VlaknoZasuvnehoModulu vlakno;
    const auto zacatek = std::chrono::steady_clock::now();
    const auto vysledek = ZivyObraz(vlakno, moduly, std::chrono::milliseconds(300));
    EXPECT_EQ(vysledek.konec, VlaknoZasuvnehoModulu::Konec::Neodpovedelo);
    EXPECT_LT(std::chrono::steady_clock::now() - zacatek, std::chrono::milliseconds(300 + 5000));
    HMODULE pripnuta = nullptr;
    ASSERT_TRUE(::GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                                     reinterpret_cast<LPCWSTR>(moduly.Moduly()[0].zapisDoObrazu), &pripnuta));
    moduly.Uvolnit();
    EXPECT_EQ(::GetModuleHandleW(cesta.c_str()), pripnuta);
}

// The counting plug-in writes how often each function was called when it is unloaded.
TEST(ZasuvneModuly, PoctyVolaniPriUvolneni) {
    const std::wstring cesta = TestovaciModul(L"ModulPocitadlo");
    const std::wstring pocty = cesta + L".pocty.txt";
    ::DeleteFileW(pocty.c_str());
    ZasuvneModuly moduly;
    ASSERT_TRUE(moduly.Nacist({VseZapnuto(cesta)}).empty());
    VlaknoZasuvnehoModulu vlakno;
    for (int i = 0; i < 3; ++i) ZivyObraz(vlakno, moduly);
    const ZasuvneModuly::Modul& m = moduly.Moduly()[0];
    for (auto* f : {m.email, m.email, m.http}) StrazVolatUpravuSnimku(f, nullptr);
    moduly.Uvolnit();
    std::ifstream soubor(pocty.c_str(), std::ios::binary);
    std::stringstream text;
    text << soubor.rdbuf();
    EXPECT_EQ(text.str(),
              "ZapisDoObrazu=3\r\nUpravaSnimkuDisk=0\r\nUpravaSnimkuEmail=2\r\nUpravaSnimkuFtp=0\r\n"
              "UpravaSnimkuHttpServer=1\r\n");
}

// The sample: the magenta square at the picture's top-left (the last rows in memory) and a border whose colour
// says the snapshot's kind. The disk snapshot is saved as build/zasuvnymodul-vodoznak.png to be looked at.
TEST(ZasuvneModuly, VzorovyModulKresliCtverecAOkraj) {
    Gdiplus::GdiplusStartupInput vstup;
    ULONG_PTR gdiplus = 0;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&gdiplus, &vstup, nullptr), Gdiplus::Ok);
    {
        ZasuvneModuly moduly;
        ASSERT_TRUE(moduly.Nacist({VseZapnuto(Vodoznak())}).empty());
        const ZasuvneModuly::Modul& m = moduly.Moduly()[0];
        constexpr int kW = 321, kH = 240, kRadek = (kW * 3 + 3) & ~3;  // an odd width: padded rows
        std::vector<std::uint8_t> obraz(static_cast<std::size_t>(kRadek) * kH, 128);
        ASSERT_EQ(StrazVolatZapisDoObrazu(m.zapisDoObrazu, obraz.data(), kW, kH), 0u);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), kW, kH, 1, 24, BI_RGB};
        const struct {
            ZasuvneModuly::FunkceSnimku funkce;
            Gdiplus::ARGB barva;
        } druhy[] = {{m.disk, 0xFF0000FF}, {m.email, 0xFF00FF00}, {m.ftp, 0xFFFFFF00}, {m.http, 0xFFFF0000}};
        for (const auto& druh : druhy) {
            Gdiplus::Bitmap snimek(&info, obraz.data());
            std::unique_ptr<Gdiplus::Bitmap> kopie(snimek.Clone(0, 0, kW, kH, PixelFormat24bppRGB));
            ASSERT_EQ(StrazVolatUpravuSnimku(druh.funkce, kopie.get()), 0u);
            const auto barva = [&](int x, int y) {
                Gdiplus::Color c;
                kopie->GetPixel(x, y, &c);
                return c.GetValue();
            };
            for (auto [x, y] : {std::pair{0, 0}, {3, 120}, {kW - 1, kH - 1}, {160, kH - 4}})
                EXPECT_EQ(barva(x, y), druh.barva) << x << "," << y;
            EXPECT_EQ(barva(4, 4), 0xFFFF00FFu);
            EXPECT_EQ(barva(15, 15), 0xFFFF00FFu);
            EXPECT_EQ(barva(16, 15), 0xFF808080u);
            EXPECT_EQ(barva(15, 16), 0xFF808080u);
            EXPECT_EQ(barva(8, kH - 8), 0xFF808080u);  // the bottom-left stays as it was
            if (druh.funkce == m.disk) {
                CLSID png{};
                ASSERT_EQ(::CLSIDFromString(L"{557CF406-1A04-11D3-9A73-0000F81EF32E}", &png), S_OK);
                const std::wstring cesta = SlozkaSestaveni() + L"..\\zasuvnymodul-vodoznak.png";
                EXPECT_EQ(kopie->Save(cesta.c_str(), &png, nullptr), Gdiplus::Ok);
            }
        }
    }
    Gdiplus::GdiplusShutdown(gdiplus);
}
