#include <gtest/gtest.h>

#include "VyhozenaChyba.h"

#include <filesystem>

#include "DocasnaSlozka.h"
#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "email/SeznamFtpMist.h"
#include "email/SeznamUctu.h"
#include "knihovna/AdresaServeru.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

class UlozisteTest : public DocasnaSlozka {
protected:
    HlaseniChybyUloziste Hlaseni() {
        return [this](const std::wstring& text, const Knihovna::Chyba& chyba) {
            hlaseni_.push_back(text + L" | " + chyba.Text());
        };
    }
    std::wstring Slozka() const { return slozka_.wstring(); }

    std::vector<std::wstring> hlaseni_;
};

EmailovyUcet Ucet(const std::wstring& email) {
    return {email, L"he<s>lo&", L"login", L"Jméno účtu", L"smtp.example.com"};
}

}  // namespace

TEST_F(UlozisteTest, PresnyTvarSouboruUctu) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount({L"a@b.cz", L"h", L"i", L"J", L"s"}), 0);
    EXPECT_EQ(Obsah(L"EmailoveUcty.rxml"),
              Knihovna::KodovatUtf16LE(L"<ucet>\r\n <email>a@b.cz</email>\r\n <heslo>h</heslo>\r\n <id>i</id>\r\n"
                                       L" <jmeno>J</jmeno>\r\n <server>s</server>\r\n <zabezpeceni>0</zabezpeceni>\r\n</ucet>\r\n"));
    SeznamFtpMist mista(Slozka(), Hlaseni());
    ASSERT_TRUE(mista.LoadPlaces());
    ASSERT_EQ(mista.AddPlace({L"h", false, L"ftp.cz", L"/s", L"u"}), 0);
    EXPECT_EQ(Obsah(L"FtpMista.rxml"),
              Knihovna::KodovatUtf16LE(L"<ftp>\r\n <heslo>h</heslo>\r\n <pasivniRezim>0</pasivniRezim>\r\n"
                                       L" <server>ftp.cz</server>\r\n <slozka>/s</slozka>\r\n"
                                       L" <uzivatel>u</uzivatel>\r\n</ftp>\r\n"));
    EXPECT_TRUE(hlaseni_.empty());
}

TEST_F(UlozisteTest, ZabezpeceniUctuStarySouborANeplatnaHodnota) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    EmailovyUcet ucet = Ucet(L"starttls@example.com");
    ucet.zabezpeceni = Zabezpeceni::StartTls;
    ASSERT_EQ(ucty.AddAccount(ucet), 0);
    ucet.email = L"tls@example.com";
    ucet.zabezpeceni = Zabezpeceni::Tls;
    ASSERT_EQ(ucty.AddAccount(ucet), 1);
    SeznamUctu znovu(Slozka(), Hlaseni());
    ASSERT_TRUE(znovu.LoadAccounts());
    ASSERT_EQ(znovu.Ucty().size(), 2u);
    EXPECT_EQ(znovu.Ucty()[0].zabezpeceni, Zabezpeceni::StartTls);
    EXPECT_EQ(znovu.Ucty()[1].zabezpeceni, Zabezpeceni::Tls);

    // A file of an earlier version sends in plain text as it did.
    Zapsat(L"EmailoveUcty.rxml", Knihovna::KodovatUtf16LE(L"<ucet>\r\n <email>a@b.cz</email>\r\n"
                                                          L" <server>smtp.b.cz</server>\r\n</ucet>\r\n"));
    ASSERT_TRUE(znovu.LoadAccounts());
    ASSERT_EQ(znovu.Ucty().size(), 1u);
    EXPECT_EQ(znovu.Ucty()[0].zabezpeceni, Zabezpeceni::Zadne);

    // A value out of range: said so, and the file is kept whole rather than guessed at or overwritten.
    const std::string spatny = Knihovna::KodovatUtf16LE(
        L"<ucet>\r\n <email>a@b.cz</email>\r\n <zabezpeceni>3</zabezpeceni>\r\n</ucet>\r\n"
        L"<ucet>\r\n <email>c@d.cz</email>\r\n</ucet>\r\n");
    Zapsat(L"EmailoveUcty.rxml", spatny);
    EXPECT_FALSE(znovu.LoadAccounts());
    ASSERT_EQ(hlaseni_.size(), 1u);
    EXPECT_NE(hlaseni_[0].find(L"Účet a@b.cz má neplatnou hodnotu zabezpečení \"3\""), std::wstring::npos);
    EXPECT_EQ(znovu.AddAccount(Ucet(L"novy@example.com")), -1);
    EXPECT_EQ(Obsah(L"EmailoveUcty.rxml"), spatny);
}

TEST_F(UlozisteTest, CteniNezavisleNaPoradiARadcich) {
    RecordReader ctenar;
    ctenar.NastavitText(L"<ucet><server>s1</server><email>x@y.cz</email></ucet>\r\n"
                        L"<ucet>\r\n <jmeno>a<b&c</jmeno>\r\n  <email>z</email></ucet>");
    std::wstring hodnota = L"puvodni";
    ASSERT_EQ(ctenar.NextRecord(L"ucet"), 0);
    EXPECT_EQ(ctenar.Field(L"email", hodnota), 0);
    EXPECT_EQ(hodnota, L"x@y.cz");
    EXPECT_EQ(ctenar.Field(L"heslo", hodnota), 1);
    EXPECT_EQ(hodnota, L"x@y.cz");
    ASSERT_EQ(ctenar.NextRecord(L"ucet"), 0);
    EXPECT_EQ(ctenar.Field(L"jmeno", hodnota), 0);
    EXPECT_EQ(hodnota, L"a<b&c");
    EXPECT_EQ(ctenar.NextRecord(L"ucet"), 1);
    EXPECT_FALSE(ctenar.ZbyvaNeprectenyText(L"ucet"));
}

TEST_F(UlozisteTest, PoleSeCtouPoPoradeAHodnotaMuzeNestZnackyJinychPoli) {
    SeznamFtpMist mista(Slozka(), Hlaseni());
    ASSERT_TRUE(mista.LoadPlaces());
    // A password that looks like the fields after it.
    ASSERT_EQ(mista.AddPlace({L"<server>x</server><slozka>", true, L"ftp.example.com", L"/snimky", L"u"}), 0);
    SeznamFtpMist znovu(Slozka(), Hlaseni());
    ASSERT_TRUE(znovu.LoadPlaces());
    ASSERT_EQ(znovu.Mista().size(), 1u);
    EXPECT_EQ(znovu.Mista()[0].heslo, L"<server>x</server><slozka>");
    EXPECT_EQ(znovu.Mista()[0].server, L"ftp.example.com");
    EXPECT_EQ(znovu.Mista()[0].slozka, L"/snimky");
    // A file of an earlier version whose value holds its own closing tag reads as it did:
    // the value cut at it, the other fields whole.
    Zapsat(L"EmailoveUcty.rxml", Knihovna::KodovatUtf16LE(L"<ucet>\r\n <email>a@b.cz</email>\r\n"
                                                          L" <jmeno>pred</jmeno>po</jmeno>\r\n"
                                                          L" <server>smtp.b.cz</server>\r\n</ucet>\r\n"));
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.Ucty().size(), 1u);
    EXPECT_EQ(ucty.Ucty()[0].jmeno, L"pred");
    EXPECT_EQ(ucty.Ucty()[0].server, L"smtp.b.cz");
    EXPECT_TRUE(hlaseni_.empty());
}

TEST_F(UlozisteTest, HodnotaSeZnackouKonceSeOdmitneAStarySouborZustane) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount(Ucet(L"prvni@example.com")), 0);
    const std::string puvodni = Obsah(L"EmailoveUcty.rxml");
    for (const std::wstring& jmeno : {L"pred</jmeno>po", L"x</ucet>", L"<ucet>y"}) {
        EmailovyUcet spatny = Ucet(L"druhy@example.com");
        spatny.jmeno = jmeno;
        EXPECT_FALSE(SeznamUctu::ProblemUctu(spatny).empty()) << jmeno;
        EXPECT_EQ(ucty.AddAccount(spatny), -1);
        EXPECT_FALSE(ucty.ZmenitUcet(0, spatny));
    }
    ASSERT_EQ(hlaseni_.size(), 6u);
    EXPECT_NE(hlaseni_[0].find(L"Nepodařilo se uložit seznam emailových účtů"), std::wstring::npos);
    EXPECT_NE(hlaseni_[0].find(L"\"</jmeno>\""), std::wstring::npos);
    EXPECT_EQ(Obsah(L"EmailoveUcty.rxml"), puvodni);
    EXPECT_EQ(ucty.Ucty().size(), 1u);
    // The same for an FTP place, whose password may not end the record; a short server is refused.
    FtpMisto misto{L"</ftp>", true, L"ftp.example.com", L"", L""};
    EXPECT_NE(SeznamFtpMist::ProblemMista(misto).find(L"</ftp>"), std::wstring::npos);
    misto.heslo = L"<ucet></heslo2>";
    EXPECT_TRUE(SeznamFtpMist::ProblemMista(misto).empty());
    misto.server = L"ftp";
    EXPECT_EQ(SeznamFtpMist::ProblemMista(misto), L"Není zadán platný název FTP serveru");
    SeznamFtpMist mista(Slozka(), Hlaseni());
    ASSERT_TRUE(mista.LoadPlaces());
    EXPECT_EQ(mista.AddPlace({L"a</ftp>", false, L"ftp.example.com", L"", L""}), -1);
    EXPECT_FALSE(std::filesystem::exists(slozka_ / L"FtpMista.rxml"));
    // What the writer accepts, the reader gives back whole.
    ASSERT_EQ(mista.AddPlace({L"a</ftpx><ucet></slozka>&", false, L"ftp.example.com", L"", L""}), 0);
    SeznamFtpMist znovu(Slozka(), Hlaseni());
    ASSERT_TRUE(znovu.LoadPlaces());
    EXPECT_EQ(znovu.Mista().at(0).heslo, L"a</ftpx><ucet></slozka>&");
}

// The account and place dialogs accept a port after the server and refuse one that is no port.
TEST_F(UlozisteTest, ServerSeSpatnymPortemDialogyOdmitnou) {
    EmailovyUcet ucet = Ucet(L"a@example.com");
    FtpMisto misto{L"h", true, L"", L"", L"u"};
    for (const wchar_t* server : {L"smtp.example.com", L"smtp.example.com:587", L"[::1]:2525", L"fe80::1"}) {
        ucet.server = misto.server = server;
        EXPECT_EQ(SeznamUctu::ProblemUctu(ucet), L"") << server;
        EXPECT_EQ(SeznamFtpMist::ProblemMista(misto), L"") << server;
    }
    for (const wchar_t* server : {L"smtp.example.com:0", L"smtp.example.com:65536", L"smtp.example.com:",
                                  L"smtp.example.com:25x", L"[::1]:port"}) {
        ucet.server = misto.server = server;
        EXPECT_EQ(SeznamUctu::ProblemUctu(ucet), Knihovna::kTextChybnyPortServeru) << server;
        EXPECT_EQ(SeznamFtpMist::ProblemMista(misto), Knihovna::kTextChybnyPortServeru) << server;
    }
}

TEST_F(UlozisteTest, ShodneKliceVeSouboruPlatiPrvniAOstatniSeHlasi) {
    Zapsat(L"EmailoveUcty.rxml",
           Knihovna::KodovatUtf16LE(L"<ucet><email>a@b.cz</email><jmeno>prvni</jmeno></ucet>\r\n"
                                    L"<ucet><email>A@B.CZ</email><jmeno>druhy</jmeno></ucet>\r\n"
                                    L"<ucet><email>c@d.cz</email></ucet>\r\n"));
    SeznamUctu ucty(Slozka(), Hlaseni());
    EXPECT_TRUE(ucty.LoadAccounts());
    const auto nactene = ucty.Ucty();
    ASSERT_EQ(nactene.size(), 2u);
    EXPECT_EQ(nactene[0].jmeno, L"prvni");
    EXPECT_EQ(nactene[1].email, L"c@d.cz");
    ASSERT_EQ(hlaseni_.size(), 1u);
    EXPECT_NE(hlaseni_[0].find(L"A@B.CZ"), std::wstring::npos);
}

TEST_F(UlozisteTest, DuplicitniAdresaBezOhleduNaVelikostPismen) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount(Ucet(L"Kamera@Example.com")), 0);
    EXPECT_EQ(ucty.ProblemNoveAdresy(L"kamera@example.COM"), L"Zadaná emailová adresa již existuje");
    EXPECT_EQ(ucty.AddAccount(Ucet(L"kamera@example.COM")), -1);
    EXPECT_EQ(ucty.FindAccount(L"KAMERA@example.com"), 0);
    EXPECT_TRUE(ucty.ProblemNoveAdresy(L"jina@example.com").empty());
    ASSERT_EQ(ucty.AddAccount(Ucet(L"jina@example.com")), 1);
    // An edit may not take over the address of another account.
    EXPECT_FALSE(ucty.ZmenitUcet(1, Ucet(L"KAMERA@example.com")));
    EmailovyUcet zmeneny = Ucet(L"jina@example.com");
    zmeneny.server = L"novy.example.com";
    EXPECT_TRUE(ucty.ZmenitUcet(1, zmeneny));
    EmailovyUcet kopie;
    ASSERT_TRUE(ucty.KopieUctu(L"JINA@example.com", kopie));
    EXPECT_EQ(kopie.server, L"novy.example.com");
}

TEST_F(UlozisteTest, NazevFtpServeruAPasivniRezim) {
    SeznamFtpMist mista(Slozka(), Hlaseni());
    ASSERT_TRUE(mista.LoadPlaces());
    EXPECT_EQ(mista.ProblemNovehoServeru(L"ftp"), L"Není zadán platný název FTP serveru");
    EXPECT_TRUE(mista.ProblemNovehoServeru(L"ftp1").empty());
    ASSERT_EQ(mista.AddPlace({L"", true, L"ftp1", L"", L""}), 0);
    EXPECT_EQ(mista.ProblemNovehoServeru(L"FTP1"), L"Zadaný FTP server již v seznamu existuje");
    Zapsat(L"FtpMista.rxml", Knihovna::KodovatUtf16LE(L"<ftp><server>a.cz</server><pasivniRezim>0</pasivniRezim></ftp>"
                                                      L"<ftp><server>b.cz</server></ftp>"));
    ASSERT_TRUE(mista.LoadPlaces());
    const auto nactene = mista.Mista();
    ASSERT_EQ(nactene.size(), 2u);
    EXPECT_FALSE(nactene[0].pasivniRezim);
    EXPECT_TRUE(nactene[1].pasivniRezim);
}

TEST_F(UlozisteTest, SmazaniPoslednihoUctuNechaPrazdnySoubor) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount(Ucet(L"a@example.com")), 0);
    EXPECT_FALSE(ucty.RemoveAccount(1));
    ASSERT_TRUE(ucty.RemoveAccount(0));
    EXPECT_TRUE(std::filesystem::exists(slozka_ / L"EmailoveUcty.rxml"));
    EXPECT_EQ(std::filesystem::file_size(slozka_ / L"EmailoveUcty.rxml"), 0u);
    EXPECT_FALSE(std::filesystem::exists(slozka_ / L"EmailoveUcty.rxml.tmp"));
    SeznamUctu znovu(Slozka(), Hlaseni());
    EXPECT_TRUE(znovu.LoadAccounts());
    EXPECT_TRUE(znovu.Ucty().empty());
    EXPECT_TRUE(hlaseni_.empty());
}

TEST_F(UlozisteTest, PoskozenySouborSeHlasiANikdyNeprepise) {
    const std::wstring dobry = L"<ucet><email>a@b.cz</email></ucet>\r\n";
    const std::string useknuty = Knihovna::KodovatUtf16LE(dobry).substr(0, 61);
    const std::string neuplny = Knihovna::KodovatUtf16LE(dobry + L"<ucet><email>c@d");
    // Damage before or between good records, which loading would pass over.
    const std::string bezKonceZaznamu = Knihovna::KodovatUtf16LE(L"<ucet><email>x@y.cz</email>\r\n" + dobry);
    const std::string bezKoncePole = Knihovna::KodovatUtf16LE(dobry + L"<ucet><email>x@y.cz</ucet>\r\n" + dobry);
    const std::string useknutyUprostred = Knihovna::KodovatUtf16LE(L"<ucet><email>x@y.cz</em" + dobry);
    const std::string poskozenaZnacka = Knihovna::KodovatUtf16LE(dobry + L"<uce><email>x@y.cz</email></ucet>\r\n" + dobry);
    for (const std::string& obsah : {useknuty, neuplny, std::string("email=a@b.cz\n"), bezKonceZaznamu, bezKoncePole,
                                     useknutyUprostred, poskozenaZnacka}) {
        hlaseni_.clear();
        Zapsat(L"EmailoveUcty.rxml", obsah);
        SeznamUctu ucty(Slozka(), Hlaseni());
        EXPECT_FALSE(ucty.LoadAccounts());
        ASSERT_EQ(hlaseni_.size(), 1u);
        EXPECT_NE(hlaseni_[0].find(L"Nepodařilo se načíst seznam emailových účtů"), std::wstring::npos);
        EXPECT_EQ(ucty.AddAccount(Ucet(L"novy@example.com")), -1);
        EXPECT_TRUE(ucty.Ucty().empty());
        EXPECT_EQ(hlaseni_.size(), 2u);
        EXPECT_EQ(Obsah(L"EmailoveUcty.rxml"), obsah);
    }
}

TEST_F(UlozisteTest, NezdarenyZapisNechaSeznamISouborBezeZmeny) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount(Ucet(L"a@example.com")), 0);
    const std::string puvodni = Obsah(L"EmailoveUcty.rxml");
    // The temporary file cannot be created where a folder of its name stands.
    std::filesystem::create_directory(slozka_ / L"EmailoveUcty.rxml.tmp");
    std::filesystem::create_directory(slozka_ / L"EmailoveUcty.rxml.tmp" / L"obsah");
    EXPECT_EQ(ucty.AddAccount(Ucet(L"b@example.com")), -1);
    EXPECT_FALSE(ucty.RemoveAccount(0));
    EXPECT_EQ(ucty.Ucty().size(), 1u);
    EXPECT_EQ(Obsah(L"EmailoveUcty.rxml"), puvodni);
    ASSERT_EQ(hlaseni_.size(), 2u);
    EXPECT_NE(hlaseni_[0].find(L"Nepodařilo se uložit seznam emailových účtů"), std::wstring::npos);
}

TEST_F(UlozisteTest, ZapisovacBezOtevrenehoSouboruNeboZaznamu) {
    RecordWriter zapis;
    EXPECT_EQ(VyhozenaChyba([&] { zapis.WriteField(L"a", L"b"); }).value().Hr(), Knihovna::kE_HANDLE);
    zapis.Open((slozka_ / L"x.rxml").wstring());
    EXPECT_THROW(zapis.WriteField(L"a", 1), Knihovna::Chyba);
    zapis.BeginRecord(L"r");
    zapis.WriteField(L"a", -5);
    zapis.BeginRecord(L"r");
    zapis.Close();
    EXPECT_EQ(Obsah(L"x.rxml"), Knihovna::KodovatUtf16LE(L"<r>\r\n <a>-5</a>\r\n</r>\r\n<r>\r\n"));
    EXPECT_THROW(zapis.Open((slozka_ / L"neni" / L"x.rxml").wstring()), Knihovna::Chyba);
}

TEST_F(UlozisteTest, SouborOtevrenyZapisovacemJeUzamcenyNikoliNenalezeny) {
    const std::wstring cesta = (slozka_ / L"x.rxml").wstring();
    RecordReader ctenar;
    EXPECT_EQ(VyhozenaChyba([&] { ctenar.Load(cesta); }).value().Hr(),
              Knihovna::HresultZWin32(Knihovna::kChybaSouborNenalezen));
#ifdef _WIN32
    // Only Windows locks a file against other openers.
    RecordWriter zapis;
    zapis.Open(cesta);
    zapis.BeginRecord(L"r");
    const auto uzamceny = VyhozenaChyba([&] { ctenar.Load(cesta); });
    ASSERT_TRUE(uzamceny);
    EXPECT_EQ(uzamceny->Hr(), Knihovna::HresultZWin32(Knihovna::kChybaSdileni));
    EXPECT_NE(uzamceny->Text().find(L"uzamčen"), std::wstring::npos);
    RecordWriter druhy;
    EXPECT_EQ(VyhozenaChyba([&] { druhy.Open(cesta); }).value().Hr(), Knihovna::HresultZWin32(Knihovna::kChybaSdileni));
    zapis.EndRecord();
    zapis.Close();
    ctenar.Load(cesta);
    EXPECT_EQ(ctenar.NextRecord(L"r"), 0);
#endif
}
