#pragma once

#include <memory>
#include <mutex>
#include <string>

#include "knihovna/Registr.h"

namespace Knihovna {

// A registry held in memory with the platform's semantics: key and value names compared
// without regard to case, values enumerated in the order of creation, a deleted key
// refusing further use (kChybaKlicSmazan). For tests and for tools that work on a copy.
class RegistrVPameti final : public Registr {
public:
    RegistrVPameti();
    ~RegistrVPameti() override;

    std::uint32_t Otevrit(const std::wstring& cesta, bool vytvorit,
                          std::unique_ptr<OtevrenyKlic>& klic) override;
    std::uint32_t SmazatStrom(const std::wstring& cesta) override;

    // The number of keys opened and not yet closed (a leak check for callers).
    int PocetOtevrenych() const;

    struct Uzel;
    struct Stav;

private:
    std::shared_ptr<Stav> stav_;
};

}  // namespace Knihovna
