#include "email/SeznamUctu.h"

#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "knihovna/AdresaServeru.h"

namespace Holvent::Email {

namespace {

void NacistUcet(const RecordReader& ctenar, EmailovyUcet& ucet) {
    ctenar.Field(L"email", ucet.email);
    ctenar.Field(L"heslo", ucet.heslo);
    ctenar.Field(L"id", ucet.id);
    ctenar.Field(L"jmeno", ucet.jmeno);
    ctenar.Field(L"server", ucet.server);
}

void ZapsatUcet(RecordWriter& zapis, const EmailovyUcet& ucet) {
    zapis.WriteField(L"email", ucet.email);
    zapis.WriteField(L"heslo", ucet.heslo);
    zapis.WriteField(L"id", ucet.id);
    zapis.WriteField(L"jmeno", ucet.jmeno);
    zapis.WriteField(L"server", ucet.server);
}

const UlozisteZaznamu<EmailovyUcet>::Popis kPopisUctu{SeznamUctu::kNazevSouboru, SeznamUctu::kZaznam,
                                                      L"seznam emailových účtů", &EmailovyUcet::email, NacistUcet,
                                                      ZapsatUcet};

}  // namespace

SeznamUctu::SeznamUctu(std::wstring slozkaDat, HlaseniChybyUloziste hlaseni)
    : UlozisteZaznamu(kPopisUctu, std::move(slozkaDat), std::move(hlaseni)) {}

bool SeznamUctu::LoadAccounts() { return Nacist(); }
bool SeznamUctu::SaveAccounts() { return Ulozit(); }
int SeznamUctu::FindAccount(const std::wstring& email) const { return Najit(email); }
int SeznamUctu::AddAccount(const EmailovyUcet& ucet) { return Pridat(ucet); }
bool SeznamUctu::ZmenitUcet(int index, const EmailovyUcet& ucet) { return Zmenit(index, ucet); }
bool SeznamUctu::RemoveAccount(int index) { return Odebrat(index); }
bool SeznamUctu::KopieUctu(const std::wstring& email, EmailovyUcet& ucet) const { return Kopie(email, ucet); }
std::vector<EmailovyUcet> SeznamUctu::Ucty() const { return Zaznamy(); }

std::wstring SeznamUctu::ProblemUctu(const EmailovyUcet& ucet) {
    // A port after the server ("server:port") must be one.
    if (std::wstring chyba; !Knihovna::RozlozitServer(ucet.server, &chyba)) return chyba;
    return ProblemZaznamu(kPopisUctu, ucet);
}

std::wstring SeznamUctu::ProblemNoveAdresy(const std::wstring& email) const {
    if (FindAccount(email) >= 0) return L"Zadaná emailová adresa již existuje";
    return {};
}

}  // namespace Holvent::Email
