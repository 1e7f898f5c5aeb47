// The sample plug-in "Vodoznak Tervik": a magenta square in the top-left corner of every live frame, and a
// border round every snapshot whose colour tells where the snapshot went.
#define TERVIK_ZASUVNY_MODUL_BUILD
#include "TervikZasuvnyModul.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

namespace {

constexpr int32_t kCtverec = 16;  // side of the live frames' square, in pixels
constexpr int kOkraj = 4;         // width of the snapshots' border, in pixels

void Okraj(void* bitmapa, BYTE cervena, BYTE zelena, BYTE modra) {
    if (!bitmapa) return;
    auto* obrazek = static_cast<Gdiplus::Bitmap*>(bitmapa);
    const int sirka = static_cast<int>(obrazek->GetWidth());
    const int vyska = static_cast<int>(obrazek->GetHeight());
    Gdiplus::Graphics platno(obrazek);
    if (platno.GetLastStatus() != Gdiplus::Ok) return;  // e.g. an indexed bitmap: left as it is
    Gdiplus::SolidBrush stetec(Gdiplus::Color(255, cervena, zelena, modra));
    platno.FillRectangle(&stetec, 0, 0, sirka, kOkraj);
    platno.FillRectangle(&stetec, 0, vyska - kOkraj, sirka, kOkraj);
    platno.FillRectangle(&stetec, 0, 0, kOkraj, vyska);
    platno.FillRectangle(&stetec, sirka - kOkraj, 0, kOkraj, vyska);
}

}  // namespace

extern "C" {

void ZapisDoObrazu(uint8_t* data, int32_t sirka, int32_t vyska) {
    if (!data || sirka <= 0 || vyska <= 0) return;
    const int32_t radek = (sirka * 3 + 3) & ~3;
    const int32_t w = sirka < kCtverec ? sirka : kCtverec;
    const int32_t h = vyska < kCtverec ? vyska : kCtverec;
    // Rows are bottom-up: the picture's top rows are the last ones in memory.
    for (int32_t y = vyska - h; y < vyska; ++y) {
        uint8_t* p = data + static_cast<size_t>(y) * radek;
        for (int32_t x = 0; x < w; ++x, p += 3) {
            p[0] = 255;  // blue
            p[1] = 0;    // green
            p[2] = 255;  // red
        }
    }
}

void UpravaSnimkuDisk(void* bitmapa) { Okraj(bitmapa, 0, 0, 255); }         // blue
void UpravaSnimkuEmail(void* bitmapa) { Okraj(bitmapa, 0, 255, 0); }        // green
void UpravaSnimkuFtp(void* bitmapa) { Okraj(bitmapa, 255, 255, 0); }        // yellow
void UpravaSnimkuHttpServer(void* bitmapa) { Okraj(bitmapa, 255, 0, 0); }  // red

}  // extern "C"
