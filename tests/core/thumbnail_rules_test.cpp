#include "core/thumbnail_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using thumbs::FitIntoCell;
using thumbs::Size;

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
    std::vector<uint8_t> bytes;
    for (int value : values) bytes.push_back(static_cast<uint8_t>(value));
    return bytes;
}

void Put16(std::vector<uint8_t>& bytes, size_t at, uint32_t value, bool bigEndian) {
    bytes[at + (bigEndian ? 1 : 0)] = static_cast<uint8_t>(value);
    bytes[at + (bigEndian ? 0 : 1)] = static_cast<uint8_t>(value >> 8);
}

void Put32(std::vector<uint8_t>& bytes, size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
}

std::vector<uint8_t> BitmapHeader(int32_t width, int32_t height) {
    std::vector<uint8_t> bytes(54, 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    Put32(bytes, 14, 40);
    Put32(bytes, 18, static_cast<uint32_t>(width));
    Put32(bytes, 22, static_cast<uint32_t>(height));
    return bytes;
}

// Start of image, a JFIF segment, a quantisation table stub, then a baseline frame header.
std::vector<uint8_t> JpegHeader(int width, int height, int frameMarker = 0xC0) {
    std::vector<uint8_t> bytes =
        Bytes({0xFF, 0xD8,        0xFF, 0xE0, 0x00, 0x06, 'J', 'F', 'I', 'F',  0xFF, 0xFF, 0xDB, 0x00, 0x03, 0x00,
               0xFF, frameMarker, 0x00, 0x0B, 0x08, 0,    0,   0,   0,   0x01, 0x01, 0x11, 0x00, 0xFF, 0xD9});
    Put16(bytes, 21, static_cast<uint32_t>(height), true);
    Put16(bytes, 23, static_cast<uint32_t>(width), true);
    return bytes;
}

std::vector<uint8_t> GifHeader(int width, int height) {
    std::vector<uint8_t> bytes = Bytes({'G', 'I', 'F', '8', '9', 'a', 0, 0, 0, 0, 0, 0, 0, 0x3B});
    Put16(bytes, 6, static_cast<uint32_t>(width), false);
    Put16(bytes, 8, static_cast<uint32_t>(height), false);
    return bytes;
}

testing::AssertionResult SizeIs(int width, int height, const Size& size) {
    if (size.width == width && size.height == height) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "got " << size.width << " x " << size.height;
}

TEST(ThumbnailFitTest, WidePicturesTakeTheCellsWidthAndTallOnesItsHeightKeepingTheirShape) {
    EXPECT_TRUE(SizeIs(130, 13, FitIntoCell(1000, 100)));
    EXPECT_TRUE(SizeIs(10, 98, FitIntoCell(100, 1000))) << "a portrait picture keeps its own width, rounded";
    EXPECT_TRUE(SizeIs(130, 98, FitIntoCell(1300, 980)));
    EXPECT_TRUE(SizeIs(130, 98, FitIntoCell(65, 49))) << "a smaller picture of the cell's shape fills it";
    EXPECT_TRUE(SizeIs(130, 65, FitIntoCell(2, 1))) << "enlarged until one side touches the cell";
    EXPECT_TRUE(SizeIs(49, 98, FitIntoCell(1, 2)));
    EXPECT_TRUE(SizeIs(130, 98, FitIntoCell(4000, 3000))) << "97.5 rounds to the cell's own height";
    EXPECT_TRUE(SizeIs(74, 98, FitIntoCell(3000, 4000)));
}

TEST(ThumbnailFitTest, ExtremeShapesKeepAtLeastOnePixelAndNoAreaGivesNothing) {
    EXPECT_TRUE(SizeIs(1, 98, FitIntoCell(1, 2000)));
    EXPECT_TRUE(SizeIs(130, 1, FitIntoCell(2000, 1)));
    EXPECT_TRUE(SizeIs(98, 98, FitIntoCell(1, 1)));
    EXPECT_TRUE(SizeIs(130, 1, FitIntoCell(65535, 1)));
    for (Size none : {FitIntoCell(0, 100), FitIntoCell(100, 0), FitIntoCell(0, 0), FitIntoCell(-5, 10),
                      FitIntoCell(10, 10, 0, 98), FitIntoCell(10, 10, 130, 0)})
        EXPECT_TRUE(none.Empty());
}

TEST(ThumbnailFitTest, SidesAsLongAsA32BitSizeCanSayDoNotOverflow) {
    EXPECT_TRUE(SizeIs(130, 98, FitIntoCell(0x7FFFFFFF, 0x7FFFFFFF / 130 * 98)));
    EXPECT_TRUE(SizeIs(1, 98, FitIntoCell(1, 0x7FFFFFFF)));
    EXPECT_TRUE(FitIntoCell(int64_t{1} << 40, 5).Empty()) << "no header can declare such a side";
}

TEST(ThumbnailNamesTest, OnlyTheFourPictureExtensionsInAnyCaseCount) {
    for (const char* name : {"a.bmp", "A.BMP", "x.Gif", "photo.jpeg", "PHOTO.JPG", "C:\\写真\\表.jpg", "..jpg"})
        EXPECT_TRUE(thumbs::IsPictureName(name)) << name;
    for (const char* name : {"a.png", "a.jpg.txt", "jpg", "a.jpe", "a.bmpx", "", "C:\\dir.jpg\\file", "ソ"})
        EXPECT_FALSE(thumbs::IsPictureName(name)) << name;
}

TEST(ThumbnailBytesTest, AJpegWithoutItsEndMarkerIsTruncatedWhateverElseItHolds) {
    std::vector<uint8_t> whole = JpegHeader(10, 10);
    EXPECT_FALSE(thumbs::TruncatedJpeg(whole.data(), whole.size()));
    std::vector<uint8_t> cut(whole.begin(), whole.end() - 1);
    EXPECT_TRUE(thumbs::TruncatedJpeg(cut.data(), cut.size()));
    EXPECT_TRUE(thumbs::TruncatedJpeg(whole.data(), 2)) << "nothing but the start marker";
    std::vector<uint8_t> markersOnly = Bytes({0xFF, 0xD8, 0xFF, 0xD9});
    EXPECT_FALSE(thumbs::TruncatedJpeg(markersOnly.data(), markersOnly.size()));
    std::vector<uint8_t> overlapping = Bytes({0xFF, 0xD8, 0xD9});
    EXPECT_TRUE(thumbs::TruncatedJpeg(overlapping.data(), overlapping.size()))
        << "the start marker's second byte is no end marker";
    std::vector<uint8_t> bitmap = BitmapHeader(2, 2);
    EXPECT_FALSE(thumbs::TruncatedJpeg(bitmap.data(), bitmap.size()));
}

TEST(ThumbnailBytesTest, HeadersDeclareTheirSizesAndCutHeadersDeclareNothing) {
    int64_t width = -1, height = -1;
    std::vector<uint8_t> bitmap = BitmapHeader(300, -200);
    ASSERT_TRUE(thumbs::DeclaredSize(bitmap.data(), bitmap.size(), width, height));
    EXPECT_EQ(300, width);
    EXPECT_EQ(200, height) << "rows from the top are still 200 rows";
    std::vector<uint8_t> gif = GifHeader(640, 480);
    ASSERT_TRUE(thumbs::DeclaredSize(gif.data(), gif.size(), width, height));
    EXPECT_EQ(640, width);
    EXPECT_EQ(480, height);
    for (int marker : {0xC0, 0xC2, 0xC9}) {
        std::vector<uint8_t> jpeg = JpegHeader(4000, 3000, marker);
        ASSERT_TRUE(thumbs::DeclaredSize(jpeg.data(), jpeg.size(), width, height)) << marker;
        EXPECT_EQ(4000, width);
        EXPECT_EQ(3000, height);
    }
    std::vector<uint8_t> tableNotFrame = JpegHeader(10, 10, 0xC4);
    EXPECT_FALSE(thumbs::DeclaredSize(tableNotFrame.data(), tableNotFrame.size(), width, height))
        << "a Huffman table is not a frame header";
    std::vector<uint8_t> jpeg = JpegHeader(10, 10);
    for (size_t length = 0; length < 25; ++length)
        EXPECT_FALSE(thumbs::DeclaredSize(jpeg.data(), length, width, height)) << length;
    EXPECT_FALSE(thumbs::DeclaredSize(bitmap.data(), 25, width, height));
    EXPECT_FALSE(thumbs::DeclaredSize(gif.data(), 9, width, height));
    std::vector<uint8_t> zeroLength = Bytes({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x00, 0xFF, 0xC0});
    EXPECT_FALSE(thumbs::DeclaredSize(zeroLength.data(), zeroLength.size(), width, height));
    std::vector<uint8_t> text = Bytes({'h', 'e', 'l', 'l', 'o'});
    EXPECT_FALSE(thumbs::DeclaredSize(text.data(), text.size(), width, height));
}

TEST(ThumbnailBytesTest, EmptyTruncatedAndHugePicturesAreNotDecodedButUnknownOnesAreTried) {
    std::vector<uint8_t> one = Bytes({0x42});
    EXPECT_FALSE(thumbs::WorthDecoding(one.data(), 0));
    EXPECT_FALSE(thumbs::WorthDecoding(one.data(), 1));
    std::vector<uint8_t> jpeg = JpegHeader(4000, 3000);
    EXPECT_TRUE(thumbs::WorthDecoding(jpeg.data(), jpeg.size()));
    EXPECT_FALSE(thumbs::WorthDecoding(jpeg.data(), jpeg.size() - 2));
    std::vector<uint8_t> huge = JpegHeader(10000, 5001);
    EXPECT_FALSE(thumbs::WorthDecoding(huge.data(), huge.size())) << "just over 50 million pixels";
    std::vector<uint8_t> limit = JpegHeader(10000, 5000);
    EXPECT_TRUE(thumbs::WorthDecoding(limit.data(), limit.size()));
    std::vector<uint8_t> hugeBitmap = BitmapHeader(0x7FFFFFFF, 0x7FFFFFFF);
    EXPECT_FALSE(thumbs::WorthDecoding(hugeBitmap.data(), hugeBitmap.size()));
    std::vector<uint8_t> noArea = GifHeader(0, 10);
    EXPECT_FALSE(thumbs::WorthDecoding(noArea.data(), noArea.size()));
    std::vector<uint8_t> png = Bytes({0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A});
    EXPECT_TRUE(thumbs::WorthDecoding(png.data(), png.size())) << "a misnamed picture is left to the decoder";
    EXPECT_FALSE(thumbs::FewEnoughPixels(0, 5));
    EXPECT_FALSE(thumbs::FewEnoughPixels(5, 0));
    EXPECT_FALSE(thumbs::FewEnoughPixels(int64_t{1} << 32, int64_t{1} << 32));
}

TEST(ThumbnailWorkersTest, OneAProcessorBetweenTwoAndFour) {
    EXPECT_EQ(2, thumbs::WorkerCount(0));
    EXPECT_EQ(2, thumbs::WorkerCount(1));
    EXPECT_EQ(2, thumbs::WorkerCount(2));
    EXPECT_EQ(3, thumbs::WorkerCount(3));
    EXPECT_EQ(4, thumbs::WorkerCount(4));
    EXPECT_EQ(4, thumbs::WorkerCount(64));
}

}  // namespace
