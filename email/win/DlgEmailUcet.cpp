#include "email/win/DlgEmailUcet.h"

#include <iterator>

#include "email/SeznamUctu.h"

namespace Holvent::Email {

namespace {

using U = DlgUpravyZaznamu<EmailovyUcet>;

const U::Pole kPole[] = {
    {DlgEmailUcet::kIdEmail, L"Emailová adresa:", L"<Zadejte emailovou adresu>", &EmailovyUcet::email, 9, false},
    {DlgEmailUcet::kIdJmeno, L"Zobrazované jméno:", L"<Zadejte zobrazované jméno>", &EmailovyUcet::jmeno, 27, false},
    {DlgEmailUcet::kIdServer, L"SMTP server:", L"<Zadejte SMTP server>", &EmailovyUcet::server, 45, false},
    {DlgEmailUcet::kIdLogin, L"Přihlašovací jméno:", L"<Zadejte přihlašovací jméno>", &EmailovyUcet::id, 63, false},
    {DlgEmailUcet::kIdHeslo, L"Heslo:", L"<Zadejte heslo>", &EmailovyUcet::heslo, 81, true},
};

const U::Popis kPopis{L"%s - emailový účet",
                      &EmailovyUcet::email,
                      L"Dialog emailového účtu nelze zobrazit.",
                      kPole,
                      std::size(kPole),
                      DlgEmailUcet::kIdHeslo,
                      DlgEmailUcet::kIdZobrazitHeslo,
                      97,
                      SeznamUctu::ProblemUctu};

}  // namespace

DlgEmailUcet::DlgEmailUcet(EmailovyUcet ucet, std::wstring titulek)
    : DlgUpravyZaznamu(kPopis, std::move(ucet), std::move(titulek)) {}

}  // namespace Holvent::Email
