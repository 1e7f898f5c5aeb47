#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace Holvent::Email {

// The snapshot files a camera keeps for e-mail in the data folder: "%s\%s_email%s" with one file,
// "%s\%s_email%.2d%s" with more (the camera name with the characters a file name cannot hold replaced by '_').
std::wstring SouborEmailu(const std::wstring& slozkaDat, const std::wstring& jmenoKamery, std::uint32_t citac,
                          std::uint32_t pocetSouboru, const std::wstring& pripona);

// The number of the next e-mail file, 1 to pocetSouboru and again from 1; lives as long as the camera's window.
class CitacEmailu {
public:
    // The number the next snapshot takes (a counter above pocetSouboru, after the setting was lowered, restarts).
    std::uint32_t Aktualni(std::uint32_t pocetSouboru);
    // After the snapshot was saved.
    void Posunout() { ++citac_; }

private:
    std::uint32_t citac_ = 1;
};

// The files a message carries: with pocetSouboru above 1 the existing numbered files 1 to pocetSouboru, else
// the one snapshot.
std::vector<std::wstring> PrilohyEmailu(const std::wstring& slozkaDat, const std::wstring& jmenoKamery,
                                        std::uint32_t pocetSouboru, const std::wstring& pripona,
                                        const std::wstring& snimek);

// Removes the numbered e-mail files of an earlier run (every number the setting allows), so that stale ones never
// go out as new; the number of files removed.
std::size_t SmazatStareSouboryEmailu(const std::wstring& slozkaDat, const std::wstring& jmenoKamery,
                                     const std::wstring& pripona);

// The most a message may carry in attachments.
inline constexpr std::uint64_t kMaxVelikostPriloh = 40ull * 1024 * 1024;
inline constexpr const wchar_t* kTextPrilisVelkePrilohy = L"Zpráva by měla %u MB příloh, nejvýše lze 40 MB.";
// The message for attachments over the limit (by the files' sizes), none when they fit.
std::optional<std::wstring> ChybaVelikostiPriloh(const std::vector<std::wstring>& soubory);

}  // namespace Holvent::Email
