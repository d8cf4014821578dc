// File formats written by the artwork generator, each built into a byte vector so that the caller
// can compare it with what is already on disk before writing.
#pragma once
#include <cstdint>
#include <vector>

#include "res/artgen/canvas.h"

namespace art {

using Bytes = std::vector<uint8_t>;

// A bottom-up 24-bit BMP file; alpha is ignored, so the canvas must be flattened first.
Bytes EncodeBmp(const Canvas& image);

// One image of an icon or cursor file: its pixels and, for cursors, the hot spot.
struct IconImage {
    Canvas image;
    int hotX = 0;
    int hotY = 0;
};

// An .ico (cursor = false) or .cur file of 32-bit images with alpha, each with an AND mask that
// is set where the image is fully transparent, for systems that ignore the alpha channel.
Bytes EncodeIconFile(const std::vector<IconImage>& images, bool cursor);

// A PCM WAVE file, 16-bit mono.
Bytes EncodeWav(const std::vector<int16_t>& samples, int rate);

// An unfiltered RGBA PNG in a single IDAT chunk, deflated by zlib at its best level: the
// contact sheet is mostly flat colour, so it shrinks to a small part of its raw size.
Bytes EncodePng(const Canvas& image);

}  // namespace art
