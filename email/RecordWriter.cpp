#include "email/RecordWriter.h"

#include <cerrno>
#include <filesystem>

#include "knihovna/Chyba.h"
#include "knihovna/Formatovani.h"
#include "knihovna/KodovaniUtf16.h"

namespace Holvent::Email {

namespace {

Knihovna::Hresult KodZErrno(int e) {
    switch (e) {
    case ENOENT: return Knihovna::HresultZWin32(Knihovna::kChybaCestaNenalezena);
    case EACCES:
    case EPERM: return Knihovna::HresultZWin32(Knihovna::kChybaPristupOdepren);
    case EBUSY: return Knihovna::HresultZWin32(Knihovna::kChybaSdileni);
    default: return Knihovna::kE_FAIL;
    }
}

}  // namespace

RecordWriter::~RecordWriter() {
    if (soubor_.is_open()) soubor_.close();
}

void RecordWriter::Open(const std::wstring& cesta) {
    if (soubor_.is_open()) soubor_.close();
    tag_.clear();
    cesta_ = cesta;
    errno = 0;
    soubor_.clear();
    soubor_.open(std::filesystem::path(cesta), std::ios::binary | std::ios::out | std::ios::trunc);
    if (!soubor_)
        Knihovna::Vyhodit(KodZErrno(errno),
                          Knihovna::Formatovat(L"Soubor \"%s\" se nepodařilo vytvořit.", cesta.c_str()));
}

void RecordWriter::BeginRecord(const std::wstring& tag) {
    if (!tag_.empty()) EndRecord();
    if (!soubor_.is_open()) Knihovna::Vyhodit(Knihovna::kE_HANDLE);
    Zapsat(L"<" + tag + L">\r\n");
    tag_ = tag;
}

void RecordWriter::WriteField(const std::wstring& nazev, const std::wstring& text) {
    if (!soubor_.is_open() || tag_.empty()) Knihovna::Vyhodit(Knihovna::kE_HANDLE);
    Zapsat(L" <" + nazev + L">" + text + L"</" + nazev + L">\r\n");
}

void RecordWriter::WriteField(const std::wstring& nazev, int cislo) {
    WriteField(nazev, std::to_wstring(cislo));
}

void RecordWriter::EndRecord() {
    if (tag_.empty()) return;
    if (!soubor_.is_open()) Knihovna::Vyhodit(Knihovna::kE_HANDLE);
    Zapsat(L"</" + tag_ + L">\r\n");
    tag_.clear();
}

void RecordWriter::Close() {
    if (!soubor_.is_open()) return;
    soubor_.flush();
    const bool dobre = static_cast<bool>(soubor_);
    soubor_.close();
    tag_.clear();
    if (!dobre || soubor_.fail())
        Knihovna::Vyhodit(Knihovna::kE_FAIL,
                          Knihovna::Formatovat(L"Do souboru \"%s\" se nepodařilo zapsat.", cesta_.c_str()));
}

void RecordWriter::Zapsat(const std::wstring& text) {
    const std::string bajty = Knihovna::KodovatUtf16LE(text);
    soubor_.write(bajty.data(), static_cast<std::streamsize>(bajty.size()));
    if (!soubor_)
        Knihovna::Vyhodit(Knihovna::kE_FAIL,
                          Knihovna::Formatovat(L"Do souboru \"%s\" se nepodařilo zapsat.", cesta_.c_str()));
}

}  // namespace Holvent::Email
