#include "camera/win/PismoSystemu.h"

#include <cstring>

static_assert(sizeof(LOGFONTW) == PopisPisma::kVelikost, "LOGFONTW is stored as 92 bytes");

PopisPisma PopisZLogfontu(const LOGFONTW& logfont) {
    std::array<std::uint8_t, PopisPisma::kVelikost> b{};
    std::memcpy(b.data(), &logfont, b.size());
    return PopisPisma::ZBajtu(b);
}

LOGFONTW LogfontZPopisu(const PopisPisma& popis) {
    const auto b = popis.Bajty();
    LOGFONTW logfont{};
    std::memcpy(&logfont, b.data(), b.size());
    return logfont;
}

PopisPisma VychoziPismoGui() {
    LOGFONTW logfont{};
    HGDIOBJ pismo = ::GetStockObject(DEFAULT_GUI_FONT);
    // Without it (no GDI at all) the core's stand-in serves.
    if (!pismo || ::GetObjectW(pismo, sizeof logfont, &logfont) != sizeof logfont) return PopisPisma::Vychozi();
    return PopisZLogfontu(logfont);
}
