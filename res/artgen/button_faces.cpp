#include "res/artgen/button_faces.h"

#include <cmath>
#include <vector>

namespace art {

void DrawDarkFace(Canvas& c, int look) {
    double w = c.Width(), h = c.Height();
    switch (look) {
    case kLookHover:
        c.FillRoundRect(0, 0, w, h, 2.5, Vertical(Rgb(120, 148, 190), 0, Rgb(88, 116, 158), h));
        c.StrokeRoundRect(0, 0, w, h, 2.5, 1, Rgb(255, 255, 255, 110));
        break;
    case kLookPressed:
        c.FillRoundRect(0, 0, w, h, 2.5, Vertical(Rgb(38, 56, 86), 0, Rgb(54, 76, 110), h));
        c.StrokeRoundRect(0, 0, w, h, 2.5, 1, Rgb(20, 30, 48, 200));
        break;
    case kLookOn:
        c.FillRoundRect(0, 0, w, h, 2.5, Vertical(Rgb(104, 136, 184), 0, Rgb(74, 102, 146), h));
        c.StrokeRoundRect(0, 0, w, h, 2.5, 1, Rgb(255, 214, 120, 200));
        break;
    case kLookDisabled: c.StrokeRoundRect(0, 0, w, h, 2.5, 1, Rgb(255, 255, 255, 28)); break;
    default: c.StrokeRoundRect(0, 0, w, h, 2.5, 1, Rgb(255, 255, 255, 56)); break;
    }
}

void DrawLightFace(Canvas& c, int look) {
    double w = c.Width(), h = c.Height();
    switch (look) {
    case kLookHover:
        c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(238, 245, 255), 0, Rgb(204, 222, 250), h));
        c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(86, 136, 208));
        break;
    case kLookPressed:
        c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(178, 200, 234), 0, Rgb(208, 224, 248), h));
        c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(60, 100, 162));
        break;
    case kLookOn:
        c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(255, 240, 196), 0, Rgb(250, 214, 128), h));
        c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(196, 140, 32));
        break;
    case kLookDisabled: c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(222, 226, 232)); break;
    default:
        c.FillRoundRect(0, 0, w, h, 3, Vertical(Rgb(250, 251, 253), 0, Rgb(230, 236, 244), h));
        c.StrokeRoundRect(0, 0, w, h, 3, 1, Rgb(168, 182, 204));
        break;
    }
}

int PressOffset(int look) { return look == kLookPressed ? 1 : 0; }

Rgba DarkSymbolColour(int look) {
    if (look == kLookDisabled || look == kLookOff) return kDarkSymbolDim;
    return kDarkSymbol;
}

Rgba LightSymbolColour(int look) { return look == kLookDisabled ? kLightSymbolDisabled : kLightSymbol; }

void DrawStar(Canvas& c, double cx, double cy, double outer, const Paint& fill, Rgba edge) {
    const double kPi = 3.14159265358979;
    std::vector<Point> points;
    for (int k = 0; k < 10; ++k) {
        double r = k % 2 ? outer * 0.45 : outer;
        double a = -kPi / 2 + k * kPi / 5;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    c.FillPolygon(points, fill);
    points.push_back(points.front());
    c.Polyline(points, 0.9, edge);
}

void DrawGear(Canvas& c, double cx, double cy, double radius, Rgba ink, Rgba hole) {
    const double kPi = 3.14159265358979;
    c.FillShape(
        cx - radius - 1, cy - radius - 1, cx + radius + 1, cy + radius + 1,
        [=](double x, double y) {
            double dx = x - cx, dy = y - cy;
            double r = std::sqrt(dx * dx + dy * dy);
            double a = std::atan2(dy, dx);
            // Eight teeth, each half of its sector.
            double sector = std::fmod(a + kPi + kPi / 16, kPi / 4);
            double edge = sector < kPi / 8 ? radius : radius * 0.74;
            return r <= edge;
        },
        ink);
    c.FillCircle(cx, cy, radius * 0.34, hole);
}

void DrawFolder(Canvas& c, int x, int y, int w, int h, Rgba top, Rgba bottom, Rgba edge) {
    c.FillRoundRect(x, y, x + w * 0.45, y + 3, 1, edge);
    c.FillRoundRect(x, y + 1, x + w, y + h, 1.2, edge);
    c.FillRoundRect(x + 1, y + 2, x + w - 1, y + h - 1, 0.8, Vertical(top, y + 2, bottom, y + h - 1));
}

}  // namespace art
