#pragma once

#include <cstdint>
#include <string>

// How the files of one kind (snapshots to disk, video recordings) are named and numbered.
struct ParametrySouboru {
    std::uint32_t vytvJmena = 0;  // 0 name + number, 1 date and time to seconds, 2 to milliseconds
    std::wstring jmeno;           // without folder and extension
    std::uint32_t posledniCislo = 1;  // number of the next file
    std::uint32_t maxPocetSouboru = 10000;
    std::uint32_t pocetMistCisla = 0;
    bool prepisovatStare = true;

    bool operator==(const ParametrySouboru&) const = default;
};
