// Small image files, as bytes, whose pixels the image tests know.
#pragma once
#include <windows.h>

#include <string>

// 3 × 2, 24 bits: top row kBitmapTop, bottom row kBitmapBottom, left to right.
std::string SampleBitmapFile();
extern const COLORREF kBitmapTop[3];
extern const COLORREF kBitmapBottom[3];

// 2 × 2, four palette colours: top row red, lime; bottom row blue, yellow.
std::string SampleGifFile();

// 24 × 16 baseline JPEG in 8 × 8 blocks: the top half red (220, 30, 30) in the left 16 columns
// and blue (30, 30, 220) in the right 8; the bottom half green (30, 200, 30). Ends in FF D9.
std::string SampleJpegFile();

// 2 × 2 red PNG.
std::string SamplePngFile();
