// Bitmaps of the window frame: the logo strip, the title button and the window buttons of the
// title area.
#include <algorithm>
#include <cstring>
#include <vector>

#include "res/artgen/paint.h"

namespace art {
namespace {

// The logo face: bold letters with two-pixel stems, x-height 7, cap height 10, drawn from the
// cap line (row 0) down; lower-case letters start at row 3 and the descender reaches row 12.
struct LogoGlyph {
    char ch;
    int top;
    std::vector<const char*> rows;
};

const std::vector<LogoGlyph>& LogoFace() {
    static const std::vector<LogoGlyph> face = {
        {'T',
         0,
         {"########", "########", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...",
          "...##..."}},
        {'e', 3, {".####.", "##..##", "##..##", "######", "##....", "##...#", ".####."}},
        {'s', 3, {".#####", "##....", "###...", ".####.", "...###", "....##", "#####."}},
        {'a', 3, {".####.", "....##", ".#####", "##..##", "##..##", "##.###", ".###.#"}},
        {'r', 3, {"##.##", "#####", "###..", "##...", "##...", "##...", "##..."}},
        {'y', 3, {"##..##", "##..##", "##..##", "##..##", "##.###", ".###.#", "....##", "#..##.", ".###.."}},
    };
    return face;
}

const LogoGlyph* FindGlyph(char ch) {
    for (const LogoGlyph& g : LogoFace())
        if (g.ch == ch) return &g;
    return nullptr;
}

int GlyphWidth(const LogoGlyph& g) { return static_cast<int>(std::strlen(g.rows[0])); }

// Pairs that sit closer than the usual gap: the T's bar reaches over the e.
int Kerning(char left, char right) { return left == 'T' && right == 'e' ? -2 : 0; }

constexpr const char* kWord = "Tessary";
constexpr int kLetterGap = 2;
constexpr int kCapLine = 2;  // the cap line's row in the logo strip
constexpr Rgba kShadow = Rgba{30, 44, 68, 255};

template <typename Fn>
void ForEachLetter(int x, Fn fn) {
    for (const char* p = kWord; *p; ++p) {
        const LogoGlyph& g = *FindGlyph(*p);
        fn(g, x);
        x += GlyphWidth(g) + (p[1] ? kLetterGap + Kerning(p[0], p[1]) : 0);
    }
}

int WordWidth() {
    int right = 0;
    ForEachLetter(0, [&](const LogoGlyph& g, int x) { right = x + GlyphWidth(g); });
    return right;
}

// Left edge of the word in the 64-pixel logo strip: centred, the shadow taking one pixel more.
int WordLeft() { return (64 - WordWidth() - 1) / 2; }

// The word with its drop shadow, (x, y) being the strip's top-left corner.
void DrawWord(Canvas& c, int x, int y, const Paint& ink, bool shadow) {
    if (shadow)
        ForEachLetter(x + WordLeft(),
                      [&](const LogoGlyph& g, int gx) { c.Glyph(g.rows, gx + 1, y + kCapLine + g.top + 1, kShadow); });
    ForEachLetter(x + WordLeft(), [&](const LogoGlyph& g, int gx) { c.Glyph(g.rows, gx, y + kCapLine + g.top, ink); });
}

Paint WordInk(int y) { return Vertical(Rgb(255, 255, 255), y + kCapLine + 3, Rgb(206, 222, 244), y + kCapLine + 10); }

// A window button's face: nothing but a faint frame at rest, a lit face under the cursor and a
// sunken one while pressed. The close button lights up red, as a warning.
void DrawButtonFace(Canvas& c, int look, bool danger) {
    switch (look) {
    case kLookHover:
        c.FillRoundRect(0, 0, 16, 16, 2.5,
                        danger ? Vertical(Rgb(222, 104, 92), 0, Rgb(184, 62, 52), 16)
                               : Vertical(Rgb(120, 148, 190), 0, Rgb(88, 116, 158), 16));
        c.StrokeRoundRect(0, 0, 16, 16, 2.5, 1, Rgb(255, 255, 255, 110));
        break;
    case kLookPressed:
        c.FillRoundRect(0, 0, 16, 16, 2.5,
                        danger ? Vertical(Rgb(140, 44, 38), 0, Rgb(170, 60, 50), 16)
                               : Vertical(Rgb(38, 56, 86), 0, Rgb(54, 76, 110), 16));
        c.StrokeRoundRect(0, 0, 16, 16, 2.5, 1, Rgb(20, 30, 48, 200));
        break;
    default: c.StrokeRoundRect(0, 0, 16, 16, 2.5, 1, Rgb(255, 255, 255, 56)); break;
    }
}

// Offset of a button's symbol: pressed buttons push it one pixel down and right.
double Nudge(int look) { return look == kLookPressed ? 1 : 0; }

constexpr Rgba kSymbol = Rgba{240, 244, 250, 255};

}  // namespace

void PaintLogo(Canvas& c, int) { DrawWord(c, 0, 0, WordInk(0), true); }

void PaintTitleButton(Canvas& c, int look) {
    // The button lies over the logo two pixels up and left of it and shows the same word at the
    // same place, so the few logo rows below the button continue it without a seam.
    const int x = 2, y = 2;
    // A small pointer after the word: the button opens the window menu.
    const int mx = x + WordLeft() + WordWidth() + 5;
    const double right = std::min(c.Width(), mx + 11);
    if (look == kLookPressed) c.FillRoundRect(x + 1, 0, right, c.Height(), 3, Rgb(40, 58, 88));
    if (look == kLookHover) c.FillRoundRect(x + 1, 0, right, c.Height(), 3, Rgb(88, 116, 158));
    bool inactive = look == kLookDisabled;
    DrawWord(c, x, y, inactive ? Paint(Rgb(160, 176, 200)) : WordInk(y), !inactive);
    c.FillPolygon({{mx + 0.0, 7}, {mx + 7.0, 7}, {mx + 3.5, 10.5}}, inactive ? Rgb(140, 158, 186) : Rgb(220, 230, 244));
}

void PaintCloseButton(Canvas& c, int look) {
    DrawButtonFace(c, look, true);
    double d = Nudge(look);
    c.Line({4.5 + d, 4.5 + d}, {11.5 + d, 11.5 + d}, 1.9, kSymbol);
    c.Line({11.5 + d, 4.5 + d}, {4.5 + d, 11.5 + d}, 1.9, kSymbol);
}

void PaintTrayButton(Canvas& c, int look) {
    DrawButtonFace(c, look, false);
    int d = static_cast<int>(Nudge(look));
    // Down into the tray: a chevron over a bar.
    c.Polyline({{4.5 + d, 4.5 + d}, {8.0 + d, 8.0 + d}, {11.5 + d, 4.5 + d}}, 1.9, kSymbol);
    c.FillRect(4 + d, 10 + d, 8, 2, kSymbol);
}

void PaintMaximiseButton(Canvas& c, int look) {
    DrawButtonFace(c, look, false);
    int d = static_cast<int>(Nudge(look));
    c.FrameRect(4 + d, 4 + d, 8, 8, kSymbol);
    c.HLine(5 + d, 10 + d, 5 + d, kSymbol);
}

void PaintRestoreButton(Canvas& c, int look) {
    DrawButtonFace(c, look, false);
    int d = static_cast<int>(Nudge(look));
    // The window behind shows only its top and right edges.
    c.HLine(6 + d, 12 + d, 3 + d, kSymbol);
    c.HLine(6 + d, 12 + d, 4 + d, kSymbol);
    c.VLine(12 + d, 5 + d, 9 + d, kSymbol);
    c.FrameRect(3 + d, 6 + d, 7, 7, kSymbol);
    c.HLine(4 + d, 8 + d, 7 + d, kSymbol);
}

}  // namespace art
