#pragma once

#include <functional>
#include <string>

#include "video/InfoZarizeni.h"
#include "video/win/HlavickyDirectShow.h"
#include "video/win/UkazatelCom.h"

namespace Holvent::DirectShow {

// A string property of a device's property bag; false when it is missing or not a string.
bool CistVlastnostZarizeni(IPropertyBag* vlastnosti, const wchar_t* jmeno, std::wstring& hodnota);

// Walks the devices of a category, giving each moniker with its property bag until the function
// returns true. An empty category is no error; monikers whose bag cannot be bound are skipped.
void ProjitZarizeni(REFCLSID kategorie, const std::function<bool(IMoniker*, IPropertyBag*)>& funkce);

// The capture filter of a stored video device, found by its device path (without regard to
// case). E_INVALIDARG for a record without name, E_FAIL when no present device has the path.
UkazatelCom<IBaseFilter> NajitZarizeniVidea(const InfoZarizeni& zarizeni);
// The capture filter of a stored audio device, found by the name the device reports.
UkazatelCom<IBaseFilter> NajitZarizeniZvuk(const InfoZarizeni& zarizeni);

}  // namespace Holvent::DirectShow
