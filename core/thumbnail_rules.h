// What decides whether a file gets a thumbnail and how large it is drawn: which names are
// pictures, which bytes are refused before decoding, how a picture fits the thumbnail cell, and
// how many threads make thumbnails. No Windows header, so that it is tested natively.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace thumbs {

// The picture area of a thumbnail cell.
constexpr int kCellWidth = 130;
constexpr int kCellHeight = 98;

// Larger files and pictures are refused: reading and decoding them would hold a worker, and the
// memory of a whole picture, for a 130 by 98 result.
constexpr uint64_t kLargestFile = 64ull * 1024 * 1024;
constexpr uint64_t kMostPixels = 50'000'000;

// What a thumbnail was made from: the file's last-write time and size. A file replaced, or still
// being copied, shows a new stamp, and its thumbnail is made again.
struct FileStamp {
    uint64_t writeTime = 0;
    uint64_t size = 0;
    bool operator==(const FileStamp& other) const { return writeTime == other.writeTime && size == other.size; }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};

// A file name or path whose extension, lowered, is one the decoder reads: .bmp, .gif, .jpeg, .jpg.
bool IsPictureName(const std::string& name);

struct Size {
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
};

// The largest size of the picture's shape that fits the cell: it touches the cell on one side,
// smaller pictures enlarged, and neither side falls below 1 pixel. Empty when the picture has no
// area (a side 0 or less) or when the cell has none.
Size FitIntoCell(int64_t width, int64_t height, int cellWidth = kCellWidth, int cellHeight = kCellHeight);

// A JPEG stream (starting FF D8) that does not end with its end marker FF D9: a file still being
// written, or cut short, which the decoder would show half grey.
bool TruncatedJpeg(const uint8_t* data, size_t size);

// The picture's width and height as its header declares them, for BMP, GIF and JPEG; false when
// the bytes are none of these or the header is cut short. Read before decoding, so that a picture
// too large to decode is refused without the memory for it.
bool DeclaredSize(const uint8_t* data, size_t size, int64_t& width, int64_t& height);

// Whether bytes read from a picture file go to the decoder at all: too short to be a picture,
// a truncated JPEG, or a declared size beyond kMostPixels are refused.
bool WorthDecoding(const uint8_t* data, size_t size);

// Whether a decoded picture of this size is small enough to draw from.
inline bool FewEnoughPixels(int64_t width, int64_t height) {
    return width > 0 && height > 0 && static_cast<uint64_t>(width) <= kMostPixels / static_cast<uint64_t>(height);
}

// One worker a processor, at least two so that one slow picture does not hold the rest up, at
// most four so that thumbnails never take the whole machine from the interface.
int WorkerCount(int processors);

}  // namespace thumbs
