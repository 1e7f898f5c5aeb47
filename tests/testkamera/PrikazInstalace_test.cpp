#include "testkamera/PrikazInstalace.h"

#include <gtest/gtest.h>

using namespace TestovaciKamera;

TEST(PrikazInstalace, PocetAVariantaBezObrazu) {
    const auto prazdny = RozebratPrikazInstalace(L"", 8);
    ASSERT_TRUE(prazdny);
    EXPECT_EQ(prazdny->pocet, 0);
    EXPECT_FALSE(prazdny->bezObrazu);

    const auto oba = RozebratPrikazInstalace(L" 2,BezObrazu ", 8);
    ASSERT_TRUE(oba);
    EXPECT_EQ(oba->pocet, 2);
    EXPECT_TRUE(oba->bezObrazu);
    EXPECT_EQ(RozebratPrikazInstalace(L"8", 8)->pocet, 8);

    // Refused rather than guessed: a count out of range, words it does not know, repeats.
    for (const wchar_t* spatny : {L"0", L"9", L"-1", L"2x", L"1000000000000", L"mnoho", L"2 3", L"bezobrazu,bezobrazu"}) {
        EXPECT_FALSE(RozebratPrikazInstalace(spatny, 8)) << spatny;
    }
}

TEST(PrikazInstalace, CisloZarizeniZCesty) {
    EXPECT_EQ(CisloZarizeniZCesty(L"\\\\?\\root#tervik#testovaci-kamera-2#{65e8773d-8f56-11d0-a3b9-00a0c9223196}\\global"), 2);
    EXPECT_EQ(CisloZarizeniZCesty(L"\\\\?\\root#tervik#testovaci-kamera-12#{x}"), 12);
    // The variant without a picture, another device, a path cut short, a number too large, nothing.
    for (const wchar_t* cesta : {L"\\\\?\\root#tervik#testovaci-kamera-bez-obrazu#{x}", L"\\\\?\\usb#vid_046d&pid_0825#6&2c6c2ad0&0&2#{x}",
                                 L"#testovaci-kamera-3", L"#testovaci-kamera-99999999999#", L""})
        EXPECT_EQ(CisloZarizeniZCesty(cesta), 0) << cesta;
}
