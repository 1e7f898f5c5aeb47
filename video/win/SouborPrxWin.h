#pragma once

#include <string>

#include "video/SouborPrx.h"

namespace Holvent::DirectShow {

// Reads a .prx file whole: the path must name an existing file with the extension ".prx" (any case),
// at most SouborPrx::kMaxVelikost bytes; failures raise Knihovna::Chyba (bad input E_INVALIDARG,
// file errors the system's code).
SouborPrx NacistSouborPrx(const std::wstring& cesta);

// Reads the values of a .prx file; a file that is missing, not ".prx", malformed or lacks one of the
// four attributes raises Knihovna::Chyba.
HodnotyPrx NacistHodnotyPrx(const std::wstring& cesta);

// Writes the values into a .prx file: reads it once, replaces the values in memory (a value outside its
// range is skipped) and writes it once through a temporary file that replaces the original, so that a
// failure leaves the file as it was. Failures raise Knihovna::Chyba.
void UlozitHodnotyPrx(const std::wstring& cesta, const HodnotyPrx& hodnoty);

}  // namespace Holvent::DirectShow
