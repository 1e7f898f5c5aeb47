#include "camera/PlanUklidu.h"

#include <gtest/gtest.h>

#include "camera/HlidaniMista.h"

namespace {

constexpr std::int64_t kTed = 1000 * kDen;
constexpr std::int64_t kSekunda = 10000000;
constexpr std::uint64_t kMB = 1 << 20;

// A file n days old (and s seconds older) of the given size.
SouborUklidu Soubor(const wchar_t* nazev, std::int64_t dni, std::uint64_t velikost = kMB, std::int64_t s = 0) {
    return {nazev, velikost, kTed - dni * kDen - s * kSekunda};
}

std::vector<std::wstring> Nazvy(const std::vector<SmazaniUklidu>& plan) {
    std::vector<std::wstring> v;
    for (const auto& s : plan) v.push_back(s.nazev);
    return v;
}

ParametryKamery::Uklid Limity(std::uint32_t dni, std::uint32_t volne, std::uint32_t velikost) {
    return {dni, volne, velikost, false};
}

}  // namespace

TEST(PlanUklidu, StariOdNejstarsihoANejnovejsiSlozkyZustava) {
    const std::vector<VypisSlozky> vypis{
        {L"C:\\a", L"C:\\", {Soubor(L"a_3.jpg", 10), Soubor(L"a_1.jpg", 40), Soubor(L"a_2.jpg", 31, kMB, 1)}},
        // Every file of this folder is old: its newest still stays.
        {L"C:\\b", L"C:\\", {Soubor(L"b_1.wmv", 90), Soubor(L"b_2.wmv", 80)}},
    };
    const auto plan = NaplanovatUklid(vypis, Limity(30, 0, 0), kTed, {{L"C:\\", 0}});
    EXPECT_EQ(Nazvy(plan), (std::vector<std::wstring>{L"b_1.wmv", L"a_1.jpg", L"a_2.jpg"}));
    EXPECT_EQ(plan[0].slozka, 1u);
    EXPECT_EQ(plan[0].duvod, DuvodSmazani::Stari);
    // A file exactly 30 days old is not older than 30 days.
    EXPECT_TRUE(NaplanovatUklid({{L"C:\\a", L"C:\\", {Soubor(L"x_1.jpg", 30), Soubor(L"x_2.jpg", 0)}}},
                                Limity(30, 0, 0), kTed, {})
                    .empty());
    // Written within the same instant, the lower number is the older one.
    EXPECT_EQ(Nazvy(NaplanovatUklid({{L"C:\\a", L"C:\\", {Soubor(L"a_10.jpg", 1), Soubor(L"a_9.jpg", 1), Soubor(L"a_11.jpg", 0)}}},
                                    Limity(0, 0, 2), kTed, {})),
              (std::vector<std::wstring>{L"a_9.jpg"}));
    // Off: nothing at all, however old or large.
    EXPECT_TRUE(NaplanovatUklid(vypis, Limity(0, 0, 0), kTed, {{L"C:\\", 0}}).empty());
}

TEST(PlanUklidu, VelikostSlozkyAVolneMistoSeDosahnouOdNejstarsich) {
    const std::vector<VypisSlozky> vypis{
        {L"C:\\a", L"C:\\", {Soubor(L"a_1.jpg", 5), Soubor(L"a_2.jpg", 4), Soubor(L"a_3.jpg", 3), Soubor(L"a_4.jpg", 1)}},
        {L"C:\\b", L"C:\\", {Soubor(L"b_1.avi", 6, 3 * kMB), Soubor(L"b_2.avi", 2, 3 * kMB)}},
        {L"D:\\c", L"D:\\", {Soubor(L"c_1.avi", 9, 5 * kMB), Soubor(L"c_2.avi", 8, 5 * kMB)}},
    };
    // Folder size: "a" holds 4 MB and may keep 2: its two oldest go; "b" (6 MB) loses all but its newest.
    auto plan = NaplanovatUklid(vypis, Limity(0, 0, 2), kTed, {});
    EXPECT_EQ(Nazvy(plan), (std::vector<std::wstring>{L"c_1.avi", L"b_1.avi", L"a_1.jpg", L"a_2.jpg"}));
    for (const auto& s : plan) EXPECT_EQ(s.duvod, DuvodSmazani::VelikostSlozky);

    // Free space: C: has 1 MB free and must have 5: the drive's oldest files of both folders go until 5 are free
    // (b_1 3 MB, a_1 1 MB); D: has enough; a drive whose free space is unknown loses nothing.
    plan = NaplanovatUklid(vypis, Limity(0, 5, 0), kTed, {{L"C:\\", 1 * kMB}, {L"D:\\", 10 * kMB}});
    EXPECT_EQ(Nazvy(plan), (std::vector<std::wstring>{L"b_1.avi", L"a_1.jpg"}));
    for (const auto& s : plan) EXPECT_EQ(s.duvod, DuvodSmazani::VolneMisto);
    EXPECT_TRUE(NaplanovatUklid(vypis, Limity(0, 5, 0), kTed, {}).empty());
    // What age already frees counts toward the free space; a target that cannot be reached stops at the newest.
    plan = NaplanovatUklid(vypis, Limity(5, 1000, 0), kTed, {{L"C:\\", 0}});
    EXPECT_EQ(Nazvy(plan), (std::vector<std::wstring>{L"c_1.avi", L"b_1.avi", L"a_1.jpg", L"a_2.jpg", L"a_3.jpg"}));
    EXPECT_EQ(plan[1].duvod, DuvodSmazani::Stari);
    EXPECT_EQ(plan[4].duvod, DuvodSmazani::VolneMisto);

    // A file that could not be deleted stays counted: the next oldest takes its place.
    plan = NaplanovatUklid(vypis, Limity(0, 5, 0), kTed, {{L"C:\\", 1 * kMB}}, {{1, L"b_1.avi"}});
    EXPECT_EQ(Nazvy(plan), (std::vector<std::wstring>{L"a_1.jpg", L"a_2.jpg", L"a_3.jpg"}));
}

TEST(HlidaniMista, HlaseniNejvysJednouZaHodinuIPresPreteceniTiku) {
    HlidaniMista h;
    const std::uint32_t zacatek = 0xFFFFF000u;
    EXPECT_TRUE(h.Nahlasit(zacatek));
    EXPECT_FALSE(h.Nahlasit(zacatek + 15000));
    EXPECT_FALSE(h.Nahlasit(zacatek + HlidaniMista::kOdstupHlaseni - 1));
    EXPECT_TRUE(h.Nahlasit(zacatek + HlidaniMista::kOdstupHlaseni));
    EXPECT_FALSE(h.Nahlasit(zacatek + HlidaniMista::kOdstupHlaseni + 1));

    // ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL and STG_E_MEDIUMFULL; not any other failure.
    for (std::uint32_t hr : {0x80070070u, 0x80070027u, 0x80030070u})
        EXPECT_TRUE(JeNedostatekMista(static_cast<Knihovna::Hresult>(hr))) << hr;
    EXPECT_FALSE(JeNedostatekMista(Knihovna::HresultZWin32(Knihovna::kChybaPristupOdepren)));
    EXPECT_FALSE(JeNedostatekMista(Knihovna::kE_FAIL));
}
