#include "shell/image_loading.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "win/owners.h"
#include "tests/shell/sample_images.h"
#include "tests/support/test_support.h"

namespace {

class ImageLoadingTest : public testing::Test {
protected:
    void SetUp() override {
        CoInitialize(nullptr);
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(window_);
    }
    void TearDown() override {
        if (window_) DestroyWindow(window_);
        CoUninitialize();
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        std::string path = folder_.Path() + name;
        EXPECT_TRUE(WriteBytes(path, bytes)) << name;
        return path;
    }
    Bitmap Load(const std::string& path) { return Bitmap(LoadImageFile(window_, path.c_str())); }

    static SIZE SizeOf(const Bitmap& bitmap) {
        BITMAP info{};
        GetObjectA(bitmap.Get(), sizeof info, &info);
        return SIZE{info.bmWidth, info.bmHeight};
    }
    COLORREF PixelAt(const Bitmap& bitmap, int x, int y) {
        WindowDC screen(window_);
        MemoryDC memory(screen.Get());
        SelectedObject selected(memory.Get(), bitmap.Get());
        return GetPixel(memory.Get(), x, y);
    }

    TempFolder folder_;
    HWND window_ = nullptr;
};

testing::AssertionResult Near(COLORREF expected, COLORREF actual) { return ColourNear(expected, actual, 24); }

TEST_F(ImageLoadingTest, BitmapLoadsAtItsSizeWithItsRowsTheRightWayUp) {
    for (const char* name : {"tile.bmp", "TILE2.BMP", "Tile3.Bmp"}) {
        Bitmap bitmap = Load(Write(name, SampleBitmapFile()));
        ASSERT_TRUE(bitmap) << name;
        SIZE size = SizeOf(bitmap);
        EXPECT_EQ(3, size.cx) << name;
        EXPECT_EQ(2, size.cy) << name;
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(kBitmapTop[x], PixelAt(bitmap, x, 0)) << name << " x=" << x;
            EXPECT_EQ(kBitmapBottom[x], PixelAt(bitmap, x, 1)) << name << " x=" << x;
        }
    }
}

TEST_F(ImageLoadingTest, GifDecodesToItsPixelsTopDown) {
    for (const char* name : {"dots.gif", "DOTS2.GIF"}) {
        Bitmap bitmap = Load(Write(name, SampleGifFile()));
        ASSERT_TRUE(bitmap) << name;
        SIZE size = SizeOf(bitmap);
        EXPECT_EQ(2, size.cx) << name;
        EXPECT_EQ(2, size.cy) << name;
        EXPECT_EQ(RGB(255, 0, 0), PixelAt(bitmap, 0, 0)) << name;
        EXPECT_EQ(RGB(0, 255, 0), PixelAt(bitmap, 1, 0)) << name;
        EXPECT_EQ(RGB(0, 0, 255), PixelAt(bitmap, 0, 1)) << name;
        EXPECT_EQ(RGB(255, 255, 0), PixelAt(bitmap, 1, 1)) << name;
    }
}

TEST_F(ImageLoadingTest, JpegDecodesToItsSizeAndColoursUnderAnyOfItsExtensions) {
    CreateDirectoryA((folder_.Path() + "背景表").c_str(), nullptr);
    for (const char* name : {"photo.jpg", "PHOTO2.JPG", "photo3.jpeg", "背景表\\写真.JPEG"}) {
        Bitmap bitmap = Load(Write(name, SampleJpegFile()));
        ASSERT_TRUE(bitmap) << name;
        SIZE size = SizeOf(bitmap);
        EXPECT_EQ(24, size.cx) << name;
        EXPECT_EQ(16, size.cy) << name;
        EXPECT_TRUE(Near(RGB(220, 30, 30), PixelAt(bitmap, 4, 4))) << name;
        EXPECT_TRUE(Near(RGB(30, 30, 220), PixelAt(bitmap, 20, 4))) << name;
        EXPECT_TRUE(Near(RGB(30, 200, 30), PixelAt(bitmap, 12, 12))) << name;
    }
}

TEST_F(ImageLoadingTest, JpegCutShortGivesNull) {
    const std::string whole = SampleJpegFile();
    ASSERT_EQ("\xFF\xD9", whole.substr(whole.size() - 2));
    EXPECT_FALSE(Load(Write("no_end_marker.jpg", whole.substr(0, whole.size() - 2))));
    EXPECT_FALSE(Load(Write("last_byte_lost.jpg", whole.substr(0, whole.size() - 1))));
    EXPECT_FALSE(Load(Write("half.jpeg", whole.substr(0, whole.size() / 2))));
    EXPECT_FALSE(Load(Write("start_only.jpg", whole.substr(0, 2))));
}

// Wine's decoder already refuses the cut files above; bytes after a complete picture are read by
// the decoder, so only the program's own look at the last two bytes refuses this one.
TEST_F(ImageLoadingTest, JpegNotEndingInItsEndMarkerGivesNull) {
    const std::string whole = SampleJpegFile();
    EXPECT_FALSE(Load(Write("trailing_byte.jpg", whole + '\0')));
    EXPECT_FALSE(Load(Write("trailing_bytes.jpeg", whole + std::string("\xFF\xD9\0", 3))));
    EXPECT_TRUE(Load(Write("ends_in_marker.jpg", whole + std::string("\0\xFF\xD9", 3))));
}

TEST_F(ImageLoadingTest, FilesThatAreNotDecodablePicturesGiveNull) {
    EXPECT_FALSE(Load(Write("red.png", SamplePngFile())));
    EXPECT_FALSE(Load(Write("red.PNG", SamplePngFile())));
    EXPECT_FALSE(Load(Write("empty.gif", "")));
    EXPECT_FALSE(Load(Write("empty.jpg", "")));
    EXPECT_FALSE(Load(Write("empty.bmp", "")));
    EXPECT_FALSE(Load(Write("garbage.jpg", std::string("\xFF\xD8", 2) + "not a picture" + "\xFF\xD9")));
    EXPECT_FALSE(Load(Write("garbage.gif", "GIF89a but nothing else")));
    EXPECT_FALSE(Load(Write("photo.txt", SampleJpegFile())));
    EXPECT_FALSE(Load(Write("noextension", SampleBitmapFile())));
}

TEST_F(ImageLoadingTest, ExtensionIsTakenFromTheFileNameOnly) {
    CreateDirectoryA((folder_.Path() + "pictures.jpg").c_str(), nullptr);
    EXPECT_FALSE(Load(Write("pictures.jpg\\photo", SampleJpegFile())));
    EXPECT_TRUE(Load(Write("pictures.jpg\\tile.bmp", SampleBitmapFile())));
}

TEST_F(ImageLoadingTest, MissingFilesGiveNull) {
    for (const char* name : {"missing.bmp", "missing.gif", "missing.jpg", "missing.jpeg"})
        EXPECT_FALSE(Load(folder_.Path() + name)) << name;
}

}  // namespace
