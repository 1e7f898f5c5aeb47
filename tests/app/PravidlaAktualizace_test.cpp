#include "app/PravidlaAktualizace.h"

#include <gtest/gtest.h>

namespace P = PravidlaAktualizace;

TEST(PravidlaAktualizace, SouborVerzeDelkaUvodniSlovoABom) {
    // 13 characters of the word + 8 = 21: the shortest accepted; one fewer is refused.
    EXPECT_EQ(P::VerzeZeSouboru(L"posledniVerze 4.9.0.1"), std::wstring(L" 4.9.0.1"));
    EXPECT_EQ(P::VerzeZeSouboru(L"posledniVerze 4.9.01"), std::nullopt);
    // 50 accepted, 51 refused.
    const std::wstring padesat = L"posledniVerze" + std::wstring(37, L'9');
    ASSERT_EQ(padesat.size(), 50u);
    EXPECT_EQ(P::VerzeZeSouboru(padesat), std::wstring(37, L'9'));
    EXPECT_EQ(P::VerzeZeSouboru(padesat + L"9"), std::nullopt);
    // The word in any case; what follows is kept unchanged, blank and line end included.
    EXPECT_EQ(P::VerzeZeSouboru(L"POSLEDNIVERZE 4.9.0.0"), std::wstring(L" 4.9.0.0"));
    EXPECT_EQ(P::VerzeZeSouboru(L"posledniverze 4.9.0.0\r\n"), std::wstring(L" 4.9.0.0\r\n"));
    // Without the leading word, or with a byte order mark before it (as UTF-16 or read as ANSI bytes).
    EXPECT_EQ(P::VerzeZeSouboru(L"Verze 4.9.0.0 posledniVerze"), std::nullopt);
    EXPECT_EQ(P::VerzeZeSouboru(L"\xFEFFposledniVerze 4.9.0.0"), std::nullopt);
    EXPECT_EQ(P::VerzeZeSouboru(L"\x00EF\x00BB\x00BFposledniVerze 4.9.0.0"), std::nullopt);
}

TEST(PravidlaAktualizace, VerzeSeRozkladajiAPorovnavajiCiselne) {
    EXPECT_EQ(P::RozlozitVerzi(L" 4.9\r\n"), (std::array<std::uint32_t, 4>{4, 9, 0, 0}));
    for (const wchar_t* spatna : {L"", L"4..9", L"4.9.", L"4.9a", L"v4.9", L"1.2.3.4.5", L"4.70000", L"4 .9"})
        EXPECT_EQ(P::RozlozitVerzi(spatna), std::nullopt) << spatna;

    EXPECT_TRUE(P::JeNovejsi(L"4.9", L"4.8.5.2"));
    EXPECT_TRUE(P::JeNovejsi(L" 4.8.10.0", L"4.8.9.9"));  // numbers, not text
    EXPECT_FALSE(P::JeNovejsi(L"4.8.5.2", L"4.8.5.2"));
    EXPECT_FALSE(P::JeNovejsi(L"4.8.5", L"4.8.5.0"));
    EXPECT_FALSE(P::JeNovejsi(L"4.8", L"4.8.5.2"));
    EXPECT_FALSE(P::JeNovejsi(L"nová", L"4.8.5.2"));
}

TEST(PravidlaAktualizace, AdresaATexty) {
    EXPECT_EQ(P::AdresaSouboru(L""), L"https://www.dunmarholvent.cz/software/tervik/posledniVerze.txt");
    EXPECT_EQ(P::AdresaSouboru(L"http://127.0.0.1:8080/v.txt"), L"http://127.0.0.1:8080/v.txt");
    EXPECT_EQ(P::KontrolaAdresy(L"www.dunmarholvent.cz/posledniVerze.txt"),
              std::wstring(L"Zadejte adresu začínající http:// nebo https://."));
    EXPECT_EQ(P::KontrolaAdresy(L"Http://server/v.txt"), std::nullopt);
    EXPECT_EQ(P::TextStavuHttp(404), L"HTTP 404");
    EXPECT_EQ(P::TextNoveVerze(L" 4.9.0.0\r\n"), L"Na webu je k dispozici nová verze 4.9.0.0.");
}
