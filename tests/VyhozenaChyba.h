#pragma once

#include <optional>

#include "knihovna/Chyba.h"

// The error that f throws, if any: EXPECT_EQ(VyhozenaChyba(f).value().Hr(), ...) fails the test when none is.
template <class F>
std::optional<Knihovna::Chyba> VyhozenaChyba(F&& f) {
    try {
        f();
    } catch (const Knihovna::Chyba& chyba) {
        return chyba;
    }
    return std::nullopt;
}
