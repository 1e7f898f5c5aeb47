#include "imagetools/Promitani.h"

#include <gtest/gtest.h>

#include <map>

using namespace Holvent::Obrazky;
using Knihovna::Obdelnik;
using K = StavPromitani::Klavesa;
using R = StavPromitani::Reakce;

TEST(Promitani, UmisteniNikdyNezvetsujeAVejdeSe) {
    EXPECT_EQ(UmisteniPromitani(1920, 1080, 640, 480), (Obdelnik{640, 300, 1280, 780}));
    EXPECT_EQ(UmisteniPromitani(1920, 1080, 1920, 1080), (Obdelnik{0, 0, 1920, 1080}));
    EXPECT_EQ(UmisteniPromitani(1920, 1080, 3840, 1000), (Obdelnik{0, 290, 1920, 790}));   // the width fills
    EXPECT_EQ(UmisteniPromitani(1920, 1080, 1000, 2160), (Obdelnik{710, 0, 1210, 1080}));  // the height fills
}

TEST(Promitani, StavyPromitani) {
    for (bool cyklicky : {false, true}) {  // an empty folder ends at the first step
        StavPromitani s;
        s.ZacitPromitani(0, cyklicky);
        EXPECT_EQ(s.Dalsi(), std::nullopt);
    }
    StavPromitani s;
    EXPECT_EQ(s.Stisknuto(K::Vpred), R{});  // while collecting only Escape counts
    s.ZacitPromitani(3, false);
    EXPECT_EQ(s.Dalsi(), 0u);
    EXPECT_EQ(s.Stisknuto(K::Zpet), R{});  // Left on the first does nothing ...
    EXPECT_EQ(s.Dalsi(), 1u);
    EXPECT_EQ(s.Stisknuto(K::Zpet), (R{false, true, true, true}));
    EXPECT_EQ(s.Dalsi(), 0u);  // ... on the second shows the first
    EXPECT_EQ(s.Stisknuto(K::Pauza), (R{false, true, false, false}));
    EXPECT_EQ(s.Stisknuto(K::Vpred), (R{false, true, true, false}));  // a step while paused stays paused
    EXPECT_EQ(s.Dalsi(), 1u);
    EXPECT_EQ(s.Stisknuto(K::Pauza), (R{false, false, false, true}));
    EXPECT_EQ(s.Dalsi(), 2u);
    EXPECT_EQ(s.Dalsi(), std::nullopt);  // past the last without repetition
    EXPECT_EQ(s.Stav(), StavPromitani::Faze::Konec);

    StavPromitani c;
    c.ZacitPromitani(2, true);
    EXPECT_EQ(c.Dalsi(), 0u);
    EXPECT_EQ(c.Dalsi(), 1u);
    EXPECT_EQ(c.Dalsi(), 0u);  // starts again with the first
    EXPECT_EQ(c.Stisknuto(K::Escape), (R{true, true, false, false}));
    EXPECT_EQ(c.Dalsi(), std::nullopt);

    StavPromitani z;  // Escape while collecting ends it; the collection's late end does not restart it
    EXPECT_TRUE(z.Stisknuto(K::Escape).ukoncit);
    z.ZacitPromitani(5, true);
    EXPECT_EQ(z.Dalsi(), std::nullopt);
}

namespace {

// A folder tree in memory: folder path → its entries in enumeration order.
struct Strom {
    std::map<std::wstring, std::vector<PolozkaSlozky>> slozky;
    int vycteno = 0;
    VycetSlozky Vycet() {
        return [this](const std::wstring& s, const std::function<bool(const PolozkaSlozky&)>& f) {
            ++vycteno;
            auto it = slozky.find(s);
            if (it == slozky.end()) return;
            for (const auto& p : it->second)
                if (!f(p)) return;
        };
    }
};

}  // namespace

TEST(Promitani, SberVPoradiVyctuBezOdkazu) {
    Strom t;
    t.slozky[L"C:\\Snimky"] = {{L"a.JPG"},       {L"zaznam.avi"},       {L"pod", true}, {L".skryty.png"},
                               {L"b.tiff"},      {L"spoj", true, true}, {L"c.Tif"},     {L"..", true},
                               {L"bez_pripony"}, {L"d.jpeg.txt"}};
    t.slozky[L"C:\\Snimky\\pod"] = {{L"e.gif"}, {L"f.bmp"}, {L"g.PNG"}, {L"h.jpeg"}};
    t.slozky[L"C:\\Snimky\\spoj"] = {{L"smycka.jpg"}};
    const auto v = SberObrazku(L"C:\\Snimky", t.Vycet());
    const std::vector<std::wstring> ocekavane{
        L"C:\\Snimky\\a.JPG",       L"C:\\Snimky\\pod\\e.gif", L"C:\\Snimky\\pod\\f.bmp", L"C:\\Snimky\\pod\\g.PNG",
        L"C:\\Snimky\\pod\\h.jpeg", L"C:\\Snimky\\b.tiff",     L"C:\\Snimky\\c.Tif"};
    EXPECT_EQ(v.soubory, ocekavane);
    EXPECT_FALSE(v.zruseno || v.omezeno);
    EXPECT_EQ(t.vycteno, 2);  // the reparse point is never entered
    EXPECT_EQ(TextHledani(1234), L"Hledám obrázky (nalezeno: 1234)");
}

TEST(Promitani, SberHloubkaPocetZruseniAPrubeh) {
    Strom t;  // 40 nested folders with one picture each: depths 0 to 32 are collected
    std::wstring s = L"R";
    for (int i = 0; i < 40; ++i) {
        t.slozky[s] = {{L"p.jpg"}, {L"d", true}};
        s += L"\\d";
    }
    EXPECT_EQ(SberObrazku(L"R", t.Vycet()).soubory.size(), 33u);

    Strom velky;
    auto& polozky = velky.slozky[L"V"];
    for (int i = 0; i < 100'010; ++i)
        polozky.push_back({L"s" + std::to_wstring(i) + L".jpg"});
    std::vector<std::size_t> hlaseni;
    auto v = SberObrazku(
        L"V", velky.Vycet(), nullptr, [&](std::size_t n) { hlaseni.push_back(n); }, 25'000);
    EXPECT_EQ(v.soubory.size(), kMaxObrazkuSberu);
    EXPECT_TRUE(v.omezeno);
    EXPECT_EQ(hlaseni, (std::vector<std::size_t>{25'000, 50'000, 75'000, 100'000, 100'000}));

    std::atomic<bool> zrusit{false};
    std::size_t videno = 0;
    Strom z;
    z.slozky[L"Z"] = {{L"1.jpg"}, {L"2.jpg"}, {L"3.jpg"}, {L"4.jpg"}};
    v = SberObrazku(
        L"Z", z.Vycet(), &zrusit,
        [&](std::size_t n) {
            videno = n;
            if (n == 2) zrusit = true;  // Escape during the collection
        },
        1);
    EXPECT_TRUE(v.zruseno);
    EXPECT_EQ(v.soubory.size(), 2u);
    EXPECT_EQ(videno, 2u);
}
