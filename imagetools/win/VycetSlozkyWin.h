#pragma once

#include "imagetools/Promitani.h"

namespace Holvent::Obrazky {

// The folder's entries by FindFirstFileW/FindNextFileW on folder + "\*", reparse points marked (never followed).
void VycetSlozkyWin(const std::wstring& slozka, const std::function<bool(const PolozkaSlozky&)>& polozka);

}  // namespace Holvent::Obrazky
