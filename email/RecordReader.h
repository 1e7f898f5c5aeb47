#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

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
    // 0 and the value of a field of the current record, or 1 (value unchanged). The fields
    // are taken in order, each ending at its own first closing tag, so a value may hold
    // the tags of other fields.
    int Field(const std::wstring& nazev, std::wstring& hodnota) const;

    // Whether a record was lost on the way: anything other than white space before,
    // between or after the records read so far, a field without its end, or a record
    // holding the start of another.
    bool ZbyvaNeprectenyText(const std::wstring& tag) const;

private:
    void RozebratPole(const std::wstring& tag, std::wstring_view zaznam);

    std::wstring text_;
    long long pozice_ = -1;
    std::vector<std::pair<std::wstring, std::wstring>> pole_;
    bool poskozeny_ = false;
};

}  // namespace Holvent::Email
