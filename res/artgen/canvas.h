// The drawing surface of the artwork generator: an RGBA canvas with straight (not premultiplied)
// alpha and a handful of shapes. Coordinates are in pixels with edges on whole numbers, so a shape
// from (2, 3) to (10, 8) covers exactly the pixels 2..9 by 3..7 and stays crisp; only diagonal and
// round edges get partial coverage, which keeps small icons sharp where they are straight.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

namespace art {

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 0;
};

constexpr Rgba Rgb(int r, int g, int b, int a = 255) {
    return Rgba{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b), static_cast<uint8_t>(a)};
}

constexpr bool operator==(Rgba x, Rgba y) { return x.r == y.r && x.g == y.g && x.b == y.b && x.a == y.a; }

// t = 0 gives x, t = 1 gives y; every channel including alpha is interpolated.
Rgba Mix(Rgba x, Rgba y, double t);
// The colour with its alpha multiplied by opacity.
Rgba Fade(Rgba c, double opacity);

struct Point {
    double x = 0, y = 0;
};

// How a shape is coloured: one colour, or a linear gradient from `from` at `start` to `to` at
// `end` (clamped beyond both ends). A plain colour converts to a paint.
struct Paint {
    Rgba from, to;
    Point start, end;

    Paint(Rgba c) : from(c), to(c) {}
    Paint(Rgba a, Point pa, Rgba b, Point pb) : from(a), to(b), start(pa), end(pb) {}
    Rgba At(double x, double y) const;
};

// Top-to-bottom gradient over the rows y0..y1.
Paint Vertical(Rgba top, double y0, Rgba bottom, double y1);

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Rgba fill = Rgba{});

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ == 0 || height_ == 0; }
    Rgba Get(int x, int y) const;
    // Writes the colour as it is, alpha included; outside the canvas nothing happens.
    void Set(int x, int y, Rgba c);
    // Lays the colour over the pixel ("source over") with its alpha scaled by coverage.
    void Blend(int x, int y, Rgba c, double coverage = 1.0);

    void Clear(Rgba c);
    // Crisp shapes on whole pixels.
    void FillRect(int x, int y, int w, int h, const Paint& p);
    void FrameRect(int x, int y, int w, int h, Rgba c);
    void HLine(int x0, int x1, int y, Rgba c);  // x0..x1 inclusive
    void VLine(int x, int y0, int y1, Rgba c);  // y0..y1 inclusive
    // Replaces (not blends) every pixel of the rectangle; used to punch transparent holes.
    void SetRect(int x, int y, int w, int h, Rgba c);

    // Anti-aliased shapes, coverage from a grid of samples inside each pixel.
    void FillRoundRect(double x0, double y0, double x1, double y1, double radius, const Paint& p);
    // A rounded rectangle outline `width` pixels wide, lying inside the given bounds.
    void StrokeRoundRect(double x0, double y0, double x1, double y1, double radius, double width, const Paint& p);
    void FillCircle(double cx, double cy, double radius, const Paint& p);
    void StrokeCircle(double cx, double cy, double radius, double width, const Paint& p);
    void FillEllipse(double cx, double cy, double rx, double ry, const Paint& p);
    // A straight stroke with round caps.
    void Line(Point a, Point b, double width, const Paint& p);
    void Polyline(const std::vector<Point>& points, double width, const Paint& p);
    // Even-odd filled polygon.
    void FillPolygon(const std::vector<Point>& points, const Paint& p);
    // Fills whatever the predicate says is inside, within the bounding box; the building block of
    // the shapes above and of one-off shapes in the painters.
    void FillShape(double x0, double y0, double x1, double y1, const std::function<bool(double, double)>& inside,
                   const Paint& p);

    // Pixel patterns: each string is a row, '.' or ' ' is empty, any other character is ink.
    // With `only` set, just the pixels marked with that character are drawn, so a pattern of
    // several colours is drawn one colour at a time.
    void Glyph(const std::vector<const char*>& rows, int x, int y, const Paint& p, char only = 0);

    // Copies src with its alpha blended over this canvas, each pixel enlarged `scale` times.
    void Draw(const Canvas& src, int x, int y, int scale = 1);
    // Copies src unchanged, alpha included.
    void Put(const Canvas& src, int x, int y);

    const std::vector<Rgba>& Pixels() const { return pixels_; }

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<Rgba> pixels_;
};

}  // namespace art
