#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The image editor's sizes: the resize dialog's rule and the view's zoom steps.
namespace Holvent::Obrazky {

struct Rozmery {
    std::uint32_t sirka = 0;
    std::uint32_t vyska = 0;
    bool operator==(const Rozmery&) const = default;
};

// A side the resize dialog accepts.
inline constexpr std::uint32_t kMinStranaZmeny = 1;
inline constexpr std::uint32_t kMaxStranaZmeny = 10000;

// Nothing when the side may be taken, else "Zadejte hodnotu v rozsahu 1 - 10000".
std::optional<std::wstring> OveritStranuZmeny(std::int64_t strana);

// The size a picture of size stara gets for the requested size; nothing when the result equals the current size
// (nothing is to be done). With the aspect ratio kept the result fits inside the requested box: when
// new width ÷ old width ≤ new height ÷ old height the height follows the width, else the width follows the
// height (truncating); a side never drops below 1. The requested sides must be within 1–10000.
std::optional<Rozmery> NovaVelikost(Rozmery stara, Rozmery pozadovana, bool zachovatPomer);

// "%d x %d  bodů" (two blanks before "bodů"), as the resize dialog and the status bar show a size.
std::wstring TextRozmeru(Rozmery r);

// The view's zoom in percent, 10 to 800, in steps; 100 is 1:1.
inline constexpr int kMinMeritko = 10;
inline constexpr int kMaxMeritko = 800;
// The next step up (vetsi) or down from procenta; stays at the ends of the range.
int DalsiMeritko(int procenta, bool vetsi);
// The zoom of a fitted picture shown at sirkaZobrazena of its sirka pixels (at most 100, the view never enlarges
// it), for the status bar.
int MeritkoPrizpusobeni(int sirkaZobrazena, int sirka);
// The status bar's zoom: "%d %%".
std::wstring TextMeritka(int procenta);

}  // namespace Holvent::Obrazky
