#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "knihovna/Hodiny.h"
#include "knihovna/Obdelnik.h"

namespace TestovaciKamera {

// One pixel in the frame's byte order.
struct Bgr {
    std::uint8_t b = 0;
    std::uint8_t g = 0;
    std::uint8_t r = 0;
    bool operator==(const Bgr&) const = default;
};

// Everything one frame depends on: the time and number it shows, the scene and the effective
// image and camera-control values.
struct StavSnimku {
    Knihovna::MistniCas cas;
    std::uint32_t cislo = 0;
    int scena = 0;
    int zarizeni = 0;  // the device number shown after the frame number (0: none)
    int jas = 0;
    int kontrast = 50;
    int odstin = 0;
    int sytost = 100;
    int ostrost = 5;
    int zoom = 100;
};

// The test pattern: eight colour bars over a grey ramp and a clock strip with the time and the
// frame number (scene 0), or a moving background with an object crossing it (scene 1), or the still picture with
// noise in its top left quarter only (scene 2); zoom crops
// the centre and scales it up, the image properties change the finished picture.
class VzorKamery {
public:
    static constexpr int kPocetPruhu = 8;

    // Colour of bar i (0 white … 7 black) at neutral image settings.
    static Bgr BarvaPruhu(int i);
    // Areas in top-down picture coordinates.
    static Knihovna::Obdelnik OblastPruhu(int i, int sirka, int vyska);
    static Knihovna::Obdelnik OblastHodin(int sirka, int vyska);
    // "HH:MM:SS #NNNNNN", then " K<n>" for device n: the text drawn in the clock strip.
    static std::string TextHodin(const StavSnimku& stav);

    // Draws a bottom-up BGR frame (rows padded to 4 bytes) into cil, which holds
    // VelikostObrazu(sirka, vyska) bytes.
    void Vykreslit(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav);

private:
    void KreslitScenu(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav) const;
    void KreslitHodiny(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav) const;
    void Priblizit(std::uint8_t* cil, int sirka, int vyska, int zoom);
    void Zaostrit(std::uint8_t* cil, int sirka, int vyska, int ostrost);
    static void UpravitBarvy(std::uint8_t* cil, int sirka, int vyska, const StavSnimku& stav);

    std::vector<std::uint8_t> pomocny_;
    std::vector<std::uint16_t> soucty_;
};

}  // namespace TestovaciKamera
