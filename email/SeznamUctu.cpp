#include "email/SeznamUctu.h"

#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "knihovna/AdresaServeru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"

namespace Holvent::Email {

namespace {

void NacistUcet(const RecordReader& ctenar, EmailovyUcet& ucet) {
    ctenar.Field(L"email", ucet.email);
    ctenar.Field(L"heslo", ucet.heslo);
    ctenar.Field(L"id", ucet.id);
    ctenar.Field(L"jmeno", ucet.jmeno);
    ctenar.Field(L"server", ucet.server);
    // A file of an earlier version has no such field: plain text, as it always sent.
    std::wstring zabezpeceni;
    if (ctenar.Field(L"zabezpeceni", zabezpeceni) != 0) return;
    const std::size_t od = zabezpeceni.find_first_not_of(L" \t\r\n");
    const std::size_t po = zabezpeceni.find_last_not_of(L" \t\r\n");
    const std::wstring hodnota = od == std::wstring::npos ? std::wstring() : zabezpeceni.substr(od, po - od + 1);
    if (hodnota == L"0" || hodnota == L"1" || hodnota == L"2") {
        ucet.zabezpeceni = static_cast<Zabezpeceni>(hodnota[0] - L'0');
        return;
    }
    // Guessing would either send in plain text what was to be encrypted or refuse every message: the whole
    // list stays unread (and the file untouched) until the value is mended.
    Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                      Knihovna::Formatovat(L"Účet %s má neplatnou hodnotu zabezpečení \"%s\" (platné jsou 0 - žádné, "
                                           L"1 - STARTTLS a 2 - SSL/TLS).",
                                           ucet.email.c_str(), zabezpeceni.c_str()));
}

void ZapsatUcet(RecordWriter& zapis, const EmailovyUcet& ucet) {
    zapis.WriteField(L"email", ucet.email);
    zapis.WriteField(L"heslo", ucet.heslo);
    zapis.WriteField(L"id", ucet.id);
    zapis.WriteField(L"jmeno", ucet.jmeno);
    zapis.WriteField(L"server", ucet.server);
    zapis.WriteField(L"zabezpeceni", static_cast<int>(ucet.zabezpeceni));
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
    if (std::wstring problem = ProblemZaznamu(kPopisUctu, ucet); !problem.empty()) return problem;
    // "server:port" (e.g. 587 of the providers); a port that is no number in 1-65535 would fail only when sending.
    std::wstring chyba;
    if (!ucet.server.empty() && !Knihovna::RozlozitServer(ucet.server, &chyba)) return chyba;
    return {};
}

std::wstring SeznamUctu::ProblemNoveAdresy(const std::wstring& email) const {
    if (FindAccount(email) >= 0) return L"Zadaná emailová adresa již existuje";
    return {};
}

}  // namespace Holvent::Email
