#pragma once

#include "knihovna/Obdelnik.h"

// What the live video window knows when it lays its picture out.
struct VstupRozvrzeni {
    bool grafExistuje = false;
    bool prizpusobit = false;  // fit to the window; else 1:1 with scroll bars
    // The client area without any scroll bars.
    int sirkaKlienta = 0;
    int vyskaKlienta = 0;
    // The current capture size (non-positive while unknown).
    int sirkaVidea = 0;
    int vyskaVidea = 0;
    // Current scroll positions (1:1 mode).
    int posunX = 0;
    int posunY = 0;
    // Width of a vertical and height of a horizontal scroll bar; 0 counts the bars as free.
    int sirkaSvislehoPosuvniku = 0;
    int vyskaVodorovnehoPosuvniku = 0;
    // Zoom of the non-fitted mode in percent (the image editor's 10 to 800; 100 = 1:1). Each scaled side is at least 1.
    int meritko = 100;
};

// Where the renderer goes and which scroll bars are shown.
struct RozvrzeniVidea {
    bool umistitVideo = false;  // false: no graph or no known size, the renderer is not moved
    Knihovna::Obdelnik video;   // client coordinates, right and bottom exclusive
    bool vodorovnyPosuvnik = false;
    bool svislyPosuvnik = false;
    // Scroll ranges (the video size), pages (the visible part) and the positions kept in range.
    int rozsahX = 0;
    int rozsahY = 0;
    int strankaX = 0;
    int strankaY = 0;
    int posunX = 0;
    int posunY = 0;
};

// Fit mode centres a picture that fits and shrinks one that does not, keeping its aspect ratio
// (never enlarged); 1:1 mode puts it at its natural size (times meritko) at the origin, moved by the scroll
// positions.
RozvrzeniVidea RozvrhnoutVideo(const VstupRozvrzeni& vstup);

// The size the renderer window gets right after the graph starts: the capture size when it is
// larger than 32 × 31, else 320 × 240.
void VelikostRendereru(int sirkaVidea, int vyskaVidea, int& sirka, int& vyska);
