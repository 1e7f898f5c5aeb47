#pragma once

#include <cstdio>
#include <string>

namespace Holvent::Email {

// Writes a record file: UTF-16LE without a byte-order mark, one field per line, values
// verbatim. The file is open for this writer alone. Failures raise Knihovna::Chyba.
class RecordWriter {
public:
    RecordWriter() = default;
    ~RecordWriter();
    RecordWriter(const RecordWriter&) = delete;
    RecordWriter& operator=(const RecordWriter&) = delete;

    // Creates or truncates the file, shared with no one; an open file is closed first.
    void Open(const std::wstring& cesta);
    // Checks values as Open would, writing nothing anywhere.
    void OtevritJenProKontrolu();
    // Ends an open record, then writes the opening line of a new one.
    void BeginRecord(const std::wstring& tag);
    // A value holding a text the reader would take for the end of its field or for the
    // start or end of a record is refused (E_INVALIDARG) and nothing is written.
    void WriteField(const std::wstring& nazev, const std::wstring& text);
    void WriteField(const std::wstring& nazev, int cislo);
    void EndRecord();
    // Flushes and closes; a failed flush raises.
    void Close();

    // The part of a value that cannot be stored in the field of a record, or empty.
    static std::wstring ZakazanyText(const std::wstring& tag, const std::wstring& nazev, const std::wstring& hodnota);

private:
    void Zapsat(const std::wstring& text);
    bool JeOtevreny() const { return soubor_ || jenKontrola_; }

    std::FILE* soubor_ = nullptr;
    bool jenKontrola_ = false;
    std::wstring cesta_;
    std::wstring tag_;
};

}  // namespace Holvent::Email
