#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The names an FTP upload of a camera's snapshot works with.
namespace Holvent::Ftp {

// The name on the server: with maxPocetSouboru below 2 "soubor" and the extension; otherwise the counter is
// increased (back to 1 past maxPocetSouboru) and the name is "soubor", the counter and the extension.
std::wstring VzdalenyNazev(const std::wstring& soubor, const std::wstring& pripona, std::uint32_t maxPocetSouboru,
                           std::uint32_t& citac);

// The local file of the upload: the data folder, "\", the camera name with the characters files cannot carry
// replaced by '_', "_ftp" and the extension. Each camera has its own, whatever its disk snapshots are named.
std::wstring MistniSouborFtp(const std::wstring& slozkaDat, const std::wstring& jmenoKamery,
                             const std::wstring& pripona);

// The folder of the settings cut into its levels: "\" and "/" both separate, empty pieces and "." are left
// out; a leading separator starts at the server's root, otherwise at the login folder.
struct SlozkaFtp {
    bool odKorene = false;
    std::vector<std::wstring> urovne;
    // The path as FTP writes it ("/" between the levels, "/" in front from the root; "" = the login folder).
    std::wstring Cesta() const;
    bool operator==(const SlozkaFtp&) const = default;
};
SlozkaFtp RozlozitSlozkuFtp(const std::wstring& slozka);

}  // namespace Holvent::Ftp
