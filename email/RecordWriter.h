#pragma once

#include <fstream>
#include <string>

namespace Holvent::Email {

// Writes a record file: UTF-16LE without a byte-order mark, one field per line, values
// verbatim. Failures raise Knihovna::Chyba.
class RecordWriter {
public:
    ~RecordWriter();

    // Creates or truncates the file; an open file is closed first.
    void Open(const std::wstring& cesta);
    // Ends an open record, then writes the opening line of a new one.
    void BeginRecord(const std::wstring& tag);
    void WriteField(const std::wstring& nazev, const std::wstring& text);
    void WriteField(const std::wstring& nazev, int cislo);
    void EndRecord();
    // Flushes and closes; a failed flush raises.
    void Close();

private:
    void Zapsat(const std::wstring& text);

    std::ofstream soubor_;
    std::wstring cesta_;
    std::wstring tag_;
};

}  // namespace Holvent::Email
