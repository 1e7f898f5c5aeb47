#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// One capture device (video or audio) as the platform's device enumerator describes it.
struct InfoZarizeni {
    std::wstring friendlyName;  // shown to the user; the identity of an audio device; may carry " #n"
    std::wstring popis;         // "Description"; usually only DV camcorders have one
    std::wstring devicePath;    // the identity of a video device

    bool operator==(const InfoZarizeni&) const = default;
};

using SeznamZarizeni = std::vector<InfoZarizeni>;

// Three-way comparison of two names without regard to case (negative, 0, positive).
using PorovnaniNazvu = std::function<int(const std::wstring&, const std::wstring&)>;

// The program's own case-insensitive order (the locale's one is used on Windows).
int PorovnatBezVelikosti(const std::wstring& a, const std::wstring& b);

// Sorts by friendly name and numbers exact duplicates " #2", " #3", ... in sorted order, skipping a number
// whose name another device already has, so that no two names are equal.
void SeraditAOcislovat(SeznamZarizeni& zarizeni, const PorovnaniNazvu& porovnani = PorovnatBezVelikosti);

enum class DruhZarizeni { Video, Zvuk };

// The item a device combo box selects for a stored record: video devices match by path, audio
// devices by name (both without regard to case), the last match wins, item 0 when none matches,
// nullopt when the list is empty.
std::optional<int> IndexVyberuZarizeni(const SeznamZarizeni& zarizeni, const InfoZarizeni& hledane, DruhZarizeni druh);

// The record of a combo box item whose data is an index into the list; nullopt when nothing is
// selected (index < 0) or the index is out of range.
std::optional<InfoZarizeni> ZarizeniZVyberu(const SeznamZarizeni& zarizeni, long long data);
