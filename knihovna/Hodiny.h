#pragma once

#include <cstdint>

namespace Knihovna {

// Local time of day, as the platform's SYSTEMTIME has it (day of week 0 = Sunday).
struct MistniCas {
    int rok = 0;
    int mesic = 0;
    int denVTydnu = 0;
    int den = 0;
    int hodina = 0;
    int minuta = 0;
    int sekunda = 0;
    int milisekunda = 0;
};

// Where the program learns the time: the system on the product, a fixed clock in tests.
class Hodiny {
public:
    virtual ~Hodiny() = default;
    virtual MistniCas Ted() const = 0;
    // Milliseconds since start of the system, wrapping at 2^32 like GetTickCount.
    virtual std::uint32_t Tiky() const = 0;
};

// The portable system clock (<chrono>); the product uses the Win32 one.
class HodinySystemove final : public Hodiny {
public:
    MistniCas Ted() const override;
    std::uint32_t Tiky() const override;
};

}  // namespace Knihovna
