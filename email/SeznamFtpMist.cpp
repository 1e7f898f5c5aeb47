#include "email/SeznamFtpMist.h"

#include <filesystem>

#include "email/RecordReader.h"
#include "email/RecordWriter.h"
#include "knihovna/Formatovani.h"
#include "knihovna/Text.h"

namespace Holvent::Email {

SeznamFtpMist::SeznamFtpMist(std::wstring slozkaDat, HlaseniChybyUloziste hlaseni)
    : slozkaDat_(std::move(slozkaDat)), hlaseni_(std::move(hlaseni)) {}

std::wstring SeznamFtpMist::Cesta() const { return CestaSouboruUloziste(slozkaDat_, kNazevSouboru); }

bool SeznamFtpMist::LoadPlaces() {
    const std::wstring cesta = Cesta();
    std::vector<FtpMisto> nactene;
    try {
        std::error_code chyba;
        if (!std::filesystem::exists(std::filesystem::path(cesta), chyba)) {
            std::lock_guard zamek(zamek_);
            mista_.clear();
            lzeZapisovat_ = true;
            return true;
        }
        RecordReader ctenar;
        ctenar.Load(cesta);
        while (ctenar.NextRecord(kZaznam) == 0) {
            FtpMisto misto;
            std::wstring pasivni;
            ctenar.Field(L"heslo", misto.heslo);
            if (ctenar.Field(L"pasivniRezim", pasivni) == 0)
                misto.pasivniRezim = Knihovna::StejneBezVelikosti(pasivni, L"1");
            ctenar.Field(L"server", misto.server);
            ctenar.Field(L"slozka", misto.slozka);
            ctenar.Field(L"uzivatel", misto.uzivatel);
            nactene.push_back(std::move(misto));
        }
        // Saving would drop whatever could not be read.
        if (ctenar.ZbyvaNeprectenyText(kZaznam))
            Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                              Knihovna::Formatovat(L"Soubor \"%s\" je poškozený: obsahuje neúplný nebo neznámý záznam.",
                                                   cesta.c_str()));
    } catch (const Knihovna::Chyba& chyba) {
        {
            std::lock_guard zamek(zamek_);
            mista_.clear();
            lzeZapisovat_ = false;
        }
        if (hlaseni_)
            hlaseni_(Knihovna::Formatovat(L"Nepodařilo se načíst seznam FTP míst ze souboru \"%s\"", cesta.c_str()),
                     chyba);
        return false;
    }
    std::lock_guard zamek(zamek_);
    mista_ = std::move(nactene);
    lzeZapisovat_ = true;
    return true;
}

bool SeznamFtpMist::SavePlaces() {
    std::vector<FtpMisto> kopie;
    {
        std::lock_guard zamek(zamek_);
        kopie = mista_;
    }
    return Ulozit(kopie);
}

bool SeznamFtpMist::Ulozit(const std::vector<FtpMisto>& mista) {
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
            for (const FtpMisto& misto : mista) {
                zapis.BeginRecord(kZaznam);
                zapis.WriteField(L"heslo", misto.heslo);
                zapis.WriteField(L"pasivniRezim", misto.pasivniRezim ? 1 : 0);
                zapis.WriteField(L"server", misto.server);
                zapis.WriteField(L"slozka", misto.slozka);
                zapis.WriteField(L"uzivatel", misto.uzivatel);
                zapis.EndRecord();
            }
            zapis.Close();
        });
    } catch (const Knihovna::Chyba& chyba) {
        if (hlaseni_)
            hlaseni_(Knihovna::Formatovat(L"Nepodařilo se uložit seznam FTP míst do souboru \"%s\"", cesta.c_str()),
                     chyba);
        return false;
    }
    return true;
}

int SeznamFtpMist::NajitBezZamku(const std::wstring& server) const {
    for (std::size_t i = 0; i < mista_.size(); ++i)
        if (Knihovna::StejneBezVelikosti(mista_[i].server, server)) return static_cast<int>(i);
    return -1;
}

int SeznamFtpMist::FindPlace(const std::wstring& server) const {
    std::lock_guard zamek(zamek_);
    return NajitBezZamku(server);
}

std::wstring SeznamFtpMist::ProblemNovehoServeru(const std::wstring& server) const {
    if (server.size() < 4) return L"Není zadán platný název FTP serveru";
    if (FindPlace(server) >= 0) return L"Zadaný FTP server již v seznamu existuje";
    return {};
}

int SeznamFtpMist::AddPlace(const FtpMisto& misto) {
    std::vector<FtpMisto> nove;
    {
        std::lock_guard zamek(zamek_);
        if (NajitBezZamku(misto.server) >= 0) return -1;
        nove = mista_;
    }
    nove.push_back(misto);
    if (!Ulozit(nove)) return -1;
    std::lock_guard zamek(zamek_);
    mista_ = std::move(nove);
    return static_cast<int>(mista_.size()) - 1;
}

bool SeznamFtpMist::ZmenitMisto(int index, const FtpMisto& misto) {
    std::vector<FtpMisto> nove;
    {
        std::lock_guard zamek(zamek_);
        if (index < 0 || index >= static_cast<int>(mista_.size())) return false;
        const int jiny = NajitBezZamku(misto.server);
        if (jiny >= 0 && jiny != index) return false;
        nove = mista_;
    }
    nove[static_cast<std::size_t>(index)] = misto;
    if (!Ulozit(nove)) return false;
    std::lock_guard zamek(zamek_);
    mista_ = std::move(nove);
    return true;
}

bool SeznamFtpMist::RemovePlace(int index) {
    std::vector<FtpMisto> nove;
    {
        std::lock_guard zamek(zamek_);
        if (index < 0 || index >= static_cast<int>(mista_.size())) return false;
        nove = mista_;
    }
    nove.erase(nove.begin() + index);
    if (!Ulozit(nove)) return false;
    std::lock_guard zamek(zamek_);
    mista_ = std::move(nove);
    return true;
}

bool SeznamFtpMist::KopieMista(const std::wstring& server, FtpMisto& misto) const {
    std::lock_guard zamek(zamek_);
    const int i = NajitBezZamku(server);
    if (i < 0) return false;
    misto = mista_[static_cast<std::size_t>(i)];
    return true;
}

std::vector<FtpMisto> SeznamFtpMist::Mista() const {
    std::lock_guard zamek(zamek_);
    return mista_;
}

}  // namespace Holvent::Email
