#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "camera/ParametryKamery.h"

// Which files of a folder the camera wrote itself: the storage retention touches nothing else.

// One kind of the camera's files (its snapshots, its recordings) as its settings name them.
struct DruhSouboruKamery {
    std::uint32_t vytvJmena = 0;        // the naming scheme: 0 chosen name + number, 1 and 2 date and time
    std::wstring jmeno;                 // the chosen name
    bool bezCisla = false;              // "maxPocetSouboru" 0: the chosen name alone
    bool hodinaDvemaCislicemi = true;   // snapshots write the hour as "%.2d", recordings as "%d"
    std::vector<std::wstring> pripony;  // with their dots
    bool operator==(const DruhSouboruKamery&) const = default;
};

// Whether a file name (without folder) is one the camera writes for this kind: the chosen name + "_" + 1 to 20
// digits under any scheme (it carries the camera's name), the chosen name alone while "maxPocetSouboru" is 0, and
// a date-and-time name (to the second or to the millisecond) only while the scheme names by date and time; always
// with one of the kind's extensions. Compared without regard to case, as the file system does; a name with a path
// separator, a colon (a stream) or nothing before its extension never matches.
bool JeSouborKamery(std::wstring_view nazev, const DruhSouboruKamery& druh);

// A folder the retention looks after, with the kinds of the camera's files that are written into it.
struct SlozkaKamery {
    std::wstring slozka;
    std::vector<DruhSouboruKamery> druhy;
    bool operator==(const SlozkaKamery&) const = default;
};
bool JeSouborKamery(std::wstring_view nazev, const SlozkaKamery& slozka);

// The camera's snapshot folder (its snapshots with the five image extensions), its motion-video folder and its
// recording folder (its recordings, ".avi" and ".wmv"). A folder named twice (in any case, with or without a
// trailing backslash) comes once with the kinds of both; an empty folder setting is left out.
std::vector<SlozkaKamery> SlozkyKamery(const ParametryKamery& parametry);
