// What each gesture action does on a real list: the host's back and up, the list's own selection,
// refresh, clipboard texts, rename and new items; numbers that are no action do nothing.
#include <gtest/gtest.h>

#include <string>

#include "panes/list/list_pane.h"
#include "res/ids.h"
#include "tests/panes/list_pane_fixture.h"
#include "tests/support/idle_driver.h"
#include "tests/support/test_support.h"

namespace {

class ListGesturesTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        MakeFolder("work");
        for (const char* name : {"a.txt", "b.txt", "c.txt"}) MakeFile(std::string("work\\") + name);
        CreateList(kDetailsStyle);
        ASSERT_TRUE(ShowFolder("work"));
    }
    int SelectedCount() { return static_cast<int>(SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0)); }
    void SelectOnly(std::initializer_list<const char*> names) {
        Select(-1, false);
        for (const char* name : names) Select(RowOf(name));
    }
    // The rename editor gets the name and is confirmed as soon as it waits for input.
    void AnswerRename(IdleDriver& driver, const std::string& name) {
        driver.onDialog = [name](HWND dialog) {
            HWND field = GetDlgItem(dialog, IDE_SPLIT_RENAME_NAME);
            if (!field) field = GetDlgItem(dialog, IDE_RENAME_NAME);
            SetWindowTextA(field, name.c_str());
            PostMessageA(field, WM_KEYDOWN, VK_RETURN, 1);
        };
    }
};

TEST_F(ListGesturesTest, BackAndUpGoThroughTheHostAndSelectAllAndRefreshAreTheLists) {
    pane_.RunGestureAction(gesture::kBack);
    pane_.RunGestureAction(gesture::kUpFolder);
    pane_.RunGestureAction(gesture::kUpFolder);
    EXPECT_EQ(1, listHost_.backRequests);
    EXPECT_EQ(2, listHost_.upRequests);

    pane_.RunGestureAction(gesture::kSelectAll);
    EXPECT_EQ(3, SelectedCount());

    MakeFile("work\\d.txt");
    pane_.RunGestureAction(gesture::kRefresh);
    EXPECT_NE(-1, RowOf("d.txt"));
}

TEST_F(ListGesturesTest, TheClipboardTakesTheFirstSelectedItemsNameOrFullPath) {
    SelectOnly({"c.txt", "b.txt"});
    pane_.RunGestureAction(gesture::kCopyName);
    EXPECT_EQ("b.txt", ClipboardText());
    pane_.RunGestureAction(gesture::kCopyFullPath);
    EXPECT_EQ(PathOf("work\\b.txt"), ClipboardText());
}

TEST_F(ListGesturesTest, RenameNeedsExactlyOneSelectedItemAndNewItemsAreNamedAtOnce) {
    IdleDriver driver(host_.Window());
    AnswerRename(driver, "renamed");
    SelectOnly({"a.txt", "b.txt"});
    pane_.RunGestureAction(gesture::kRename);
    EXPECT_EQ(0, driver.dialogsSeen);
    SelectOnly({"a.txt"});
    pane_.RunGestureAction(gesture::kRename);
    EXPECT_EQ(1, driver.dialogsSeen);
    EXPECT_TRUE(FileExists(PathOf("work\\renamed")) || FileExists(PathOf("work\\renamed.txt")));
    EXPECT_FALSE(FileExists(PathOf("work\\a.txt")));

    AnswerRename(driver, "新しい箱");
    pane_.RunGestureAction(gesture::kNewFolder);
    EXPECT_EQ(2, driver.dialogsSeen);
    EXPECT_TRUE(FileExists(PathOf("work\\新しい箱")));
    AnswerRename(driver, "空");
    pane_.RunGestureAction(gesture::kNewFile);
    EXPECT_EQ(3, driver.dialogsSeen);
    EXPECT_TRUE(RowOf("空") != -1 || RowOf("空.txt") != -1);
}

TEST_F(ListGesturesTest, NumbersThatAreNoActionDoNothing) {
    IdleDriver driver(host_.Window());
    SelectOnly({"a.txt"});
    for (int32_t number : {0, -1, 15, 99}) pane_.RunGestureAction(number);
    EXPECT_EQ(0, driver.dialogsSeen);
    EXPECT_EQ(0, driver.menusSeen);
    EXPECT_EQ(0, listHost_.backRequests + listHost_.upRequests);
    EXPECT_EQ(1, SelectedCount());
    EXPECT_EQ(3u, pane_.Model().Count());
}

}  // namespace
