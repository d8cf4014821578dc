#include "res/artgen/canvas.h"

#include <algorithm>
#include <cmath>

namespace art {
namespace {

// Samples per pixel side for anti-aliased shapes: 64 coverage levels are plenty at icon sizes.
constexpr int kGrid = 8;

uint8_t Channel(double v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

bool InRoundRect(double x, double y, double x0, double y0, double x1, double y1, double r) {
    if (x < x0 || x > x1 || y < y0 || y > y1) return false;
    r = std::min({r, (x1 - x0) / 2, (y1 - y0) / 2});
    if (r <= 0) return true;
    double cx = std::clamp(x, x0 + r, x1 - r);
    double cy = std::clamp(y, y0 + r, y1 - r);
    double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= r * r;
}

double SegmentDistance(double x, double y, Point a, Point b) {
    double vx = b.x - a.x, vy = b.y - a.y;
    double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? std::clamp(((x - a.x) * vx + (y - a.y) * vy) / len2, 0.0, 1.0) : 0.0;
    double dx = x - (a.x + t * vx), dy = y - (a.y + t * vy);
    return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

Rgba Mix(Rgba x, Rgba y, double t) {
    return Rgba{Channel(x.r + (y.r - x.r) * t), Channel(x.g + (y.g - x.g) * t), Channel(x.b + (y.b - x.b) * t),
                Channel(x.a + (y.a - x.a) * t)};
}

Rgba Fade(Rgba c, double opacity) {
    c.a = Channel(c.a * opacity);
    return c;
}

Rgba Paint::At(double x, double y) const {
    if (from == to) return from;
    double vx = end.x - start.x, vy = end.y - start.y;
    double len2 = vx * vx + vy * vy;
    if (len2 <= 0) return from;
    double t = std::clamp(((x - start.x) * vx + (y - start.y) * vy) / len2, 0.0, 1.0);
    return Mix(from, to, t);
}

Paint Vertical(Rgba top, double y0, Rgba bottom, double y1) { return Paint(top, Point{0, y0}, bottom, Point{0, y1}); }

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width) * height, fill) {}

Rgba Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return Rgba{};
    return pixels_[static_cast<size_t>(y) * width_ + x];
}

void Canvas::Set(int x, int y, Rgba c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::Blend(int x, int y, Rgba c, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    double sa = c.a / 255.0 * std::clamp(coverage, 0.0, 1.0);
    if (sa <= 0) return;
    Rgba& d = pixels_[static_cast<size_t>(y) * width_ + x];
    double da = d.a / 255.0;
    double oa = sa + da * (1 - sa);
    auto mix = [&](uint8_t s, uint8_t t) { return Channel((s * sa + t * da * (1 - sa)) / oa); };
    d = Rgba{mix(c.r, d.r), mix(c.g, d.g), mix(c.b, d.b), Channel(oa * 255)};
}

void Canvas::Clear(Rgba c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::FillRect(int x, int y, int w, int h, const Paint& p) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Blend(i, j, p.At(i + 0.5, j + 0.5));
}

void Canvas::FrameRect(int x, int y, int w, int h, Rgba c) {
    if (w <= 0 || h <= 0) return;
    HLine(x, x + w - 1, y, c);
    if (h > 1) HLine(x, x + w - 1, y + h - 1, c);
    if (h > 2) {
        VLine(x, y + 1, y + h - 2, c);
        if (w > 1) VLine(x + w - 1, y + 1, y + h - 2, c);
    }
}

void Canvas::HLine(int x0, int x1, int y, Rgba c) {
    for (int i = std::min(x0, x1); i <= std::max(x0, x1); ++i) Blend(i, y, c);
}

void Canvas::VLine(int x, int y0, int y1, Rgba c) {
    for (int j = std::min(y0, y1); j <= std::max(y0, y1); ++j) Blend(x, j, c);
}

void Canvas::SetRect(int x, int y, int w, int h, Rgba c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) Set(i, j, c);
}

void Canvas::FillShape(double x0, double y0, double x1, double y1, const std::function<bool(double, double)>& inside,
                       const Paint& p) {
    int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    int ix1 = std::min(width_, static_cast<int>(std::ceil(x1)));
    int iy1 = std::min(height_, static_cast<int>(std::ceil(y1)));
    for (int j = iy0; j < iy1; ++j) {
        for (int i = ix0; i < ix1; ++i) {
            int hits = 0;
            for (int sy = 0; sy < kGrid; ++sy)
                for (int sx = 0; sx < kGrid; ++sx)
                    if (inside(i + (sx + 0.5) / kGrid, j + (sy + 0.5) / kGrid)) ++hits;
            if (hits) Blend(i, j, p.At(i + 0.5, j + 0.5), static_cast<double>(hits) / (kGrid * kGrid));
        }
    }
}

void Canvas::FillRoundRect(double x0, double y0, double x1, double y1, double radius, const Paint& p) {
    FillShape(
        x0, y0, x1, y1, [=](double x, double y) { return InRoundRect(x, y, x0, y0, x1, y1, radius); }, p);
}

void Canvas::StrokeRoundRect(double x0, double y0, double x1, double y1, double radius, double width, const Paint& p) {
    double inner = std::max(0.0, radius - width);
    FillShape(
        x0, y0, x1, y1,
        [=](double x, double y) {
            return InRoundRect(x, y, x0, y0, x1, y1, radius) &&
                   !InRoundRect(x, y, x0 + width, y0 + width, x1 - width, y1 - width, inner);
        },
        p);
}

void Canvas::FillCircle(double cx, double cy, double radius, const Paint& p) { FillEllipse(cx, cy, radius, radius, p); }

void Canvas::StrokeCircle(double cx, double cy, double radius, double width, const Paint& p) {
    double outer = radius + width / 2, inner = radius - width / 2;
    FillShape(
        cx - outer, cy - outer, cx + outer, cy + outer,
        [=](double x, double y) {
            double d2 = (x - cx) * (x - cx) + (y - cy) * (y - cy);
            return d2 <= outer * outer && d2 >= inner * inner;
        },
        p);
}

void Canvas::FillEllipse(double cx, double cy, double rx, double ry, const Paint& p) {
    FillShape(
        cx - rx, cy - ry, cx + rx, cy + ry,
        [=](double x, double y) {
            double dx = (x - cx) / rx, dy = (y - cy) / ry;
            return dx * dx + dy * dy <= 1.0;
        },
        p);
}

void Canvas::Line(Point a, Point b, double width, const Paint& p) { Polyline({a, b}, width, p); }

void Canvas::Polyline(const std::vector<Point>& points, double width, const Paint& p) {
    if (points.empty()) return;
    double half = width / 2;
    double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& q : points) {
        x0 = std::min(x0, q.x), x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y), y1 = std::max(y1, q.y);
    }
    // One pass over the union of the segments, so joints are not painted twice.
    FillShape(
        x0 - half, y0 - half, x1 + half, y1 + half,
        [&](double x, double y) {
            if (points.size() == 1) return SegmentDistance(x, y, points[0], points[0]) <= half;
            for (size_t k = 1; k < points.size(); ++k)
                if (SegmentDistance(x, y, points[k - 1], points[k]) <= half) return true;
            return false;
        },
        p);
}

void Canvas::FillPolygon(const std::vector<Point>& points, const Paint& p) {
    if (points.size() < 3) return;
    double x0 = points[0].x, x1 = x0, y0 = points[0].y, y1 = y0;
    for (const Point& q : points) {
        x0 = std::min(x0, q.x), x1 = std::max(x1, q.x);
        y0 = std::min(y0, q.y), y1 = std::max(y1, q.y);
    }
    FillShape(
        x0, y0, x1, y1,
        [&](double x, double y) {
            bool in = false;
            for (size_t k = 0, l = points.size() - 1; k < points.size(); l = k++) {
                const Point& a = points[k];
                const Point& b = points[l];
                if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
            }
            return in;
        },
        p);
}

void Canvas::Glyph(const std::vector<const char*>& rows, int x, int y, const Paint& p, char only) {
    for (size_t j = 0; j < rows.size(); ++j)
        for (int i = 0; rows[j][i]; ++i)
            if (only ? rows[j][i] == only : rows[j][i] != '.' && rows[j][i] != ' ')
                Blend(x + i, y + static_cast<int>(j), p.At(x + i + 0.5, y + j + 0.5));
}

void Canvas::Draw(const Canvas& src, int x, int y, int scale) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i) {
            Rgba c = src.Get(i, j);
            for (int v = 0; v < scale; ++v)
                for (int u = 0; u < scale; ++u) Blend(x + i * scale + u, y + j * scale + v, c);
        }
}

void Canvas::Put(const Canvas& src, int x, int y) {
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i) Set(x + i, y + j, src.Get(i, j));
}

}  // namespace art
