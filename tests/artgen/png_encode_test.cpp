#include "res/artgen/encode.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using art::Bytes;
using art::Canvas;
using art::Rgb;

struct Chunk {
    std::string type;
    Bytes data;
};

uint32_t U32Big(const Bytes& b, size_t at) {
    return uint32_t{b[at]} << 24 | uint32_t{b[at + 1]} << 16 | uint32_t{b[at + 2]} << 8 | b[at + 3];
}

// Splits a PNG into its chunks, failing the test on a bad signature, a short chunk or a wrong CRC.
std::vector<Chunk> ReadChunks(const Bytes& png) {
    std::vector<Chunk> chunks;
    const uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    if (png.size() < sizeof signature || std::memcmp(png.data(), signature, sizeof signature) != 0) {
        ADD_FAILURE() << "no PNG signature";
        return chunks;
    }
    size_t pos = sizeof signature;
    while (pos < png.size()) {
        if (png.size() - pos < 12 || png.size() - pos - 12 < U32Big(png, pos)) {
            ADD_FAILURE() << "chunk at " << pos << " runs past the end";
            break;
        }
        size_t length = U32Big(png, pos);
        const uint8_t* typeAndData = png.data() + pos + 4;
        uint32_t stored = U32Big(png, pos + 8 + length);
        EXPECT_EQ(crc32_z(0, typeAndData, 4 + length), stored) << "CRC of chunk at " << pos;
        chunks.push_back({std::string(typeAndData, typeAndData + 4), Bytes(typeAndData + 4, typeAndData + 4 + length)});
        pos += 12 + length;
    }
    return chunks;
}

TEST(PngEncode, RoundTripsEveryPixelWithItsAlpha) {
    Canvas image(3, 2, Rgb(10, 20, 30));
    image.Set(1, 0, Rgb(255, 0, 128, 0));
    image.Set(2, 0, Rgb(1, 2, 3, 77));
    image.Set(0, 1, Rgb(200, 150, 100, 255));
    image.Set(2, 1, Rgb(0, 255, 0, 1));

    std::vector<Chunk> chunks = ReadChunks(art::EncodePng(image));
    ASSERT_EQ(3u, chunks.size());
    EXPECT_EQ("IHDR", chunks[0].type);
    EXPECT_EQ("IDAT", chunks[1].type);
    EXPECT_EQ("IEND", chunks[2].type);
    EXPECT_TRUE(chunks[2].data.empty());

    const Bytes& ihdr = chunks[0].data;
    ASSERT_EQ(13u, ihdr.size());
    EXPECT_EQ(3u, U32Big(ihdr, 0));
    EXPECT_EQ(2u, U32Big(ihdr, 4));
    EXPECT_EQ((Bytes{8, 6, 0, 0, 0}), Bytes(ihdr.begin() + 8, ihdr.end()));

    // One byte more than the rows need, so that a stream longer than the image shows.
    const size_t rowBytes = 1 + 3 * 4;
    Bytes raw(2 * rowBytes + 1);
    uLongf rawSize = raw.size();
    ASSERT_EQ(Z_OK, uncompress(raw.data(), &rawSize, chunks[1].data.data(), chunks[1].data.size()));
    ASSERT_EQ(2 * rowBytes, rawSize);
    for (int y = 0; y < 2; ++y) {
        const uint8_t* row = raw.data() + y * rowBytes;
        EXPECT_EQ(0, row[0]) << "filter of row " << y;
        for (int x = 0; x < 3; ++x) {
            const uint8_t* p = row + 1 + x * 4;
            EXPECT_TRUE(Rgb(p[0], p[1], p[2], p[3]) == image.Get(x, y)) << "pixel " << x << "," << y;
        }
    }
}

TEST(PngEncode, CompressesAFlatImage) {
    Canvas image(256, 256, Rgb(240, 240, 240));
    image.FillRect(16, 16, 100, 50, Rgb(0, 0, 128));
    Bytes png = art::EncodePng(image);
    EXPECT_LT(png.size(), 256u * (1 + 256 * 4) / 50);
}

}  // namespace
