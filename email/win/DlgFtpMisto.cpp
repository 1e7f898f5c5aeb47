#include "email/win/DlgFtpMisto.h"

#include <iterator>

#include "email/SeznamFtpMist.h"
#include "email/win/SablonaDialogu.h"

namespace Holvent::Email {

namespace {

using U = DlgUpravyZaznamu<FtpMisto>;

// The folder stands apart, below the passive mode's row.
const U::Pole kPole[] = {
    {DlgFtpMisto::kIdServer, L"FTP server:", L"<Zadejte FTP server>", &FtpMisto::server, 9, false},
    {DlgFtpMisto::kIdUzivatel, L"Přihlašovací jméno:", L"<Zadejte přihlašovací jméno>", &FtpMisto::uzivatel, 27, false},
    {DlgFtpMisto::kIdHeslo, L"Heslo:", L"<Zadejte heslo>", &FtpMisto::heslo, 45, true},
    {DlgFtpMisto::kIdSlozka, L"Složka na serveru:", nullptr, &FtpMisto::slozka, 75, false},
};

const U::Popis kPopis{L"%s - FTP místo",
                      &FtpMisto::server,
                      L"Dialog FTP místa nelze zobrazit.",
                      kPole,
                      std::size(kPole),
                      DlgFtpMisto::kIdHeslo,
                      DlgFtpMisto::kIdZobrazitHeslo,
                      61,
                      SeznamFtpMist::ProblemMista};

}  // namespace

DlgFtpMisto::DlgFtpMisto(FtpMisto misto, std::wstring titulek)
    : DlgUpravyZaznamu(kPopis, std::move(misto), std::move(titulek)) {}

void DlgFtpMisto::PridatOvladace(SablonaDialogu& s) const {
    s.Polozka(BS_AUTOCHECKBOX | WS_TABSTOP, 90, 97, 163, 10, kIdPasivni, SablonaDialogu::kTlacitko,
              L"Pasivní režim přenosu");
}

void DlgFtpMisto::VyplnitOstatni(HWND okno) const {
    CheckDlgButton(okno, kIdPasivni, zaznam_.pasivniRezim ? BST_CHECKED : BST_UNCHECKED);
}

void DlgFtpMisto::PrecistOstatni(HWND okno) { zaznam_.pasivniRezim = IsDlgButtonChecked(okno, kIdPasivni) == BST_CHECKED; }

}  // namespace Holvent::Email
