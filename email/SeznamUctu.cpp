#include "email/SeznamUctu.h"

#include <filesystem>

#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

SeznamUctu::SeznamUctu(std::wstring slozkaDat, HlaseniChybyUloziste hlaseni)
    : slozkaDat_(std::move(slozkaDat)), hlaseni_(std::move(hlaseni)) {}

std::wstring SeznamUctu::Cesta() const { return CestaSouboruUloziste(slozkaDat_, kNazevSouboru); }

bool SeznamUctu::LoadAccounts() {
    const std::wstring cesta = Cesta();
    std::vector<EmailovyUcet> nactene;
    try {
        std::error_code chyba;
        if (!std::filesystem::exists(std::filesystem::path(cesta), chyba)) {
            std::lock_guard zamek(zamek_);
            ucty_.clear();
            lzeZapisovat_ = true;
            return true;
        }
        RecordReader ctenar;
        ctenar.Load(cesta);
        while (ctenar.NextRecord(kZaznam) == 0) {
            EmailovyUcet ucet;
            ctenar.Field(L"email", ucet.email);
            ctenar.Field(L"heslo", ucet.heslo);
            ctenar.Field(L"id", ucet.id);
            ctenar.Field(L"jmeno", ucet.jmeno);
            ctenar.Field(L"server", ucet.server);
            nactene.push_back(std::move(ucet));
        }
        // Saving would drop whatever could not be read.
        if (ctenar.ZbyvaNeprectenyText(kZaznam))
            Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                              Knihovna::Formatovat(L"Soubor \"%s\" je poškozený: obsahuje neúplný nebo neznámý záznam.",
                                                   cesta.c_str()));
    } catch (const Knihovna::Chyba& chyba) {
        {
            std::lock_guard zamek(zamek_);
            ucty_.clear();
            lzeZapisovat_ = false;
        }
        if (hlaseni_)
            hlaseni_(Knihovna::Formatovat(L"Nepodařilo se načíst seznam emailových účtů ze souboru \"%s\"", cesta.c_str()),
                     chyba);
        return false;
    }
    std::lock_guard zamek(zamek_);
    ucty_ = std::move(nactene);
    lzeZapisovat_ = true;
    return true;
}

bool SeznamUctu::SaveAccounts() {
    std::vector<EmailovyUcet> kopie;
    {
        std::lock_guard zamek(zamek_);
        kopie = ucty_;
    }
    return Ulozit(kopie);
}

bool SeznamUctu::Ulozit(const std::vector<EmailovyUcet>& ucty) {
    const std::wstring cesta = Cesta();
    try {
        if (!lzeZapisovat_)
            Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                              Knihovna::Formatovat(L"Soubor \"%s\" se při spuštění nepodařilo načíst; aby se jeho obsah "
                                                   L"neztratil, nebude přepsán. Opravte jej nebo odstraňte a spusťte "
                                                   L"aplikaci znovu.",
                                                   cesta.c_str()));
        ZapsatNahrazenim(cesta, [&](const std::wstring& docasna) {
            RecordWriter zapis;
            zapis.Open(docasna);
            for (const EmailovyUcet& ucet : ucty) {
                zapis.BeginRecord(kZaznam);
                zapis.WriteField(L"email", ucet.email);
                zapis.WriteField(L"heslo", ucet.heslo);
                zapis.WriteField(L"id", ucet.id);
                zapis.WriteField(L"jmeno", ucet.jmeno);
                zapis.WriteField(L"server", ucet.server);
                zapis.EndRecord();
            }
            zapis.Close();
        });
    } catch (const Knihovna::Chyba& chyba) {
        if (hlaseni_)
            hlaseni_(Knihovna::Formatovat(L"Nepodařilo se uložit seznam emailových účtů do souboru \"%s\"", cesta.c_str()),
                     chyba);
        return false;
    }
    return true;
}

int SeznamUctu::NajitBezZamku(const std::wstring& email) const {
    for (std::size_t i = 0; i < ucty_.size(); ++i)
        if (Knihovna::StejneBezVelikosti(ucty_[i].email, email)) return static_cast<int>(i);
    return -1;
}

int SeznamUctu::FindAccount(const std::wstring& email) const {
    std::lock_guard zamek(zamek_);
    return NajitBezZamku(email);
}

std::wstring SeznamUctu::ProblemNoveAdresy(const std::wstring& email) const {
    if (FindAccount(email) >= 0) return L"Zadaná emailová adresa již existuje";
    return {};
}

int SeznamUctu::AddAccount(const EmailovyUcet& ucet) {
    std::vector<EmailovyUcet> nove;
    {
        std::lock_guard zamek(zamek_);
        if (NajitBezZamku(ucet.email) >= 0) return -1;
        nove = ucty_;
    }
    nove.push_back(ucet);
    if (!Ulozit(nove)) return -1;
    std::lock_guard zamek(zamek_);
    ucty_ = std::move(nove);
    return static_cast<int>(ucty_.size()) - 1;
}

bool SeznamUctu::ZmenitUcet(int index, const EmailovyUcet& ucet) {
    std::vector<EmailovyUcet> nove;
    {
        std::lock_guard zamek(zamek_);
        if (index < 0 || index >= static_cast<int>(ucty_.size())) return false;
        const int jiny = NajitBezZamku(ucet.email);
        if (jiny >= 0 && jiny != index) return false;
        nove = ucty_;
    }
    nove[static_cast<std::size_t>(index)] = ucet;
    if (!Ulozit(nove)) return false;
    std::lock_guard zamek(zamek_);
    ucty_ = std::move(nove);
    return true;
}

bool SeznamUctu::RemoveAccount(int index) {
    std::vector<EmailovyUcet> nove;
    {
        std::lock_guard zamek(zamek_);
        if (index < 0 || index >= static_cast<int>(ucty_.size())) return false;
        nove = ucty_;
    }
    nove.erase(nove.begin() + index);
    if (!Ulozit(nove)) return false;
    std::lock_guard zamek(zamek_);
    ucty_ = std::move(nove);
    return true;
}

bool SeznamUctu::KopieUctu(const std::wstring& email, EmailovyUcet& ucet) const {
    std::lock_guard zamek(zamek_);
    const int i = NajitBezZamku(email);
    if (i < 0) return false;
    ucet = ucty_[static_cast<std::size_t>(i)];
    return true;
}

std::vector<EmailovyUcet> SeznamUctu::Ucty() const {
    std::lock_guard zamek(zamek_);
    return ucty_;
}

}  // namespace Holvent::Email
