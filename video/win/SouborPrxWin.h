#pragma once

#include <string>

#include "video/SouborPrx.h"

namespace Holvent::DirectShow {

// Reads the values of a .prx file; a file that is missing, not ".prx", malformed or lacks one of the
// four attributes raises Knihovna::Chyba.
HodnotyPrx NacistHodnotyPrx(const std::wstring& cesta);

}  // namespace Holvent::DirectShow
