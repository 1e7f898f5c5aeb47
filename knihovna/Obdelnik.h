#pragma once

#include <cstdint>

namespace Knihovna {

// A rectangle in screen or client coordinates (right and bottom exclusive, as RECT).
struct Obdelnik {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Sirka() const { return right - left; }
    int Vyska() const { return bottom - top; }
    bool operator==(const Obdelnik&) const = default;
};

// Two 16-bit halves in one stored DWORD ("Poloha": x low, y high; "Velikost": width low, height high).
constexpr std::uint32_t SlozitDvojici(int dolni, int horni) {
    return (static_cast<std::uint32_t>(dolni) & 0xFFFFu) | ((static_cast<std::uint32_t>(horni) & 0xFFFFu) << 16);
}
// A size: unsigned halves.
constexpr int DolniPolovina(std::uint32_t hodnota) { return static_cast<int>(hodnota & 0xFFFFu); }
constexpr int HorniPolovina(std::uint32_t hodnota) { return static_cast<int>(hodnota >> 16); }
// A position: signed halves, so that a window on a monitor left of or above the primary one stays there.
constexpr int DolniPolovinaSeZnamenkem(std::uint32_t hodnota) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(hodnota & 0xFFFFu));
}
constexpr int HorniPolovinaSeZnamenkem(std::uint32_t hodnota) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(hodnota >> 16));
}

// A rectangle of GetWindowPlacement (workspace coordinates: relative to the work area, which a taskbar at
// the top or left moves away from the monitor's corner) in screen coordinates, on a monitor with that work area.
Obdelnik ZPracovniPlochyNaObrazovku(const Obdelnik& r, const Obdelnik& monitor, const Obdelnik& pracovniPlocha);

// Moves the rectangle fully into the area (a monitor's work area), keeping its size; one larger
// than the area is shrunk to it.
Obdelnik PritahnoutDoOblasti(const Obdelnik& okno, const Obdelnik& oblast);

}  // namespace Knihovna
