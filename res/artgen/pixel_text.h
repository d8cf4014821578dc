// A 5x7 pixel face with descenders for the captions on the skin's buttons: capital letters from
// the cap line at row 0, small letters on a 5-row x-height from row 2, descenders to row 8.
// Only the characters that the captions use are drawn; others are left as gaps.
#pragma once
#include <string>

#include "res/artgen/canvas.h"

namespace art {

constexpr int kTextCapHeight = 7;

int TextWidth(const std::string& text);
// (x, y) is the top-left corner of the cap line.
void DrawText(Canvas& c, const std::string& text, int x, int y, const Paint& ink);
// Centred in the box horizontally; vertically the cap height is centred.
void DrawTextCentred(Canvas& c, const std::string& text, int x, int y, int w, int h, const Paint& ink);

}  // namespace art
