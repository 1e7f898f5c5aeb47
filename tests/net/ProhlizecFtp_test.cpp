#include "net/ProhlizecFtp.h"

#include <gtest/gtest.h>

#include "ui/StrankyNastaveniProhlizeceFtp.h"

using namespace Holvent::Ftp;
using C = FiltrSouboruFtp::Cil;

TEST(ProhlizecFtp, FiltrRozdeliSlozkyASoubory) {
    const FiltrSouboruFtp videa(2), obrazky(1), vse(0xFFFFFFFFu), nic(0);
    // Subfolders and ".avi" files with the video filter: the tree gets the folders, the list only the videos.
    EXPECT_EQ(videa.Kam({L"2026", true}), C::Strom);
    EXPECT_EQ(videa.Kam({L"zaznam.AVI"}), C::Seznam);
    EXPECT_EQ(videa.Kam({L"snimek.jpg"}), C::Vynechat);
    EXPECT_EQ(videa.Kam({L".hidden", true}), C::Vynechat);
    EXPECT_EQ(obrazky.Kam({L"a.Tiff"}), C::Seznam);
    EXPECT_EQ(vse.Kam({L"readme"}), C::Seznam);
    EXPECT_EQ(nic.Kam({L"a.jpg"}), C::Vynechat);
    EXPECT_EQ(nic.Kam({L"sub", true}), C::Strom);

    std::vector<PolozkaFtp> p{{L"b.jpg"}, {L"A.jpg"}, {L"č.jpg"}, {L"a.jpg"}, {L"C.jpg"}};
    SeraditPolozky(p);
    std::vector<std::wstring> jmena;
    for (const auto& x : p)
        jmena.push_back(x.jmeno);
    EXPECT_EQ(jmena, (std::vector<std::wstring>{L"A.jpg", L"a.jpg", L"b.jpg", L"C.jpg", L"č.jpg"}));
}

TEST(ProhlizecFtp, DavkyVypisuAMez) {
    DavkyVypisuFtp d(1);
    std::size_t davek = 0, slozek = 0, souboru = 0;
    std::vector<PolozkaFtp> s, f;
    bool pokracovat = true;
    for (std::size_t i = 0; i < 112'000 && pokracovat; ++i) {
        pokracovat = d.Pridat({i % 10 == 0 ? L"." : std::to_wstring(i) + (i % 3 ? L".jpg" : L".avi"), i % 7 == 0});
        if (d.DavkaPlna()) {
            d.Vzit(s, f);
            ++davek;
            slozek += s.size(), souboru += f.size();
        }
    }
    d.Vzit(s, f);
    slozek += s.size(), souboru += f.size();
    EXPECT_FALSE(pokracovat);
    EXPECT_TRUE(d.Omezeno());
    EXPECT_EQ(d.Prijato(), DavkyVypisuFtp::kMaxPolozek);  // "." entries are not counted
    EXPECT_GT(davek, 100u);
    EXPECT_LT(slozek + souboru, d.Prijato());  // the ".avi" files were left out
    EXPECT_EQ(TextNacitaniSlozky(L"fotky", 1500), L"Načítám obsah složky \"fotky\" (položek: 1500)");
}

TEST(ProhlizecFtp, CestyNaServeru) {
    EXPECT_EQ(CestaVypisuFtp(L""), L"*.*");
    EXPECT_EQ(CestaVypisuFtp(L"fotky"), L"fotky/*.*");
    EXPECT_EQ(CestaVypisuFtp(L"fotky/2026/"), L"fotky/2026/*.*");
    EXPECT_EQ(CestaSouboruFtp(L"", L"a.jpg"), L"a.jpg");
    EXPECT_EQ(CestaSouboruFtp(L"fotky/2026", L"a.jpg"), L"fotky/2026/a.jpg");
}

TEST(ProhlizecFtp, ProcentaAPrubeh) {
    EXPECT_EQ(ProcentaStazeni(1000, 0), 0u);                   // an unknown size divides by nothing
    EXPECT_EQ(ProcentaStazeni(50'000'000, 100'000'000), 50u);  // bytes × 100 past 32 bits
    const std::uint64_t velky = 6ull << 30;                    // 6 GiB
    EXPECT_EQ(ProcentaStazeni(velky - 1, velky), 99u);
    EXPECT_EQ(ProcentaStazeni(velky + 5, velky), 100u);

    // 3 MB in 1024-byte pieces: a message only when the percentage changes.
    PrubehStahovaniFtp p(3'000'000);
    int zprav = 0;
    for (std::uint64_t b = 1024; b < 3'000'000 + 1024; b += 1024)
        zprav += p.Prijato(std::min<std::uint64_t>(b, 3'000'000));
    EXPECT_EQ(zprav, 100);
    EXPECT_EQ(p.Text(), L"Staženo: 100 procent");

    PrubehStahovaniFtp n(0);  // size unknown: once a mebibyte, the bytes shown
    zprav = 0;
    for (std::uint64_t b = 4096; b <= (5ull << 30); b += 4096)
        zprav += n.Prijato(b);
    EXPECT_EQ(zprav, 5 * 1024);
    EXPECT_EQ(n.Text(), L"Staženo bajtů: 5368709120");
}

TEST(ProhlizecFtp, NavrhJmenaUlozeni) {
    EXPECT_EQ(NavrhJmenaUlozeni(L"..\\..\\Windows\\win.ini"), L".._.._Windows_win.ini");
    EXPECT_EQ(NavrhJmenaUlozeni(L"C:/a:b*?.jpg"), L"C__a_b__.jpg");
    EXPECT_EQ(NavrhJmenaUlozeni(L"konec. "), L"konec__");
    EXPECT_EQ(NavrhJmenaUlozeni(L""), L"_");
    EXPECT_EQ(NavrhJmenaUlozeni(L"CON.jpg"), L"_CON.jpg");
    EXPECT_EQ(NavrhJmenaUlozeni(L"console.jpg"), L"console.jpg");
    EXPECT_EQ(CestaCastecnehoSouboru(L"C:\\a.avi"), L"C:\\a.avi.part");
}

TEST(ProhlizecFtp, StrankaPredvolebFiltr) {
    using namespace StrankyNastaveniProhlizeceFtp;
    using Z = ZaskrtnutiFiltru;
    EXPECT_EQ(Zaskrtnuti(0xFFFFFFFFu, Z::Vse), (StavZaskrtnuti{true, true}));
    EXPECT_EQ(Zaskrtnuti(0xFFFFFFFFu, Z::Obrazky), (StavZaskrtnuti{true, false}));  // "Všechny soubory" wins
    EXPECT_EQ(Zaskrtnuti(7, Z::Vse), (StavZaskrtnuti{false, true}));                // only 0xFFFFFFFF is all
    EXPECT_EQ(Zaskrtnuti(2, Z::Obrazky), (StavZaskrtnuti{false, true}));
    EXPECT_EQ(PoZmene(1, Z::Vse, true), 0xFFFFFFFFu);
    EXPECT_EQ(PoZmene(0xFFFFFFFFu, Z::Vse, false), 3u);
    EXPECT_EQ(PoZmene(3, Z::Obrazky, false), 2u);
    EXPECT_EQ(PoZmene(0xFFFFFFFFu, Z::Videa, false), 0xFFFFFFFFu);
    EXPECT_TRUE(HodnotaPripustna(L"Prohlizec FTP", L"filtrSoubory", 0xFFFFFFFFu));
    EXPECT_FALSE(HodnotaPripustna(L"Prohlizec FTP", L"filtrSoubory", 4));
    EXPECT_FALSE(HodnotaPripustna(L"Prohlizec FTP", L"shellOtevrit", 3));
    EXPECT_EQ(Stranky().front().hodnoty.size(), 5u);
}
