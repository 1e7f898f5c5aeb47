#pragma once

#include <mutex>
#include <string>
#include <vector>

#include "email/HlaseniChybyUloziste.h"

namespace Holvent::Email {

class RecordReader;
class RecordWriter;

// A list of records kept in one record file in the data folder, rewritten whole after
// every change. A failure is reported and leaves the list as it was; a file that could
// not be read is never overwritten. Zaznam is the record type; its key field (compared
// in any letter case) is unique in the list.
template <class Zaznam>
class UlozisteZaznamu {
public:
    // How the record type is stored.
    struct Popis {
        const wchar_t* nazevSouboru;
        const wchar_t* znackaZaznamu;
        // What the list is, in the failure texts ("seznam emailových účtů").
        const wchar_t* nazevSeznamu;
        std::wstring Zaznam::*klic;
        // Fills the record from the reader's current record, fields absent there left as they are.
        void (*nacist)(const RecordReader& ctenar, Zaznam& zaznam);
        // Writes the record's fields into the writer's open record.
        void (*zapsat)(RecordWriter& zapis, const Zaznam& zaznam);
    };

    UlozisteZaznamu(const Popis& popis, std::wstring slozkaDat, HlaseniChybyUloziste hlaseni);

    // False when the file exists but could not be read (reported; the list is empty, and
    // the file is kept: no save replaces it). Records repeating a key are left out and reported.
    bool Nacist();
    bool Ulozit();
    // Index of the record with the key (any letter case), or -1.
    int Najit(const std::wstring& klic) const;
    // Appends and saves; -1 when the key exists or the save failed.
    int Pridat(const Zaznam& zaznam);
    // Replaces and saves; false (list unchanged) when the save failed or the new key
    // belongs to another record.
    bool Zmenit(int index, const Zaznam& zaznam);
    bool Odebrat(int index);
    // Copies the record with the key for a worker thread; false when there is none.
    bool Kopie(const std::wstring& klic, Zaznam& zaznam) const;

    // Why the record cannot be stored (a value holding a tag that would end its field or
    // record), or empty.
    static std::wstring ProblemZaznamu(const Popis& popis, const Zaznam& zaznam);

    std::vector<Zaznam> Zaznamy() const;
    std::wstring Cesta() const;

private:
    bool UlozitSeznam(const std::vector<Zaznam>& zaznamy);
    int NajitBezZamku(const std::wstring& klic) const;

    const Popis& popis_;
    std::wstring slozkaDat_;
    HlaseniChybyUloziste hlaseni_;
    mutable std::mutex zamek_;
    std::vector<Zaznam> zaznamy_;
    bool lzeZapisovat_ = true;
};

}  // namespace Holvent::Email
