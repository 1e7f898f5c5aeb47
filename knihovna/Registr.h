#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace Knihovna {

// Registry value types (the platform's REG_* numbers).
constexpr std::uint32_t kRegNone = 0;
constexpr std::uint32_t kRegSz = 1;
constexpr std::uint32_t kRegExpandSz = 2;
constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
constexpr std::uint32_t kRegMultiSz = 7;
constexpr std::uint32_t kRegQword = 11;

// One open key. Every operation returns a Win32 error code (0 = success), as the platform does.
class OtevrenyKlic {
public:
    virtual ~OtevrenyKlic() = default;
    // RegQueryValueExW: with data null only type and size are told; too small a buffer gives
    // kChybaViceDat with the needed size; a missing value kChybaSouborNenalezen.
    virtual std::uint32_t CistHodnotu(const std::wstring& jmeno, std::uint32_t* typ, void* data,
                                      std::uint32_t* velikost) = 0;
    virtual std::uint32_t ZapsatHodnotu(const std::wstring& jmeno, std::uint32_t typ, const void* data,
                                        std::uint32_t velikost) = 0;
    virtual std::uint32_t SmazatHodnotu(const std::wstring& jmeno) = 0;
    // Names by index; kChybaZadneDalsiPolozky past the end.
    virtual std::uint32_t VyctiHodnotu(std::uint32_t index, std::wstring& jmeno) = 0;
    virtual std::uint32_t VyctiPodklic(std::uint32_t index, std::wstring& jmeno) = 0;
    virtual std::uint32_t Zavrit() = 0;
};

// The current user's registry hive (paths are relative to it).
class Registr {
public:
    virtual ~Registr() = default;
    // RegCreateKeyExW with vytvorit, else RegOpenKeyExW.
    virtual std::uint32_t Otevrit(const std::wstring& cesta, bool vytvorit,
                                  std::unique_ptr<OtevrenyKlic>& klic) = 0;
    // SHDeleteKeyW: the key with everything below it.
    virtual std::uint32_t SmazatStrom(const std::wstring& cesta) = 0;
};

}  // namespace Knihovna
