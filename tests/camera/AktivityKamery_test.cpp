#include "camera/AktivityKamery.h"

#include <gtest/gtest.h>

#include <tuple>

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

TEST(AktivityKamery, VelikostVideaAIkonaSkryteKamery) {
    for (const auto& [w, h, plati] : {std::tuple{11, 9999, true}, {640, 480, true}, {10, 480, false},
                                      {640, 10000, false}, {-1, -1, false}, {640, -1, false}})
        EXPECT_EQ(VelikostVideaPouzitelna(w, h), plati) << w << "x" << h;
    // "Nezobrazovat" chosen while the window is hidden: the icon stays until the window is shown.
    for (const auto& [volba, viditelne, ikona] :
         {std::tuple{2u, true, IkonaKamery::Zobrazit}, {2u, false, IkonaKamery::Zobrazit}, {1u, false, IkonaKamery::Zobrazit},
          {1u, true, IkonaKamery::Odebrat}, {0u, true, IkonaKamery::Odebrat}, {0u, false, IkonaKamery::Ponechat}})
        EXPECT_EQ(IkonaKameryPodleVolby(volba, viditelne), ikona) << volba << viditelne;
}

// Every activity logs its start and end behind its own switches; the event texts name the camera.
TEST(AktivityKamery, TextyAktivit) {
    for (auto [aktivita, start, stop] :
         {std::tuple{AktivitaKamery::SnimkyDisk, &UdalostiKamery::spusteniSnimkovaniDisk, &UdalostiKamery::ukonceniSnimkovaniDisk},
          {AktivitaKamery::SnimkyFtp, &UdalostiKamery::spusteniSnimkovaniFtp, &UdalostiKamery::ukonceniSnimkovaniFtp},
          {AktivitaKamery::SnimkyEmail, &UdalostiKamery::spusteniSnimkovaniEmail, &UdalostiKamery::ukonceniSnimkovaniEmail}}) {
        const TextyAktivity& t = TextyAktivityKamery(aktivita);
        EXPECT_EQ(t.prepinacStart, start);
        EXPECT_EQ(t.prepinacStop, stop);
        ASSERT_TRUE(t.logStart && t.logStop && t.udalostStop);
        EXPECT_NE(Knihovna::Formatovat(t.udalostStop, L"Dvůr").find(L"Tervik \"Dvůr\""), std::wstring::npos);
    }
    EXPECT_EQ(Knihovna::Formatovat(TextyAktivityKamery(AktivitaKamery::SnimkyDisk).udalostStart, L"Dvůr"),
              L"Tervik \"Dvůr\": bylo spuštěno automatické ukládání snímků na disk");
}

}  // namespace
