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
// The registry's limit for a key name, in characters.
inline constexpr std::size_t kNejdelsiJmenoModulu = 255;
inline constexpr const wchar_t* kTextModulJizVSeznamu = L"Tento zásuvný modul je již v seznamu.";

// The name a new entry gets from its proposed name (the product name or the file name): "\" becomes "_",
// at most kNejdelsiJmenoModulu characters, and unique in the list (" (2)", " (3)", ... as the registry
// compares names: without regard to case).
std::wstring JmenoNovehoModulu(const std::vector<ZasuvnyModul>& moduly, const std::wstring& navrh);
// Appends an entry for the DLL at cesta with all switches off and returns it; a path already in the list
// (compared without regard to case) throws kTextModulJizVSeznamu and leaves the list as it was.
// Whether a library path names its drive or share ("C:\\...", "\\\\server\\..."): only such a path is loaded, so
// that a plug-in is never looked for along the library search path or in the current folder.
bool JeAbsolutniCesta(const std::wstring& cesta);
// "Chyba načtení zásuvného modulu" with the library's path and the system's description of the failure.
std::wstring TextChybyNacteniModulu(const std::wstring& cesta, const std::wstring& systemovyPopis);
ZasuvnyModul& PridatZasuvnyModul(std::vector<ZasuvnyModul>& moduly, const std::wstring& cesta,
                                 const std::wstring& navrh);

// The list under cestaKamery\"Zasuvne moduly" in registry order; a missing key is an empty list.
// Unreadable values keep their defaults and are appended to chyby.
std::vector<ZasuvnyModul> NacistZasuvneModuly(Knihovna::Registr& registr, const std::wstring& cestaKamery,
                                              std::vector<Knihovna::Chyba>& chyby);
// Deletes "Zasuvne moduly" with everything below it and writes one subkey per entry in list order. Every name
// is checked first (not empty, no "\\", not too long, unique): a bad one throws before anything is deleted.
void UlozitZasuvneModuly(const std::vector<ZasuvnyModul>& moduly, Knihovna::Registr& registr,
                         const std::wstring& cestaKamery);
