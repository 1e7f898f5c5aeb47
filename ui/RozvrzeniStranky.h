#pragma once

#include <span>
#include <string>
#include <vector>

#include "ui/ModelStranky.h"

// Where the rows of a table page go, in dialog units: one row per value in table order, in one column when they
// all fit above the page's foot, else in two columns side by side.
namespace RozvrzeniStranky {

struct Oblast {
    short x, y, sirka, vyska;
};

struct Radek {
    short x, y, sirka, vyska;
    bool popisekNahore;  // the label has a line of its own above the control
};

// The pages' area of the application dialog and the larger one of the camera dialog, right of the tree.
inline constexpr Oblast kOblastAplikace{127, 24, 296, 212};
inline constexpr Oblast kOblastKamery{127, 24, 400, 300};

inline constexpr short kSirkaPopisku = 150;  // a label beside its control
inline constexpr short kSirkaCisla = 50;     // a number's edit
inline constexpr short kMezeraSloupcu = 8;

// How wide a text is, roughly: the average character of the dialog font is 4 units wide (the pages' test measures
// the real font).
short OdhadSirky(const std::wstring& text);
// A label goes beside its control when both fit into the column, else above it.
bool PopisekNahore(const ModelStranky::Hodnota& h, short sirka);
// The height of a value's row in a column of the width, with the space below it (and its heading above it).
short VyskaRadku(const ModelStranky::Hodnota& h, short sirka);
// The same without the heading: where the row's own label and control go.
short VyskaOvladace(const ModelStranky::Hodnota& h, short sirka);
// The box of a multi-line text: its lines of the dialog font and the border.
short VyskaTextu(const ModelStranky::Hodnota& h);
inline constexpr short kVyskaNadpisu = 12;  // a row's heading line
// The rows of the values; rezervaDole is kept free at the page's foot for the page's own controls.
std::vector<Radek> Rozlozit(std::span<const ModelStranky::Hodnota> hodnoty, const Oblast& oblast, short rezervaDole);

}  // namespace RozvrzeniStranky
