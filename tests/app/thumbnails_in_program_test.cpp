// Thumbnails in the program running in this process: pictures made by the test appear in the
// thumbnail style as the workers finish them, files that are no pictures or broken ones keep
// their icons, and a picture changed on disk is made again.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/item_drawing.h"
#include "panes/list/list_pane.h"
#include "panes/list/thumbnail_cache.h"
#include "tests/support/picture_files.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

using State = ThumbnailCache::State;

constexpr COLORREF kRed = RGB(220, 30, 30);
constexpr COLORREF kBlue = RGB(30, 30, 220);
constexpr COLORREF kGreen = RGB(30, 200, 30);
constexpr DWORD kSettleMs = 30000;

testing::AssertionResult Near(COLORREF expected, COLORREF actual) { return ColourNear(expected, actual, 28); }

SIZE SizeOf(HBITMAP bitmap) {
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return SIZE{0, 0};
    return SIZE{info.bmWidth, info.bmHeight};
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
    WindowDC screen(nullptr);
    MemoryDC memory(screen.Get());
    SelectedObject selected(memory.Get(), bitmap);
    return GetPixel(memory.Get(), x, y);
}

// Left half red, right half blue.
COLORREF Halves(int x, int width) { return x < width / 2 ? kRed : kBlue; }

class ThumbnailsInProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        // The encoder is a COM object; the program starts COM again for itself, later.
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        Set("LIST", "POLAROID", "0");
        pictures_ = MakeFolder("写真") + "\\";
        jpeg_ = JpegFileBytes(200, 100, [](int x, int) { return Halves(x, 200); });
        ASSERT_FALSE(jpeg_.empty()) << "the imaging encoder makes JPEG files";
    }
    void TearDown() override {
        program_.reset();
        CoUninitialize();
    }
    std::string Path(const char* name) const { return pictures_ + name; }
    void Write(const char* name, const std::string& bytes) const { ASSERT_TRUE(WriteBytes(Path(name), bytes)); }

    RunningProgram* Start() {
        StartOptions options = Options();
        options.arguments = {pictures_.substr(0, pictures_.size() - 1)};
        program_ = std::make_unique<RunningProgram>(options);
        if (!program_->Window()) return nullptr;
        // Room for every cell, so that every item is drawn and asks for its picture.
        SetWindowPos(program_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER);
        List().SetViewStyle(kThumbnailStyle, true);
        return program_.get();
    }
    // Still there after quitting: the application object outlives its window.
    ThumbnailCache& Cache() { return program_->Main().Thumbnails(); }
    ListPane& List() { return RunningMain().MainList(); }

    bool Settled(const std::vector<const char*>& names) {
        return PumpUntil(
            [&] {
                for (const char* name : names) {
                    State state = Cache().StateOf(Path(name));
                    if (state != State::Made && state != State::Failed) return false;
                }
                return true;
            },
            kSettleMs);
    }
    int RowOf(const char* name) {
        FolderList& model = List().Model();
        for (size_t row = 0; row < model.Count(); ++row)
            if (model.Name(row) == name) return static_cast<int>(row);
        return -1;
    }
    RECT IconBox(int row) {
        RECT box{};
        box.left = LVIR_ICON;
        SendMessageA(List().Window(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&box));
        return box;
    }
    // What the list shows on the screen at a point of a row's picture area.
    COLORREF Shown(int row, int dx, int dy) {
        RECT box = IconBox(row);
        WindowDC dc(List().Window());
        return GetPixel(dc.Get(), box.left + dx, box.top + dy);
    }
    // A point of the picture of a size as the cell centres it, given as fractions of its size.
    COLORREF ShownInPicture(int row, SIZE size, double fx, double fy) {
        RECT box = IconBox(row);
        layout::Point place =
            drawing::PicturePlace(drawing::Rect{box.left, box.top, box.right, box.bottom}, size.cx, size.cy);
        WindowDC dc(List().Window());
        return GetPixel(dc.Get(), place.x + static_cast<int>(fx * size.cx), place.y + static_cast<int>(fy * size.cy));
    }
    // The tint of the placeholder under an icon, for the default black names.
    COLORREF Placeholder() const { return static_cast<COLORREF>(drawing::LightTint(0)); }

    std::string pictures_;
    std::string jpeg_;
    std::unique_ptr<RunningProgram> program_;
};

TEST_F(ThumbnailsInProgramTest, PicturesOfEachKindAppearScaledIntoTheCellAndBrokenOnesKeepTheirIcons) {
    Write("a.bmp", BitmapFileBytes(260, 196, [](int x, int) { return Halves(x, 260); }));
    Write("b.gif", GifFileBytes(64, 48, kRed, kBlue, [](int x, int) { return x >= 32; }));
    Write("c.jpg", jpeg_);
    Write("one.bmp", BitmapFileBytes(1, 1, [](int, int) { return kGreen; }));
    Write("tall.BMP", BitmapFileBytes(1, 2000, [](int, int) { return kBlue; }));
    Write("empty.jpg", "");
    Write("cut.jpg", jpeg_.substr(0, jpeg_.size() - 2));
    Write("note.txt", "no picture");
    CreateDirectoryA(Path("dir.jpg").c_str(), nullptr);
    ASSERT_TRUE(Start());
    ASSERT_EQ(9u, List().Model().Count());
    ASSERT_TRUE(Settled({"a.bmp", "b.gif", "c.jpg", "one.bmp", "tall.BMP", "empty.jpg", "cut.jpg"}));

    struct Expected {
        const char* name;
        SIZE size;
    };
    for (Expected made : {Expected{"a.bmp", {130, 98}}, Expected{"b.gif", {130, 98}}, Expected{"c.jpg", {130, 65}},
                          Expected{"one.bmp", {98, 98}}, Expected{"tall.BMP", {1, 98}}}) {
        ASSERT_EQ(State::Made, Cache().StateOf(Path(made.name))) << made.name;
        SIZE size = SizeOf(Cache().Lookup(Path(made.name)));
        EXPECT_EQ(made.size.cx, size.cx) << made.name;
        EXPECT_EQ(made.size.cy, size.cy) << made.name;
    }
    for (const char* name : {"a.bmp", "b.gif", "c.jpg"}) {
        HBITMAP picture = Cache().Lookup(Path(name));
        SIZE size = SizeOf(picture);
        EXPECT_TRUE(Near(kRed, BitmapPixel(picture, size.cx / 4, size.cy / 2))) << name;
        EXPECT_TRUE(Near(kBlue, BitmapPixel(picture, size.cx * 3 / 4, size.cy / 2))) << name;
        // The list has drawn the picture in its cell once the worker told it.
        int row = RowOf(name);
        EXPECT_TRUE(PumpUntil([&] { return Near(kRed, ShownInPicture(row, size, 0.25, 0.5)); })) << name;
        EXPECT_TRUE(Near(kBlue, ShownInPicture(row, size, 0.75, 0.5))) << name;
    }
    EXPECT_TRUE(Near(kGreen, BitmapPixel(Cache().Lookup(Path("one.bmp")), 50, 50)));

    // An empty file and a JPEG cut short are read but never decoded: their icons stay. (Wine's
    // decoder would refuse the cut JPEG too; the check before decoding is tested natively.)
    for (const char* name : {"empty.jpg", "cut.jpg"}) {
        EXPECT_EQ(State::Failed, Cache().StateOf(Path(name))) << name;
        EXPECT_EQ(Placeholder(), Shown(RowOf(name), 10, 10)) << name;
    }
    // Neither a text file nor a folder named like a picture is read at all.
    EXPECT_EQ(State::Unknown, Cache().StateOf(Path("note.txt")));
    EXPECT_EQ(State::Unknown, Cache().StateOf(Path("dir.jpg")));
    EXPECT_EQ(Placeholder(), Shown(RowOf("note.txt"), 10, 10));
    EXPECT_EQ(7u, Cache().DecodesStarted());
    EXPECT_GE(Cache().WorkerThreads(), 2u);
    EXPECT_LE(Cache().WorkerThreads(), 4u);
    EXPECT_EQ(5u, Cache().BitmapCount());

    // Drawing again asks the cache, which answers from what it holds.
    RedrawWindow(List().Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    for (const char* name : {"a.bmp", "b.gif", "c.jpg", "one.bmp", "tall.BMP"})
        EXPECT_EQ(State::Made, Cache().StateOf(Path(name))) << name;
    for (const char* name : {"empty.jpg", "cut.jpg"}) EXPECT_EQ(State::Failed, Cache().StateOf(Path(name))) << name;
    program_->Quit();
    EXPECT_EQ(0u, Cache().WorkerThreads());
    EXPECT_EQ(0u, Cache().BitmapCount());
}

TEST_F(ThumbnailsInProgramTest, APictureReplacedOrFinishedOnDiskIsMadeAgainWhenNextDrawn) {
    Write("a.bmp", BitmapFileBytes(26, 20, [](int, int) { return kRed; }));
    Write("c.jpg", jpeg_.substr(0, jpeg_.size() / 2));
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Settled({"a.bmp", "c.jpg"}));
    ASSERT_EQ(State::Made, Cache().StateOf(Path("a.bmp")));
    ASSERT_EQ(State::Failed, Cache().StateOf(Path("c.jpg"))) << "half a JPEG, as while it is copied";
    uint64_t decodes = Cache().DecodesStarted();

    // The same size, a new time: only the time tells that the picture changed.
    Write("a.bmp", BitmapFileBytes(26, 20, [](int, int) { return kGreen; }));
    {
        Handle file(CreateFileA(Path("a.bmp").c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                0, nullptr));
        FILETIME now{};
        GetSystemTimeAsFileTime(&now);
        ULARGE_INTEGER hourLater{};
        hourLater.LowPart = now.dwLowDateTime;
        hourLater.HighPart = now.dwHighDateTime;
        hourLater.QuadPart += 3600ull * 10000000;
        FILETIME later{hourLater.LowPart, hourLater.HighPart};
        ASSERT_TRUE(SetFileTime(file.Get(), nullptr, nullptr, &later));
    }
    Write("c.jpg", jpeg_);
    InvalidateRect(List().Window(), nullptr, TRUE);
    ASSERT_TRUE(PumpUntil(
        [&] {
            return Cache().StateOf(Path("a.bmp")) == State::Made && Cache().StateOf(Path("c.jpg")) == State::Made &&
                   Near(kGreen, BitmapPixel(Cache().Lookup(Path("a.bmp")), 5, 5));
        },
        kSettleMs));
    EXPECT_EQ(decodes + 2, Cache().DecodesStarted());
    EXPECT_TRUE(PumpUntil([&] { return Near(kGreen, ShownInPicture(RowOf("a.bmp"), SIZE{127, 98}, 0.5, 0.5)); }));
}

TEST_F(ThumbnailsInProgramTest, APictureThatAnotherProgramHoldsOpenToWriteAndDeleteIsStillRead) {
    Write("c.jpg", jpeg_);
    Handle writer(CreateFileA(Path("c.jpg").c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(writer.Valid());
    ASSERT_TRUE(Start());
    ASSERT_TRUE(Settled({"c.jpg"}));
    EXPECT_EQ(State::Made, Cache().StateOf(Path("c.jpg")));
}

TEST_F(ThumbnailsInProgramTest, BothListsDrawFromOneCacheAndEachPictureIsMadeOnce) {
    Write("a.bmp", BitmapFileBytes(26, 20, [](int, int) { return kRed; }));
    Write("c.jpg", jpeg_);
    StartOptions options = Options();
    std::string folder = pictures_.substr(0, pictures_.size() - 1);
    options.arguments = {folder, folder};
    program_ = std::make_unique<RunningProgram>(options);
    ASSERT_TRUE(program_->Window());
    SetWindowPos(program_->Window(), nullptr, 0, 0, 1200, 900, SWP_NOZORDER);
    MainWindow& window = RunningMain();
    ASSERT_TRUE(window.Tabs().Select(tabs::Pane::Sub, 2));
    window.ToggleTwoPaneMode();
    window.LoadPane(tabs::Pane::Sub);
    window.MainList().SetViewStyle(kThumbnailStyle, true);
    window.SubList().SetViewStyle(kThumbnailStyle, true);
    ASSERT_TRUE(Settled({"a.bmp", "c.jpg"}));
    RECT box{};
    box.left = LVIR_ICON;
    int row = -1;
    for (size_t i = 0; i < window.SubList().Model().Count(); ++i)
        if (window.SubList().Model().Name(i) == "a.bmp") row = static_cast<int>(i);
    ASSERT_GE(row, 0);
    SendMessageA(window.SubList().Window(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&box));
    EXPECT_TRUE(PumpUntil([&] {
        WindowDC dc(window.SubList().Window());
        return Near(kRed, GetPixel(dc.Get(), box.left + 8 + 65, box.top + 2 + 49));
    })) << "the sub list draws the picture too";
    EXPECT_TRUE(Near(kRed, ShownInPicture(RowOf("a.bmp"), SIZE{127, 98}, 0.5, 0.5)));
    EXPECT_EQ(2u, Cache().DecodesStarted());
}

TEST_F(ThumbnailsInProgramTest, QuittingWhileWorkersDecodeEndsThemBeforeTheirPicturesGo) {
    std::string large = JpegFileBytes(1600, 1200, [](int x, int y) { return RGB(x % 256, y % 256, 128); });
    ASSERT_FALSE(large.empty());
    for (int i = 0; i < 40; ++i) Write(("p" + std::to_string(i) + ".jpg").c_str(), large);
    ASSERT_TRUE(Start());
    ASSERT_TRUE(PumpUntil([&] { return Cache().DecodesStarted() >= 1; }, kSettleMs));
    program_->Quit();
    EXPECT_EQ(0u, Cache().WorkerThreads());
    EXPECT_EQ(0u, Cache().BitmapCount());
    EXPECT_EQ(State::Unknown, Cache().StateOf(Path("p0.jpg")));
}

}  // namespace
