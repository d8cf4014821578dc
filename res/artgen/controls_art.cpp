// Buttons on the frame's blue-grey: the column of mode buttons at the left edge, the tab bar's
// three buttons, and the buttons of the settings dialog and the small dialogs.
#include <cmath>
#include <string>
#include <vector>

#include "res/artgen/button_faces.h"
#include "res/artgen/paint.h"
#include "res/artgen/pixel_text.h"

namespace art {
namespace {

// The mode buttons: a symbol in the upper part and a lamp along the bottom that is lit while
// the mode is on.
void ModeButton(Canvas& c, int look, void (*symbol)(Canvas&, int d, Rgba ink, int look)) {
    DrawDarkFace(c, look == kLookOff ? kLookNormal : look);
    int d = PressOffset(look);
    symbol(c, d, DarkSymbolColour(look), look);
    Rgba lamp = look == kLookOn ? kWarm : look == kLookPressed ? Rgb(255, 196, 64, 120) : Rgb(255, 255, 255, 46);
    c.FillRoundRect(5 + d, 17 + d, 14 + d, 19 + d, 1, lamp);
}

void TreeSymbol(Canvas& c, int d, Rgba ink, int) {
    c.FillRect(4 + d, 3 + d, 5, 4, ink);
    c.VLine(6 + d, 7 + d, 13 + d, ink);
    c.HLine(7 + d, 8 + d, 9 + d, ink);
    c.FillRect(9 + d, 8 + d, 6, 3, ink);
    c.HLine(7 + d, 8 + d, 13 + d, ink);
    c.FillRect(9 + d, 12 + d, 6, 3, ink);
}

void FavouritesSymbol(Canvas& c, int d, Rgba ink, int look) {
    Paint fill = look == kLookOn ? Paint(kWarm) : Paint(ink);
    DrawStar(c, 9.5 + d, 9.2 + d, 6.6, fill, look == kLookOn ? Rgb(150, 96, 10) : Fade(ink, 0.0));
}

void HiddenFilesSymbol(Canvas& c, int d, Rgba ink, int) {
    // A page in front of a hidden one, which shows only as a dotted outline.
    for (int x = 8; x <= 15; x += 2) {
        c.Set(x + d, 2 + d, ink);
        c.Set(x + d, 11 + d, ink);
    }
    for (int y = 4; y <= 10; y += 2) c.Set(15 + d, y + d, ink);
    c.FillRect(4 + d, 5 + d, 8, 10, ink);
    c.FillRect(5 + d, 6 + d, 6, 8, Rgb(68, 95, 134));
    c.HLine(6 + d, 9 + d, 8 + d, ink);
    c.HLine(6 + d, 9 + d, 10 + d, ink);
    c.HLine(6 + d, 8 + d, 12 + d, ink);
}

void TipsSymbol(Canvas& c, int d, Rgba ink, int) {
    c.FillRoundRect(2.5 + d, 3 + d, 16.5 + d, 12 + d, 2, ink);
    c.FillPolygon({{5.0 + d, 11.5 + d}, {9.0 + d, 11.5 + d}, {5.0 + d, 15.5 + d}}, ink);
    Rgba text = Rgb(68, 95, 134);
    c.HLine(5 + d, 13 + d, 6 + d, text);
    c.HLine(5 + d, 11 + d, 8 + d, text);
}

void TwoPaneSymbol(Canvas& c, int d, Rgba ink, int) {
    c.FrameRect(3 + d, 3 + d, 13, 12, ink);
    c.HLine(3 + d, 15 + d, 4 + d, ink);
    c.VLine(9 + d, 3 + d, 14 + d, ink);
    for (int y = 7; y <= 12; y += 2) {
        c.HLine(5 + d, 7 + d, y + d, Fade(ink, 0.7));
        c.HLine(11 + d, 13 + d, y + d, Fade(ink, 0.7));
    }
}

void GestureSymbol(Canvas& c, int d, Rgba ink, int) {
    // A stroke drawn down and then to the right, as a gesture is drawn.
    c.FillCircle(5 + d, 4 + d, 1.8, ink);
    c.Polyline({{5.0 + d, 4.0 + d}, {5.0 + d, 12.5 + d}, {13.0 + d, 12.5 + d}}, 2, ink);
    c.FillPolygon({{12.0 + d, 9.0 + d}, {16.5 + d, 12.5 + d}, {12.0 + d, 16.0 + d}}, ink);
}

// The tab bar's buttons: a symbol on a dark face of 19 x 19.
void TabBarFace(Canvas& c, int look) { DrawDarkFace(c, look); }

// Dialog buttons: raised at rest so that they read as buttons without a hover look.
void RaisedFace(Canvas& c, int look) {
    double w = c.Width(), h = c.Height();
    if (look == kLookPressed) {
        c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(38, 56, 86), 0, Rgb(58, 80, 114), h));
        c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(20, 30, 48, 220));
        return;
    }
    c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(126, 154, 196), 0, Rgb(82, 110, 152), h));
    c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(34, 50, 78, 220));
    c.HLine(3, static_cast<int>(w) - 4, 1, Rgb(255, 255, 255, 70));
}

// A caption with an optional symbol before it, centred as one group.
void CaptionWithSymbol(Canvas& c, const std::string& text, int symbolWidth,
                       void (*symbol)(Canvas&, int x, int y, Rgba ink), Rgba ink, int d) {
    int gap = symbol ? 4 : 0;
    int total = symbolWidth + gap + TextWidth(text);
    int x = (c.Width() - total) / 2 + d;
    int y = (c.Height() - kTextCapHeight) / 2 + d;
    if (symbol) symbol(c, x, y, ink);
    DrawText(c, text, x + symbolWidth + gap, y, ink);
}

void CheckSymbol(Canvas& c, int x, int y, Rgba ink) {
    c.Polyline({{x + 0.5, y + 3.5}, {x + 3.0, y + 6.0}, {x + 7.5, y + 0.5}}, 1.7, ink);
}

void CrossSymbol(Canvas& c, int x, int y, Rgba ink) {
    c.Line({x + 0.5, y + 0.5}, {x + 6.5, y + 6.5}, 1.6, ink);
    c.Line({x + 6.5, y + 0.5}, {x + 0.5, y + 6.5}, 1.6, ink);
}

void RevertSymbol(Canvas& c, int x, int y, Rgba ink) {
    // Three quarters of a circle, ending in an arrow that turns back.
    const double kPi = 3.14159265358979;
    std::vector<Point> arc;
    for (int k = 0; k <= 12; ++k) {
        double a = kPi * (1.0 + 1.5 * k / 12);
        arc.push_back({x + 4 + 3.2 * std::cos(a), y + 3.8 - 3.2 * std::sin(a)});
    }
    c.Polyline(arc, 1.4, ink);
    c.FillPolygon({{x - 1.0, y + 2.0}, {x + 3.0, y + 2.0}, {x + 1.0, y + 5.5}}, ink);
}

void ClearSymbol(Canvas& c, int x, int y, Rgba ink) {
    c.FrameRect(x, y, 7, 7, ink);
    c.Line({x + 2.0, y + 2.0}, {x + 5.0, y + 5.0}, 1.1, ink);
    c.Line({x + 5.0, y + 2.0}, {x + 2.0, y + 5.0}, 1.1, ink);
}

void GearSymbol(Canvas& c, int x, int y, Rgba ink) { DrawGear(c, x + 4, y + 3.5, 4.4, ink, Rgb(68, 95, 134)); }

void InfoSymbol(Canvas& c, int x, int y, Rgba ink) {
    c.FillCircle(x + 4, y + 3.5, 4.4, ink);
    Rgba hole = Rgb(68, 95, 134);
    c.FillRect(x + 3, y + 1, 2, 1, hole);
    c.FillRect(x + 3, y + 3, 2, 4, hole);
}

void PencilSymbol(Canvas& c, int x, int y, Rgba ink) {
    c.Line({x + 1.5, y + 6.0}, {x + 7.0, y + 0.5}, 2.2, ink);
    c.FillPolygon({{x - 0.5, y + 8.0}, {x + 0.5, y + 5.0}, {x + 2.5, y + 7.0}}, ink);
}

struct DialogTitle {
    const char* text;
    void (*symbol)(Canvas&, int, int, Rgba);
};

constexpr DialogTitle kDialogTitles[] = {
    {"Settings", GearSymbol},
    {"Version", InfoSymbol},
    {"Name", PencilSymbol},
};

const char* const kPageNames[] = {"General", "Style", "Colours", "Tabs", "Tree", "List", "Gesture"};

}  // namespace

void PaintTreeToggle(Canvas& c, int look) { ModeButton(c, look, TreeSymbol); }
void PaintFavouritesToggle(Canvas& c, int look) { ModeButton(c, look, FavouritesSymbol); }
void PaintHiddenFilesToggle(Canvas& c, int look) { ModeButton(c, look, HiddenFilesSymbol); }
void PaintTipsToggle(Canvas& c, int look) { ModeButton(c, look, TipsSymbol); }
void PaintTwoPaneToggle(Canvas& c, int look) { ModeButton(c, look, TwoPaneSymbol); }
void PaintGestureToggle(Canvas& c, int look) { ModeButton(c, look, GestureSymbol); }

void PaintPropertiesButton(Canvas& c, int look) {
    DrawDarkFace(c, look == kLookPressed ? kLookPressed : kLookNormal);
    int d = PressOffset(look);
    Rgba hole = look == kLookPressed ? Rgb(46, 66, 98) : Rgb(68, 95, 134);
    DrawGear(c, 9.5 + d, 10.5 + d, 6.2, kDarkSymbol, hole);
}

void PaintNewTabButton(Canvas& c, int look) {
    TabBarFace(c, look);
    int d = PressOffset(look);
    Rgba ink = DarkSymbolColour(look);
    // A tab standing on the bar's edge, with a plus on it.
    c.Polyline({{2.5 + d, 16.5 + d}, {4.5 + d, 4.5 + d}, {14.5 + d, 4.5 + d}, {16.5 + d, 16.5 + d}}, 1.2,
               Fade(ink, 0.6));
    c.FillRect(8 + d, 6 + d, 3, 9, ink);
    c.FillRect(5 + d, 9 + d, 9, 3, ink);
}

// Variants 0 to 4 are the tab rows 1 to 5, variant 5 the launcher.
void PaintRowButton(Canvas& c, int look) {
    int variant = VariantOf(look);
    look = ButtonLookOf(look);
    TabBarFace(c, look);
    int d = PressOffset(look);
    Rgba ink = DarkSymbolColour(look);
    if (variant == 5) {
        for (int k = 0; k < 4; ++k) {
            int x = 4 + (k % 2) * 6 + d, y = 4 + (k / 2) * 6 + d;
            c.FillRoundRect(x, y, x + 5, y + 5, 1.2, k == 0 ? Paint(kWarm) : Paint(ink));
        }
        return;
    }
    // The row number over a stack of five bars, the displayed one lit.
    DrawTextCentred(c, std::string(1, static_cast<char>('1' + variant)), d, 1 + d, 13, 14, ink);
    for (int row = 0; row < 5; ++row)
        c.FillRect(14 + d, 3 + row * 3 + d, 3, 2, row == variant ? kWarm : Fade(ink, 0.35));
}

void PaintChevronButton(Canvas& c, int look) {
    TabBarFace(c, look);
    double d = PressOffset(look);
    Rgba ink = DarkSymbolColour(look);
    c.Polyline({{5.0 + d, 5.5 + d}, {9.0 + d, 9.5 + d}, {5.0 + d, 13.5 + d}}, 1.8, ink);
    c.Polyline({{10.0 + d, 5.5 + d}, {14.0 + d, 9.5 + d}, {10.0 + d, 13.5 + d}}, 1.8, ink);
}

void PaintOkButton(Canvas& c, int look) {
    RaisedFace(c, look);
    CaptionWithSymbol(c, "OK", 8, CheckSymbol, kDarkSymbol, PressOffset(look));
}

void PaintCancelButton(Canvas& c, int look) {
    RaisedFace(c, look);
    CaptionWithSymbol(c, "Cancel", 7, CrossSymbol, kDarkSymbol, PressOffset(look));
}

void PaintDefaultsButton(Canvas& c, int look) {
    RaisedFace(c, look);
    CaptionWithSymbol(c, "Default", 8, RevertSymbol, kDarkSymbol, PressOffset(look));
}

void PaintExtraButton(Canvas& c, int look) {
    RaisedFace(c, look);
    CaptionWithSymbol(c, "Clear", 7, ClearSymbol, kDarkSymbol, PressOffset(look));
}

// Variant: the page 0..6. The selected page's button is a light tab, the others raised.
void PaintPageButton(Canvas& c, int look) {
    int page = VariantOf(look);
    look = ButtonLookOf(look);
    double w = c.Width(), h = c.Height();
    int d = PressOffset(look);
    if (look == kLookOn) {
        c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(246, 249, 255), 0, Rgb(214, 226, 244), h));
        c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(255, 196, 64));
        c.FillRect(4, 13, static_cast<int>(w) - 8, 2, kWarm);
        CaptionWithSymbol(c, kPageNames[page], 0, nullptr, kLightSymbol, 0);
        return;
    }
    RaisedFace(c, look == kLookPressed ? kLookPressed : kLookNormal);
    CaptionWithSymbol(c, kPageNames[page], 0, nullptr, kDarkSymbol, d);
}

// Variant: 0 settings, 1 version, 2 name dialog. Like the frame's title button: bare at rest,
// a face under the cursor or while pressed, dimmed while the dialog is inactive.
void PaintDialogTitleButton(Canvas& c, int look) {
    const DialogTitle& title = kDialogTitles[VariantOf(look)];
    look = ButtonLookOf(look);
    double w = c.Width(), h = c.Height();
    if (look == kLookPressed) c.FillRoundRect(0, 0, w, h, 3, Rgb(40, 58, 88));
    if (look == kLookHover) c.FillRoundRect(0, 0, w, h, 3, Rgb(88, 116, 158));
    Rgba ink = look == kLookDisabled ? Rgb(150, 166, 192) : kDarkSymbol;
    CaptionWithSymbol(c, title.text, 8, title.symbol, ink, 0);
    c.HLine(4, static_cast<int>(w) - 5, static_cast<int>(h) - 1, Fade(ink, look == kLookDisabled ? 0.25 : 0.45));
}

}  // namespace art
