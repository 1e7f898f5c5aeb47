#include "email/RecordReader.h"

#include <cstdio>
#include <memory>

#include "email/OtevreniSouboru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Email {

namespace {

bool JeMezera(wchar_t z) { return z == L' ' || z == L'\t' || z == L'\r' || z == L'\n' || z == 0xFEFF; }

bool JenMezery(std::wstring_view text) {
    for (wchar_t z : text)
        if (!JeMezera(z)) return false;
    return true;
}

bool ZnakNazvu(wchar_t z) {
    return (z >= L'a' && z <= L'z') || (z >= L'A' && z <= L'Z') || (z >= L'0' && z <= L'9') || z == L'_' ||
           z == L'-' || z == L'.' || z == L':';
}

}  // namespace

void RecordReader::Load(const std::wstring& cesta) {
    text_.clear();
    pole_.clear();
    pozice_ = -1;
    poskozeny_ = false;
    std::uint32_t kod = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> soubor(OtevritSouborZaznamu(cesta, false, kod), &std::fclose);
    if (!soubor) {
        const wchar_t* text = L"Soubor \"%s\" se nepodařilo otevřít.";
        if (kod == Knihovna::kChybaSdileni)
            text = L"Soubor \"%s\" nelze přečíst, protože je uzamčen: právě jej používá jiný program.";
        else if (kod == Knihovna::kChybaSouborNenalezen || kod == Knihovna::kChybaCestaNenalezena)
            text = L"Soubor \"%s\" nebyl nalezen.";
        Knihovna::Vyhodit(Knihovna::HresultZWin32(kod), Knihovna::Formatovat(text, cesta.c_str()));
    }
    std::string bajty;
    char buffer[8192];
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, soubor.get())) > 0) bajty.append(buffer, n);
    if (std::ferror(soubor.get()))
        Knihovna::Vyhodit(Knihovna::kE_FAIL,
                          Knihovna::Formatovat(L"Soubor \"%s\" se nepodařilo přečíst.", cesta.c_str()));
    // Two bytes per character: an odd size means the file was cut off while being written.
    if (bajty.size() % 2 != 0)
        Knihovna::Vyhodit(Knihovna::HresultZWin32(Knihovna::kChybaNeplatnaData),
                          Knihovna::Formatovat(L"Soubor \"%s\" je neúplný nebo poškozený.", cesta.c_str()));
    NastavitText(Knihovna::DekodovatUtf16LE(bajty));
}

void RecordReader::NastavitText(std::wstring text) {
    text_ = std::move(text);
    pole_.clear();
    pozice_ = 0;
    poskozeny_ = false;
}

int RecordReader::NextRecord(const std::wstring& tag) {
    if (pozice_ < 0) return 1;
    const std::wstring otevreni = L"<" + tag + L">";
    const std::wstring uzavreni = L"</" + tag + L">";
    std::size_t od = static_cast<std::size_t>(pozice_);
    if (text_.compare(od, uzavreni.size(), uzavreni) == 0) od += uzavreni.size();
    const std::size_t zacatek = text_.find(otevreni, od);
    if (zacatek == std::wstring::npos) return 1;
    // Whatever is skipped on the way is a record that could not be recognised.
    if (!JenMezery(std::wstring_view(text_).substr(od, zacatek - od))) poskozeny_ = true;
    pozice_ = static_cast<long long>(zacatek);
    const std::size_t konec = text_.find(uzavreni, zacatek + otevreni.size());
    if (konec == std::wstring::npos) return 1;
    RozebratPole(tag, std::wstring_view(text_).substr(zacatek + otevreni.size(), konec - zacatek - otevreni.size()));
    // The position stays at the closing tag, past which the next search starts.
    pozice_ = static_cast<long long>(konec);
    return 0;
}

void RecordReader::RozebratPole(const std::wstring& tag, std::wstring_view zaznam) {
    pole_.clear();
    const std::wstring otevreniZaznamu = L"<" + tag + L">";
    std::size_t p = 0;
    while (p < zaznam.size()) {
        const std::size_t lt = zaznam.find(L'<', p);
        if (lt == std::wstring_view::npos) break;
        std::size_t k = lt + 1;
        while (k < zaznam.size() && ZnakNazvu(zaznam[k])) ++k;
        // Text between fields that is no opening tag (such as the rest of a value cut at its
        // own closing tag by an earlier version) is passed over.
        if (k == lt + 1 || k >= zaznam.size() || zaznam[k] != L'>') {
            p = lt + 1;
            continue;
        }
        const std::wstring nazev(zaznam.substr(lt + 1, k - lt - 1));
        const std::size_t od = k + 1;
        const std::size_t konec = zaznam.find(L"</" + nazev + L">", od);
        if (konec == std::wstring_view::npos) {
            // A field without its end, or the start of a record that lost its end.
            poskozeny_ = true;
            p = od;
            continue;
        }
        std::wstring hodnota(zaznam.substr(od, konec - od));
        if (hodnota.find(otevreniZaznamu) != std::wstring::npos) poskozeny_ = true;
        pole_.emplace_back(nazev, std::move(hodnota));
        p = konec + nazev.size() + 3;
    }
}

int RecordReader::Field(const std::wstring& nazev, std::wstring& hodnota) const {
    for (const auto& [n, h] : pole_)
        if (n == nazev) {
            hodnota = h;
            return 0;
        }
    return 1;
}

bool RecordReader::ZbyvaNeprectenyText(const std::wstring& tag) const {
    if (pozice_ < 0) return false;
    if (poskozeny_) return true;
    std::size_t od = static_cast<std::size_t>(pozice_);
    const std::wstring uzavreni = L"</" + tag + L">";
    if (text_.compare(od, uzavreni.size(), uzavreni) == 0) od += uzavreni.size();
    return !JenMezery(std::wstring_view(text_).substr(od));
}

}  // namespace Holvent::Email
