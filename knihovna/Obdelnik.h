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

// Two unsigned 16-bit halves in one stored DWORD ("Poloha": x low, y high; "Velikost": width low, height high).
constexpr std::uint32_t SlozitDvojici(int dolni, int horni) {
    return (static_cast<std::uint32_t>(dolni) & 0xFFFFu) | ((static_cast<std::uint32_t>(horni) & 0xFFFFu) << 16);
}
constexpr int DolniPolovina(std::uint32_t hodnota) { return static_cast<int>(hodnota & 0xFFFFu); }
constexpr int HorniPolovina(std::uint32_t hodnota) { return static_cast<int>(hodnota >> 16); }

// Moves the rectangle fully into the area (a monitor's work area), keeping its size; one larger
// than the area is shrunk to it.
Obdelnik PritahnoutDoOblasti(const Obdelnik& okno, const Obdelnik& oblast);

}  // namespace Knihovna
