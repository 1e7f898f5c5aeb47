#include "camera/ZasuvnyModul.h"

#include <gtest/gtest.h>

#include "camera/SeznamyVolaniModulu.h"

using namespace Knihovna;

TEST(ZasuvnyModul, JmenaPriPridaniJedinecnaAPlatna) {
    std::vector<ZasuvnyModul> s;
    PridatZasuvnyModul(s, L"C:\\m\\a.dll", L"Vodoznak");
    PridatZasuvnyModul(s, L"C:\\m\\b.dll", L"VODOZNAK");  // the registry ignores case
    PridatZasuvnyModul(s, L"C:\\m\\c.dll", L"Vodoznak");
    PridatZasuvnyModul(s, L"C:\\m\\d.dll", L"Firma\\Hodiny");
    PridatZasuvnyModul(s, L"C:\\m\\e.dll", L"");
    ASSERT_EQ(s.size(), 5u);
    const std::wstring jmena[] = {L"Vodoznak", L"VODOZNAK (2)", L"Vodoznak (3)", L"Firma_Hodiny"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(s[i].jmeno, jmena[i]);
    EXPECT_FALSE(s[4].jmeno.empty());
    EXPECT_EQ(s[3], (ZasuvnyModul{L"Firma_Hodiny", L"C:\\m\\d.dll"}));  // all switches off

    // A long name is cut to the registry's limit, its number included.
    const std::wstring dlouhe(300, L'x');
    PridatZasuvnyModul(s, L"C:\\m\\f.dll", dlouhe);
    PridatZasuvnyModul(s, L"C:\\m\\g.dll", dlouhe);
    EXPECT_EQ(s[5].jmeno, std::wstring(255, L'x'));
    EXPECT_EQ(s[6].jmeno, std::wstring(251, L'x') + L" (2)");

    // A library already in the list is refused and the list stays as it was.
    const auto pred = s;
    try {
        PridatZasuvnyModul(s, L"c:\\M\\A.DLL", L"Jiny");
        FAIL();
    } catch (const Chyba& c) {
        EXPECT_EQ(c.Text(), kTextModulJizVSeznamu);
    }
    EXPECT_EQ(s, pred);
}

TEST(ZasuvnyModul, NacitajiSeJenAbsolutniCesty) {
    for (const wchar_t* c : {L"C:\\m\\a.dll", L"d:/a.dll", L"\\\\server\\sdileni\\a.dll", L"\\\\?\\C:\\a.dll"})
        EXPECT_TRUE(JeAbsolutniCesta(c)) << c;
    for (const wchar_t* c : {L"a.dll", L"m\\a.dll", L"..\\a.dll", L"C:a.dll", L"\\a.dll", L"\\\\\\a.dll", L"", L"C:\\"})
        EXPECT_FALSE(JeAbsolutniCesta(c)) << c;
}

TEST(ZasuvnyModul, SeznamyVolaniPodleExportuAPrepinacu) {
    ZasuvnyModul jenZivy{L"Jen zivy", L"a.dll"};  // exports only "ZapisDoObrazu", "zdo" off
    ZasuvnyModul vse{L"Vse", L"b.dll", true, true, true, true, true};
    ZasuvnyModul nenacteny{L"Nenacteny", L"c.dll", true, true, true, true, true};
    ZasuvnyModul castecny{L"Castecny", L"d.dll", true, false, true, false, true};
    const ExportyModulu vsechny{true, true, true, true, true};
    const auto s = SestavitSeznamyVolani({jenZivy, vse, nenacteny, castecny, vse},
                                         {{true}, vsechny, {}, vsechny});  // the last one has no entry
    SeznamyVolaniModulu ocekavane;
    ocekavane.zivy = {1, 3};
    ocekavane.disk = {1, 3};
    ocekavane.email = {1};
    ocekavane.ftp = {1, 3};
    ocekavane.http = {1};
    EXPECT_EQ(s, ocekavane);
}

// A live frame's rows are padded to 4 bytes: a sample shorter than that is never handed to a plug-in.
TEST(ZasuvnyModul, DelkaZivehoSnimkuSZarovnanymiRadky) {
    EXPECT_EQ(DelkaZivehoSnimku(320, 240), 320u * 3 * 240);
    EXPECT_EQ(DelkaZivehoSnimku(13, 2), 40u * 2);  // 39 bytes a row, padded to 40
    for (const auto& [w, h] : {std::pair{0, 240}, {320, -240}, {1 << 20, 1 << 20}}) EXPECT_EQ(DelkaZivehoSnimku(w, h), 0u);
}
