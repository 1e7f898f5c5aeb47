#pragma once

#include "knihovna/Obdelnik.h"

// Where a picture of sirka × vyska goes in a box of sirkaPole × vyskaPole (box coordinates): scaled
// down to fit with its aspect ratio kept, never enlarged, centred. Empty when either has no area.
Knihovna::Obdelnik UmisteniNahledu(int sirka, int vyska, int sirkaPole, int vyskaPole);
