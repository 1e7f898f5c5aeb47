#include "camera/DruhSnimku.h"

#include <gtest/gtest.h>

#include <tuple>

#include "video/KoderyObrazu.h"

namespace {

TEST(DruhSnimku, UlozenyDruhMimoRozsahJeDiskPetAzSedmNic) {
    for (int druh = 1; druh <= 4; ++druh) EXPECT_EQ(DruhKeZpracovani(druh), druh);
    for (int druh : {5, 6, 7}) EXPECT_EQ(DruhKeZpracovani(druh), kSnimekZadny) << druh;
    for (std::int64_t druh : {0LL, 8LL, 40046LL, -3LL}) EXPECT_EQ(DruhKeZpracovani(druh), kSnimekDisk) << druh;
}

TEST(DruhSnimku, KdyRucneAAutomaticky) {
    // A motion-triggered or menu snapshot is "by hand" (automatic false); only the kind's timer is automatic.
    const bool plati[4][2] = {{false, false}, {true, false}, {false, true}, {true, true}};  // [kdy][automatic]
    for (std::uint32_t kdy = 0; kdy < 4; ++kdy)
        for (bool automaticky : {false, true}) EXPECT_EQ(KdyPlati(kdy, automaticky), plati[kdy][automaticky]) << kdy;
}

TEST(DruhSnimku, PodminkyObrazkuATextu) {
    auto blok = ParametrySnimku::Vychozi(PopisPisma::Vychozi());
    blok.soubor.kdy = 1;
    blok.text.kdy = 2;
    for (int druh : {kSnimekDisk, kSnimekEmail, kSnimekFtp}) {
        EXPECT_TRUE(PouzitObrazek(druh, blok, false, false));
        EXPECT_FALSE(PouzitObrazek(druh, blok, true, true));
        EXPECT_FALSE(PouzitText(druh, blok, false));
        EXPECT_TRUE(PouzitText(druh, blok, true));
    }
    // The server's snapshot ignores "kdy": the picture when its file exists, the text always.
    blok.soubor.kdy = blok.text.kdy = 0;
    EXPECT_TRUE(PouzitObrazek(kSnimekHttp, blok, false, true));
    EXPECT_FALSE(PouzitObrazek(kSnimekHttp, blok, false, false));
    EXPECT_TRUE(PouzitText(kSnimekHttp, blok, false));
}

TEST(DruhSnimku, PozadavekNaZachytavani) {
    auto blok = ParametrySnimku::Vychozi(PopisPisma::Vychozi());
    blok.text.kde = 13;
    blok.text.barvaPisma = 0x00203040;
    blok.text.logfont.vyska = -30;
    blok.kvalitaJpeg = 42;

    // The strip, font and colour of the block; JPEG with its quality, except e-mail, which sends what it gets.
    blok.format = Holvent::DirectShow::kKoderJpeg;
    auto p = PripravitPozadavek(kSnimekDisk, blok);
    EXPECT_EQ(std::tuple(p.kodPruhu, p.barvaTextu, p.koder, p.sKvalitou, p.kvalita),
              std::tuple(13, 0x00203040u, Holvent::DirectShow::kKoderJpeg, true, 42u));
    EXPECT_EQ(p.pismo, blok.text.logfont);
    EXPECT_TRUE(PripravitPozadavek(kSnimekFtp, blok).sKvalitou);
    EXPECT_FALSE(PripravitPozadavek(kSnimekEmail, blok).sKvalitou);
    // PNG for every kind but the server's, whose snapshots are always JPEG.
    blok.format = 1;
    for (int druh : {kSnimekDisk, kSnimekEmail, kSnimekFtp}) {
        p = PripravitPozadavek(druh, blok);
        EXPECT_EQ(std::pair(p.koder, p.sKvalitou), std::pair(1, false)) << druh;
    }
    p = PripravitPozadavek(kSnimekHttp, blok);
    EXPECT_EQ(std::tuple(p.koder, p.sKvalitou, p.kvalita), std::tuple(Holvent::DirectShow::kKoderJpeg, true, 42u));
}

}  // namespace
