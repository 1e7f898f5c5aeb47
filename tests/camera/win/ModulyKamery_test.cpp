#include "camera/win/ModulyKamery.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "camera/AktivityKamery.h"
#include "knihovna/win/Zdroje.h"

using Holvent::DirectShow::PrijemceSnimku;

namespace {

std::wstring SlozkaSestaveni() {
    const std::wstring exe = Knihovna::WinApi::CestaModulu(nullptr);
    return exe.substr(0, exe.find_last_of(L"\\/") + 1);
}
ZasuvnyModul Zivy(const wchar_t* jmeno, const std::wstring& cesta) { return {jmeno, cesta, false, false, false, false, true}; }
ZasuvnyModul Vodoznak() { return Zivy(L"Vodoznak", SlozkaSestaveni() + L"zasuvnymodul\\TervikVodoznak.dll"); }
ZasuvnyModul Testovaci(const wchar_t* jmeno) {
    return Zivy(jmeno, SlozkaSestaveni() + L"tests\\moduly\\" + jmeno + L".dll");
}

constexpr int kSirka = 33, kVyska = 24;  // rows padded to 100 bytes
std::vector<std::uint8_t> Snimek() { return std::vector<std::uint8_t>(DelkaZivehoSnimku(kSirka, kVyska), 100); }
// The sample's square: the top-left pixel, in the last row of a bottom-up frame.
bool MaCtverec(const std::vector<std::uint8_t>& s) {
    const std::uint8_t* p = s.data() + DelkaZivehoSnimku(kSirka, kVyska - 1);
    return p[0] == 255 && p[1] == 0 && p[2] == 255;
}

void Snimek(ModulyKamery& moduly, PrijemceSnimku& prijemce, std::vector<std::uint8_t>& s, bool referencni = false,
            long delka = -1) {
    moduly.ZivySnimek(s.data(), delka < 0 ? static_cast<long>(s.size()) : delka, kSirka, kVyska, referencni, prijemce);
}

}  // namespace

// Live frames change in place and are kept for grabs as the plug-ins left them; the detector's reference frame
// and a short sample are kept unchanged; without a live plug-in nothing is kept, so grabs take the grabber's buffer.
TEST(ModulyKamery, ZiveSnimkyAPonechanySnimek) {
    auto prijemce = PrijemceSnimku::Vytvorit({});
    ModulyKamery moduly;
    std::vector<std::uint8_t> s = Snimek(), ponechany;
    Snimek(moduly, *prijemce.get(), s);
    EXPECT_FALSE(prijemce->VzitSnimek(ponechany));

    ASSERT_TRUE(moduly.Nacist({Vodoznak()}, nullptr, prijemce.get()).empty());
    Snimek(moduly, *prijemce.get(), s, /*referencni*/ true);
    EXPECT_FALSE(MaCtverec(s));
    ASSERT_TRUE(prijemce->VzitSnimek(ponechany));
    EXPECT_EQ(ponechany, s);
    Snimek(moduly, *prijemce.get(), s, false, static_cast<long>(s.size()) - 1);
    EXPECT_FALSE(MaCtverec(s));
    Snimek(moduly, *prijemce.get(), s);
    EXPECT_TRUE(MaCtverec(s));
    ASSERT_TRUE(prijemce->VzitSnimek(ponechany));
    EXPECT_EQ(ponechany, s);

    moduly.Uvolnit(prijemce.get());
    EXPECT_FALSE(prijemce->VzitSnimek(ponechany));
}

// Reloads while another thread delivers frames under the receiver's lock never free a library a call is in (the
// counting plug-in writes its counts at unload). (A plug-in that faults, switched off and reported while the others
// run on: the whole-program test of the plug-ins.)
TEST(ModulyKamery, OpakovaneNacitaniZaBehu) {
    HWND okno = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_TRUE(okno);
    auto prijemce = PrijemceSnimku::Vytvorit({});
    PrijemceSnimku& p = *prijemce.get();
    ModulyKamery moduly;
    ASSERT_TRUE(moduly.Nacist({Vodoznak()}, okno, &p).empty());
    std::atomic<bool> konec{false};
    std::atomic<int> snimku{0};
    std::thread proud([&] {
        std::vector<std::uint8_t> f = Snimek();
        while (!konec) {
            p.PodZamkem([&] { Snimek(moduly, p, f); });
            ++snimku;
        }
    });
    for (int i = 0; i < 20; ++i) {
        EXPECT_TRUE(moduly.Nacist({Testovaci(L"ModulPocitadlo"), Vodoznak()}, okno, &p).empty());
        const int pred = snimku;
        for (int cekani = 0; snimku < pred + 2 && cekani < 5000; ++cekani)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    konec = true;
    proud.join();
    moduly.Uvolnit(&p);
    MSG zprava{};
    EXPECT_FALSE(::PeekMessageW(&zprava, okno, kZpravaSelhaniModulu, kZpravaSelhaniModulu, PM_REMOVE));
    ::DestroyWindow(okno);
}
