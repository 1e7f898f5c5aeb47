#include "app/VerzeWindows.h"

std::uint32_t KodVerzeWindows(std::uint32_t platforma, std::uint32_t hlavni, std::uint32_t vedlejsi) {
    if (platforma != kPlatformaNt) return 0;
    if (hlavni == 5) return vedlejsi == 0 ? 0x0500 : vedlejsi == 1 ? 0x0501 : 0x0502;
    if (hlavni == 6) return vedlejsi == 0 ? 0x0600 : vedlejsi == 1 ? 0x0601 : 0x0602;
    if (hlavni > 6) return 0xFFFF;
    return 0;
}
