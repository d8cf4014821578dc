#include "core/thumbnail_rules.h"

#include <algorithm>
#include <cstdlib>

namespace thumbs {

namespace {

// Beyond this a side cannot come from any header the decoder reads, and the products below stay
// inside 64 bits.
constexpr int64_t kLongestSide = 0x7FFFFFFF;

char Lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// In the system code page no byte of a double-byte character is a dot, so an ending that starts
// with a dot is a real extension.
bool EndsWithLowered(const std::string& name, const char* ending) {
    size_t length = std::char_traits<char>::length(ending);
    if (name.size() < length) return false;
    for (size_t i = 0; i < length; ++i)
        if (Lowered(name[name.size() - length + i]) != ending[i]) return false;
    return true;
}

int64_t RoundedQuotient(int64_t numerator, int64_t denominator) { return (numerator + denominator / 2) / denominator; }

uint32_t Little16(const uint8_t* p) { return p[0] | (p[1] << 8); }
uint32_t Little32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint32_t Big16(const uint8_t* p) { return (p[0] << 8) | p[1]; }

bool BitmapSize(const uint8_t* data, size_t size, int64_t& width, int64_t& height) {
    if (size < 26) return false;
    uint32_t headerSize = Little32(data + 14);
    if (headerSize == 12) {
        width = Little16(data + 18);
        height = Little16(data + 20);
        return true;
    }
    width = static_cast<int32_t>(Little32(data + 18));
    // A negative height only says that the rows run from the top.
    height = std::llabs(static_cast<int32_t>(Little32(data + 22)));
    return true;
}

bool GifSize(const uint8_t* data, size_t size, int64_t& width, int64_t& height) {
    if (size < 10) return false;
    width = Little16(data + 6);
    height = Little16(data + 8);
    return true;
}

// The size is in the first frame header (SOFn); the segments before it are skipped by their
// lengths, and a scan or the end before one leaves the size unknown.
bool JpegSize(const uint8_t* data, size_t size, int64_t& width, int64_t& height) {
    size_t at = 2;
    while (at + 1 < size) {
        if (data[at] != 0xFF) return false;
        uint8_t marker = data[at + 1];
        if (marker == 0xFF) {
            ++at;
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) {
            at += 2;
            continue;
        }
        if (marker == 0xD9 || marker == 0xDA || at + 4 > size) return false;
        size_t length = Big16(data + at + 2);
        if (length < 2) return false;
        bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > size) return false;
            height = Big16(data + at + 5);
            width = Big16(data + at + 7);
            return true;
        }
        at += 2 + length;
    }
    return false;
}

}  // namespace

bool IsPictureName(const std::string& name) {
    for (const char* extension : {".bmp", ".gif", ".jpeg", ".jpg"})
        if (EndsWithLowered(name, extension)) return true;
    return false;
}

Size FitIntoCell(int64_t width, int64_t height, int cellWidth, int cellHeight) {
    if (width <= 0 || height <= 0 || cellWidth <= 0 || cellHeight <= 0) return Size{};
    if (width > kLongestSide || height > kLongestSide) return Size{};
    Size fitted;
    // Compared crosswise, so that no quotient loses the shape before the choice is made.
    if (width * cellHeight >= height * cellWidth) {
        fitted.width = cellWidth;
        fitted.height = static_cast<int>(std::max<int64_t>(1, RoundedQuotient(height * cellWidth, width)));
    } else {
        fitted.height = cellHeight;
        fitted.width = static_cast<int>(std::max<int64_t>(1, RoundedQuotient(width * cellHeight, height)));
    }
    return fitted;
}

bool TruncatedJpeg(const uint8_t* data, size_t size) {
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8) return false;
    return !(size >= 4 && data[size - 2] == 0xFF && data[size - 1] == 0xD9);
}

bool DeclaredSize(const uint8_t* data, size_t size, int64_t& width, int64_t& height) {
    width = height = 0;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') return BitmapSize(data, size, width, height);
    if (size >= 6 && std::equal(data, data + 3, "GIF")) return GifSize(data, size, width, height);
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xD8) return JpegSize(data, size, width, height);
    return false;
}

bool WorthDecoding(const uint8_t* data, size_t size) {
    if (size < 2 || TruncatedJpeg(data, size)) return false;
    int64_t width = 0, height = 0;
    if (DeclaredSize(data, size, width, height)) return FewEnoughPixels(width, height);
    return true;
}

int WorkerCount(int processors) { return std::clamp(processors, 2, 4); }

}  // namespace thumbs
