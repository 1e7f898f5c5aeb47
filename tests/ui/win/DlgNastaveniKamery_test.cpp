#include "ui/win/DlgNastaveniKamery.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>
#include <vector>

#include "camera/ZmenenaKamera.h"
#include "app/win/Aplikace.h"
#include "ui/StrankyNastaveniKamery.h"
#include "ui/win/DlgNastKamEmail.h"
#include "ui/win/DlgNastStrankaTabulky.h"

namespace {

namespace S = StrankyNastaveniKamery;

HWND CekatNaDialog(const std::wstring& titulek) {
    for (auto konec = std::chrono::steady_clock::now() + std::chrono::seconds(30); std::chrono::steady_clock::now() < konec;) {
        HWND h = ::FindWindowW(L"#32770", titulek.c_str());
        if (h && ::IsWindowVisible(h)) return h;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

// The id of a value's control in the camera dialog: the table's values are numbered across its pages.
int IdOvladace(const wchar_t* klic, const wchar_t* jmeno) {
    int i = 0;
    for (const S::Stranka& s : S::Stranky())
        for (const S::Hodnota& h : s.hodnoty) {
            if (std::wstring(h.klic) == klic && std::wstring(h.jmeno) == jmeno)
                return DlgNastaveniKamery::kPrvniIdPrvku + DlgNastStrankaTabulky::kIdNaHodnotu * i + 1;
            ++i;
        }
    return -1;
}

}  // namespace

// The link on the e-mail page hands the camera the values the pages show, not yet confirmed: the camera sends its
// test message with them while the record stays as it was until OK.
TEST(DlgNastaveniKamery, OdkazTestovacihoEmailuPredaHodnotyZeStranek) {
    Aplikace aplikace(::GetModuleHandleW(nullptr));  // the icon page asks it for the program's images
    const auto slozka = std::filesystem::current_path() / "nastaveni_kamery_test";
    std::filesystem::remove_all(slozka);
    std::filesystem::create_directories(slozka);
    Holvent::Email::SeznamUctu ucty(slozka.wstring(), {});
    ASSERT_TRUE(ucty.LoadAccounts());
    ASSERT_EQ(ucty.AddAccount({L"kamera@example.cz", L"h", L"", L"Kamera", L"smtp.example.cz:587"}), 0);
    Holvent::Email::SeznamFtpMist mista(slozka.wstring(), {});

    ParametryKamery kamera;
    kamera.NastavitVychozi(L"Dvůr", TestovaciKontext());
    kamera.snimkyEmail.email = L"stary@example.cz";
    std::mutex zamek;
    const SeznamZarizeni zadna;
    std::vector<ParametryKamery> zaslane;
    HWND nadDialogem = nullptr;
    DlgNastaveniKamery::Kontext kontext{L"Dvůr", L"Tervik", &zadna, &zadna, [] { return std::wstring(); }, {}, {},
                                        [&](HWND dialog, const ParametryKamery& hodnoty) {
                                            nadDialogem = dialog;
                                            zaslane.push_back(hodnoty);
                                        }};
    DlgNastaveniKamery dlg(kamera, zamek, kontext, ucty, mista);

    const int ucet = IdOvladace(L"Snimky email\\Odesilatel", L"emailUcet");
    const int prijemce = IdOvladace(L"Snimky email\\Prijemce", L"email");
    const int dalsi = IdOvladace(L"Snimky email\\Prijemce", L"dalsiEmaily");
    std::thread ovladac([&] {
        HWND d = CekatNaDialog(DlgNastaveniKamery::Titulek(L"Dvůr"));
        if (!d) return;
        ::SendDlgItemMessageW(d, ucet, CB_SETCURSEL, 0, 0);
        ::SetDlgItemTextW(d, prijemce, L"novy@example.cz");
        ::SetDlgItemTextW(d, dalsi, L"x@example.cz;\r\ny@example.cz");
        // A click on the link, as the mouse gives it.
        HWND odkaz = ::GetDlgItem(d, DlgNastKamEmail::kIdTest);
        ::SendMessageW(odkaz, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        ::SendMessageW(odkaz, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        ::PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_FALSE(dlg.Zobrazit(nullptr));
    ovladac.join();

    ASSERT_EQ(zaslane.size(), 1u);
    EXPECT_NE(nadDialogem, nullptr);
    const ParametryKamery& h = zaslane[0];
    EXPECT_EQ(h.snimkyEmail.emailUcet, L"kamera@example.cz");
    EXPECT_EQ(h.snimkyEmail.email, L"novy@example.cz");
    EXPECT_EQ(h.dalsiPrijemci, (std::vector<std::wstring>{L"x@example.cz", L"y@example.cz"}));
    EXPECT_EQ(h.snimkyEmail.predmet, kamera.snimkyEmail.predmet);
    // Cancelled: the camera's record is untouched.
    EXPECT_EQ(kamera.snimkyEmail.email, L"stary@example.cz");
    EXPECT_EQ(kamera.snimkyEmail.emailUcet, L"");
    std::filesystem::remove_all(slozka);
}
