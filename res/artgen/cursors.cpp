// Mouse cursors: the folder tree's eraser and magnifier, and the pointer that carries a tab
// while it is dragged along the tab bar.
#include <cmath>
#include <vector>

#include "res/artgen/paint.h"

namespace art {
namespace {

constexpr Rgba kOutline = Rgba{24, 24, 30, 255};
constexpr Rgba kWhiteInk = Rgba{255, 255, 255, 255};

// A rectangle along a slanted axis: u runs along `dir` from `origin`, v across it.
std::vector<Point> Slanted(Point origin, Point dir, double u0, double u1, double v0, double v1) {
    Point n{-dir.y, dir.x};
    auto at = [&](double u, double v) { return Point{origin.x + u * dir.x + v * n.x, origin.y + u * dir.y + v * n.y}; };
    return {at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)};
}

// The plain arrow pointer, tip at (0, 0): X outline, W fill.
const std::vector<const char*> kArrow = {
    "X..........", "XX.........", "XWX........", "XWWX.......", "XWWWX......", "XWWWWX.....",
    "XWWWWWX....", "XWWWWWWX...", "XWWWWWWWX..", "XWWWWWWWWX.", "XWWWWWXXXXX", "XWWXWWX....",
    "XWX.XWWX...", "XX..XWWX...", "X....XWWX..", ".....XWWX..", "......XX...",
};

}  // namespace

// Eraser (hide mode): a rubber held in a blue sleeve, tilted, erasing with its lower tip.
void PaintEraserCursor(Canvas& c, int) {
    const double r = std::sqrt(0.5);
    const Point dir{r, -r};
    const Point tip{7, 25};
    c.FillPolygon(Slanted(tip, dir, -1, 23, -6, 6), kOutline);
    c.FillPolygon(Slanted(tip, dir, 0, 8, -5, 5),
                  Paint(Rgb(255, 196, 204), Point{4, 22}, Rgb(226, 120, 138), Point{10, 28}));
    c.FillPolygon(Slanted(tip, dir, 9, 22, -5, 5),
                  Paint(Rgb(150, 186, 236), Point{11, 12}, Rgb(62, 100, 170), Point{17, 18}));
    // The seam between rubber and sleeve, and a lit upper edge along the sleeve.
    c.FillPolygon(Slanted(tip, dir, 8, 9, -5, 5), kOutline);
    c.FillPolygon(Slanted(tip, dir, 10, 21, -4.2, -3), Fade(kWhiteInk, 0.55));
    c.FillPolygon(Slanted(tip, dir, 1, 7, -4.2, -3), Fade(kWhiteInk, 0.5));
}

// Magnifier (hide mode while erased folders are shown): a lens with a handle; the hot spot is
// the lens centre, which is what is being looked at.
void PaintMagnifierCursor(Canvas& c, int) {
    const double cx = 11.5, cy = 11.5;
    c.Line(Point{18, 18}, Point{27, 27}, 6, kOutline);
    c.Line(Point{19.5, 19.5}, Point{26.5, 26.5}, 3.5, Rgb(132, 96, 60));
    c.FillCircle(cx, cy, 7.5, Rgb(208, 228, 250, 170));
    c.StrokeCircle(cx, cy, 8.5, 3, kOutline);
    c.StrokeCircle(cx, cy, 8.5, 1, Rgb(150, 156, 170));
    // A glint on the upper left of the glass.
    c.FillShape(
        cx - 7, cy - 7, cx, cy,
        [&](double x, double y) {
            double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d2 >= 4.2 * 4.2 && d2 <= 5.6 * 5.6 && x - cx < -0.5 && y - cy < -0.5;
        },
        Fade(kWhiteInk, 0.95));
}

// Dragging a tab: the arrow with a small tab hanging from it.
void PaintTabDragCursor(Canvas& c, int) {
    const std::vector<Point> outer = {{7, 26}, {10, 14}, {23, 14}, {26, 26}};
    const std::vector<Point> inner = {{8.3, 25}, {11, 15}, {22, 15}, {24.7, 25}};
    c.FillPolygon(outer, Rgb(140, 86, 16));
    c.FillPolygon(inner, Vertical(Rgb(255, 222, 120), 15, Rgb(238, 162, 38), 25));
    c.HLine(12, 21, 16, Rgb(255, 240, 186));
    // The tab's title, as a line of text would read at this size.
    c.HLine(13, 20, 20, Rgb(150, 96, 24));
    c.HLine(6, 27, 26, Rgb(140, 86, 16));
    c.Glyph(kArrow, 0, 0, kOutline, 'X');
    c.Glyph(kArrow, 0, 0, kWhiteInk, 'W');
}

}  // namespace art
