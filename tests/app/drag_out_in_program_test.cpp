// Dragging out of the running program with the real pointer: the selected rows of a folder list
// and a folder of the tree reach a drop target of another window with their paths and identifiers.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "panes/list/list_pane.h"
#include "shell/typed_paths.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/recording_drop_target.h"
#include "tests/support/test_support.h"

namespace {

class DragOutProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        PlaceWindow(700, 700);
        Set("TREE", "EXIST", "1");
        Set("LIST", "DEFSTYLE", "1");
        Set("SOUND", "USE_SOUND", "1");
        box_ = MakeFolder("箱");
        MakeFolder("箱\\子");
        for (const char* name : {"甲.txt", "乙.txt", "丙.txt"}) WriteBytes(box_ + "\\" + name, name);
        program_ = StartOn({box_});
        ASSERT_TRUE(program_->Window());
        drop_ = std::make_unique<DropWindow>(860, 300, 300, 240);
        ASSERT_TRUE(drop_->Registered());
    }
    void TearDown() override { drop_.reset(); }

    MainWindow& Main() { return program_->Main(); }
    RecordingDropTarget& Target() { return drop_->Target(); }

    // The hand presses the button at a point of the program, leaves the press far enough to start
    // a drag, carries it over the drop window and lets go there. It moves from a thread of its own:
    // a press on a tree or a list's right press is followed by the control's own loop, which
    // waits for the pointer to move before it returns.
    void DragFrom(POINT screen, DWORD down, DWORD up) {
        MouseTo(screen);
        RecordingDropTarget& target = Target();
        POINT dropAt = drop_->Centre();
        PointerScript hand([&, screen, dropAt, down, up] {
            SendMouse(down);
            Sleep(150);
            MovePointerUntil(POINT{screen.x + 12, screen.y + 12}, [] { return true; });
            arrived_ = MovePointerUntil(dropAt, [&] { return target.overs > 0; });
            SendMouse(up);
        });
        EXPECT_TRUE(PumpUntil([&] { return hand.Finished() && target.drops + target.leaves > 0; }));
        Pump(100);
    }
    POINT RowPoint(int row) {
        HWND list = Main().MainList().Window();
        RECT cell{};
        cell.left = LVIR_LABEL;
        SendMessageA(list, LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&cell));
        POINT point{cell.left + 8, (cell.top + cell.bottom) / 2};
        ClientToScreen(list, &point);
        return point;
    }

    std::string box_;
    std::unique_ptr<RunningProgram> program_;
    std::unique_ptr<DropWindow> drop_;
    bool arrived_ = false;
};

TEST_F(DragOutProgramTest, TheSelectedRowsOfTheListAreDraggedInRowOrder) {
    ListPane& list = Main().MainList();
    int first = RowNamed(list, "甲.txt"), second = RowNamed(list, "乙.txt"), third = RowNamed(list, "丙.txt");
    ASSERT_TRUE(first >= 0 && second >= 0 && third >= 0);
    SelectRows(list.Window(), {third, first});
    bool fromHere = false;
    Target().onEnter = [&] { fromHere = list.DragFromHere(); };
    unsigned soundsBefore = program_->Context().sounds.LastSoundRequest().count;

    DragFrom(RowPoint(third), MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);

    EXPECT_TRUE(arrived_);
    ASSERT_EQ(1, Target().drops.load());
    std::vector<std::string> expected;
    for (int row = 0; row < static_cast<int>(list.Model().Count()); ++row)
        if (row == first || row == third) expected.push_back(box_ + "\\" + list.Model().Name(static_cast<size_t>(row)));
    EXPECT_EQ(expected, Target().droppedFiles);
    EXPECT_EQ(expected, Target().droppedItems);
    EXPECT_EQ(expected.front(), Target().droppedText);
    EXPECT_TRUE(fromHere) << "the list knew that the drag came from it";
    EXPECT_FALSE(list.DragFromHere()) << "and forgot it when the drag was over";
    const SoundRequest& sound = program_->Context().sounds.LastSoundRequest();
    EXPECT_EQ(soundsBefore + 1, sound.count);
    EXPECT_EQ(static_cast<int>(SoundEvent::DRAG), sound.event);
}

TEST_F(DragOutProgramTest, TheRightButtonDragsTheSelectionToo) {
    ListPane& list = Main().MainList();
    int row = RowNamed(list, "乙.txt");
    ASSERT_GE(row, 0);
    SelectRows(list.Window(), {row});
    DragFrom(RowPoint(row), MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
    EXPECT_TRUE(arrived_);
    ASSERT_EQ(1, Target().drops.load());
    EXPECT_EQ(std::vector<std::string>{box_ + "\\乙.txt"}, Target().droppedFiles);
}

TEST_F(DragOutProgramTest, AFolderOfTheTreeIsDraggedAsItsParentAndItself) {
    FolderTreePane& tree = Main().Tree();
    ItemIdList child = PathToItemList((box_ + "\\子").c_str());
    HTREEITEM item = tree.FindItem(child.Get());
    ASSERT_TRUE(item);
    TreeView_EnsureVisible(tree.Window(), item);
    RECT label{};
    TreeView_GetItemRect(tree.Window(), item, &label, TRUE);
    POINT point{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    ClientToScreen(tree.Window(), &point);

    DragFrom(point, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP);

    EXPECT_TRUE(arrived_);
    ASSERT_EQ(1, Target().drops.load());
    EXPECT_EQ(std::vector<std::string>{box_ + "\\子"}, Target().droppedFiles);
    EXPECT_EQ(Target().droppedFiles, Target().droppedItems);
    EXPECT_EQ(box_ + "\\子", Target().droppedText);
    EXPECT_EQ(static_cast<int>(SoundEvent::DRAG), program_->Context().sounds.LastSoundRequest().event);
}

}  // namespace
