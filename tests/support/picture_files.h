// Picture files of any size made from a rule for their pixels, as the bytes of the file: BMP and
// GIF written here byte by byte, JPEG through the system's imaging encoder (COM must be started).
#pragma once
#include <windows.h>

#include <functional>
#include <string>

using PixelRule = std::function<COLORREF(int x, int y)>;

// 24 bits a pixel, rows stored bottom-up.
std::string BitmapFileBytes(int width, int height, const PixelRule& pixel);

// Two colours; the rule says where the second goes. The image data is never compressed: a clear
// code after every two pixels keeps every code three bits wide.
std::string GifFileBytes(int width, int height, COLORREF first, COLORREF second,
                         const std::function<bool(int x, int y)>& secondHere);

// A baseline JPEG; empty when the encoder is missing or fails.
std::string JpegFileBytes(int width, int height, const PixelRule& pixel);
