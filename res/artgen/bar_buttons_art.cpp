// Buttons on the white strips: the list header bars (back, up, view style, favourites), the
// info strips (sort direction and sort key), the folder tree bar (eraser, magnifier) and the
// favourites bar (new group). White is their transparent colour.
#include <string>

#include "res/artgen/button_faces.h"
#include "res/artgen/paint.h"
#include "res/artgen/pixel_text.h"

namespace art {
namespace {

constexpr Rgba kGoldTop = Rgba{255, 222, 96, 255};
constexpr Rgba kGoldBottom = Rgba{240, 160, 24, 255};
constexpr Rgba kGoldEdge = Rgba{168, 100, 8, 255};
constexpr Rgba kGreen = Rgba{36, 150, 60, 255};

// A light face and the ink and offset of the symbol on it.
struct LightButton {
    Rgba ink;
    double d;
};

LightButton Begin(Canvas& c, int look) {
    DrawLightFace(c, look);
    return LightButton{LightSymbolColour(look), static_cast<double>(PressOffset(look))};
}

void PlusBadge(Canvas& c, double cx, double cy, Rgba ink) {
    c.FillCircle(cx, cy, 3.4, Rgb(250, 252, 250));
    c.FillRect(static_cast<int>(cx) - 2, static_cast<int>(cy), 5, 1, ink);
    c.FillRect(static_cast<int>(cx), static_cast<int>(cy) - 2, 1, 5, ink);
}

// The face of a button whose mode is on: warm at rest, warm with the blue hover edge under the
// cursor, so that hovering does not hide the mode.
void ModeFace(Canvas& c, int look, bool on) {
    if (!on || look == kLookPressed) {
        DrawLightFace(c, look);
        return;
    }
    DrawLightFace(c, kLookOn);
    if (look == kLookHover) c.StrokeRoundRect(0, 0, c.Width(), c.Height(), 3, 1.4, Rgb(86, 136, 208));
}

const char* const kSortKeys[] = {"Name", "Size", "Type", "Date", "Attr"};

}  // namespace

void PaintBackButton(Canvas& c, int look) {
    LightButton b = Begin(c, look);
    double d = b.d;
    c.Line({7.5 + d, 8.0 + d}, {15.5 + d, 8.0 + d}, 2, b.ink);
    c.Polyline({{11.0 + d, 4.0 + d}, {7.0 + d, 8.0 + d}, {11.0 + d, 12.0 + d}}, 2, b.ink);
}

void PaintUpButton(Canvas& c, int look) {
    LightButton b = Begin(c, look);
    double d = b.d;
    c.Line({11.0 + d, 5.0 + d}, {11.0 + d, 12.5 + d}, 2, b.ink);
    c.Polyline({{7.0 + d, 8.5 + d}, {11.0 + d, 4.5 + d}, {15.0 + d, 8.5 + d}}, 2, b.ink);
}

void PaintViewStyleButton(Canvas& c, int look) {
    LightButton b = Begin(c, look);
    int d = static_cast<int>(b.d);
    for (int k = 0; k < 4; ++k) c.FillRect(6 + (k % 2) * 6 + d, 3 + (k / 2) * 5 + d, 4, 4, b.ink);
}

void PaintFavouritesButton(Canvas& c, int look) {
    LightButton b = Begin(c, look);
    DrawStar(c, 11 + b.d, 8.2 + b.d, 6, Vertical(kGoldTop, 2, kGoldBottom, 14), kGoldEdge);
}

// Variant: 0 ascending, 1 descending.
void PaintSortDirectionButton(Canvas& c, int look) {
    bool descending = VariantOf(look) == 1;
    LightButton b = Begin(c, ButtonLookOf(look));
    double d = b.d;
    double tip = descending ? 14.5 : 3.5, tail = descending ? 4.0 : 14.0;
    double head = descending ? tip - 4 : tip + 4;
    c.Line({7.5 + d, tail + d}, {7.5 + d, tip + d}, 1.8, b.ink);
    c.Polyline({{4.0 + d, head + d}, {7.5 + d, tip + d}, {11.0 + d, head + d}}, 1.8, b.ink);
}

// Variant: the sort column 0..4, shown by name.
void PaintSortKeyButton(Canvas& c, int look) {
    const char* name = kSortKeys[VariantOf(look)];
    LightButton b = Begin(c, ButtonLookOf(look));
    int d = static_cast<int>(b.d);
    DrawTextCentred(c, name, d, d, c.Width(), c.Height() - 1, b.ink);
}

// Variant: bit 0 the hide mode, bit 1 the magnifier. While the hide mode is on the button is
// lit warm; with the magnifier on, a green plus says that a click brings folders back.
void PaintEraserButton(Canvas& c, int look) {
    int flags = VariantOf(look);
    look = ButtonLookOf(look);
    bool hideMode = flags & 1, magnifier = flags & 2;
    ModeFace(c, look, hideMode);
    double d = PressOffset(look);
    // The eraser lies slanted: a blue sleeve and a pink rubber tip at the lower left.
    Point a{6.0 + d, 12.5 + d}, b{10.0 + d, 8.5 + d}, e{16.0 + d, 2.5 + d};
    auto band = [&](Point p, Point q, const Paint& paint) {
        c.FillPolygon({{p.x - 2.4, p.y - 2.4}, {q.x - 2.4, q.y - 2.4}, {q.x + 2.4, q.y + 2.4}, {p.x + 2.4, p.y + 2.4}},
                      paint);
    };
    band(a, e, Rgb(40, 56, 90));
    band({a.x + 0.8, a.y - 0.8}, {b.x, b.y}, Rgb(242, 146, 160));
    band({b.x + 0.6, b.y - 0.6}, {e.x - 0.8, e.y + 0.8}, Vertical(Rgb(110, 150, 226), 2, Rgb(54, 90, 176), 13));
    c.Line({5.0 + d, 14.5 + d}, {10.0 + d, 14.5 + d}, 1, Rgb(120, 130, 150));
    if (magnifier) PlusBadge(c, 17.5 + d, 11.5 + d, kGreen);
}

// Variant 1 while the magnifier is on: lit warm.
void PaintMagnifierButton(Canvas& c, int look) {
    bool on = VariantOf(look) == 1;
    look = ButtonLookOf(look);
    ModeFace(c, look, on);
    double d = PressOffset(look);
    c.Line({13.0 + d, 10.0 + d}, {16.5 + d, 13.5 + d}, 2.6, Rgb(120, 72, 30));
    c.FillCircle(9.5 + d, 6.8 + d, 4.2, Rgb(196, 226, 250));
    c.StrokeCircle(9.5 + d, 6.8 + d, 4.2, 1.5, Rgb(58, 70, 92));
    c.Line({7.8 + d, 5.0 + d}, {8.6 + d, 4.4 + d}, 1, Rgb(250, 252, 255));
}

void PaintNewGroupButton(Canvas& c, int look) {
    LightButton b = Begin(c, look);
    int d = static_cast<int>(b.d);
    DrawFolder(c, 4 + d, 3 + d, 13, 10, Rgb(150, 180, 224), Rgb(96, 132, 192), Rgb(44, 70, 118));
    PlusBadge(c, 16.5 + d, 11.5 + d, kGreen);
}

}  // namespace art
