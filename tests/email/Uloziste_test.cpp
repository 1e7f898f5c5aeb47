#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "email/SeznamFtpMist.h"
#include "email/SeznamUctu.h"
#include "knihovna/KodovaniUtf16.h"

using namespace Holvent::Email;

namespace {

class UlozisteTest : public ::testing::Test {
protected:
    void SetUp() override {
        slozka_ = std::filesystem::current_path() / "email_testy" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(slozka_);
        std::filesystem::create_directories(slozka_);
    }
    void TearDown() override {
        std::error_code e;
        std::filesystem::permissions(slozka_, std::filesystem::perms::owner_all, e);
        std::filesystem::remove_all(slozka_, e);
    }
    std::string Obsah(const wchar_t* jmeno) const {
        std::ifstream f(slozka_ / jmeno, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    void Zapsat(const wchar_t* jmeno, const std::string& bajty) const {
        std::ofstream(slozka_ / jmeno, std::ios::binary) << bajty;
    }
    HlaseniChybyUloziste Hlaseni() {
        return [this](const std::wstring& text, const Knihovna::Chyba& chyba) {
            hlaseni_.push_back(text + L" | " + chyba.Text());
        };
    }
    std::wstring Slozka() const { return slozka_.wstring(); }

    std::filesystem::path slozka_;
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
                                       L" <jmeno>J</jmeno>\r\n <server>s</server>\r\n</ucet>\r\n"));
    SeznamFtpMist mista(Slozka(), Hlaseni());
    ASSERT_TRUE(mista.LoadPlaces());
    ASSERT_EQ(mista.AddPlace({L"h", false, L"ftp.cz", L"/s", L"u"}), 0);
    EXPECT_EQ(Obsah(L"FtpMista.rxml"),
              Knihovna::KodovatUtf16LE(L"<ftp>\r\n <heslo>h</heslo>\r\n <pasivniRezim>0</pasivniRezim>\r\n"
                                       L" <server>ftp.cz</server>\r\n <slozka>/s</slozka>\r\n"
                                       L" <uzivatel>u</uzivatel>\r\n</ftp>\r\n"));
    EXPECT_TRUE(hlaseni_.empty());
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

TEST_F(UlozisteTest, HodnotySeZapisujiDoslovaAVlastniUzaviraciZnackaJeUrizne) {
    SeznamUctu ucty(Slozka(), Hlaseni());
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_GE(ucty.AddAccount(Ucet(L"prvni@example.com")), 0);
    EmailovyUcet druhy = Ucet(L"druhy@example.com");
    druhy.jmeno = L"pred</jmeno>po";
    ASSERT_GE(ucty.AddAccount(druhy), 0);
    SeznamUctu znovu(Slozka(), Hlaseni());
    ASSERT_TRUE(znovu.LoadAccounts());
    const auto nactene = znovu.Ucty();
    ASSERT_EQ(nactene.size(), 2u);
    EXPECT_EQ(nactene[0].heslo, L"he<s>lo&");
    EXPECT_EQ(nactene[0].jmeno, L"Jméno účtu");
    EXPECT_EQ(nactene[1].jmeno, L"pred");
    EXPECT_EQ(nactene[1].server, L"smtp.example.com");
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
    const std::string useknuty = Knihovna::KodovatUtf16LE(L"<ucet><email>a@b.cz</email></ucet>").substr(0, 61);
    const std::string neuplny = Knihovna::KodovatUtf16LE(L"<ucet><email>a@b.cz</email></ucet>\r\n<ucet><email>c@d");
    for (const std::string& obsah : {useknuty, neuplny, std::string("email=a@b.cz\n")}) {
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
    try {
        zapis.WriteField(L"a", L"b");
        FAIL();
    } catch (const Knihovna::Chyba& chyba) {
        EXPECT_EQ(chyba.Hr(), Knihovna::kE_HANDLE);
    }
    zapis.Open((slozka_ / L"x.rxml").wstring());
    EXPECT_THROW(zapis.WriteField(L"a", 1), Knihovna::Chyba);
    zapis.BeginRecord(L"r");
    zapis.WriteField(L"a", -5);
    zapis.BeginRecord(L"r");
    zapis.Close();
    EXPECT_EQ(Obsah(L"x.rxml"), Knihovna::KodovatUtf16LE(L"<r>\r\n <a>-5</a>\r\n</r>\r\n<r>\r\n"));
    EXPECT_THROW(zapis.Open((slozka_ / L"neni" / L"x.rxml").wstring()), Knihovna::Chyba);
}
