#pragma once

#include <string>
#include <vector>

#include "email/FtpMisto.h"
#include "email/HlaseniChybyUloziste.h"
#include "email/UlozisteZaznamu.h"

namespace Holvent::Email {

// The FTP places of "FtpMista.rxml" in the data folder, rewritten whole after
// every change. A failure is reported and leaves the list as it was; a file that could
// not be read is never overwritten.
class SeznamFtpMist : public UlozisteZaznamu<FtpMisto> {
public:
    static constexpr const wchar_t* kNazevSouboru = L"FtpMista.rxml";
    static constexpr const wchar_t* kZaznam = L"ftp";

    SeznamFtpMist(std::wstring slozkaDat, HlaseniChybyUloziste hlaseni);

    // False when the file exists but could not be read (reported; the list is empty).
    bool LoadPlaces();
    bool SavePlaces();
    // Index of the place with the server (any letter case), or -1.
    int FindPlace(const std::wstring& server) const;
    // Appends and saves; -1 when the server exists or the save failed.
    int AddPlace(const FtpMisto& misto);
    // Replaces and saves; false (list unchanged) when the save failed or the new server
    // belongs to another place.
    bool ZmenitMisto(int index, const FtpMisto& misto);
    bool RemovePlace(int index);

    // The reason a new server cannot be added (too short, or already listed), or empty.
    std::wstring ProblemNovehoServeru(const std::wstring& server) const;
    // Why the place cannot be stored as it is (a server name too short, a bad port after it, a
    // value holding a tag of the file), or empty.
    static std::wstring ProblemMista(const FtpMisto& misto);
    // Copies the place with the server for a worker thread; false when there is none.
    bool KopieMista(const std::wstring& server, FtpMisto& misto) const;

    std::vector<FtpMisto> Mista() const;
};

}  // namespace Holvent::Email
