#pragma once

#include <string>
#include <vector>

#include "email/EmailovyUcet.h"
#include "email/HlaseniChybyUloziste.h"
#include "email/UlozisteZaznamu.h"

namespace Holvent::Email {

// The e-mail accounts of "EmailoveUcty.rxml" in the data folder, rewritten whole after
// every change. A failure is reported and leaves the list as it was; a file that could
// not be read is never overwritten.
class SeznamUctu : public UlozisteZaznamu<EmailovyUcet> {
public:
    static constexpr const wchar_t* kNazevSouboru = L"EmailoveUcty.rxml";
    static constexpr const wchar_t* kZaznam = L"ucet";

    SeznamUctu(std::wstring slozkaDat, HlaseniChybyUloziste hlaseni);

    // False when the file exists but could not be read (reported; the list is empty).
    bool LoadAccounts();
    bool SaveAccounts();
    // Index of the account with the address (any letter case), or -1.
    int FindAccount(const std::wstring& email) const;
    // Appends and saves; -1 when the address exists or the save failed.
    int AddAccount(const EmailovyUcet& ucet);
    // Replaces and saves; false (list unchanged) when the save failed or the new address
    // belongs to another account.
    bool ZmenitUcet(int index, const EmailovyUcet& ucet);
    bool RemoveAccount(int index);

    // The reason a new address cannot be added ("Zadaná emailová adresa již existuje"), or empty.
    std::wstring ProblemNoveAdresy(const std::wstring& email) const;
    // Why the account cannot be stored as it is (a bad port after the server, a value holding a tag of the
    // file), or empty.
    static std::wstring ProblemUctu(const EmailovyUcet& ucet);
    // Copies the account with the address for a worker thread; false when there is none.
    bool KopieUctu(const std::wstring& email, EmailovyUcet& ucet) const;

    std::vector<EmailovyUcet> Ucty() const;
};

}  // namespace Holvent::Email
