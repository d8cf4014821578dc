// The keys of a folder list, typed through the system's input into a real list.
#include <gtest/gtest.h>

#include <string>

#include "panes/list/list_pane.h"
#include "tests/panes/list_pane_fixture.h"

namespace {

class ListKeyInputTest : public ListPaneFixture {
protected:
    void SetUp() override {
        ListPaneFixture::SetUp();
        MakeFolder("fruit");
        for (const char* name : {"apple.txt", "avocado.txt", "banana.txt"}) MakeFile(std::string("fruit\\") + name);
        CreateList(kDetailsStyle);
        ASSERT_TRUE(ShowFolder("fruit"));
    }

    std::string OnlySelected() {
        if (SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0) != 1) return "(not one)";
        int row = static_cast<int>(SendMessageA(List(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
        return pane_.Model().Name(static_cast<size_t>(row));
    }
    void Chord(WORD modifier, WORD key) {
        INPUT strokes[4] = {};
        for (INPUT& stroke : strokes) stroke.type = INPUT_KEYBOARD;
        strokes[0].ki.wVk = modifier;
        strokes[1].ki.wVk = key;
        strokes[2].ki.wVk = key;
        strokes[2].ki.dwFlags = KEYEVENTF_KEYUP;
        strokes[3].ki.wVk = modifier;
        strokes[3].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(4, strokes, sizeof(INPUT));
        Pump();
    }
    // Longer than the search's pause, with the list's timer handled.
    void Pause() {
        DWORD end = GetTickCount() + kSearchPauseMs + 200;
        while (GetTickCount() < end) Pump();
    }
};

TEST_F(ListKeyInputTest, RepeatingALetterStepsThroughItsMatchesAndWraps) {
    Type('A');
    EXPECT_EQ("apple.txt", OnlySelected());
    Type('A');
    EXPECT_EQ("avocado.txt", OnlySelected());
    Type('A');
    EXPECT_EQ("apple.txt", OnlySelected());
    EXPECT_EQ(RowOf("apple.txt"), pane_.Model().lastSingleSelection);
}

TEST_F(ListKeyInputTest, QuickLettersBuildAPrefixAndAPauseStartsAgain) {
    Type('A');
    Type('V');
    EXPECT_EQ("avocado.txt", OnlySelected());
    EXPECT_EQ("AV", search_.text);
    Pause();
    EXPECT_FALSE(search_.active);
    Type('B');
    EXPECT_EQ("banana.txt", OnlySelected());
    EXPECT_EQ("B", search_.text);
}

TEST_F(ListKeyInputTest, ANameThatMatchesNothingLeavesTheSelectionAlone) {
    Select(RowOf("banana.txt"));
    Type('Q');
    EXPECT_EQ("banana.txt", OnlySelected());
}

TEST_F(ListKeyInputTest, TheOtherListGoesOnWithTheSameSearch) {
    ListPane other{kSubListId, lock_};
    NotifyRouter otherRouter{host_.Window(), other};
    other.Create(host_.Window(), Shared(), ListFont(), kDetailsStyle);
    other.SetHost(&listHost_);
    MoveWindow(other.Window(), 0, 0, 300, 200, TRUE);
    ASSERT_TRUE(other.Show(FolderAt(PathOf("fruit"))));
    Type('A');
    SetFocus(other.Window());
    Type('V');
    EXPECT_EQ("AV", search_.text);
    int row = static_cast<int>(SendMessageA(other.Window(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    ASSERT_NE(-1, row);
    EXPECT_EQ("avocado.txt", other.Model().Name(static_cast<size_t>(row)));
}

TEST_F(ListKeyInputTest, KeysWithCtrlNeverSearchAndCtrlASelectsEveryRow) {
    Chord(VK_CONTROL, 'B');
    EXPECT_FALSE(search_.active);
    Chord(VK_CONTROL, 'A');
    EXPECT_EQ(3, SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0));
}

TEST_F(ListKeyInputTest, SpaceStepsTheOnlySelectedRowOnAndFromTheLastToTheFirst) {
    Select(2);
    Type(VK_SPACE);
    EXPECT_EQ(pane_.Model().Name(0), OnlySelected());
    Type(VK_SPACE);
    EXPECT_EQ(pane_.Model().Name(1), OnlySelected());
    Select(2);
    Type(VK_SPACE);
    EXPECT_EQ(2, SendMessageA(List(), LVM_GETSELECTEDCOUNT, 0, 0)) << "with two rows selected nothing moves";
}

TEST_F(ListKeyInputTest, F5ReadsTheFolderAgain) {
    MakeFile("fruit\\cherry.txt");
    EXPECT_EQ(3u, pane_.Model().Count());
    Type(VK_F5);
    EXPECT_EQ(4u, pane_.Model().Count());
    EXPECT_EQ(4, SendMessageA(List(), LVM_GETITEMCOUNT, 0, 0));
}

TEST_F(ListKeyInputTest, TabsFocusAndWindowKeysGoToTheWindow) {
    Chord(VK_CONTROL, VK_TAB);
    EXPECT_EQ(1, listHost_.nextTabRequests);
    Type(VK_TAB);
    EXPECT_EQ(1, listHost_.focusMoves);
    Chord(VK_CONTROL, 'D');
    EXPECT_EQ(1, listHost_.twoPaneToggles);
    Chord(VK_CONTROL, 'T');
    EXPECT_EQ(1, listHost_.treeToggles);
    Type(VK_F1);
    EXPECT_EQ(1, listHost_.helpRequests);
    Type('D');
    EXPECT_EQ(1, listHost_.twoPaneToggles) << "without Ctrl a letter only searches";
}

}  // namespace
