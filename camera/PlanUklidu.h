#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "camera/ParametryKamery.h"

// The storage retention's plan: which of the camera's files go, computed over a listing of its folders.

// One of the camera's files as its folder lists it.
struct SouborUklidu {
    std::wstring nazev;          // without folder
    std::uint64_t velikost = 0;  // bytes
    std::int64_t cas = 0;        // last write, in 100 ns units (FILETIME) on the same scale as the plan's "now"
};

// The camera's files of one folder and the drive the folder lies on (folders of one drive share its free space).
struct VypisSlozky {
    std::wstring slozka;
    std::wstring disk;
    std::vector<SouborUklidu> soubory;
};

enum class DuvodSmazani { Stari, VelikostSlozky, VolneMisto };

struct SmazaniUklidu {
    std::size_t slozka = 0;  // index into the listing
    std::wstring nazev;
    std::uint64_t velikost = 0;
    DuvodSmazani duvod = DuvodSmazani::Stari;
    bool operator==(const SmazaniUklidu&) const = default;
};

// A file by its folder's index and its name.
using OznaceniSouboru = std::pair<std::size_t, std::wstring>;

inline constexpr std::int64_t kDen = 864000000000;  // in 100 ns units

// The files to delete, oldest first (by last write, then folder, then the shorter name, so that of two numbered names
// written at once the lower number goes first): first those older than "maxStariDni"
// days before ted; then, per folder, the oldest until the rest stays within "maxVelikostMB"; then, per drive, the
// oldest of all the drive's folders until its free space (volneMisto by disk, plus what the plan frees there) reaches
// "minVolneMB". The newest file of every folder always stays; so do the nesmazatelne (counted in the sizes, never
// chosen); a drive whose free space is unknown gets no free-space deletions. Nothing when every limit is 0.
std::vector<SmazaniUklidu> NaplanovatUklid(const std::vector<VypisSlozky>& vypis, const ParametryKamery::Uklid& limity,
                                           std::int64_t ted, const std::map<std::wstring, std::uint64_t>& volneMisto,
                                           const std::set<OznaceniSouboru>& nesmazatelne = {});
