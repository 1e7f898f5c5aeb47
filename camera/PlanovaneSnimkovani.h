#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "knihovna/Hodiny.h"

// Scheduled snapshots of one camera (timer 8, every 5 s).
class PlanovaneSnimkovani {
public:
    // At the start of scheduled snapshots: nothing has fired yet.
    void Spustit();
    // One tick: the first entry (list order) whose today's instant lies within -10..+10 s of ted
    // and that has not fired yet on ted's date fires; its packed time is returned (nullopt: none).
    std::optional<std::uint32_t> Zkontrolovat(const std::vector<std::uint32_t>& planovane,
                                              const Knihovna::MistniCas& ted);
    // The packed time that fired last, 0 at start.
    std::uint32_t PosledniVystreleny() const { return posledniVystreleny_; }

private:
    // Per packed time the date (year * 10000 + month * 100 + day) it last fired on.
    std::map<std::uint32_t, std::int32_t> denVystreleni_;
    std::uint32_t posledniVystreleny_ = 0;
};

// Half of the window around an entry's instant in which a tick fires it, in seconds.
inline constexpr int kTolerancePlanu = 10;

// The commands a firing posts by "parametry" (bit 1 -> 40046, bit 2 -> 40052, bit 4 -> 40053), in that order.
std::vector<std::uint32_t> PrikazyNaplanovanehoSnimku(std::uint32_t parametry);
