#pragma once

#include <windows.h>

#include <string>

// Clears the rectangle to white and draws the text centred in it, white with a soft red glow
// (the look of the video windows while they show no picture). Never raises: a missing font draws nothing.
void KreslitZariciText(HDC dc, const RECT& oblast, const std::wstring& text);
