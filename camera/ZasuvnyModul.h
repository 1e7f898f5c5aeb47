#pragma once

#include <string>
#include <vector>

#include "knihovna/Chyba.h"
#include "knihovna/Registr.h"

// One entry of a camera's snapshot plug-in list as stored: which library, and which of its
// functions are applied. Loading the libraries is the camera's business.
struct ZasuvnyModul {
    std::wstring jmeno;  // also the name of its registry subkey
    std::wstring cesta;  // full path of the DLL
    bool usDisk = false;
    bool usEmail = false;
    bool usFtp = false;
    bool usHS = false;  // snapshots of the HTTP server
    bool zdo = false;   // live frames

    bool operator==(const ZasuvnyModul&) const = default;
};

inline constexpr const wchar_t* kKlicZasuvnychModulu = L"Zasuvne moduly";

// The list under cestaKamery\"Zasuvne moduly" in registry order; a missing key is an empty list.
// Unreadable values keep their defaults and are appended to chyby.
std::vector<ZasuvnyModul> NacistZasuvneModuly(Knihovna::Registr& registr, const std::wstring& cestaKamery,
                                              std::vector<Knihovna::Chyba>& chyby);
// Deletes "Zasuvne moduly" with everything below it and writes one subkey per entry in list order.
void UlozitZasuvneModuly(const std::vector<ZasuvnyModul>& moduly, Knihovna::Registr& registr,
                         const std::wstring& cestaKamery);
