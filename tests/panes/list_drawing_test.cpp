// The lists draw every item themselves: the rows, boxes, tints and marks are read back from the
// control painted into a bitmap, as the control would paint on the screen.
#include <gtest/gtest.h>

#include <vector>

#include "core/item_drawing.h"
#include "panes/list/list_pane.h"
#include "shell/item_comments.h"
#include "tests/panes/list_pane_fixture.h"
#include "tests/ui/dialog_test_support.h"

namespace {

constexpr COLORREF kSelectionColour = RGB(0x20, 0x60, 0xC0);
constexpr COLORREF kStripeColour = RGB(0xF0, 0xE0, 0xD0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kFrameColour = 0xE6E6E6;
constexpr COLORREF kIconWellColour = 0xE1E1E1;

// The control's client area as it paints itself, with every item drawn by the list. The control
// places the items of some layouts only while it paints them, so the picture is the second paint,
// as the screen shows it once the list has settled.
class Snapshot {
public:
    explicit Snapshot(HWND window) {
        RECT client{};
        GetClientRect(window, &client);
        width_ = client.right;
        height_ = client.bottom;
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width_;
        info.bmiHeader.biHeight = -height_;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        Bitmap canvas(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
        MemoryDC dc(nullptr);
        {
            SelectedObject selected(dc.Get(), canvas.Get());
            RECT all{0, 0, width_, height_};
            for (int paint = 0; paint < 2; ++paint) {
                FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
                SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT | PRF_ERASEBKGND);
            }
            GdiFlush();
        }
        const auto* pixels = static_cast<const uint32_t*>(bits);
        pixels_.assign(pixels, pixels + static_cast<size_t>(width_) * static_cast<size_t>(height_));
    }

    COLORREF At(int x, int y) const {
        if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
        uint32_t pixel = pixels_[static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x)];
        return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    }
    int Count(const RECT& box, COLORREF colour) const {
        int found = 0;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                if (At(x, y) == colour) ++found;
        return found;
    }
    int Width() const { return width_; }

private:
    int width_ = 0, height_ = 0;
    std::vector<uint32_t> pixels_;
};

// A finished thumbnail of one colour for every item.
class SolidThumbnails : public ThumbnailSource {
public:
    SolidThumbnails(int width, int height, COLORREF colour) {
        WindowDC screen(nullptr);
        picture_.Reset(CreateCompatibleBitmap(screen.Get(), width, height));
        MemoryDC dc(screen.Get());
        SelectedObject selected(dc.Get(), picture_.Get());
        Brush brush(CreateSolidBrush(colour));
        RECT all{0, 0, width, height};
        FillRect(dc.Get(), &all, brush.Get());
    }
    HBITMAP Ready(ThumbnailViewer&, IShellFolder*, PCUITEMID_CHILD, int row) override {
        askedRows.push_back(row);
        return picture_.Get();
    }
    // Every picture is ready when asked, so no viewer waits for news.
    void Forget(ThumbnailViewer&) override {}
    std::vector<int> askedRows;

private:
    Bitmap picture_;
};

class ListDrawingTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        theme_.listSelection.Reset(CreateSolidBrush(kSelectionColour));
        settings_.listAlternateColour = static_cast<int>(kStripeColour);
        MakeFolder("files");
        for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt", "e.txt"}) MakeFile(std::string("files\\") + name);
    }

    RECT ItemPart(int row, int part) const {
        RECT rect{};
        rect.left = part;
        SendMessageA(List(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        return rect;
    }
    void ClearSelection() {
        for (int row = 0; row < static_cast<int>(pane_.Model().Count()); ++row) Select(row, false);
    }
};

TEST_F(ListDrawingTest, DetailsRowsAreStripedAcrossTheWholeWidthOnlyWhenStripesAreOn) {
    settings_.listAlternateRows = 1;
    CreateList(kDetailsStyle);
    ASSERT_TRUE(ShowFolder("files"));
    Snapshot striped(List());
    int rightEdge = striped.Width() - 2;
    for (int row = 0; row < 5; ++row) {
        RECT bounds = ItemPart(row, LVIR_BOUNDS);
        int middle = (bounds.top + bounds.bottom) / 2;
        EXPECT_EQ(row % 2 == 1 ? kStripeColour : kWhite, striped.At(rightEdge, middle)) << "row " << row;
    }

    settings_.listAlternateRows = 0;
    InvalidateRect(List(), nullptr, TRUE);
    Snapshot plain(List());
    RECT second = ItemPart(1, LVIR_BOUNDS);
    EXPECT_EQ(kWhite, plain.At(rightEdge, (second.top + second.bottom) / 2));
}

TEST_F(ListDrawingTest, DetailsSelectionFillsTheRowAndTheOtherColumnsAreDrawnByTheList) {
    settings_.listAlternateRows = 1;
    CreateList(kDetailsStyle);
    ASSERT_TRUE(ShowFolder("files"));
    ClearSelection();
    Select(2);
    Snapshot shot(List());
    RECT row = ItemPart(2, LVIR_BOUNDS);
    EXPECT_GT(shot.Count(row, kSelectionColour), (row.right - row.left) * (row.bottom - row.top) / 2);
    RECT unselected = ItemPart(3, LVIR_BOUNDS);
    EXPECT_EQ(0, shot.Count(unselected, kSelectionColour));
    // The size column holds the right-aligned size in the detail colour, which the control itself
    // never uses.
    int nameWidth = static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 0, 0));
    int sizeWidth = static_cast<int>(SendMessageA(List(), LVM_GETCOLUMNWIDTH, 1, 0));
    RECT sizeBand{unselected.left + nameWidth, unselected.top, unselected.left + nameWidth + sizeWidth,
                  unselected.bottom};
    EXPECT_GT(shot.Count(sizeBand, 0x646464), 0);
}

TEST_F(ListDrawingTest, TheRowUnderADragIsOutlinedAndFilledUntilTheFolderIsReadAgain) {
    CreateList(kDetailsStyle);
    ASSERT_TRUE(ShowFolder("files"));
    ClearSelection();
    pane_.SetDropHighlight(3);
    Snapshot marked(List());
    RECT row = ItemPart(3, LVIR_BOUNDS);
    EXPECT_GT(marked.Count(row, kSelectionColour), 0);
    EXPECT_GT(marked.Count(RECT{row.left, row.top, row.left + 1, row.bottom}, RGB(0, 0, 0)), 0) << "a dotted edge";
    for (int other : {0, 1, 2, 4}) EXPECT_EQ(0, marked.Count(ItemPart(other, LVIR_BOUNDS), kSelectionColour)) << other;

    ASSERT_TRUE(pane_.Reload());
    EXPECT_EQ(-1, pane_.DropHighlight());
    Snapshot cleared(List());
    EXPECT_EQ(0, cleared.Count(ItemPart(3, LVIR_BOUNDS), kSelectionColour));
}

TEST_F(ListDrawingTest, NamesAreDrawnInTheirAttributeColours) {
    settings_.listTextColour = RGB(0, 0, 0);
    settings_.readOnlyUse = 1;
    settings_.readOnlyColour = RGB(0xFF, 0, 0);
    settings_.hiddenUse = 1;
    settings_.hiddenColour = RGB(0, 0xA0, 0);
    settings_.folderUse = 0;
    settings_.folderColour = RGB(0x80, 0x80, 0);
    settings_.emptyFolderUse = 1;
    settings_.emptyFolderColour = RGB(0, 0, 0xFF);
    MakeFolder("mixed");
    std::string locked = MakeFile("mixed\\locked.txt");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    std::string secret = MakeFolder("mixed\\secret");
    SetFileAttributesA(secret.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    MakeFolder("mixed\\empty");
    MakeFolder("mixed\\full");
    MakeFile("mixed\\full\\inside.txt");
    MakeFile("mixed\\plain.txt");
    CreateList(kListStyle);
    pane_.Model().SetShowHidden(true);
    ASSERT_TRUE(ShowFolder("mixed"));
    IShellFolder* folder = pane_.Model().Folder();
    auto colourOf = [&](const char* name) {
        int row = RowOf(name);
        EXPECT_NE(-1, row) << name;
        return row == -1 ? CLR_INVALID : pane_.ItemTextColour(folder, pane_.Model().Item(static_cast<size_t>(row)));
    };
    EXPECT_EQ(RGB(0xFF, 0, 0), colourOf("locked.txt")) << "read-only comes before hidden";
    EXPECT_EQ(RGB(0, 0xA0, 0), colourOf("secret")) << "a hidden folder is hidden before it is a folder";
    EXPECT_EQ(RGB(0, 0, 0xFF), colourOf("empty")) << "empty folders are coloured though folders are not";
    EXPECT_EQ(RGB(0, 0, 0), colourOf("full"));
    EXPECT_EQ(RGB(0, 0, 0), colourOf("plain.txt"));

    // The colour reaches the screen: the empty folder's name is written in it.
    ClearSelection();
    Snapshot shot(List());
    EXPECT_GT(shot.Count(ItemPart(RowOf("empty"), LVIR_LABEL), RGB(0, 0, 0xFF)), 0);
    EXPECT_EQ(0, shot.Count(ItemPart(RowOf("full"), LVIR_LABEL), RGB(0, 0, 0xFF)));

    settings_.readOnlyUse = settings_.hiddenUse = settings_.emptyFolderUse = 0;
    for (const char* name : {"locked.txt", "secret", "empty", "full", "plain.txt"})
        EXPECT_EQ(RGB(0, 0, 0), colourOf(name)) << name;
}

TEST_F(ListDrawingTest, TheListStyleBoxesOnlyTheSelectedName) {
    CreateList(kListStyle);
    ASSERT_TRUE(ShowFolder("files"));
    ClearSelection();
    Select(1);
    Snapshot shot(List());
    RECT label = ItemPart(1, LVIR_LABEL);
    EXPECT_GT(shot.Count(label, kSelectionColour), 0);
    EXPECT_EQ(0, shot.Count(ItemPart(0, LVIR_BOUNDS), kSelectionColour));
    // The box ends a few pixels after the name, well before the wide column's edge.
    EXPECT_NE(kSelectionColour, shot.At(label.right - 2, (label.top + label.bottom) / 2));
}

TEST_F(ListDrawingTest, TilesSitOnAnIconWellAndSelectedTilesAreFilled) {
    CreateList(kTileStyle);
    ASSERT_TRUE(ShowFolder("files"));
    ClearSelection();
    Select(0);
    Snapshot shot(List());
    RECT selected = ItemPart(0, LVIR_BOUNDS);
    EXPECT_EQ(kSelectionColour, shot.At(selected.right - 2, selected.bottom - 2));
    RECT well = ItemPart(1, LVIR_ICON);
    EXPECT_EQ(kIconWellColour, shot.At(well.left + 1, well.top + 1));
    EXPECT_EQ(0, shot.Count(ItemPart(1, LVIR_BOUNDS), kSelectionColour));
}

TEST_F(ListDrawingTest, IconsOfItemsWithACommentCarryTheCommentMark) {
    CreateList(kIconStyle);
    ASSERT_TRUE(ShowFolder("files"));
    int commented = RowOf("b.txt");
    int bare = RowOf("c.txt");
    SetComment(comments_, pane_.Model().Folder(), pane_.Model().Item(static_cast<size_t>(commented)), "見る");
    ClearSelection();
    Snapshot shot(List());
    auto markArea = [&](int row) {
        RECT icon = ItemPart(row, LVIR_ICON);
        return RECT{icon.right, icon.top, icon.right + 16, icon.top + 16};
    };
    EXPECT_GT(16 * 16 - shot.Count(markArea(commented), kWhite), 0);
    EXPECT_EQ(16 * 16, shot.Count(markArea(bare), kWhite));
}

TEST_F(ListDrawingTest, ThumbnailsShowATintedPlaceholderUntilThePictureIsReady) {
    settings_.listPolaroid = 1;
    settings_.listTextColour = RGB(0x10, 0x80, 0xFE);
    CreateList(kThumbnailStyle);
    ASSERT_TRUE(ShowFolder("files"));
    ClearSelection();
    RECT icon = ItemPart(0, LVIR_ICON);
    Snapshot waiting(List());
    COLORREF tint = drawing::LightTint(RGB(0x10, 0x80, 0xFE));
    EXPECT_EQ(tint, waiting.At(icon.left + 6, icon.top + 6));
    EXPECT_EQ(tint, waiting.At(icon.right - 6, icon.top + 98)) << "the placeholder stops above the caption";
    EXPECT_NE(tint, waiting.At(icon.right - 6, icon.top + 100));
    EXPECT_EQ(kFrameColour, waiting.At(icon.left, (icon.top + icon.bottom) / 2)) << "the cell is framed";
    EXPECT_EQ(kFrameColour, waiting.At((icon.left + icon.right) / 2, icon.top + 98 + 2 + 10)) << "the caption is ruled";

    SolidThumbnails ready(40, 30, RGB(0xC0, 0, 0));
    pane_.SetThumbnails(&ready);
    InvalidateRect(List(), nullptr, TRUE);
    Snapshot shown(List());
    EXPECT_FALSE(ready.askedRows.empty());
    drawing::Rect cell{icon.left, icon.top, icon.right, icon.bottom};
    layout::Point place = drawing::PicturePlace(cell, 40, 30);
    EXPECT_EQ(RGB(0xC0, 0, 0), shown.At(place.x + 20, place.y + 15));
    EXPECT_EQ(RGB(0xC0, 0, 0), shown.At(place.x, place.y));
    EXPECT_NE(RGB(0xC0, 0, 0), shown.At(place.x - 1, place.y - 1));
    EXPECT_NE(tint, shown.At(icon.left + 6, icon.top + 6));
    pane_.SetThumbnails(nullptr);
}

TEST_F(ListDrawingTest, WithoutPolaroidFramesThePlaceholderFillsTheCell) {
    settings_.listPolaroid = 0;
    CreateList(kThumbnailStyle);
    ASSERT_TRUE(ShowFolder("files"));
    ClearSelection();
    RECT icon = ItemPart(0, LVIR_ICON);
    Snapshot shot(List());
    COLORREF tint = drawing::LightTint(static_cast<uint32_t>(settings_.listTextColour));
    EXPECT_EQ(tint, shot.At(icon.right - 6, icon.bottom - 6));
    EXPECT_NE(kFrameColour, shot.At((icon.left + icon.right) / 2, icon.top + 98 + 2 + 10));
}

// Answers the comment box that a caption click opens, from the box's own wait for input.
class CommentBoxAnswer {
public:
    CommentBoxAnswer(HWND owner, std::string text) : text_(std::move(text)) {
        subclass_.Attach(owner, &CommentBoxAnswer::Procedure, this);
    }
    int opened = 0;
    RECT placed{};
    std::string shown;

private:
    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = static_cast<CommentBoxAnswer*>(context);
        if (message == WM_ENTERIDLE && wParam == MSGF_DIALOGBOX && self->answered_ != reinterpret_cast<HWND>(lParam)) {
            HWND box = reinterpret_cast<HWND>(lParam);
            self->answered_ = box;
            ++self->opened;
            GetWindowRect(box, &self->placed);
            self->shown = TextOf(GetDlgItem(box, 1022));
            SetWindowTextA(GetDlgItem(box, 1022), self->text_.c_str());
            PressKey(VK_RETURN);
        }
        return Subclass::CallNext(window, message, wParam, lParam);
    }
    std::string text_;
    HWND answered_ = nullptr;
    Subclass subclass_;
};

TEST_F(ListDrawingTest, ASecondClickOnAPolaroidCaptionEditsTheComment) {
    settings_.listPolaroid = 1;
    CreateList(kThumbnailStyle);
    ASSERT_TRUE(ShowFolder("files"));
    int row = RowOf("a.txt");
    SetComment(comments_, pane_.Model().Folder(), pane_.Model().Item(static_cast<size_t>(row)), "前の");
    RECT icon = ItemPart(row, LVIR_ICON);
    POINT caption{(icon.left + icon.right) / 2, icon.top + 120};
    POINT picture{(icon.left + icon.right) / 2, icon.top + 40};
    CommentBoxAnswer answer(host_.Window(), "後の");

    Click(caption);
    EXPECT_EQ(0, answer.opened) << "the first click only selects";
    Click(picture);
    EXPECT_EQ(0, answer.opened) << "a click on the picture edits nothing";
    Click(caption);
    ASSERT_EQ(1, answer.opened);
    EXPECT_EQ("前の", answer.shown);
    POINT corner{icon.left, icon.bottom + 3};
    ClientToScreen(List(), &corner);
    EXPECT_EQ(corner.x, answer.placed.left);
    EXPECT_EQ(corner.y, answer.placed.top);
    std::string comment;
    GetComment(comments_, pane_.Model().Folder(), pane_.Model().Item(static_cast<size_t>(row)), comment);
    EXPECT_EQ("後の", comment);
    EXPECT_EQ(List(), GetFocus());

    settings_.listPolaroid = 0;
    Click(caption);
    EXPECT_EQ(1, answer.opened) << "without frames there is no caption";
}

}  // namespace
