// A 3x5 pixel font for labelling the contact sheet: digits, capital letters and a few signs.
#pragma once
#include <string>

#include "res/artgen/canvas.h"

namespace art {

// Draws text with its top-left corner at (x, y), each font pixel `scale` pixels wide; characters
// the font lacks are left as gaps. Returns the width drawn.
int DrawLabel(Canvas& c, const std::string& text, int x, int y, Rgba colour, int scale = 1);
int LabelWidth(const std::string& text, int scale = 1);
constexpr int LabelHeight(int scale = 1) { return 5 * scale; }

}  // namespace art
