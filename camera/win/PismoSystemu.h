#pragma once

#include <windows.h>

#include "camera/PopisPisma.h"

// The record of a LOGFONTW, and back (the same 92 bytes).
PopisPisma PopisZLogfontu(const LOGFONTW& logfont);
LOGFONTW LogfontZPopisu(const PopisPisma& popis);
// The font of the stock object DEFAULT_GUI_FONT, the default of the snapshot text.
PopisPisma VychoziPismoGui();
