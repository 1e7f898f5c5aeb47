#include "ui/KlavesyPopisku.h"

#include <gtest/gtest.h>

TEST(KlavesyPopisku, KazdyPopisekMaJinouKlavesuNejradejiNaZacatkuSlova) {
    const auto k = PridatKlavesyPopisku({L"Port pro příjem:", L"Priorita procesu:", L"Interval zobrazení obrázku (sekundy):",
                                         L"Ikona v oznamovací oblasti:"},
                                        L"P");
    ASSERT_EQ(k.size(), 4u);
    // "p" is taken by "Použít" and every word starts with it: the first free letter.
    EXPECT_EQ(k[0], L"P&ort pro příjem:");
    EXPECT_EQ(k[1], L"P&riorita procesu:");
    EXPECT_EQ(k[2], L"&Interval zobrazení obrázku (sekundy):");
    // "i" is taken now: the start of "v" follows.
    EXPECT_EQ(k[3], L"Ikona &v oznamovací oblasti:");
}

TEST(KlavesyPopisku, BezVolnehoSlovaBerePismenoUprostredANicNezdvoji) {
    const auto k = PridatKlavesyPopisku({L"Port:", L"Port:", L"Tisk & kopie"}, L"");
    EXPECT_EQ(k[0], L"&Port:");
    EXPECT_EQ(k[1], L"P&ort:");
    // A "&" of the text is doubled so that it is shown, not taken as the key.
    EXPECT_EQ(k[2], L"&Tisk && kopie");
}

TEST(KlavesyPopisku, PismenaSDiakritikouNejsouKlavesami) {
    const auto k = PridatKlavesyPopisku({L"Čas", L"č"}, L"a");
    EXPECT_EQ(k[0], L"Ča&s");
    EXPECT_EQ(k[1], L"č");
}
