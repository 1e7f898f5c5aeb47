#include "ui/win/DlgNastKamFtp.h"

#include "email/win/DlgVyberFtpMista.h"
#include "email/win/SablonaDialogu.h"
#include "net/win/DlgVyberSlozkyFtp.h"
#include "ui/StrankyNastaveniKamery.h"

using Holvent::Email::SablonaDialogu;

namespace {

std::wstring Text(HWND prvek) {
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(prvek)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetWindowTextW(prvek, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

void DlgNastKamFtp::Vytvorit(SablonaDialogu& s, const Oblast& o) {
    DlgNastStrankaTabulky::Vytvorit(s, o);
    Pridat(s, BS_PUSHBUTTON | WS_TABSTOP, o.x, static_cast<short>(o.y + o.vyska - 14), 100, 14, kIdVybratMisto,
           SablonaDialogu::kTlacitko, L"&Vybrat FTP umístění...");
}

short DlgNastKamFtp::RezervaDole() const { return StrankyNastaveniKamery::kRezervaTlacitek; }

// The place as the page shows it now, which the folder chooser logs in to.
Holvent::Email::FtpMisto DlgNastKamFtp::Misto() const {
    Holvent::Email::FtpMisto m;
    m.server = Text(PrvekHodnoty(L"server"));
    m.uzivatel = Text(PrvekHodnoty(L"uzivatel"));
    m.heslo = Text(PrvekHodnoty(L"heslo"));
    m.pasivniRezim = ::SendMessageW(PrvekHodnoty(L"pasivniRezim"), BM_GETCHECK, 0, 0) == BST_CHECKED;
    m.slozka = Text(PrvekHodnoty(L"slozka"));
    return m;
}

bool DlgNastKamFtp::VybratText(const ModelStranky::Hodnota&, std::wstring& text) {
    const Holvent::Email::FtpMisto misto = Misto();
    // The chooser logs in with the server as typed: a bad port is told here, not as a failed connection.
    if (auto chyba = StrankyNastaveniKamery::KontrolaServeru(misto.server)) {
        ::MessageBoxW(Dialog(), chyba->c_str(), produkt_.c_str(), MB_OK | MB_ICONWARNING);
        ::SetFocus(PrvekHodnoty(L"server"));
        return false;
    }
    Holvent::Ftp::DlgVyberSlozkyFtp vyber(misto, text);
    if (!vyber.Zobrazit(Dialog())) return false;
    text = vyber.Slozka();
    return true;
}

void DlgNastKamFtp::VybratMisto() {
    Holvent::Email::DlgVyberFtpMista vyber(mista_, Text(PrvekHodnoty(L"server")));
    if (!vyber.Zobrazit(Dialog())) return;
    const Holvent::Email::FtpMisto& m = vyber.Misto();
    ::SetWindowTextW(PrvekHodnoty(L"server"), m.server.c_str());
    ::SetWindowTextW(PrvekHodnoty(L"uzivatel"), m.uzivatel.c_str());
    ::SetWindowTextW(PrvekHodnoty(L"heslo"), m.heslo.c_str());
    ::SetWindowTextW(PrvekHodnoty(L"slozka"), m.slozka.c_str());
    ::SendMessageW(PrvekHodnoty(L"pasivniRezim"), BM_SETCHECK, m.pasivniRezim ? BST_CHECKED : BST_UNCHECKED, 0);
    OznamitZmenu();
}

bool DlgNastKamFtp::ZpracovatPrikaz(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) != kIdVybratMisto) return DlgNastStrankaTabulky::ZpracovatPrikaz(wp, lp);
    if (HIWORD(wp) == BN_CLICKED) VybratMisto();
    return true;
}
