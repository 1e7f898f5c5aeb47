#include "camera/AktivityKamery.h"

#include <gtest/gtest.h>

#include "knihovna/Formatovani.h"

namespace {

using Prikazy = std::vector<PrikazPoSpusteni>;

TEST(AktivityKamery, PoSpusteniNejdriveVideoPakAktivity) {
    ParametryKamery::AkcePoSpusteni vse;
    vse.zapnoutVideo = vse.snimkyDisk = vse.snimkyEmail = vse.snimkyFtp = true;
    vse.serverHttp = vse.detekcePohybu = vse.planovaneSnimkovani = vse.minimalizovat = true;
    EXPECT_EQ(PrikazyPoSpusteni(vse), (Prikazy{{40022, 0}, {40040, 1}, {40041, 1}, {40039, 1},
                                               {40125, 1}, {40043, 0}, {40042, 0}}));

    ParametryKamery::AkcePoSpusteni disk;
    disk.snimkyDisk = disk.zapnoutVideo = true;
    EXPECT_EQ(PrikazyPoSpusteni(disk), (Prikazy{{PrikazyKamery::kVideo, 0}, {PrikazyKamery::kSnimkyDisk, 1}}));

    ParametryKamery::AkcePoSpusteni jenMinimalizovat;
    jenMinimalizovat.minimalizovat = true;
    EXPECT_TRUE(PrikazyPoSpusteni(jenMinimalizovat).empty());
}

TEST(AktivityKamery, PodminkyStartu) {
    ParametryKamery p;
    p.snimkyFtp.server = L"ftp.c";
    EXPECT_EQ(ChybaStartuFtp(p), L"Není nastaven platný název FTP serveru");
    p.snimkyFtp.server = L"ftp.cz";
    EXPECT_EQ(ChybaStartuFtp(p), L"");

    // The e-mail checks in their order: each message appears only once the earlier ones pass.
    const std::wstring smtp = L"Není nastaven server odchozí pošty (SMTP)";
    const std::wstring odesilatel = L"Pro tuto kameru není nastavena platná emailová ardesa odesílatele.";
    const std::wstring prijemce = L"Pro tuto kameru není nastavena platná emailová ardesa příjemce.";
    p.snimkyEmail.email = L"x@y";
    EXPECT_EQ(ChybaStartuEmail(p, nullptr), odesilatel);  // the account is gone
    Holvent::Email::EmailovyUcet ucet;
    ucet.email = L"a@b";
    ucet.server = L"smtp.";
    EXPECT_EQ(ChybaStartuEmail(p, &ucet), smtp);
    ucet.server = L"smtp.c";
    EXPECT_EQ(ChybaStartuEmail(p, &ucet), odesilatel);
    ucet.email = L"a@b.cz";
    EXPECT_EQ(ChybaStartuEmail(p, &ucet), prijemce);
    p.snimkyEmail.email = L"x@y.cz";
    EXPECT_EQ(ChybaStartuEmail(p, &ucet), L"");
}

TEST(AktivityKamery, PouzitelnaVelikostVidea) {
    EXPECT_TRUE(VelikostVideaPouzitelna(11, 9999));
    EXPECT_TRUE(VelikostVideaPouzitelna(640, 480));
    EXPECT_FALSE(VelikostVideaPouzitelna(10, 480));
    EXPECT_FALSE(VelikostVideaPouzitelna(640, 10000));
    EXPECT_FALSE(VelikostVideaPouzitelna(-1, -1));
    EXPECT_FALSE(VelikostVideaPouzitelna(640, -1));
}

TEST(AktivityKamery, IkonaSkryteKameryZustavaIPriNezobrazovat) {
    EXPECT_EQ(IkonaKameryPodleVolby(2, true), IkonaKamery::Zobrazit);
    EXPECT_EQ(IkonaKameryPodleVolby(2, false), IkonaKamery::Zobrazit);
    EXPECT_EQ(IkonaKameryPodleVolby(1, false), IkonaKamery::Zobrazit);
    EXPECT_EQ(IkonaKameryPodleVolby(1, true), IkonaKamery::Odebrat);
    EXPECT_EQ(IkonaKameryPodleVolby(0, true), IkonaKamery::Odebrat);
    // "Nezobrazovat" chosen while the window is hidden: the icon stays until the window is shown.
    EXPECT_EQ(IkonaKameryPodleVolby(0, false), IkonaKamery::Ponechat);
}

TEST(AktivityKamery, TextyAktivit) {
    // Every activity logs its start and end behind its own switches; the event texts name the camera.
    const AktivitaKamery aktivity[] = {AktivitaKamery::SnimkyDisk, AktivitaKamery::SnimkyFtp, AktivitaKamery::SnimkyEmail};
    const bool UdalostiKamery::* starty[] = {&UdalostiKamery::spusteniSnimkovaniDisk,
                                            &UdalostiKamery::spusteniSnimkovaniFtp,
                                            &UdalostiKamery::spusteniSnimkovaniEmail};
    const bool UdalostiKamery::* stopy[] = {&UdalostiKamery::ukonceniSnimkovaniDisk,
                                           &UdalostiKamery::ukonceniSnimkovaniFtp,
                                           &UdalostiKamery::ukonceniSnimkovaniEmail};
    for (int i = 0; i < 3; ++i) {
        const TextyAktivity& t = TextyAktivityKamery(aktivity[i]);
        EXPECT_EQ(t.prepinacStart, starty[i]);
        EXPECT_EQ(t.prepinacStop, stopy[i]);
        ASSERT_NE(t.logStart, nullptr);
        ASSERT_NE(t.logStop, nullptr);
        ASSERT_NE(t.udalostStop, nullptr);
        EXPECT_NE(Knihovna::Formatovat(t.udalostStop, L"Dvůr").find(L"Tervik \"Dvůr\""), std::wstring::npos);
    }
    EXPECT_EQ(Knihovna::Formatovat(TextyAktivityKamery(AktivitaKamery::SnimkyDisk).udalostStart, L"Dvůr"),
              L"Tervik \"Dvůr\": bylo spuštěno automatické ukládání snímků na disk");
    EXPECT_EQ(TextyAktivityKamery(AktivitaKamery::SnimkyFtp).udalostStart, nullptr);
    EXPECT_EQ(TextyAktivityKamery(AktivitaKamery::SnimkyEmail).udalostStart, nullptr);
    EXPECT_EQ(std::wstring(TextyAktivityKamery(AktivitaKamery::SnimkyFtp).logStop),
              L"Bylo ukončeno automatické odesílání snímků na FTP server");
}

}  // namespace
