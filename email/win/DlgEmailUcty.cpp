#include "email/win/DlgEmailUcty.h"

#include "email/win/DlgEmailUcet.h"
#include "email/win/SablonaDialogu.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Email {

namespace {

const DlgSeznamuZaznamu<EmailovyUcet>::Popis kPopis{
    L"Emailové účty",
    L"Emailové účty pro odesílání:",
    L"Dialog emailových účtů nelze zobrazit.",
    L"Zadejte emailovou adresu nového účtu",
    L"kamera@example.com",
    L"Zadaná emailová adresa již existuje",
    &EmailovyUcet::email,
};

}  // namespace

DlgEmailUcty::DlgEmailUcty(SeznamUctu& ucty, std::wstring titulek)
    : DlgSeznamuZaznamu(kPopis, ucty, std::move(titulek)), ucty_(ucty) {}

std::wstring DlgEmailUcty::ProblemNovehoKlice(const std::wstring& email) const {
    return ucty_.ProblemNoveAdresy(email);
}

bool DlgEmailUcty::UpravitZaznam(HWND vlastnik, EmailovyUcet& ucet) const {
    DlgEmailUcet dlg(ucet, titulek_);
    if (!dlg.Zobrazit(vlastnik)) return false;
    ucet = dlg.Ucet();
    return true;
}

std::wstring DlgEmailUcty::Podrobnosti(const EmailovyUcet& u) const {
    return Knihovna::Formatovat(L"Email: %s\nJméno: %s\nSMTP server: %s\nZabezpečení: %s\nPřihlašovací jméno: %s",
                                u.email.c_str(), u.jmeno.c_str(), u.server.c_str(), NazevZabezpeceni(u.zabezpeceni),
                                u.id.c_str());
}

std::wstring DlgEmailUcty::OtazkaOdebrani(const EmailovyUcet& u) const {
    return Knihovna::Formatovat(L"Opravdu chcete odebrat tento účet?\n\n%s\n%s", u.email.c_str(), u.jmeno.c_str());
}

void DlgEmailUcty::PridatTlacitka(SablonaDialogu& s) const {
    s.Polozka(BS_PUSHBUTTON | WS_TABSTOP, 213, 73, 60, 14, kIdHeslo, SablonaDialogu::kTlacitko, L"Zobrazit heslo");
}

bool DlgEmailUcty::ProvestPrikaz(HWND okno, int id) {
    if (id != kIdHeslo) return false;
    UkazatHeslo(okno);
    return true;
}

void DlgEmailUcty::UkazatHeslo(HWND okno) {
    const int vyber = Vybrany(okno);
    const auto ucty = ucty_.Ucty();
    if (vyber < 0 || vyber >= static_cast<int>(ucty.size())) {
        MessageBeep(MB_OK);
        return;
    }
    MessageBoxW(okno, ucty[static_cast<std::size_t>(vyber)].heslo.c_str(), L"Heslo vybraného účtu",
                MB_OK | MB_ICONINFORMATION);
}

}  // namespace Holvent::Email
