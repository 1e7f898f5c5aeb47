#pragma once

#include "app/NastaveniAplikace.h"
#include "ui/KopieHodnot.h"

// A copy of every stored application value for the application settings dialog.
class KopieNastaveniAplikace : public KopieHodnot {
public:
    explicit KopieNastaveniAplikace(const NastaveniAplikace& zdroj);

    // Writes every value into the record; from now on the copy compares against what it wrote.
    void Potvrdit(NastaveniAplikace& cil);
};
