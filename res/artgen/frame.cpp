// Bitmaps of the window frame: the logo strip of the title area.
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

const std::vector<LogoGlyph>& LogoFace()
{
    static const std::vector<LogoGlyph> face = {
        {'T', 0, {"########",
                  "########",
                  "...##...",
                  "...##...",
                  "...##...",
                  "...##...",
                  "...##...",
                  "...##...",
                  "...##...",
                  "...##..."}},
        {'e', 3, {".####.",
                  "##..##",
                  "##..##",
                  "######",
                  "##....",
                  "##...#",
                  ".####."}},
        {'s', 3, {".#####",
                  "##....",
                  "###...",
                  ".####.",
                  "...###",
                  "....##",
                  "#####."}},
        {'a', 3, {".####.",
                  "....##",
                  ".#####",
                  "##..##",
                  "##..##",
                  "##.###",
                  ".###.#"}},
        {'r', 3, {"##.##",
                  "#####",
                  "###..",
                  "##...",
                  "##...",
                  "##...",
                  "##..."}},
        {'y', 3, {"##..##",
                  "##..##",
                  "##..##",
                  "##..##",
                  "##.###",
                  ".###.#",
                  "....##",
                  "#..##.",
                  ".###.."}},
    };
    return face;
}

const LogoGlyph* FindGlyph(char ch)
{
    for (const LogoGlyph& g : LogoFace())
        if (g.ch == ch) return &g;
    return nullptr;
}

int GlyphWidth(const LogoGlyph& g)
{
    return static_cast<int>(std::strlen(g.rows[0]));
}

// Pairs that sit closer than the usual two-pixel gap: the T's bar reaches over the e.
int Kerning(char left, char right)
{
    return left == 'T' && right == 'e' ? -2 : 0;
}

}  // namespace

void PaintLogo(Canvas& c, int)
{
    const char* word = "Tessary";
    const int gap = 2, capLine = 2;
    int width = 0;
    for (const char* p = word; *p; ++p) {
        width += GlyphWidth(*FindGlyph(*p)) + (p[1] ? gap + Kerning(p[0], p[1]) : 0);
    }
    // Centred in the strip, the drop shadow taking one pixel more on the right.
    int x = (c.Width() - width - 1) / 2;
    const Rgba shadow = Rgb(30, 44, 68);
    const Paint ink = Vertical(Rgb(255, 255, 255), capLine + 3, Rgb(206, 222, 244), capLine + 10);
    for (const char* p = word; *p; ++p) {
        const LogoGlyph& g = *FindGlyph(*p);
        c.Glyph(g.rows, x + 1, capLine + g.top + 1, shadow);
        x += GlyphWidth(g) + (p[1] ? gap + Kerning(p[0], p[1]) : 0);
    }
    x = (c.Width() - width - 1) / 2;
    for (const char* p = word; *p; ++p) {
        const LogoGlyph& g = *FindGlyph(*p);
        c.Glyph(g.rows, x, capLine + g.top, ink);
        x += GlyphWidth(g) + (p[1] ? gap + Kerning(p[0], p[1]) : 0);
    }
}

}  // namespace art
