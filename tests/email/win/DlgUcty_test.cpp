#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "email/win/DlgEmailUcet.h"
#include "email/win/DlgEmailUcty.h"
#include "email/win/DlgFtpMista.h"
#include "email/win/DlgFtpMisto.h"
#include "email/win/DlgVyberFtpMista.h"
#include "email/win/SablonaDialogu.h"

using namespace Holvent::Email;

namespace {

constexpr wchar_t kTitulek[] = L"Tervik test";
constexpr int kIdTextuZpravy = 0xFFFF;  // the static text of a message box
constexpr int kIdZadanehoTextu = 1002;  // the edit box of the text input dialog

struct Hledani {
    const wchar_t* titulek;
    HWND krome;
    HWND nalezeno;
};

// A visible, enabled dialog of this process with the title, other than krome.
HWND CekatNaDialog(const wchar_t* titulek, HWND krome = nullptr) {
    const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < konec) {
        Hledani h{titulek, krome, nullptr};
        EnumWindows(
            [](HWND okno, LPARAM lp) -> BOOL {
                auto* h = reinterpret_cast<Hledani*>(lp);
                DWORD proces = 0;
                GetWindowThreadProcessId(okno, &proces);
                wchar_t trida[16] = {}, text[256] = {};
                GetClassNameW(okno, trida, 16);
                GetWindowTextW(okno, text, 256);
                if (proces == GetCurrentProcessId() && okno != h->krome && wcscmp(trida, L"#32770") == 0 &&
                    wcscmp(text, h->titulek) == 0 && IsWindowVisible(okno) && IsWindowEnabled(okno)) {
                    h->nalezeno = okno;
                    return FALSE;
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&h));
        if (h.nalezeno) return h.nalezeno;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

void Stisknout(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

// Runs the steps that drive a modal dialog on another thread while the test thread shows it.
class Ovladac {
public:
    explicit Ovladac(std::function<void()> kroky) : vlakno_([kroky] { kroky(); }) {}
    ~Ovladac() { vlakno_.join(); }

private:
    std::thread vlakno_;
};

class DlgUctyTest : public ::testing::Test {
protected:
    void SetUp() override {
        slozka_ = std::filesystem::current_path() / "email_testy" /
                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(slozka_);
        std::filesystem::create_directories(slozka_);
    }
    void TearDown() override { std::filesystem::remove_all(slozka_); }
    std::filesystem::path slozka_;
};

}  // namespace

TEST_F(DlgUctyTest, UcetMaskovaneHesloAOkKopirujePole) {
    EmailovyUcet ucet{L"a@b.cz", L"tajne", L"login", L"Jméno", L"smtp.b.cz", Zabezpeceni::StartTls};
    DlgEmailUcet dlg(ucet);
    LRESULT maskaNaZacatku = 0, maskaPoZobrazeni = -1;
    std::wstring puvodniZabezpeceni;
    std::wstring puvodniHeslo;
    {
        Ovladac o([&] {
            HWND d = CekatNaDialog(L"a@b.cz - emailový účet");
            if (!d) return;
            puvodniHeslo = TextPrvku(d, DlgEmailUcet::kIdHeslo);
            maskaNaZacatku = SendDlgItemMessageW(d, DlgEmailUcet::kIdHeslo, EM_GETPASSWORDCHAR, 0, 0);
            SendDlgItemMessageW(d, DlgEmailUcet::kIdZobrazitHeslo, BM_CLICK, 0, 0);
            maskaPoZobrazeni = SendDlgItemMessageW(d, DlgEmailUcet::kIdHeslo, EM_GETPASSWORDCHAR, 0, 0);
            SetDlgItemTextW(d, DlgEmailUcet::kIdServer, L"novy.server.cz");
            SetDlgItemTextW(d, DlgEmailUcet::kIdLogin, L"");
            puvodniZabezpeceni = TextPrvku(d, DlgEmailUcet::kIdZabezpeceni);
            SendDlgItemMessageW(d, DlgEmailUcet::kIdZabezpeceni, CB_SETCURSEL, 2, 0);
            Stisknout(d, IDOK);
        });
        ASSERT_TRUE(dlg.Zobrazit(nullptr));
    }
    EXPECT_EQ(puvodniHeslo, L"tajne");
    EXPECT_NE(maskaNaZacatku, 0);
    EXPECT_EQ(maskaPoZobrazeni, 0);
    EXPECT_EQ(dlg.Ucet().server, L"novy.server.cz");
    EXPECT_EQ(dlg.Ucet().id, L"");
    EXPECT_EQ(dlg.Ucet().jmeno, L"Jméno");
    EXPECT_EQ(dlg.Ucet().heslo, L"tajne");
    EXPECT_EQ(puvodniZabezpeceni, L"STARTTLS");
    EXPECT_EQ(dlg.Ucet().zabezpeceni, Zabezpeceni::Tls);
}

TEST_F(DlgUctyTest, FtpMistoPasivniRezimAStornoNicNemeni) {
    DlgFtpMisto dlg(FtpMisto{L"h", true, L"ftp.cz", L"/snimky", L"u"});
    {
        Ovladac o([&] {
            HWND d = CekatNaDialog(L"ftp.cz - FTP místo");
            if (!d) return;
            SendDlgItemMessageW(d, DlgFtpMisto::kIdPasivni, BM_CLICK, 0, 0);
            SetDlgItemTextW(d, DlgFtpMisto::kIdSlozka, L"/jinam");
            Stisknout(d, IDOK);
        });
        ASSERT_TRUE(dlg.Zobrazit(nullptr));
    }
    EXPECT_FALSE(dlg.Misto().pasivniRezim);
    EXPECT_EQ(dlg.Misto().slozka, L"/jinam");
    DlgFtpMisto storno(FtpMisto{L"h", true, L"ftp.cz", L"/snimky", L"u"});
    {
        Ovladac o([&] {
            if (HWND d = CekatNaDialog(L"ftp.cz - FTP místo")) Stisknout(d, IDCANCEL);
        });
        EXPECT_FALSE(storno.Zobrazit(nullptr));
    }
}

TEST_F(DlgUctyTest, HodnotuKterouNelzeUlozitOkNepustiADialogZustane) {
    DlgEmailUcet ucet(EmailovyUcet{L"a@b.cz", L"h", L"", L"Kamera", L"smtp.b.cz"}, kTitulek);
    std::wstring chybaUctu;
    {
        Ovladac o([&] {
            HWND d = CekatNaDialog(L"a@b.cz - emailový účet");
            if (!d) return;
            SetDlgItemTextW(d, DlgEmailUcet::kIdJmeno, L"Kamera</ucet>");
            Stisknout(d, IDOK);
            HWND zprava = CekatNaDialog(kTitulek);
            if (!zprava) return;
            chybaUctu = TextPrvku(zprava, kIdTextuZpravy);
            Stisknout(zprava, IDOK);
            // Back in the same dialog, with what was typed.
            d = CekatNaDialog(L"a@b.cz - emailový účet");
            if (!d || TextPrvku(d, DlgEmailUcet::kIdJmeno) != L"Kamera</ucet>") return;
            SetDlgItemTextW(d, DlgEmailUcet::kIdJmeno, L"Kamera <jmeno>");
            Stisknout(d, IDOK);
        });
        EXPECT_TRUE(ucet.Zobrazit(nullptr));
    }
    EXPECT_EQ(chybaUctu, L"Hodnota pole \"jmeno\" nesmí obsahovat text \"</ucet>\".");
    EXPECT_EQ(ucet.Ucet().jmeno, L"Kamera <jmeno>");

    // An edited FTP place keeps to the server-name rule and to what its file can hold.
    DlgFtpMisto misto(FtpMisto{L"h", true, L"ftp.cz", L"", L"u"}, kTitulek);
    std::vector<std::wstring> chybyMista;
    {
        Ovladac o([&] {
            HWND zprava = nullptr;
            for (const auto& [server, heslo] : {std::pair{L"ftp", L"h"}, std::pair{L"ftp.cz", L"x</ftp>"}}) {
                HWND d = CekatNaDialog(L"ftp.cz - FTP místo", zprava);
                if (!d) return;
                SetDlgItemTextW(d, DlgFtpMisto::kIdServer, server);
                SetDlgItemTextW(d, DlgFtpMisto::kIdHeslo, heslo);
                Stisknout(d, IDOK);
                zprava = CekatNaDialog(kTitulek);
                if (!zprava) return;
                chybyMista.push_back(TextPrvku(zprava, kIdTextuZpravy));
                Stisknout(zprava, IDOK);
            }
            if (HWND d = CekatNaDialog(L"ftp.cz - FTP místo", zprava)) Stisknout(d, IDCANCEL);
        });
        EXPECT_FALSE(misto.Zobrazit(nullptr));
    }
    EXPECT_EQ(chybyMista, (std::vector<std::wstring>{L"Není zadán platný název FTP serveru.",
                                                      L"Hodnota pole \"heslo\" nesmí obsahovat text \"</ftp>\"."}));
}

TEST_F(DlgUctyTest, SeznamUctuHesloDuplicitaPridaniAOdebrani) {
    std::vector<std::wstring> hlaseni;
    SeznamUctu ucty(slozka_.wstring(), [&](const std::wstring& t, const Knihovna::Chyba&) { hlaseni.push_back(t); });
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount({L"Kamera@Example.com", L"tajne heslo", L"", L"Kamera", L"smtp.example.com",
                               Zabezpeceni::Tls}), 0);
    std::wstring chybaDuplicity, podrobnosti, heslo, otazka;
    LRESULT pocetPoPridani = 0;
    {
        DlgEmailUcty dlg(ucty, kTitulek);
        Ovladac o([&] {
            HWND seznam = CekatNaDialog(L"Emailové účty");
            if (!seznam) return;
            podrobnosti = TextPrvku(seznam, DlgEmailUcty::kIdPodrobnosti);
            // The selected account's password, shown on request.
            Stisknout(seznam, DlgEmailUcty::kIdHeslo);
            HWND okno = CekatNaDialog(L"Heslo vybraného účtu");
            if (!okno) return;
            heslo = TextPrvku(okno, kIdTextuZpravy);
            Stisknout(okno, IDOK);
            // A duplicate differing only in letter case.
            Stisknout(CekatNaDialog(L"Emailové účty"), DlgEmailUcty::kIdPridat);
            HWND zadani = CekatNaDialog(kTitulek);
            if (!zadani) return;
            SetDlgItemTextW(zadani, kIdZadanehoTextu, L"kamera@example.COM");
            Stisknout(zadani, IDOK);
            HWND zprava = CekatNaDialog(kTitulek, zadani);
            if (!zprava) return;
            chybaDuplicity = TextPrvku(zprava, kIdTextuZpravy);
            Stisknout(zprava, IDOK);
            // A new account.
            Stisknout(CekatNaDialog(L"Emailové účty"), DlgEmailUcty::kIdPridat);
            zadani = CekatNaDialog(kTitulek, zprava);
            if (!zadani) return;
            SetDlgItemTextW(zadani, kIdZadanehoTextu, L"nova@example.com");
            Stisknout(zadani, IDOK);
            HWND ucet = CekatNaDialog(L"nova@example.com - emailový účet");
            if (!ucet) return;
            SetDlgItemTextW(ucet, DlgEmailUcet::kIdServer, L"smtp.nova.cz");
            Stisknout(ucet, IDOK);
            seznam = CekatNaDialog(L"Emailové účty");
            const auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(30);
            while (pocetPoPridani != 2 && std::chrono::steady_clock::now() < konec) {
                pocetPoPridani = SendDlgItemMessageW(seznam, DlgEmailUcty::kIdSeznam, LB_GETCOUNT, 0, 0);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            // Removal of the new one, after the confirmation.
            SendDlgItemMessageW(seznam, DlgEmailUcty::kIdSeznam, LB_SETCURSEL, 1, 0);
            Stisknout(seznam, DlgEmailUcty::kIdOdstranit);
            HWND potvrzeni = CekatNaDialog(kTitulek, zadani);
            if (!potvrzeni) return;
            otazka = TextPrvku(potvrzeni, kIdTextuZpravy);
            Stisknout(potvrzeni, IDYES);
            seznam = CekatNaDialog(L"Emailové účty");
            Stisknout(seznam, IDCANCEL);
        });
        dlg.Zobrazit(nullptr);
    }
    EXPECT_EQ(podrobnosti, L"Email: Kamera@Example.com\nJméno: Kamera\nSMTP server: smtp.example.com\n"
                           L"Zabezpečení: SSL/TLS\nPřihlašovací jméno: ");
    EXPECT_EQ(heslo, L"tajne heslo");
    EXPECT_EQ(chybaDuplicity, L"Zadaná emailová adresa již existuje.");
    EXPECT_EQ(pocetPoPridani, 2);
    EXPECT_EQ(otazka, L"Opravdu chcete odebrat tento účet?\n\nnova@example.com\n");
    const auto zbyvajici = ucty.Ucty();
    ASSERT_EQ(zbyvajici.size(), 1u);
    EXPECT_EQ(zbyvajici[0].email, L"Kamera@Example.com");
    SeznamUctu znovu(slozka_.wstring(), {});
    ASSERT_TRUE(znovu.LoadAccounts());
    EXPECT_EQ(znovu.Ucty().size(), 1u);
    EXPECT_TRUE(hlaseni.empty());
}

TEST_F(DlgUctyTest, VyberFtpMistaPodleServeru) {
    SeznamFtpMist mista(slozka_.wstring(), {});
    ASSERT_TRUE(mista.LoadPlaces());
    ASSERT_EQ(mista.AddPlace({L"", true, L"ftp.prvni.cz", L"", L""}), 0);
    ASSERT_EQ(mista.AddPlace({L"", false, L"ftp.druhy.cz", L"/s", L"u"}), 1);
    DlgVyberFtpMista dlg(mista, L"FTP.DRUHY.cz");
    LRESULT vybrany = -1;
    {
        Ovladac o([&] {
            HWND d = CekatNaDialog(L"Vybrat FTP umístění");
            if (!d) return;
            vybrany = SendDlgItemMessageW(d, DlgVyberFtpMista::kIdSeznam, LB_GETCURSEL, 0, 0);
            Stisknout(d, IDOK);
        });
        ASSERT_TRUE(dlg.Zobrazit(nullptr));
    }
    EXPECT_EQ(vybrany, 1);
    EXPECT_EQ(dlg.Misto().server, L"ftp.druhy.cz");
    EXPECT_EQ(dlg.Misto().slozka, L"/s");
}

TEST_F(DlgUctyTest, SeznamFtpMistUpravaNaServerJinehoMistaNicNemeni) {
    SeznamFtpMist mista(slozka_.wstring(), {});
    ASSERT_TRUE(mista.LoadPlaces());
    ASSERT_EQ(mista.AddPlace({L"", true, L"ftp.prvni.cz", L"", L"u1"}), 0);
    ASSERT_EQ(mista.AddPlace({L"", false, L"ftp.druhy.cz", L"/s", L"u2"}), 1);
    std::wstring podrobnosti, chyba;
    {
        DlgFtpMista dlg(mista, kTitulek);
        Ovladac o([&] {
            HWND seznam = CekatNaDialog(L"FTP místa");
            if (!seznam) return;
            podrobnosti = TextPrvku(seznam, DlgFtpMista::kIdPodrobnosti);
            SendDlgItemMessageW(seznam, DlgFtpMista::kIdSeznam, LB_SETCURSEL, 1, 0);
            Stisknout(seznam, DlgFtpMista::kIdUpravit);
            HWND misto = CekatNaDialog(L"ftp.druhy.cz - FTP místo");
            if (!misto) return;
            SetDlgItemTextW(misto, DlgFtpMisto::kIdServer, L"FTP.PRVNI.cz");
            Stisknout(misto, IDOK);
            HWND zprava = CekatNaDialog(kTitulek);
            if (!zprava) return;
            chyba = TextPrvku(zprava, kIdTextuZpravy);
            Stisknout(zprava, IDOK);
            Stisknout(CekatNaDialog(L"FTP místa"), IDCANCEL);
        });
        dlg.Zobrazit(nullptr);
    }
    EXPECT_EQ(podrobnosti, L"FTP server: ftp.prvni.cz\nPřihlašovací jméno: u1");
    EXPECT_EQ(chyba, L"Zadaný FTP server již v seznamu existuje.");
    const auto zbyvajici = mista.Mista();
    ASSERT_EQ(zbyvajici.size(), 2u);
    EXPECT_EQ(zbyvajici[1].server, L"ftp.druhy.cz");
}
