// The strip under a list: its status texts follow the rows and the selection, its buttons the
// sort order; and the item tooltips that the list answers.
#include "panes/list/info_strip.h"

#include <gtest/gtest.h>

#include <string>

#include "res/ids.h"
#include "shell/item_comments.h"
#include "tests/panes/list_pane_fixture.h"
#include "tests/support/idle_driver.h"
#include "tests/ui/menu_test_support.h"

namespace {

int BitmapShown(const SkinnedButton& button) { return button.Skin().bitmaps[button.CurrentImage()]; }

class InfoStripTest : public ListPaneFixture {
protected:
    // The list over a strip of 220 × 20 pixels, showing files of 1, 2, 3 KB and 5000 bytes by name.
    void SetUp() override {
        ListPaneFixture::SetUp();
        theme_.CreateMenuLook(GetModuleHandleA(nullptr));
        CreateList(kDetailsStyle);
        MoveWindow(List(), 0, 0, 320, 180, TRUE);
        strip_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 0, 180, 320, 20, host_.Window(), nullptr,
                                 nullptr, nullptr);
        pane_.AttachInfoStrip(strip_);
        MoveWindow(strip_, 0, 180, 220, 20, TRUE);
        MakeFolder("四");
        const int sizes[] = {1024, 2048, 3072, 5000};
        for (char name = 'a'; name <= 'd'; ++name)
            MakeFile(std::string("四\\") + name + ".txt", std::string(static_cast<size_t>(sizes[name - 'a']), 'x'));
        ASSERT_TRUE(ShowFolder("四"));
    }
    std::string Status() { return pane_.Info().StatusText(); }
    // Clicks a button or the header, then moves the cursor off it.
    void ClickAt(HWND control, int x, int y) {
        MoveMouse(control, x, y);
        PressLeft(control);
        ReleaseLeft(control);
        MoveMouse(control, OutsideX(control), y);
        Pump();
    }
    std::string FirstName() { return pane_.Model().Name(0); }
    // What the list writes into a tooltip request that its control sends.
    std::string InfoTip(int row, DWORD flags) {
        char text[INFOTIPSIZE] = "unanswered";
        NMLVGETINFOTIPA request{
            {List(), kMainListId, static_cast<UINT>(LVN_GETINFOTIPA)}, flags, text, sizeof text, row, 0, 0};
        SendMessageA(host_.Window(), WM_NOTIFY, kMainListId, reinterpret_cast<LPARAM>(&request));
        return text;
    }
    HWND strip_ = nullptr;
};

TEST_F(InfoStripTest, TheSelectionShowsItsCountAndSizeUntilClearedOrAGestureTakesOver) {
    EXPECT_EQ("4個のオブジェクト(10.9KB)", Status());
    for (const char* name : {"a.txt", "b.txt", "c.txt"}) Select(RowOf(name));
    EXPECT_EQ("3個のオブジェクトを選択(6.00KB)", Status());
    Click(POINT{40, 150});
    ASSERT_EQ(0, SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0));
    EXPECT_EQ("4個のオブジェクト(10.9KB)", Status());
    // A gesture's strokes stay until it ends, when the total comes back even with rows selected.
    Select(RowOf("a.txt"));
    pane_.Info().SetGestureInProgress(true);
    pane_.Info().SetStatusText("→↓");
    ASSERT_TRUE(pane_.Reload());
    EXPECT_EQ("→↓", Status());
    Select(RowOf("b.txt"));
    EXPECT_EQ("→↓", Status()) << "nor does a change of the selection";
    pane_.Info().SetGestureInProgress(false);
    Select(RowOf("d.txt"));
    pane_.Info().ShowTotalStatus();
    EXPECT_EQ("4個のオブジェクト(10.9KB)", Status());
}

TEST_F(InfoStripTest, ARangeSelectedWithShiftIsCountedWhole) {
    Click(CellCentre(RowOf("a.txt"), 0));
    // Shift sent with the pointer is lost under the virtual display; the button message carries it.
    POINT last = CellCentre(RowOf("c.txt"), 0);
    SendMessageA(List(), WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(last.x, last.y));
    SendMessageA(List(), WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(last.x, last.y));
    Pump();
    ASSERT_EQ(3, SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0));
    EXPECT_EQ("3個のオブジェクトを選択(6.00KB)", Status());
}

// The names sort as the sizes do, so that the order is the same whichever column the shell
// compares.
TEST_F(InfoStripTest, TheButtonsAndAHeaderClickResortAndTheButtonsShowTheOrder) {
    const SkinnedButton& direction = *pane_.Info().DirectionButton();
    const SkinnedButton& key = *pane_.Info().KeyButton();
    EXPECT_EQ(IDB_SORT_ASCENDING_NORMAL, BitmapShown(direction));
    ClickAt(direction.Window(), 3, 3);
    EXPECT_EQ("d.txt", FirstName());
    EXPECT_EQ(IDB_SORT_DESCENDING_NORMAL, BitmapShown(direction));

    IdleDriver driver(host_.Window());
    driver.onMenu = [](HWND menu) { ChooseItemAt(menu, 1); };
    ClickAt(key.Window(), 3, 3);
    ASSERT_EQ(1, driver.menusSeen);
    EXPECT_EQ(1, pane_.ViewState().sort.column) << "the second item is the size";
    EXPECT_EQ("a.txt", FirstName()) << "in the size column's own direction";
    EXPECT_EQ(IDB_SORT_SIZE_NORMAL, BitmapShown(key));

    HWND header = reinterpret_cast<HWND>(SendMessageA(List(), LVM_GETHEADER, 0, 0));
    RECT type{};
    SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&type));
    ClickAt(header, (type.left + type.right) / 2, 5);
    ASSERT_EQ(2, pane_.ViewState().sort.column);
    EXPECT_EQ(IDB_SORT_TYPE_NORMAL, BitmapShown(key));
    EXPECT_EQ(IDB_SORT_DESCENDING_NORMAL, BitmapShown(direction));
}

TEST_F(InfoStripTest, TheTipSaysWhatTheSettingsAskForAndOnlyWhileExtendedTipsAreOn) {
    int row = RowOf("b.txt");
    EXPECT_EQ("unanswered", InfoTip(row, LVGIT_UNFOLDED));
    settings_.extendedTips = 1;
    settings_.tipComment = 0;
    EXPECT_EQ("サイズ:2KB", InfoTip(row, LVGIT_UNFOLDED));
    settings_.tipComment = 1;
    SetComment(comments_, pane_.Model().Folder(), pane_.Model().Item(static_cast<size_t>(row)), "下書き");
    EXPECT_EQ("b.txt\nサイズ:2KB\nコメント:下書き", InfoTip(row, 0)) << "a cut label begins with the name";
    EXPECT_EQ("unanswered", InfoTip(4, 0)) << "a row beyond the model";
}

TEST_F(InfoStripTest, AnEmptyFolderShowsNoObjectsInBlackOnWhiteUnderATwoPixelBlackLine) {
    MakeFolder("空");
    ASSERT_TRUE(ShowFolder("空"));
    EXPECT_EQ("0個のオブジェクト(0バイト)", Status());
    Canvas32 canvas(220, 20);
    SendMessageA(strip_, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.Dc()), PRF_CLIENT);
    auto white = [](COLORREF c) { return c == RGB(255, 255, 255); };
    EXPECT_EQ(2 * 220, canvas.CountPixels(0, 0, 220, 2, [](COLORREF c) { return c == 0; }));
    EXPECT_EQ(10 * 18, canvas.CountPixels(0, 2, 10, 18, white)) << "the text begins 10 pixels in";
    EXPECT_GT(canvas.CountPixels(10, 4, 150, 13, [](COLORREF c) { return c == 0; }), 20);
    EXPECT_EQ(20 * 18, canvas.CountPixels(200, 2, 20, 18, white));
}

}  // namespace
