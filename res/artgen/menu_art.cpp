// Bitmaps of the owner-drawn popup menus: the patterned stripe at the left of every item and
// the 16 x 16 icons that items carry. The icons sit on the stripe (or on the pale highlight of a
// selected item) and are masked on black, so no ink is pure black.
#include <cmath>
#include <vector>

#include "res/artgen/paint.h"

namespace art {
namespace {

constexpr Rgba kInk = Rgba{30, 40, 66, 255};
constexpr Rgba kWhite = Rgba{255, 255, 255, 255};
constexpr Rgba kWindowBlue = Rgba{68, 95, 134, 255};
constexpr Rgba kWindowLight = Rgba{246, 248, 252, 255};
constexpr Rgba kPaneBlue = Rgba{112, 150, 214, 255};
constexpr Rgba kAmber = Rgba{244, 186, 64, 255};
constexpr Rgba kAmberEdge = Rgba{150, 96, 20, 255};
constexpr Rgba kRed = Rgba{204, 48, 40, 255};
constexpr Rgba kGreen = Rgba{32, 132, 56, 255};
constexpr Rgba kSteel = Rgba{120, 128, 142, 255};

// A small window: a frame with a blue-grey title bar, its face left light.
void DrawWindow(Canvas& c, int x, int y, int w, int h) {
    c.FillRect(x, y, w, h, kWindowLight);
    c.FrameRect(x, y, w, h, kInk);
    c.FillRect(x + 1, y + 1, w - 2, 2, kWindowBlue);
}

// A tab of the tab bar, standing on its base line, as the tab bar draws it on the program icon.
void DrawTab(Canvas& c, double x0, double x1, double top, double bottom) {
    c.FillPolygon({{x0, bottom}, {x0 + 2, top}, {x1 - 2, top}, {x1, bottom}},
                  Vertical(Rgb(255, 222, 128), top, kAmber, bottom));
    c.Polyline({{x0 + 0.5, bottom - 0.5}, {x0 + 2.5, top + 0.5}, {x1 - 2.5, top + 0.5}, {x1 - 0.5, bottom - 0.5}}, 1,
               kAmberEdge);
    c.HLine(static_cast<int>(x0), static_cast<int>(x1) - 1, static_cast<int>(bottom) - 1, kAmberEdge);
}

// A padlock; open lifts the shackle, whose right leg then stands free above the body.
void DrawPadlock(Canvas& c, bool open) {
    const double lift = open ? 2 : 0;
    c.StrokeRoundRect(4, 2 - lift, 12, 12 - lift, 3.5, 1.8, Vertical(Rgb(196, 202, 214), 0, kSteel, 9));
    if (open) c.SetRect(10, 5, 2, 2, Rgba{});
    c.FillRoundRect(2, 7, 14, 15, 1.5, Vertical(Rgb(255, 220, 110), 7, Rgb(226, 158, 30), 15));
    c.StrokeRoundRect(2, 7, 14, 15, 1.5, 1, kAmberEdge);
    c.FillRect(7, 9, 2, 4, kAmberEdge);
}

// A round badge with a white sign on it, for the help and version items.
void DrawBadge(Canvas& c, Rgba top, Rgba bottom, const std::vector<const char*>& sign) {
    c.FillCircle(8, 8, 7, Vertical(top, 1, bottom, 15));
    c.StrokeCircle(8, 8, 7, 1, Fade(kInk, 0.8));
    c.Glyph(sign, 5, 3, kWhite);
}

void PaintCheck(Canvas& c) { c.Polyline({{3.0, 8.5}, {6.5, 12.0}, {13.0, 4.0}}, 2.6, kGreen); }

void PaintRenameTab(Canvas& c) {
    DrawTab(c, 0, 13, 6, 14);
    // A pencil writing on the tab.
    c.Line({14.0, 2.0}, {7.5, 8.5}, 3.0, kInk);
    c.Line({13.6, 2.4}, {8.0, 8.0}, 1.6, Rgb(250, 204, 64));
    c.FillPolygon({{6.0, 10.0}, {6.8, 7.6}, {8.4, 9.2}}, Rgb(60, 60, 70));
}

void PaintSubSelection(Canvas& c) {
    // Two lists side by side; the right-hand one, the sub list, is the one chosen.
    DrawWindow(c, 0, 2, 16, 12);
    c.VLine(7, 4, 12, kInk);
    for (int y = 5; y <= 11; y += 2) c.HLine(2, 5, y, Rgb(150, 166, 196));
    c.FillRect(8, 4, 7, 9, kPaneBlue);
    for (int y = 5; y <= 11; y += 2) c.HLine(9, 13, y, kWhite);
}

void PaintClose(Canvas& c) {
    c.Line({4.0, 4.0}, {12.0, 12.0}, 2.6, kRed);
    c.Line({12.0, 4.0}, {4.0, 12.0}, 2.6, kRed);
}

void PaintMaximise(Canvas& c) {
    DrawWindow(c, 1, 1, 14, 14);
    c.FillRect(2, 2, 12, 3, kWindowBlue);
}

void PaintTray(Canvas& c) {
    // Down into the notification area: an arrow over an open tray.
    c.FillRect(6, 1, 4, 5, kPaneBlue);
    c.FillPolygon({{3.0, 6.0}, {13.0, 6.0}, {8.0, 11.0}}, kPaneBlue);
    c.Polyline({{6.5, 1.5}, {9.5, 1.5}, {9.5, 6.5}, {12.5, 6.5}, {8.0, 11.0}, {3.5, 6.5}, {6.5, 6.5}, {6.5, 1.5}}, 1,
               kInk);
    c.FillRect(1, 12, 14, 3, kSteel);
    c.Polyline({{0.5, 10.0}, {0.5, 14.5}, {15.5, 14.5}, {15.5, 10.0}}, 1, kInk);
}

void PaintRestore(Canvas& c) {
    DrawWindow(c, 5, 1, 10, 9);
    DrawWindow(c, 1, 6, 10, 9);
}

void PaintLock(Canvas& c) { DrawPadlock(c, false); }

void PaintUnlock(Canvas& c) { DrawPadlock(c, true); }

void PaintHelp(Canvas& c) {
    DrawBadge(c, Rgb(110, 160, 236), Rgb(36, 86, 176), {".###.", "##.##", "...##", "..##.", "..#..", ".....", "..#.."});
}

void PaintVersion(Canvas& c) {
    DrawBadge(c, Rgb(104, 196, 172), Rgb(24, 122, 104),
              {"..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."});
}

void PaintNewTab(Canvas& c) {
    DrawTab(c, 0, 13, 6, 14);
    c.FillRect(11, 1, 2, 6, kGreen);
    c.FillRect(9, 3, 6, 2, kGreen);
}

void PaintShade(Canvas& c) {
    // The window rolled up to its title strip, with the arrow it went up by.
    c.FillRect(1, 11, 14, 4, kWindowBlue);
    c.FrameRect(1, 11, 14, 4, kInk);
    c.FillPolygon({{4.0, 7.0}, {12.0, 7.0}, {8.0, 2.0}}, kPaneBlue);
    c.Polyline({{4.5, 7.0}, {11.5, 7.0}, {8.0, 2.6}, {4.5, 7.0}}, 1, kInk);
}

void PaintUnshade(Canvas& c) {
    DrawWindow(c, 1, 1, 14, 14);
    c.FillPolygon({{4.0, 7.0}, {12.0, 7.0}, {8.0, 12.0}}, kPaneBlue);
    c.Polyline({{4.5, 7.0}, {11.5, 7.0}, {8.0, 11.4}, {4.5, 7.0}}, 1, kInk);
}

void PaintFavourite(Canvas& c) {
    std::vector<Point> star;
    for (int i = 0; i < 10; ++i) {
        double r = i % 2 ? 3.0 : 7.2;
        double a = -3.14159265 / 2 + i * 3.14159265 / 5;
        star.push_back({8 + r * std::cos(a), 8.6 + r * std::sin(a)});
    }
    c.FillPolygon(star, Vertical(Rgb(255, 230, 120), 1, Rgb(236, 160, 24), 15));
    star.push_back(star.front());
    c.Polyline(star, 1, kAmberEdge);
}

}  // namespace

void PaintMenuIcon(Canvas& c, int icon) {
    switch (icon) {
    case kMenuArtCheck: PaintCheck(c); break;
    case kMenuArtRenameTab: PaintRenameTab(c); break;
    case kMenuArtSubSelection: PaintSubSelection(c); break;
    case kMenuArtClose: PaintClose(c); break;
    case kMenuArtMaximise: PaintMaximise(c); break;
    case kMenuArtTray: PaintTray(c); break;
    case kMenuArtRestore: PaintRestore(c); break;
    case kMenuArtLock: PaintLock(c); break;
    case kMenuArtUnlock: PaintUnlock(c); break;
    case kMenuArtHelp: PaintHelp(c); break;
    case kMenuArtVersion: PaintVersion(c); break;
    case kMenuArtNewTab: PaintNewTab(c); break;
    case kMenuArtShade: PaintShade(c); break;
    case kMenuArtUnshade: PaintUnshade(c); break;
    case kMenuArtFavourite: PaintFavourite(c); break;
    default: break;
    }
}

void PaintMenuStripe(Canvas& c, int) {
    // Light at the left, deepening towards the text, with a faint diagonal weave; the tile is
    // eight rows high so that the weave repeats seamlessly down a menu of any height.
    const int w = c.Width();
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < w - 1; ++x) {
            Rgba base = Mix(Rgb(222, 229, 241), Rgb(178, 193, 219), static_cast<double>(x) / (w - 2));
            bool weave = (x + y) % 4 == 0;
            c.Set(x, y, weave ? Mix(base, kWhite, 0.35) : base);
        }
    c.VLine(w - 1, 0, c.Height() - 1, Rgb(140, 158, 190));
}

}  // namespace art
