#pragma once

namespace Knihovna {

// The side in pixels of toolbar and menu images for a window's DPI: the program's strips are 16 px (96 DPI),
// 24 px (144 DPI) and 32 px (192 DPI); a DPI between two of them takes the nearer, a tie the larger.
constexpr int VelikostObrazku(unsigned dpi) { return dpi >= 168 ? 32 : dpi >= 120 ? 24 : 16; }

}  // namespace Knihovna
