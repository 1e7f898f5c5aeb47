#pragma once

#include <windows.h>

#include "video/InfoZarizeni.h"

// The capture devices of one DirectShow category (CLSID_VideoInputDeviceCategory,
// CLSID_AudioInputDeviceCategory), sorted and numbered. An empty category is an empty list; a
// device whose properties cannot be read is skipped; other failures raise. COM must be initialised.
SeznamZarizeni NacistZarizeni(REFCLSID kategorie);
void NacistZarizeniVideo(SeznamZarizeni& zarizeni);
void NacistZarizeniZvuk(SeznamZarizeni& zarizeni);

// The locale's case-insensitive order (lstrcmpiW), as the device lists use it.
int PorovnatPodleLokality(const std::wstring& a, const std::wstring& b);
