#include "camera/win/ZasuvneModuly.h"

#include <gtest/gtest.h>

#include <fstream>

#include "video/win/ProstrediKamery.h"

// Libraries that cannot be loaded keep their entries and give one message each, with the path; a library
// without any of the five exports is loaded and called for nothing.
TEST(ZasuvneModuly, NenactenaKnihovnaHlasiCestuAZustaneVSeznamu) {
    const std::wstring slozka = TestyVidea::DocasnaSlozka();
    const std::wstring nePe = slozka + L"\\text.dll";
    std::ofstream(nePe.c_str()) << "not a library";
    wchar_t systemova[MAX_PATH] = {};
    ASSERT_GT(::GetSystemDirectoryW(systemova, MAX_PATH), 0u);
    const std::wstring bezExportu = std::wstring(systemova) + L"\\version.dll";

    const std::vector<ZasuvnyModul> seznam{
        {L"Chybi", slozka + L"\\chybi.dll", true, true, true, true, true},
        {L"Text", nePe, true, true, true, true, true},
        {L"Relativni", L"version.dll", true, true, true, true, true},  // would be found along the search path
        {L"Bez exportu", bezExportu, true, true, true, true, true},
    };
    ZasuvneModuly moduly;
    const auto chyby = moduly.Nacist(seznam);
    ASSERT_EQ(chyby.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(chyby[i].rfind(L"Chyba načtení zásuvného modulu\n" + seznam[i].cesta + L"\n", 0), 0u) << chyby[i];
        EXPECT_NE(chyby[i].find(L"Systémový popis chyby:\n"), std::wstring::npos);
    }
    ASSERT_EQ(moduly.Moduly().size(), 4u);
    EXPECT_FALSE(moduly.Moduly()[0].knihovna);
    EXPECT_FALSE(moduly.Moduly()[2].knihovna);
    EXPECT_TRUE(moduly.Moduly()[3].knihovna);
    EXPECT_EQ(moduly.Seznamy(), SeznamyVolaniModulu{});
    moduly.Uvolnit();
    EXPECT_TRUE(moduly.Moduly().empty());
}
