#include "email/win/DlgEmailUcet.h"

#include <iterator>

#include "email/SeznamUctu.h"
#include "email/win/SablonaDialogu.h"

namespace Holvent::Email {

namespace {

using U = DlgUpravyZaznamu<EmailovyUcet>;

constexpr WORD kComboBox = 0x0085;
constexpr short kYZabezpeceni = 63;

// The security row stands below the server it belongs to.
const U::Pole kPole[] = {
    {DlgEmailUcet::kIdEmail, L"Emailová adresa:", L"<Zadejte emailovou adresu>", &EmailovyUcet::email, 9, false},
    {DlgEmailUcet::kIdJmeno, L"Zobrazované jméno:", L"<Zadejte zobrazované jméno>", &EmailovyUcet::jmeno, 27, false},
    {DlgEmailUcet::kIdServer, L"SMTP server:", L"<Zadejte SMTP server>", &EmailovyUcet::server, 45, false},
    {DlgEmailUcet::kIdLogin, L"Přihlašovací jméno:", L"<Zadejte přihlašovací jméno>", &EmailovyUcet::id, 81, false},
    {DlgEmailUcet::kIdHeslo, L"Heslo:", L"<Zadejte heslo>", &EmailovyUcet::heslo, 99, true},
};

const U::Popis kPopis{L"%s - emailový účet",
                      &EmailovyUcet::email,
                      L"Dialog emailového účtu nelze zobrazit.",
                      kPole,
                      std::size(kPole),
                      DlgEmailUcet::kIdHeslo,
                      DlgEmailUcet::kIdZobrazitHeslo,
                      115,
                      SeznamUctu::ProblemUctu,
                      18};

constexpr Zabezpeceni kVolby[] = {Zabezpeceni::Zadne, Zabezpeceni::StartTls, Zabezpeceni::Tls};

}  // namespace

DlgEmailUcet::DlgEmailUcet(EmailovyUcet ucet, std::wstring titulek)
    : DlgUpravyZaznamu(kPopis, std::move(ucet), std::move(titulek)) {}

void DlgEmailUcet::PridatOvladace(SablonaDialogu& s) const {
    s.Polozka(SS_LEFT, 7, kYZabezpeceni + 2, 80, 10, kIdPopisekZabezpeceni, SablonaDialogu::kPopisek, L"Zabezpečení:");
    s.Polozka(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 90, kYZabezpeceni, 163, 60, kIdZabezpeceni, kComboBox);
}

void DlgEmailUcet::VyplnitOstatni(HWND okno) const {
    HWND kombo = GetDlgItem(okno, kIdZabezpeceni);
    for (Zabezpeceni z : kVolby)
        SendMessageW(kombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(NazevZabezpeceni(z)));
    SendMessageW(kombo, CB_SETCURSEL, static_cast<WPARAM>(zaznam_.zabezpeceni), 0);
    // The Tab key goes from the server to its security, as the rows stand.
    SetWindowPos(GetDlgItem(okno, kIdPopisekZabezpeceni), GetDlgItem(okno, kIdServer), 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    SetWindowPos(kombo, GetDlgItem(okno, kIdPopisekZabezpeceni), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DlgEmailUcet::PrecistOstatni(HWND okno) {
    const LRESULT vyber = SendDlgItemMessageW(okno, kIdZabezpeceni, CB_GETCURSEL, 0, 0);
    if (vyber >= 0 && vyber < static_cast<LRESULT>(std::size(kVolby)))
        zaznam_.zabezpeceni = kVolby[static_cast<std::size_t>(vyber)];
}

}  // namespace Holvent::Email
