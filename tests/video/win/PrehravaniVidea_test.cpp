#include "video/win/PrehravaniVidea.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "knihovna/Chyba.h"
#include "knihovna/win/Zdroje.h"
#include "tests/video/win/ProstrediKamery.h"
#include "video/win/ZapisNahradou.h"

using Holvent::DirectShow::PrehravaniVidea;
using Holvent::DirectShow::ZiveObjekty;
using TestyVidea::Cekat;

namespace {

constexpr std::int64_t kMs = 10'000;

// The files tests/video/win/TestovaciVidea.cmake made beside this program.
std::wstring Video(const wchar_t* jmeno) {
    std::wstring exe = Knihovna::WinApi::CestaModulu(nullptr);
    return exe.substr(0, exe.find_last_of(L"\\/") + 1) + L"videa\\" + jmeno;
}

std::vector<std::uint8_t> Nacist(const std::wstring& cesta) {
    std::ifstream f(std::filesystem::path(cesta), std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// Pixels of a 24-bit bottom-up BMP (after the 54-byte headers).
std::vector<std::uint8_t> Pixely(const std::vector<std::uint8_t>& bmp) {
    return bmp.size() > 54 ? std::vector<std::uint8_t>(bmp.begin() + 54, bmp.end()) : std::vector<std::uint8_t>{};
}

double PrumernyRozdil(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b) {
    if (a.size() != b.size() || a.empty()) return 1e9;
    double s = 0;
    for (std::size_t i = 0; i < a.size(); ++i) s += std::abs(int(a[i]) - int(b[i]));
    return s / a.size();
}

Knihovna::Hresult ChybaVolani(const std::function<void()>& f) {
    try {
        f();
    } catch (const Knihovna::Chyba& e) {
        return e.Hr();
    }
    return Knihovna::kS_OK;
}

class PrehravaniVideaTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        rozhrani_ = ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom);
        okno_ = ::CreateWindowExW(0, L"STATIC", L"PrehravacVideo", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 320,
                                  nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(okno_, nullptr);
    }
    void TearDown() override {
        prehravani_.reset();
        EXPECT_EQ(ZiveObjekty::Pocet(ZiveObjekty::Druh::RozhraniCom), rozhrani_);  // nothing held after close
        if (okno_) ::DestroyWindow(okno_);
        ::CoUninitialize();
    }
    PrehravaniVidea& P() {
        if (!prehravani_) prehravani_ = std::make_unique<PrehravaniVidea>(okno_, okno_);
        return *prehravani_;
    }
    // Waits until the shown frame's pixels are within `rozdil` of the oracle's.
    bool SnimekOdpovida(const std::vector<std::uint8_t>& ocekavane, double rozdil, double& posledni) {
        return Cekat(
            [&] {
                std::vector<std::uint8_t> bmp;
                if (ChybaVolani([&] { bmp = P().AktualniSnimekBmp(); }) != Knihovna::kS_OK) return false;
                posledni = PrumernyRozdil(Pixely(bmp), ocekavane);
                return posledni <= rozdil;
            },
            20000);
    }

    long rozhrani_ = 0;
    HWND okno_ = nullptr;
    std::unique_ptr<PrehravaniVidea> prehravani_;
};

}  // namespace

TEST_F(PrehravaniVideaTest, BarevneAviStavyKrokyZpetAKonec) {
    auto& p = P();
    ASSERT_EQ(ChybaVolani([&] { p.Otevrit(Video(L"barvy.avi")); }), Knihovna::kS_OK);
    EXPECT_EQ(p.Stav(), Prehravac::Stav::Zastaveno);
    EXPECT_TRUE(p.MaVideo());
    EXPECT_EQ(p.SirkaVidea(), 320);
    EXPECT_EQ(p.VyskaVidea(), 240);
    EXPECT_NEAR(static_cast<double>(p.Trvani()), 4000.0 * kMs, 100.0 * kMs);
    EXPECT_EQ(ChybaVolani([&] { p.Prerusit(); }), Prehravac::kVFW_E_WRONG_STATE);

    p.Spustit();
    EXPECT_TRUE(Cekat([&] { return p.Pozice() > 300 * kMs; }));
    p.Prerusit();
    EXPECT_EQ(p.Stav(), Prehravac::Stav::Pozastaveno);

    // Steps of half a second from 1.2 s (the shown frame, bit for bit ffmpeg's: the player's process test).
    p.NastavitPozici(1200 * kMs);
    EXPECT_TRUE(p.KrokVpred());
    EXPECT_EQ(p.Pozice(), 1700 * kMs);
    EXPECT_TRUE(p.KrokZpet());
    EXPECT_TRUE(p.KrokZpet());
    EXPECT_EQ(p.Pozice(), 700 * kMs);
    p.NastavitPozici(p.Trvani() - 300 * kMs);
    EXPECT_FALSE(p.KrokVpred());

    p.Spustit();
    p.Ukoncit();
    EXPECT_EQ(p.Stav(), Prehravac::Stav::Zastaveno);
    EXPECT_EQ(p.Pozice(), 0);
    p.Zavrit();
    EXPECT_EQ(p.Stav(), Prehravac::Stav::BezSouboru);
}

TEST_F(PrehravaniVideaTest, MjpegSnimekBlizkoOraklu) {
    auto& p = P();
    ASSERT_EQ(ChybaVolani([&] { p.Otevrit(Video(L"mjpeg.avi")); }), Knihovna::kS_OK);
    p.Spustit();
    p.Prerusit();
    p.NastavitPozici(1200 * kMs);
    double rozdil = 0;
    EXPECT_TRUE(SnimekOdpovida(Pixely(Nacist(Video(L"barvy_1200ms.bmp"))), 3.0, rozdil)) << "mean difference " << rozdil;
}

TEST_F(PrehravaniVideaTest, ZvukBezObrazuANeplatneSoubory) {
    auto& p = P();
    // Sound only: plays without a picture when a sound device takes it, else nothing renders.
    const auto hr = ChybaVolani([&] { p.Otevrit(Video(L"zvuk.avi")); });
    if (hr == Knihovna::kS_OK) {
        EXPECT_TRUE(p.MaZvuk());
        EXPECT_FALSE(p.MaVideo());
        EXPECT_FALSE(Prehravac::PrikazPovolen(p.StavPrehravace(), Prehravac::Prikaz::kUlozitSnimek));
        EXPECT_EQ(ChybaVolani([&] { p.AktualniSnimekBmp(); }), Knihovna::kE_UNEXPECTED);
    } else {
        EXPECT_EQ(hr, Prehravac::kVFW_E_CANNOT_RENDER);
        EXPECT_EQ(p.Stav(), Prehravac::Stav::BezSouboru);
    }

    // Garbage, a truncated and an empty AVI, a folder and a missing file fail and leave no file open
    // (and, by the fixture, no COM object held).
    const auto zacatek = Nacist(Video(L"barvy.avi"));
    ASSERT_GT(zacatek.size(), 6000u);
    const std::pair<const wchar_t*, std::string> spatne[] = {
        {L"smeti.avi", std::string("RIFF\x10\0\0\0AVI LIST tohle neni video", 31)},
        {L"useknute.avi", std::string(zacatek.begin(), zacatek.begin() + 6000)},
        {L"prazdne.avi", std::string()}};
    for (const auto& [jmeno, obsah] : spatne) {
        const std::wstring cesta = Video(jmeno);
        {
            std::ofstream f(std::filesystem::path(cesta), std::ios::binary);
            f << obsah;
        }
        EXPECT_TRUE(Knihovna::Selhalo(ChybaVolani([&] { p.Otevrit(cesta); }))) << jmeno;
        EXPECT_EQ(p.Stav(), Prehravac::Stav::BezSouboru) << jmeno;
        ::DeleteFileW(cesta.c_str());
    }
    const std::wstring slozka = Video(L"");
    EXPECT_EQ(ChybaVolani([&] { p.Otevrit(slozka.substr(0, slozka.size() - 1)); }),
              HRESULT_FROM_WIN32(ERROR_DIRECTORY));
    EXPECT_TRUE(Knihovna::Selhalo(ChybaVolani([&] { p.Otevrit(Video(L"neni.avi")); })));
    EXPECT_TRUE(p.Cesta().empty());
}

TEST(ZapisNahradou, NahradiCilNeboNechaVseJakBylo) {
    const std::filesystem::path slozka = std::filesystem::path(Video(L"")) / L"zapis";
    std::filesystem::remove_all(slozka);
    std::filesystem::create_directories(slozka / L"adresar");
    const std::wstring cil = (slozka / L"snímek.bmp").wstring();
    {
        std::ofstream f(slozka / L"snímek.bmp", std::ios::binary);
        f << "stary";
    }
    ZapsatSouborNahradou(cil, {'n', 'o', 'v', 'y'});
    EXPECT_EQ(Nacist(cil), (std::vector<std::uint8_t>{'n', 'o', 'v', 'y'}));

    // A target in a missing folder and one that is a folder fail and leave nothing behind.
    EXPECT_TRUE(Knihovna::Selhalo(ChybaVolani([&] { ZapsatSouborNahradou((slozka / L"neni" / L"a.bmp").wstring(), {1}); })));
    EXPECT_TRUE(Knihovna::Selhalo(ChybaVolani([&] { ZapsatSouborNahradou((slozka / L"adresar").wstring(), {1}); })));
    std::vector<std::wstring> soubory;
    for (const auto& polozka : std::filesystem::directory_iterator(slozka)) soubory.push_back(polozka.path().filename().wstring());
    std::sort(soubory.begin(), soubory.end());
    EXPECT_EQ(soubory, (std::vector<std::wstring>{L"adresar", L"snímek.bmp"}));
    EXPECT_TRUE(std::filesystem::is_empty(slozka / L"adresar"));
    std::filesystem::remove_all(slozka);
}
