// The program's icons: a folder whose top edge carries a row of tabs, the active tab rising out
// of the folder itself and the others standing behind it in the frame's blue-grey, with two
// panes on the folder's face for the two folder lists.
#include <algorithm>
#include <cmath>
#include <vector>

#include "res/artgen/paint.h"

namespace art {
namespace {

constexpr Rgba kAmberTop = Rgba{255, 216, 104, 255};
constexpr Rgba kAmberBottom = Rgba{238, 162, 38, 255};
constexpr Rgba kAmberEdge = Rgba{140, 86, 16, 255};
constexpr Rgba kAmberLight = Rgba{255, 240, 186, 255};
constexpr Rgba kPaneFill = Rgba{255, 252, 240, 255};
constexpr Rgba kPaneEdge = Rgba{196, 132, 40, 255};
constexpr Rgba kPaneRows = Rgba{120, 146, 190, 255};

// A tab is a trapezoid standing on the body's top edge: `top` is its upper edge, its sides lean
// in by slantLeft and slantRight pixels between the body's top edge and its own.
struct Tab {
    double x0, x1, top, slantLeft, slantRight;
    Rgba fillTop, fillBottom;
};

// Geometry of one icon size, in pixels of that size. The first tab is the active one and is one
// piece with the body; the others stand behind it.
struct FolderShape {
    double bodyX0, bodyY0, bodyX1, bodyY1;
    double radius;  // corners of the body
    double edge;    // outline width
    std::vector<Tab> tabs;
    int paneInset;   // distance of the panes from the body's sides
    int paneTop;     // first pane row, counted from the body's top
    int paneBottom;  // last pane row + 1, counted up from the body's bottom
    int paneGap;     // between the two panes
    int rowStep;     // spacing of the list rows in the panes; 0 for none
};

constexpr Rgba kTabBlue = Rgba{122, 156, 204, 255};
constexpr Rgba kTabBlueDark = Rgba{80, 112, 160, 255};
constexpr Rgba kTabPale = Rgba{186, 204, 230, 255};
constexpr Rgba kTabPaleDark = Rgba{138, 160, 194, 255};
constexpr Rgba kTabSky = Rgba{156, 196, 244, 255};
constexpr Rgba kTabSkyDark = Rgba{92, 136, 206, 255};
constexpr Rgba kTabEdge = Rgba{44, 62, 96, 255};

FolderShape AppShape(int size) {
    if (size <= 16)
        return FolderShape{0,
                           5,
                           16,
                           15,
                           1.5,
                           1,
                           {{0, 8, 1, 0, 2, kAmberTop, kAmberTop},
                            {6, 12, 2, 1, 1, kTabBlue, kTabBlueDark},
                            {10, 16, 2, 1, 1, kTabPale, kTabPaleDark}},
                           2,
                           3,
                           2,
                           2,
                           0};
    if (size <= 32)
        return FolderShape{1,
                           9,
                           31,
                           29,
                           2.5,
                           1,
                           {{1, 14, 3, 0, 3, kAmberTop, kAmberTop},
                            {11, 22, 4, 2, 2, kTabBlue, kTabBlueDark},
                            {20, 31, 4, 2, 2, kTabPale, kTabPaleDark}},
                           4,
                           5,
                           4,
                           2,
                           3};
    return FolderShape{2,
                       14,
                       46,
                       44,
                       4,
                       2,
                       {{2, 21, 5, 0, 4, kAmberTop, kAmberTop},
                        {16, 32, 6, 3, 3, kTabBlue, kTabBlueDark},
                        {30, 46, 6, 3, 3, kTabPale, kTabPaleDark}},
                       6,
                       7,
                       6,
                       4,
                       4};
}

FolderShape TrayShape(int size) {
    // Fewer, bigger parts than the program icon: two tabs and two plain panes survive in the
    // notification area's 16 pixels, and the brighter tab stands out on a dark task bar too.
    if (size <= 16)
        return FolderShape{
            0, 5, 16, 15, 1.5, 1, {{0, 9, 1, 0, 2, kAmberTop, kAmberTop}, {7, 15, 2, 1, 1, kTabSky, kTabSkyDark}},
            2, 3, 2,  2,  0};
    return FolderShape{
        0, 9, 32, 30, 3, 1.5, {{0, 17, 2, 0, 4, kAmberTop, kAmberTop}, {14, 30, 4, 3, 3, kTabSky, kTabSkyDark}},
        4, 5, 4,  3,  0};
}

bool InRound(double x, double y, double x0, double y0, double x1, double y1, double r) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    double cx = std::clamp(x, x0 + r, x1 - r);
    double cy = std::clamp(y, y0 + r, y1 - r);
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// Whether (x, y) lies in the tab shrunk by `inset` on every side; below the body's top edge the
// tab goes straight down a little, to be covered by the body.
bool InTab(const Tab& t, double bodyTop, double x, double y, double inset) {
    double top = t.top + inset;
    if (y < top || y > bodyTop + 2) return false;
    double h = bodyTop - t.top;
    double along = h > 0 ? std::clamp((bodyTop - y) / h, 0.0, 1.0) : 0.0;
    // A leaning side moves in by more than the inset, measured across the slope.
    double left = t.x0 + t.slantLeft * along + inset * std::hypot(1.0, t.slantLeft / h);
    double right = t.x1 - t.slantRight * along - inset * std::hypot(1.0, t.slantRight / h);
    return x >= left && x <= right;
}

void DrawFolder(Canvas& c, const FolderShape& s) {
    const double e = s.edge;
    const double y0 = s.tabs[0].top;
    // Tabs behind the folder, right to left so that each overlaps the one to its right.
    for (size_t i = s.tabs.size(); i-- > 1;) {
        const Tab& t = s.tabs[i];
        c.FillShape(
            t.x0, t.top, t.x1, s.bodyY0 + 2, [&](double x, double y) { return InTab(t, s.bodyY0, x, y, 0); }, kTabEdge);
        c.FillShape(
            t.x0, t.top, t.x1, s.bodyY0 + 2, [&](double x, double y) { return InTab(t, s.bodyY0, x, y, e); },
            Vertical(t.fillTop, t.top, t.fillBottom, s.bodyY0));
    }

    // Body and active tab as one outlined shape.
    auto inFolder = [&](double x, double y, double inset) {
        return InRound(x, y, s.bodyX0 + inset, s.bodyY0 + inset, s.bodyX1 - inset, s.bodyY1 - inset,
                       std::max(0.0, s.radius - inset)) ||
               InTab(s.tabs[0], s.bodyY0, x, y, inset);
    };
    c.FillShape(
        s.bodyX0, y0, s.bodyX1, s.bodyY1, [&](double x, double y) { return inFolder(x, y, 0); }, kAmberEdge);
    c.FillShape(
        s.bodyX0, y0, s.bodyX1, s.bodyY1, [&](double x, double y) { return inFolder(x, y, e); },
        Vertical(kAmberTop, y0, kAmberBottom, s.bodyY1));

    // A lit rim just inside the top edges of the tab and the body gives the folder some depth.
    const Tab& active = s.tabs[0];
    int rim = static_cast<int>(std::ceil(y0 + e));
    c.HLine(static_cast<int>(std::ceil(active.x0 + e + 1)),
            static_cast<int>(std::floor(active.x1 - active.slantRight - e)) - 1, rim, kAmberLight);
    int bodyRim = static_cast<int>(std::ceil(s.bodyY0 + e));
    c.HLine(static_cast<int>(std::ceil(active.x1 - e)), static_cast<int>(std::floor(s.bodyX1 - e - s.radius / 2)) - 1,
            bodyRim, Fade(kAmberLight, 0.8));

    // The two panes.
    int px0 = static_cast<int>(std::round(s.bodyX0)) + s.paneInset;
    int px1 = static_cast<int>(std::round(s.bodyX1)) - s.paneInset;
    int py0 = static_cast<int>(std::round(s.bodyY0)) + s.paneTop;
    int py1 = static_cast<int>(std::round(s.bodyY1)) - s.paneBottom;
    int paneWidth = (px1 - px0 - s.paneGap) / 2;
    for (int k = 0; k < 2; ++k) {
        int x = k == 0 ? px0 : px1 - paneWidth;
        c.FillRect(x, py0, paneWidth, py1 - py0, kPaneEdge);
        c.FillRect(x + 1, py0 + 1, paneWidth - 2, py1 - py0 - 2, kPaneFill);
        if (s.rowStep == 0) continue;
        // Short list rows of varied length, one pixel high.
        int row = 0;
        for (int y = py0 + 2; y < py1 - 2; y += s.rowStep, ++row) {
            int len = paneWidth - 4 - ((row + k) % 3 == 2 ? paneWidth / 3 : (row + k) % 3);
            c.HLine(x + 2, x + 1 + std::max(1, len), y, kPaneRows);
        }
    }
}

}  // namespace

void PaintAppIcon(Canvas& c, int) { DrawFolder(c, AppShape(c.Width())); }

void PaintTrayIcon(Canvas& c, int) { DrawFolder(c, TrayShape(c.Width())); }

}  // namespace art
