#include "email/win/DlgFtpMista.h"

#include "email/win/DlgFtpMisto.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Email {

namespace {

const DlgSeznamuZaznamu<FtpMisto>::Popis kPopis{
    L"FTP místa",
    L"FTP místa pro odesílání snímků:",
    L"Dialog FTP míst nelze zobrazit.",
    L"Zadejte nový FTP server",
    L"ftp.example.com",
    L"Zadaný FTP server již v seznamu existuje",
    &FtpMisto::server,
};

}  // namespace

DlgFtpMista::DlgFtpMista(SeznamFtpMist& mista, std::wstring titulek)
    : DlgSeznamuZaznamu(kPopis, mista, std::move(titulek)), mista_(mista) {}

std::wstring DlgFtpMista::ProblemNovehoKlice(const std::wstring& server) const {
    return mista_.ProblemNovehoServeru(server);
}

bool DlgFtpMista::UpravitZaznam(HWND vlastnik, FtpMisto& misto) const {
    DlgFtpMisto dlg(misto, titulek_);
    if (!dlg.Zobrazit(vlastnik)) return false;
    misto = dlg.Misto();
    return true;
}

std::wstring DlgFtpMista::Podrobnosti(const FtpMisto& u) const {
    return Knihovna::Formatovat(L"FTP server: %s\nPřihlašovací jméno: %s", u.server.c_str(), u.uzivatel.c_str());
}

std::wstring DlgFtpMista::OtazkaOdebrani(const FtpMisto& u) const {
    return Knihovna::Formatovat(L"Opravdu chcete odebrat toto FTP místo?\n\n%s\n%s", u.server.c_str(),
                                u.uzivatel.c_str());
}

}  // namespace Holvent::Email
