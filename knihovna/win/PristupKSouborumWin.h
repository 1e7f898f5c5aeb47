#pragma once

#include "knihovna/PristupKSouborum.h"

namespace Knihovna::WinApi {

// CreateFileW with read and write access, no sharing, open-always.
class PristupKSouborumWin final : public PristupKSouborum {
public:
    std::unique_ptr<SouborProPripojeni> OtevritProPripojeni(const std::wstring& cesta) override;
};

}  // namespace Knihovna::WinApi
