// The arithmetic of drawing list items: which colour an item's name takes, the placeholder tint
// of a thumbnail still being made, and where the parts of a row, a list entry and a thumbnail
// cell go relative to the rectangles the list control reports. No Windows header: built and
// tested natively too, so the file attribute bits are written out here.
#pragma once
#include <array>
#include <cstdint>
#include <functional>

#include "core/layout.h"
#include "core/settings_table.h"

namespace drawing {

using layout::Rect;

constexpr uint32_t kReadOnlyAttribute = 0x1;
constexpr uint32_t kHiddenAttribute = 0x2;
constexpr uint32_t kSystemAttribute = 0x4;
constexpr uint32_t kDirectoryAttribute = 0x10;

// The colour of an item's name from its file attributes (0 when they cannot be read). The first
// rule that fits wins: read-only, hidden, system, then files, then folders, which are asked
// whether they are empty only when empty folders have a colour of their own.
int ItemTextColour(const Settings& settings, uint32_t attributes, const std::function<bool()>& folderIsEmpty);

// A colour nine tenths of the way to white, each channel on its own.
uint32_t LightTint(uint32_t colour);

// The list style's name box: as wide as the name, but inside the label.
int ListNameWidth(int measuredWidth, int labelWidth);

// Rows are striped from the second on.
inline bool AlternateRow(int row) { return row % 2 == 1; }

// The band of a details column (1 to 4) or of the comment column (1): it starts where the
// columns before it end, measured from the row's left edge, and takes the name's height. The
// size column keeps 8 pixels free at its right, so that right-aligned sizes clear the next column.
Rect ColumnBand(const Rect& row, const Rect& name, const int* widths, int column);

// Thumbnail cells: the picture area is 130 by 98 pixels at the top of the icon rectangle; with
// polaroid frames the cell is 158 high and the caption fills the 60 pixels under the picture.
constexpr int kPictureWidth = 130;
constexpr int kPictureHeight = 98;

// Where a finished thumbnail of a size is copied: centred in the picture area.
layout::Point PicturePlace(const Rect& icon, int width, int height);
// The tinted box that stands for a thumbnail not made yet.
Rect PlaceholderBox(const Rect& icon, bool polaroid);

struct Caption {
    Rect comment;  // the ruled area the comment is written on
    Rect stamp;    // the date and size under it
    std::array<Rect, 5> rules;
};
Caption CaptionOf(const Rect& icon);
// Whether a click lands on the caption of a polaroid cell rather than on its picture.
bool OnCaption(const Rect& icon, int x, int y);

}  // namespace drawing
