#include <gtest/gtest.h>

#include "imagetools/NastaveniEditoruObrazku.h"
#include "knihovna/RegistrKlic.h"
#include "knihovna/RegistrVPameti.h"
#include "net/NastaveniProhlizeceFtp.h"

using namespace Knihovna;

namespace {
const std::wstring kKoren = L"Software\\Dunmar Holvent\\Tervik\\4.8";
}

TEST(NastaveniNastroju, ProhlizecFtpVychoziAUlozeni) {
    RegistrVPameti reg;
    NastaveniProhlizeceFtp a;
    a.NastavitVychozi(0x00ABABAB);
    EXPECT_TRUE(a.Nacist(reg, kKoren).empty());
    EXPECT_TRUE(a.nacitatAutomaticky);
    EXPECT_EQ(a.filtrSoubory, 3u);
    EXPECT_EQ(a.pozadiObrazku, 0x00ABABABu);
    EXPECT_FALSE(a.pripojitPoSpusteni);
    EXPECT_EQ(a.shellOtevrit, 0u);
    a.server = L"ftp.example.cz";
    a.filtrSoubory = NastaveniProhlizeceFtp::kFiltrVse;
    a.sirkaStromu = 301;
    a.vyskaStromu = 402;
    a.Ulozit(reg, kKoren);
    NastaveniProhlizeceFtp b;
    b.NastavitVychozi(0);
    EXPECT_TRUE(b.Nacist(reg, kKoren).empty());
    EXPECT_EQ(b.server, L"ftp.example.cz");
    EXPECT_EQ(b.filtrSoubory, 0xFFFFFFFFu);
    EXPECT_EQ(b.pozadiObrazku, 0x00ABABABu);
    EXPECT_EQ(b.sirkaStromu, 301);
    EXPECT_EQ(b.vyskaStromu, 402);
    RegistrKlic k(reg, kKoren);
    EXPECT_TRUE(k.ZkusitOtevritCteni(L"Prohlizec FTP\\Okno"));
}

TEST(NastaveniNastroju, EditorObrazkuSpatnyTyp) {
    RegistrVPameti reg;
    NastaveniEditoruObrazku e;
    EXPECT_TRUE(e.Nacist(reg, kKoren).empty());
    EXPECT_TRUE(e.prizpusobitOknu);
    e.prizpusobitOknu = false;
    e.Ulozit(reg, kKoren);
    NastaveniEditoruObrazku f;
    f.Nacist(reg, kKoren);
    EXPECT_FALSE(f.prizpusobitOknu);
    RegistrKlic k(reg, kKoren);
    k.OtevritZapis(L"Editor obrazku");
    k.ZapsatText(L"prizpusobitOknu", L"ano");
    k.Zavrit();
    NastaveniEditoruObrazku g;
    EXPECT_EQ(g.Nacist(reg, kKoren).size(), 1u);
    EXPECT_TRUE(g.prizpusobitOknu);
}
