#pragma once

#include "testkamera/FormatKamery.h"

namespace TestovaciKamera {

// When the streaming thread makes its next frame: a steady rate that drops frames after a stall
// instead of delivering a burst.
class CasovaniSnimku {
public:
    explicit CasovaniSnimku(Cas100ns interval) : interval_(interval) {}

    // The first frame is due at once.
    void Zacit(Cas100ns ted) { dalsi_ = ted; }
    // How long to wait from ted until the next frame is due (0 when it is due).
    Cas100ns Cekat(Cas100ns ted) const { return dalsi_ > ted ? dalsi_ - ted : 0; }
    // A frame was made at ted; returns the number of frames skipped because of lateness.
    int Snimek(Cas100ns ted);

private:
    Cas100ns interval_;
    Cas100ns dalsi_ = 0;
};

}  // namespace TestovaciKamera
