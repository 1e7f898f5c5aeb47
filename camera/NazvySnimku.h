#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "camera/ParametrySouboru.h"
#include "knihovna/Chyba.h"
#include "knihovna/Hodiny.h"

// The next snapshot path, or why there is none.
struct CestaSnimku {
    Knihovna::Hresult hr = Knihovna::kS_OK;  // S_FALSE: a naming scheme that gives no path
    std::wstring cesta;
};

// The path of the next file in slozka by the naming scheme of soubor; pripona has its dot.
// Scheme 0 numbers with citac and advances it (from 1 again past "maxPocetSouboru" when old files
// may be overwritten, E_INVALIDARG and no change otherwise); 1 and 2 name by the local time;
// 101 is E_NOTIMPL.
CestaSnimku VytvoritCestuSnimku(const ParametrySouboru& soubor, std::uint32_t& citac, const std::wstring& slozka,
                                const std::wstring& pripona, const Knihovna::MistniCas& cas);

// The pattern the folder is searched with for delete-all: "N_*E".
std::wstring VzorMazaniSnimku(const std::wstring& jmeno, const std::wstring& pripona);
// Whether a file name (without folder) is one of the numbered snapshots N + "_" + digits + E,
// compared without regard to case; never for an empty N.
bool JeCislovanySnimek(std::wstring_view nazevSouboru, std::wstring_view jmeno, std::wstring_view pripona);

// What "otviratSnimekCim" opens a saved snapshot with.
enum class OtevreniSnimku { nic, otevrit, upravit, editor };  // nothing, verb "open", verb "edit", own editor
OtevreniSnimku ZpusobOtevreni(std::uint32_t otviratSnimekCim);
// "otviratSnimekKdy": bit 2 for a snapshot of the disk timer, bit 1 for any other.
bool OtevritPoUlozeni(std::uint32_t otviratSnimekKdy, bool automaticky);
