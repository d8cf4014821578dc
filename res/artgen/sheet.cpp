#include "res/artgen/sheet.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "res/artgen/labelfont.h"
#include "res/artgen/synth.h"
#include "res/artgen/table.h"

namespace art {
namespace {

constexpr int kSheetWidth = 1100;
constexpr int kGap = 10;
constexpr int kPad = 6;
constexpr Rgba kInk = Rgba{40, 40, 48, 255};
constexpr Rgba kTitleBlue = Rgba{68, 95, 134, 255};
constexpr Rgba kHotSpot = Rgba{230, 0, 0, 255};

// Transparency shows as the usual grey and white checks.
Canvas Checkered(int w, int h, int cell) {
    Canvas c(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) c.Set(x, y, ((x / cell + y / cell) % 2) ? Rgb(204, 204, 204) : Rgb(255, 255, 255));
    return c;
}

int ZoomFor(int w, int h) { return std::clamp(std::min(256 / std::max(w, 1), 128 / std::max(h, 1)), 1, 8); }

// A labelled panel: the label on top, then the parts side by side.
Canvas Panel(const std::string& label, const std::vector<Canvas>& parts) {
    int w = LabelWidth(label, 2), h = 0;
    int row = 0;
    for (const Canvas& p : parts) {
        row += p.Width() + kPad;
        h = std::max(h, p.Height());
    }
    w = std::max(w, row - kPad) + 2 * kPad;
    int top = kPad + LabelHeight(2) + kPad;
    Canvas c(w, top + h + kPad, Rgb(255, 255, 255));
    c.FrameRect(0, 0, w, c.Height(), Rgb(170, 170, 180));
    DrawLabel(c, label, kPad, kPad, kInk, 2);
    int x = kPad;
    for (const Canvas& p : parts) {
        c.Draw(p, x, top);
        x += p.Width() + kPad;
    }
    return c;
}

// One icon or cursor image: enlarged on checks (with the hot spot outlined for cursors), then
// actual size on checks, on the title colour, on white and on black.
Canvas IconPanel(const Row& row) {
    Canvas image = Render(row);
    int zoom = ZoomFor(image.Width(), image.Height());
    Canvas big = Checkered(image.Width() * zoom, image.Height() * zoom, zoom > 2 ? zoom : 4);
    big.Draw(image, 0, 0, zoom);
    std::string label = std::string(row.kind == Kind::Icon ? "ICON " : "CURSOR ") + std::to_string(row.id) + " " +
                        std::to_string(row.width) + "X" + std::to_string(row.height);
    if (row.kind == Kind::Cursor) {
        big.FrameRect(row.hotX * zoom, row.hotY * zoom, zoom, zoom, kHotSpot);
        label += " @" + std::to_string(row.hotX) + ":" + std::to_string(row.hotY);
    }
    std::vector<Canvas> parts{big};
    for (Rgba bg : {Rgba{}, kTitleBlue, Rgb(255, 255, 255), Rgb(0, 0, 0)}) {
        Canvas back = bg.a ? Canvas(image.Width() + 8, image.Height() + 8, bg)
                           : Checkered(image.Width() + 8, image.Height() + 8, 4);
        back.Draw(image, 4, 4);
        parts.push_back(back);
    }
    return Panel(label, parts);
}

// A bitmap: enlarged and actual size as stored (key colour visible), then actual size as the
// program shows it, with the key colour replaced by the background it sits on.
Canvas BitmapPanel(const Row& row) {
    Canvas image = Render(row);
    int zoom = ZoomFor(image.Width(), image.Height());
    Canvas big(image.Width() * zoom, image.Height() * zoom);
    big.Draw(image, 0, 0, zoom);
    Canvas shown = image;
    if (row.key.a)
        for (int y = 0; y < shown.Height(); ++y)
            for (int x = 0; x < shown.Width(); ++x)
                if (shown.Get(x, y) == row.key) shown.Set(x, y, row.matte);
    Canvas framed(shown.Width() + 16, shown.Height() + 16, row.matte);
    framed.Put(shown, 8, 8);
    std::string label =
        "BITMAP " + std::to_string(row.id) + " " + std::to_string(row.width) + "X" + std::to_string(row.height);
    return Panel(label, {big, image, framed});
}

// A sound as a waveform: the smallest and largest sample of each column.
Canvas WavePanel(const Row& row) {
    std::vector<int16_t> samples = row.compose();
    const int w = 240, h = 48;
    Canvas box(w, h, Rgb(246, 248, 252));
    box.HLine(0, w - 1, h / 2, Rgb(200, 205, 215));
    double perColumn = std::max<double>(1.0, static_cast<double>(samples.size()) / w);
    for (int x = 0; x < w; ++x) {
        size_t a = static_cast<size_t>(x * perColumn), b = static_cast<size_t>((x + 1) * perColumn);
        if (a >= samples.size()) break;
        int lo = 0, hi = 0;
        for (size_t i = a; i < std::min(b, samples.size()); ++i) {
            lo = std::min<int>(lo, samples[i]);
            hi = std::max<int>(hi, samples[i]);
        }
        // Full scale spans the box, so the -12 dB target shows as a quarter of the height.
        int y0 = h / 2 - hi * (h / 2) / 32768, y1 = h / 2 - lo * (h / 2) / 32768;
        box.VLine(x, y0, y1, kTitleBlue);
    }
    int ms = static_cast<int>(samples.size() * 1000 / kSampleRate);
    return Panel("WAVE " + std::to_string(row.id) + " " + std::to_string(ms) + "MS", {box});
}

}  // namespace

Canvas MakeSheet() {
    std::vector<Canvas> panels;
    for (Kind kind : {Kind::Icon, Kind::Cursor, Kind::Bitmap, Kind::Wave})
        for (const Row& row : Artwork()) {
            if (row.kind != kind) continue;
            if (kind == Kind::Bitmap) panels.push_back(BitmapPanel(row));
            else if (kind == Kind::Wave)
                panels.push_back(WavePanel(row));
            else
                panels.push_back(IconPanel(row));
        }

    // Flow the panels into rows.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kGap, y = kGap, rowHeight = 0, width = 0;
    for (const Canvas& p : panels) {
        if (x > kGap && x + p.Width() + kGap > kSheetWidth) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        places.push_back({x, y});
        x += p.Width() + kGap;
        width = std::max(width, x);
        rowHeight = std::max(rowHeight, p.Height());
    }
    Canvas sheet(std::max(width, kGap), y + rowHeight + kGap, Rgb(226, 229, 235));
    for (size_t i = 0; i < panels.size(); ++i) sheet.Put(panels[i], places[i].x, places[i].y);
    return sheet;
}

}  // namespace art
