// The one table from which every resource of the program's skin is generated. Each row is one
// bitmap, one image of an icon or cursor (rows with the same number make one multi-size file), or
// one sound. Adding artwork means writing a painter (or reusing one with another look) and adding
// a row with one of the helpers below.
#pragma once
#include <cstdint>
#include <vector>

#include "res/artgen/canvas.h"

namespace art {

enum class Kind { Bitmap, Icon, Cursor, Wave };

// Draws into a canvas of the row's size, cleared to transparent. `look` lets one routine draw a
// family of images, such as the normal, pressed and hover looks of one button.
using Painter = void (*)(Canvas& canvas, int look);
// Synthesises a sound and returns its 16-bit mono samples at kSampleRate.
using Composer = std::vector<int16_t> (*)();

constexpr Rgba kNoKey = Rgba{0, 0, 0, 0};
constexpr Rgba kWhite = Rgba{255, 255, 255, 255};
constexpr Rgba kMagenta = Rgba{255, 0, 255, 255};

struct Row {
    int id;
    Kind kind;
    int width;
    int height;
    Painter paint;
    int look;
    // Bitmaps only. Where the painter left a pixel fully transparent the key colour is written
    // (the program masks it out when drawing); every other pixel is laid over the matte, the
    // colour the bitmap is shown on, so soft edges blend into the right background. Without a
    // key the whole image is laid over the matte.
    Rgba key;
    Rgba matte;
    int hotX;  // cursors only
    int hotY;
    Composer compose;  // sounds only
};

constexpr Row BitmapRow(int id, int width, int height, Painter paint, int look = 0, Rgba key = kNoKey,
                        Rgba matte = kWhite) {
    return Row{id, Kind::Bitmap, width, height, paint, look, key, matte, 0, 0, nullptr};
}

constexpr Row IconRow(int id, int size, Painter paint, int look = 0) {
    return Row{id, Kind::Icon, size, size, paint, look, kNoKey, kNoKey, 0, 0, nullptr};
}

constexpr Row CursorRow(int id, int size, int hotX, int hotY, Painter paint, int look = 0) {
    return Row{id, Kind::Cursor, size, size, paint, look, kNoKey, kNoKey, hotX, hotY, nullptr};
}

constexpr Row WaveRow(int id, Composer compose) {
    return Row{id, Kind::Wave, 0, 0, nullptr, 0, kNoKey, kNoKey, 0, 0, compose};
}

const std::vector<Row>& Artwork();

// The row's image as it goes into its file: painted, and for bitmaps flattened onto the key and
// the matte (so fully opaque).
Canvas Render(const Row& row);

}  // namespace art
