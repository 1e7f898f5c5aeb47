#pragma once

#include <source_location>

#include "knihovna/Chyba.h"
#include "knihovna/win/GdiPlus.h"

namespace Holvent::GdiPlus {

// The HRESULT that carries a GDI+ status (Win32Error takes the thread's last error).
Knihovna::Hresult HresultStavu(Gdiplus::Status stav);

// Raises every status other than Ok, with the status in the text when no closer code exists.
void VyhoditPriChybe(Gdiplus::Status stav, std::source_location misto = std::source_location::current());

}  // namespace Holvent::GdiPlus
