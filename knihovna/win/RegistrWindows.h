#pragma once

#include "knihovna/Registr.h"

namespace Knihovna::WinApi {

// The current user's hive of the Windows registry (HKEY_CURRENT_USER).
class RegistrWindows final : public Registr {
public:
    // Access of every opened key: KEY_READ with set-value and create-subkey rights.
    static constexpr unsigned long kPristup = 0x2001F;

    std::uint32_t Otevrit(const std::wstring& cesta, bool vytvorit, std::unique_ptr<OtevrenyKlic>& klic) override;
    std::uint32_t SmazatStrom(const std::wstring& cesta) override;
};

}  // namespace Knihovna::WinApi
