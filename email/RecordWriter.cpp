#include "email/RecordWriter.h"

#include "email/OtevreniSouboru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Email {

RecordWriter::~RecordWriter() {
    if (soubor_) std::fclose(soubor_);
}

void RecordWriter::Open(const std::wstring& cesta) {
    if (soubor_) std::fclose(soubor_);
    soubor_ = nullptr;
    jenKontrola_ = false;
    tag_.clear();
    cesta_ = cesta;
    std::uint32_t kod = 0;
    soubor_ = OtevritSouborZaznamu(cesta, true, kod);
    if (!soubor_) {
        const wchar_t* text = kod == Knihovna::kChybaSdileni
                                  ? L"Soubor \"%s\" nelze přepsat, protože jej právě používá jiný program."
                                  : L"Soubor \"%s\" se nepodařilo vytvořit.";
        Knihovna::Vyhodit(Knihovna::HresultZWin32(kod), Knihovna::Formatovat(text, cesta.c_str()));
    }
}

void RecordWriter::OtevritJenProKontrolu() {
    if (soubor_) std::fclose(soubor_);
    soubor_ = nullptr;
    jenKontrola_ = true;
    tag_.clear();
    cesta_.clear();
}

void RecordWriter::BeginRecord(const std::wstring& tag) {
    if (!tag_.empty()) EndRecord();
    if (!JeOtevreny()) Knihovna::Vyhodit(Knihovna::kE_HANDLE);
    Zapsat(L"<" + tag + L">\r\n");
    tag_ = tag;
}

std::wstring RecordWriter::ZakazanyText(const std::wstring& tag, const std::wstring& nazev,
                                        const std::wstring& hodnota) {
    // The reader ends a field at its first closing tag and a record at the record's first
    // closing tag; the record's opening tag inside a record marks a damaged file.
    for (const std::wstring& znacka : {L"</" + nazev + L">", L"</" + tag + L">", L"<" + tag + L">"})
        if (hodnota.find(znacka) != std::wstring::npos) return znacka;
    return {};
}

void RecordWriter::WriteField(const std::wstring& nazev, const std::wstring& text) {
    if (!JeOtevreny() || tag_.empty()) Knihovna::Vyhodit(Knihovna::kE_HANDLE);
    if (const std::wstring zakazany = ZakazanyText(tag_, nazev, text); !zakazany.empty())
        Knihovna::Vyhodit(Knihovna::kE_INVALIDARG,
                          Knihovna::Formatovat(L"Hodnota pole \"%s\" nesmí obsahovat text \"%s\".", nazev.c_str(),
                                               zakazany.c_str()));
    Zapsat(L" <" + nazev + L">" + text + L"</" + nazev + L">\r\n");
}

void RecordWriter::WriteField(const std::wstring& nazev, int cislo) {
    WriteField(nazev, std::to_wstring(cislo));
}

void RecordWriter::EndRecord() {
    if (tag_.empty()) return;
    if (!JeOtevreny()) Knihovna::Vyhodit(Knihovna::kE_HANDLE);
    Zapsat(L"</" + tag_ + L">\r\n");
    tag_.clear();
}

void RecordWriter::Close() {
    tag_.clear();
    jenKontrola_ = false;
    if (!soubor_) return;
    const bool dobre = std::fflush(soubor_) == 0 && !std::ferror(soubor_);
    const bool zavreno = std::fclose(soubor_) == 0;
    soubor_ = nullptr;
    if (!dobre || !zavreno)
        Knihovna::Vyhodit(Knihovna::kE_FAIL,
                          Knihovna::Formatovat(L"Do souboru \"%s\" se nepodařilo zapsat.", cesta_.c_str()));
}

void RecordWriter::Zapsat(const std::wstring& text) {
    if (jenKontrola_) return;
    const std::string bajty = Knihovna::KodovatUtf16LE(text);
    if (std::fwrite(bajty.data(), 1, bajty.size(), soubor_) != bajty.size())
        Knihovna::Vyhodit(Knihovna::kE_FAIL,
                          Knihovna::Formatovat(L"Do souboru \"%s\" se nepodařilo zapsat.", cesta_.c_str()));
}

}  // namespace Holvent::Email
