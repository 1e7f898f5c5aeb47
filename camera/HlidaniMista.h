#pragma once

#include <cstdint>
#include <optional>

#include "knihovna/Chyba.h"

// The disk-full guard of one camera: a snapshot or recording that could not be written for lack of space is
// reported at most once an hour, however often the timers retry it.
class HlidaniMista {
public:
    static constexpr std::uint32_t kOdstupHlaseni = 3600000;  // ms

    // A write failed for lack of space at tiky (ms, wrapping like GetTickCount): whether to tell the user now.
    bool Nahlasit(std::uint32_t tiky);

private:
    std::optional<std::uint32_t> nahlaseno_;
};

// Whether a failure is the disk's lack of space: ERROR_DISK_FULL, ERROR_HANDLE_DISK_FULL (as HRESULTs or bare) and
// STG_E_MEDIUMFULL, which a stream's write gives.
bool JeNedostatekMista(Knihovna::Hresult hr);
