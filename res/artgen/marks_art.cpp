// Small marks drawn by the panes themselves: the key on locked tabs (four colours to choose
// from), the comment mark of the folder lists, and the favourites tree's root and group images.
// Black is their transparent colour, so their darkest ink stays just above it.
#include "res/artgen/button_faces.h"
#include "res/artgen/paint.h"

namespace art {
namespace {

struct KeyColours {
    Rgba top, bottom, edge;
};

constexpr KeyColours kKeyColours[] = {
    {Rgba{255, 226, 110, 255}, Rgba{222, 150, 24, 255}, Rgba{112, 70, 8, 255}},   // gold
    {Rgba{244, 246, 250, 255}, Rgba{156, 166, 182, 255}, Rgba{70, 78, 92, 255}},  // silver
    {Rgba{250, 136, 118, 255}, Rgba{192, 48, 40, 255}, Rgba{96, 18, 14, 255}},    // red
    {Rgba{140, 214, 255, 255}, Rgba{36, 118, 206, 255}, Rgba{14, 52, 104, 255}},  // blue
};

}  // namespace

// Look: the colour 0 gold, 1 silver, 2 red, 3 blue.
void PaintLockKey(Canvas& c, int look) {
    const KeyColours& k = kKeyColours[look];
    Paint metal = Vertical(k.top, 1, k.bottom, 15);
    // Outline first, then the metal inside it.
    c.StrokeCircle(5, 4.5, 3.0, 3.4, k.edge);
    c.FillRect(3, 7, 4, 9, k.edge);
    c.FillRect(6, 11, 4, 5, k.edge);
    c.StrokeCircle(5, 4.5, 3.0, 1.6, metal);
    c.FillRect(4, 7, 2, 8, metal);
    c.FillRect(6, 12, 3, 1, metal);
    c.FillRect(6, 14, 2, 1, metal);
}

void PaintCommentMark(Canvas& c, int) {
    // A yellow note with a turned corner in the lower right of the icon.
    c.FillPolygon({{6, 6}, {16, 6}, {16, 13}, {13, 16}, {6, 16}}, Rgb(120, 92, 20));
    c.FillPolygon({{7, 7}, {15, 7}, {15, 12}, {12, 15}, {7, 15}}, Rgb(255, 236, 120));
    c.FillPolygon({{12, 15}, {12, 12}, {15, 12}}, Rgb(228, 190, 60));
    c.HLine(8, 13, 9, Rgb(150, 110, 30));
    c.HLine(8, 11, 11, Rgb(150, 110, 30));
}

void PaintFavouritesRoot(Canvas& c, int) {
    DrawStar(c, 8, 8.6, 7.6, Vertical(Rgb(255, 226, 110), 1, Rgb(236, 150, 20), 15), Rgb(150, 90, 8));
}

void PaintFavouritesGroup(Canvas& c, int) {
    DrawFolder(c, 0, 2, 16, 13, Rgb(156, 186, 228), Rgb(92, 128, 190), Rgb(40, 64, 110));
    DrawStar(c, 8, 9.2, 4.2, Rgb(255, 210, 80), Rgb(150, 90, 8));
}

}  // namespace art
