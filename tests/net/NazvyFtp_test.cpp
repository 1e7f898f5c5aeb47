#include "net/NazvyFtp.h"
#include "net/ChybyWinInet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Holvent::Ftp;

namespace {
std::vector<std::wstring> Nazvy(std::uint32_t maxPocet, int kolik) {
    std::uint32_t citac = 0;  // as at the camera's start
    std::vector<std::wstring> nazvy;
    for (int i = 0; i < kolik; ++i) nazvy.push_back(VzdalenyNazev(L"Webtervik", L".jpg", maxPocet, citac));
    return nazvy;
}
}  // namespace

TEST(NazvyFtp, VzdalenyNazevSCitacemNaServeru) {
    EXPECT_EQ(Nazvy(1, 2), (std::vector<std::wstring>{L"Webtervik.jpg", L"Webtervik.jpg"}));
    EXPECT_EQ(Nazvy(0, 1), (std::vector<std::wstring>{L"Webtervik.jpg"}));
    EXPECT_EQ(Nazvy(3, 5), (std::vector<std::wstring>{L"Webtervik1.jpg", L"Webtervik2.jpg", L"Webtervik3.jpg",
                                                      L"Webtervik1.jpg", L"Webtervik2.jpg"}));
    // A counter above a lowered maximum starts again at 1.
    std::uint32_t citac = 7;
    EXPECT_EQ(VzdalenyNazev(L"cam", L".png", 4, citac), L"cam1.png");
}

TEST(NazvyFtp, MistniSouborPodleJmenaKamery) {
    EXPECT_EQ(MistniSouborFtp(L"C:\\Data", L"Dvůr: vchod?", L".jpg"), L"C:\\Data\\Dvůr_ vchod__ftp.jpg");
    EXPECT_EQ(MistniSouborFtp(L"C:\\Data", L"Garáž", L".gif"), L"C:\\Data\\Garáž_ftp.gif");
}

TEST(NazvyFtp, UrovneSlozky) {
    EXPECT_EQ(RozlozitSlozkuFtp(L""), SlozkaFtp{});
    EXPECT_EQ(RozlozitSlozkuFtp(L"  ").Cesta(), L"");
    EXPECT_EQ(RozlozitSlozkuFtp(L"\\"), (SlozkaFtp{true, {}}));
    EXPECT_EQ(RozlozitSlozkuFtp(L"\\").Cesta(), L"/");
    EXPECT_EQ(RozlozitSlozkuFtp(L"kamery\\dvur\\"), (SlozkaFtp{false, {L"kamery", L"dvur"}}));
    EXPECT_EQ(RozlozitSlozkuFtp(L"/www//snímky/./dvůr vchod/").Cesta(), L"/www/snímky/dvůr vchod");
    EXPECT_EQ(RozlozitSlozkuFtp(L"web").urovne, std::vector<std::wstring>{L"web"});
}

TEST(NazvyFtp, PopisKoduWinInet) {
    EXPECT_STREQ(PopisKoduWinInet(12015), L"Přihlášení k serveru se nezdařilo.");
    EXPECT_STREQ(PopisKoduWinInet(12029), L"K serveru se nelze připojit.");
    EXPECT_EQ(PopisKoduWinInet(2), nullptr);
}
