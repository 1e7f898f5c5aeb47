#pragma once

#include "knihovna/Hodiny.h"

namespace Knihovna::WinApi {

// GetLocalTime and GetTickCount.
class HodinyWindows final : public Hodiny {
public:
    MistniCas Ted() const override;
    std::uint32_t Tiky() const override;
};

}  // namespace Knihovna::WinApi
