#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "camera/ParametryKamery.h"

// One command a motion report posts to the camera window.
struct AkcePohybu {
    std::uint32_t prikaz;
    std::uintptr_t parametr;
    bool operator==(const AkcePohybu&) const = default;
};

// The actions of a motion report in their order (disk 40046(0), e-mail 40053(0), FTP 40052(0),
// video 40055(1)), each no more often than its least interval.
class CasyAkciPohybu {
public:
    static constexpr std::uint32_t kNikdy = 0xFFFFFFFF;
    // Which actions to post now (ted: the millisecond tick, wrapping); the taken ones get ted as their
    // last time. An action whose command is not dostupne yet is skipped without touching its time.
    std::vector<AkcePohybu> Vyhodnotit(const ParametryKamery::DetekcePohybu& nastaveni, std::uint32_t ted,
                                       const std::function<bool(std::uint32_t)>& dostupne);
    // All "never".
    void Resetovat();
    // 0 disk, 1 e-mail, 2 FTP, 3 video.
    std::uint32_t Posledni(int index) const;

private:
    std::uint32_t posledni_[4] = {kNikdy, kNikdy, kNikdy, kNikdy};
};
