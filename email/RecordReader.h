#pragma once

#include <string>

namespace Holvent::Email {

// Reads a record file written by RecordWriter. Field order, spacing and line breaks
// between fields play no part.
class RecordReader {
public:
    // Reads the whole file; failures raise Knihovna::Chyba and leave the reader empty.
    void Load(const std::wstring& cesta);
    // Sets the text directly (the file's decoded contents).
    void NastavitText(std::wstring text);
    // 0 and the next record of tag current, or 1 when there is none.
    int NextRecord(const std::wstring& tag);
    // 0 and the value of a field of the current record, or 1 (value unchanged).
    int Field(const std::wstring& nazev, std::wstring& hodnota) const;

    // Whether anything other than white space lies outside the records read so far
    // and after the current position: an opening tag without its end, or foreign text.
    bool ZbyvaNeprectenyText(const std::wstring& tag) const;

private:
    std::wstring text_;
    long long pozice_ = -1;
    std::wstring zaznam_;
};

}  // namespace Holvent::Email
