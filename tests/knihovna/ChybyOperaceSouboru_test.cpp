#include "knihovna/ChybyOperaceSouboru.h"

#include <gtest/gtest.h>

namespace {

TEST(ChybyOperaceSouboru, VlastniKodyShelluMajiCeskyTextSystemoveNe) {
    // 0x78 and 0x7C are also system codes with unrelated meanings ("not implemented", "wrong level").
    EXPECT_EQ(Knihovna::TextChybyOperaceSouboru(0x78), L"Přístup ke zdrojovému souboru byl odepřen.");
    EXPECT_EQ(Knihovna::TextChybyOperaceSouboru(0x7C), L"Cesta ke zdrojovému nebo cílovému souboru je neplatná.");
    // Codes the shell passes on from the system keep the system's description.
    for (std::uint32_t kod : {0u, 2u, 3u, 5u, 32u, 0x77u, 0x7Bu, 0x10001u})
        EXPECT_EQ(Knihovna::TextChybyOperaceSouboru(kod), L"") << kod;
}

}  // namespace
