#pragma once

#include "camera/ParametryKamery.h"
#include "ui/KopieHodnot.h"

// A copy of the camera values that the camera settings pages edit. Values no page edits (the running counters,
// the window's position, the devices, the scheduled times) stay out of it, so the camera may change them while
// the dialog is open.
class KopieParametruKamery : public KopieHodnot {
public:
    explicit KopieParametruKamery(const ParametryKamery& zdroj);

    // Writes every value of the copy into its record field; from now on the copy compares against what it wrote.
    void Potvrdit(ParametryKamery& cil);
    // Writes the values into a record without committing them (the values the pages show, for the test message).
    void Zapsat(ParametryKamery& cil) const;
};
