#include "email/RecordReader.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Email {

void RecordReader::Load(const std::wstring& cesta) {
    text_.clear();
    zaznam_.clear();
    pozice_ = -1;
    errno = 0;
    std::ifstream soubor(std::filesystem::path(cesta), std::ios::binary);
    if (!soubor) {
        const auto kod = errno == EACCES ? Knihovna::HresultZWin32(Knihovna::kChybaPristupOdepren)
                                         : Knihovna::HresultZWin32(Knihovna::kChybaSouborNenalezen);
        Knihovna::Vyhodit(kod, Knihovna::Formatovat(L"Soubor \"%s\" se nepodařilo otevřít.", cesta.c_str()));
    }
    std::string bajty((std::istreambuf_iterator<char>(soubor)), std::istreambuf_iterator<char>());
    if (soubor.bad())
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
    zaznam_.clear();
    pozice_ = 0;
}

int RecordReader::NextRecord(const std::wstring& tag) {
    if (pozice_ < 0) return 1;
    const std::wstring otevreni = L"<" + tag + L">";
    const std::wstring uzavreni = L"</" + tag + L">";
    const std::size_t zacatek = text_.find(otevreni, static_cast<std::size_t>(pozice_));
    if (zacatek == std::wstring::npos) return 1;
    pozice_ = static_cast<long long>(zacatek);
    const std::size_t konec = text_.find(uzavreni, zacatek + otevreni.size());
    if (konec == std::wstring::npos) return 1;
    zaznam_ = text_.substr(zacatek + otevreni.size(), konec - zacatek - otevreni.size());
    // The position stays at the closing tag, past which the next search starts.
    pozice_ = static_cast<long long>(konec);
    return 0;
}

int RecordReader::Field(const std::wstring& nazev, std::wstring& hodnota) const {
    const std::wstring otevreni = L"<" + nazev + L">";
    const std::size_t zacatek = zaznam_.find(otevreni);
    if (zacatek == std::wstring::npos) return 1;
    const std::size_t od = zacatek + otevreni.size();
    const std::size_t konec = zaznam_.find(L"</" + nazev + L">", od);
    if (konec == std::wstring::npos) return 1;
    hodnota = zaznam_.substr(od, konec - od);
    return 0;
}

bool RecordReader::ZbyvaNeprectenyText(const std::wstring& tag) const {
    if (pozice_ < 0) return false;
    std::size_t od = static_cast<std::size_t>(pozice_);
    const std::wstring uzavreni = L"</" + tag + L">";
    if (text_.compare(od, uzavreni.size(), uzavreni) == 0) od += uzavreni.size();
    for (std::size_t i = od; i < text_.size(); ++i) {
        const wchar_t z = text_[i];
        if (z != L' ' && z != L'\t' && z != L'\r' && z != L'\n' && z != 0xFEFF) return true;
    }
    return false;
}

}  // namespace Holvent::Email
