#include "email/UlozisteZaznamu.h"

#include <filesystem>

#include "email/EmailovyUcet.h"
#include "email/FtpMisto.h"
#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"
#include "knihovna/ZapisNahrazenim.h"

namespace Holvent::Email {

template <class Zaznam>
UlozisteZaznamu<Zaznam>::UlozisteZaznamu(const Popis& popis, std::wstring slozkaDat, HlaseniChybyUloziste hlaseni)
    : popis_(popis), slozkaDat_(std::move(slozkaDat)), hlaseni_(std::move(hlaseni)) {}

template <class Zaznam>
std::wstring UlozisteZaznamu<Zaznam>::Cesta() const {
    return CestaSouboruUloziste(slozkaDat_, popis_.nazevSouboru);
}

template <class Zaznam>
bool UlozisteZaznamu<Zaznam>::Nacist() {
    const std::wstring cesta = Cesta();
    std::vector<Zaznam> nactene;
    std::vector<std::wstring> vynechane;
    try {
        std::error_code chyba;
        if (!std::filesystem::exists(std::filesystem::path(cesta), chyba)) {
            std::lock_guard zamek(zamek_);
            zaznamy_.clear();
            lzeZapisovat_ = true;
            return true;
        }
        RecordReader ctenar;
        ctenar.Load(cesta);
        while (ctenar.NextRecord(popis_.znackaZaznamu) == 0) {
            Zaznam zaznam;
            popis_.nacist(ctenar, zaznam);
            // The key is unique in any letter case: the first record of a key stands.
            bool duplicita = false;
            for (const Zaznam& z : nactene)
                if (Knihovna::StejneBezVelikosti(z.*popis_.klic, zaznam.*popis_.klic)) duplicita = true;
            if (duplicita)
                vynechane.push_back(zaznam.*popis_.klic);
            else
                nactene.push_back(std::move(zaznam));
        }
        // Saving would drop whatever could not be read.
        if (ctenar.ZbyvaNeprectenyText(popis_.znackaZaznamu))
            Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                              Knihovna::Formatovat(L"Soubor \"%s\" je poškozený: obsahuje neúplný nebo neznámý záznam. Aby se "
                                                   L"neztratily ostatní záznamy, aplikace jej nepřepíše, dokud jej "
                                                   L"neopravíte nebo neodstraníte.",
                                                   cesta.c_str()));
    } catch (const Knihovna::Chyba& chyba) {
        {
            std::lock_guard zamek(zamek_);
            zaznamy_.clear();
            lzeZapisovat_ = false;
        }
        if (hlaseni_)
            hlaseni_(Knihovna::Formatovat(L"Nepodařilo se načíst %s ze souboru \"%s\"", popis_.nazevSeznamu,
                                          cesta.c_str()),
                     chyba);
        return false;
    }
    {
        std::lock_guard zamek(zamek_);
        zaznamy_ = std::move(nactene);
        lzeZapisovat_ = true;
    }
    if (!vynechane.empty() && hlaseni_) {
        std::wstring seznam;
        for (const std::wstring& klic : vynechane) seznam += (seznam.empty() ? L"" : L", ") + klic;
        hlaseni_(Knihovna::Formatovat(L"Soubor \"%s\" obsahuje více záznamů se stejným klíčem; platí jen první z nich, "
                                      L"ostatní se při příští změně seznamu ze souboru odstraní",
                                      cesta.c_str()),
                 Knihovna::Chyba(Knihovna::kE_INVALIDARG,
                                 Knihovna::Formatovat(L"Vynechané záznamy: %s.", seznam.c_str())));
    }
    return true;
}

template <class Zaznam>
std::wstring UlozisteZaznamu<Zaznam>::ProblemZaznamu(const Popis& popis, const Zaznam& zaznam) {
    try {
        RecordWriter zapis;
        zapis.OtevritJenProKontrolu();
        zapis.BeginRecord(popis.znackaZaznamu);
        popis.zapsat(zapis, zaznam);
    } catch (const Knihovna::Chyba& chyba) {
        return chyba.Text();
    }
    return {};
}

template <class Zaznam>
bool UlozisteZaznamu<Zaznam>::Ulozit() {
    std::vector<Zaznam> kopie;
    {
        std::lock_guard zamek(zamek_);
        kopie = zaznamy_;
    }
    return UlozitSeznam(kopie);
}

template <class Zaznam>
bool UlozisteZaznamu<Zaznam>::UlozitSeznam(const std::vector<Zaznam>& zaznamy) {
    const std::wstring cesta = Cesta();
    try {
        if (!lzeZapisovat_)
            Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                              Knihovna::Formatovat(L"Soubor \"%s\" se při spuštění nepodařilo načíst; aby se jeho obsah "
                                                   L"neztratil, nebude přepsán. Opravte jej nebo odstraňte a spusťte "
                                                   L"aplikaci znovu.",
                                                   cesta.c_str()));
        Knihovna::ZapsatNahrazenim(cesta, [&](const std::wstring& docasna) {
            RecordWriter zapis;
            zapis.Open(docasna);
            for (const Zaznam& zaznam : zaznamy) {
                zapis.BeginRecord(popis_.znackaZaznamu);
                popis_.zapsat(zapis, zaznam);
                zapis.EndRecord();
            }
            zapis.Close();
        });
    } catch (const Knihovna::Chyba& chyba) {
        if (hlaseni_)
            hlaseni_(Knihovna::Formatovat(L"Nepodařilo se uložit %s do souboru \"%s\"", popis_.nazevSeznamu,
                                          cesta.c_str()),
                     chyba);
        return false;
    }
    return true;
}

template <class Zaznam>
int UlozisteZaznamu<Zaznam>::NajitBezZamku(const std::wstring& klic) const {
    for (std::size_t i = 0; i < zaznamy_.size(); ++i)
        if (Knihovna::StejneBezVelikosti(zaznamy_[i].*popis_.klic, klic)) return static_cast<int>(i);
    return -1;
}

template <class Zaznam>
int UlozisteZaznamu<Zaznam>::Najit(const std::wstring& klic) const {
    std::lock_guard zamek(zamek_);
    return NajitBezZamku(klic);
}

template <class Zaznam>
int UlozisteZaznamu<Zaznam>::Pridat(const Zaznam& zaznam) {
    std::vector<Zaznam> nove;
    {
        std::lock_guard zamek(zamek_);
        if (NajitBezZamku(zaznam.*popis_.klic) >= 0) return -1;
        nove = zaznamy_;
    }
    nove.push_back(zaznam);
    if (!UlozitSeznam(nove)) return -1;
    std::lock_guard zamek(zamek_);
    zaznamy_ = std::move(nove);
    return static_cast<int>(zaznamy_.size()) - 1;
}

template <class Zaznam>
bool UlozisteZaznamu<Zaznam>::Zmenit(int index, const Zaznam& zaznam) {
    std::vector<Zaznam> nove;
    {
        std::lock_guard zamek(zamek_);
        if (index < 0 || index >= static_cast<int>(zaznamy_.size())) return false;
        const int jiny = NajitBezZamku(zaznam.*popis_.klic);
        if (jiny >= 0 && jiny != index) return false;
        nove = zaznamy_;
    }
    nove[static_cast<std::size_t>(index)] = zaznam;
    if (!UlozitSeznam(nove)) return false;
    std::lock_guard zamek(zamek_);
    zaznamy_ = std::move(nove);
    return true;
}

template <class Zaznam>
bool UlozisteZaznamu<Zaznam>::Odebrat(int index) {
    std::vector<Zaznam> nove;
    {
        std::lock_guard zamek(zamek_);
        if (index < 0 || index >= static_cast<int>(zaznamy_.size())) return false;
        nove = zaznamy_;
    }
    nove.erase(nove.begin() + index);
    if (!UlozitSeznam(nove)) return false;
    std::lock_guard zamek(zamek_);
    zaznamy_ = std::move(nove);
    return true;
}

template <class Zaznam>
bool UlozisteZaznamu<Zaznam>::Kopie(const std::wstring& klic, Zaznam& zaznam) const {
    std::lock_guard zamek(zamek_);
    const int i = NajitBezZamku(klic);
    if (i < 0) return false;
    zaznam = zaznamy_[static_cast<std::size_t>(i)];
    return true;
}

template <class Zaznam>
std::vector<Zaznam> UlozisteZaznamu<Zaznam>::Zaznamy() const {
    std::lock_guard zamek(zamek_);
    return zaznamy_;
}

// The record types kept in stores; a new one is added here.
template class UlozisteZaznamu<EmailovyUcet>;
template class UlozisteZaznamu<FtpMisto>;

}  // namespace Holvent::Email
