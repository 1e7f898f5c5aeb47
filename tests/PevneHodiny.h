#pragma once

#include "knihovna/Hodiny.h"

// A clock that says what the test sets.
class PevneHodiny final : public Knihovna::Hodiny {
public:
    Knihovna::MistniCas cas{2026, 12, 6, 5, 7, 3, 9, 0};
    std::uint32_t tiky = 0;
    Knihovna::MistniCas Ted() const override { return cas; }
    std::uint32_t Tiky() const override { return tiky; }
};
