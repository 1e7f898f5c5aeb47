#pragma once

#include <string>

// The size in whole points of a character height in pixels at the given dots per inch (rounded, at least 1).
int VelikostVBodech(int vyskaZnaku, int bodyNaPalec);

// How a font picker describes a font: "Tahoma, 10 pt, tučné, kurzíva" (the style words only when
// they apply; bold from the weight of a semibold font up).
std::wstring TextPisma(const std::wstring& jmeno, int body, int tloustka, bool kurziva);
