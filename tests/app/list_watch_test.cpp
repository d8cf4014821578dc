// The lists of the program running in this process follow their folders on disk: what another
// program changes shows within a second and a half, the list's own changes are not read twice,
// the watch follows the list to another folder and the sub list in and out of the two-pane view,
// and quitting ends the watchers.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "panes/list/list_pane.h"
#include "res/ids.h"
#include "tests/support/idle_driver.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

// The longest an outside change may take to show in a list.
constexpr DWORD kShownWithinMs = 1500;
// Longer than the list's own change covers changes on disk.
constexpr DWORD kOwnChangeOverMs = 2200;

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

bool Shows(ListPane& list, const std::string& name) {
    for (size_t row = 0; row < list.Model().Count(); ++row)
        if (list.Model().Name(row) == name) return true;
    return false;
}

bool ShownSoon(ListPane& list, const std::string& name, bool shown = true) {
    return PumpUntil([&] { return Shows(list, name) == shown; }, kShownWithinMs);
}

class ListWatchTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        for (const char* name : {"一", "二"}) WriteBytes(MakeFolder(name) + "\\" + name + ".txt", name);
    }
    StartOptions TwoTabs() const {
        StartOptions options = Options();
        options.arguments = {folder_.Path() + "一", folder_.Path() + "二"};
        return options;
    }
    std::string In(const char* folder, const std::string& name) const { return folder_.Path() + folder + "\\" + name; }
    ListPane& Main() { return RunningMain().MainList(); }
};

TEST_F(ListWatchTest, FilesMadeRenamedAndDeletedByAnotherProgramShowInTheMainListUntilTheProgramQuits) {
    RunningProgram program(TwoTabs());
    ASSERT_TRUE(Shows(Main(), "一.txt"));
    WriteBytes(In("一", "届いた.txt"), "x");
    EXPECT_TRUE(ShownSoon(Main(), "届いた.txt"));
    MoveFileA(In("一", "届いた.txt").c_str(), In("一", "改名.txt").c_str());
    EXPECT_TRUE(ShownSoon(Main(), "改名.txt"));
    EXPECT_FALSE(Shows(Main(), "届いた.txt"));
    DeleteFileA(In("一", "改名.txt").c_str());
    EXPECT_TRUE(ShownSoon(Main(), "改名.txt", false));

    // Quitting with a change still waiting to be read ends both watchers.
    WriteBytes(In("一", "最後.txt"), "x");
    FolderWatcher& main = program.Main().WatcherOf(tabs::Pane::Main);
    FolderWatcher& sub = program.Main().WatcherOf(tabs::Pane::Sub);
    ASSERT_TRUE(main.Running() && sub.Running());
    program.Quit();
    EXPECT_FALSE(main.Running());
    EXPECT_FALSE(sub.Running());
}

TEST_F(ListWatchTest, TheSubListIsWatchedWhileTheTwoPaneViewShowsIt) {
    RunningProgram program(TwoTabs());
    MainWindow& window = RunningMain();
    ListPane& sub = window.SubList();
    window.ToggleTwoPaneMode();
    ASSERT_TRUE(Shows(sub, "二.txt"));
    WriteBytes(In("二", "右.txt"), "x");
    EXPECT_TRUE(ShownSoon(sub, "右.txt"));

    window.ToggleTwoPaneMode();
    size_t reads = sub.Model().Reads();
    WriteBytes(In("二", "隠れて.txt"), "x");
    PumpFor(kShownWithinMs);
    EXPECT_EQ(reads, sub.Model().Reads());

    window.ToggleTwoPaneMode();
    EXPECT_TRUE(Shows(sub, "隠れて.txt"));
    WriteBytes(In("二", "また.txt"), "x");
    EXPECT_TRUE(ShownSoon(sub, "また.txt"));
}

TEST_F(ListWatchTest, TheListsOwnNewFolderIsReadOnceByItsRenameAndNotAgainForTheChangeOnDisk) {
    Set("LIST", "RENAME_DIV", "0");
    RunningProgram program(TwoTabs());
    IdleDriver driver(program.Window());
    driver.onDialog = [](HWND dialog) {
        HWND name = GetDlgItem(dialog, IDE_RENAME_NAME);
        SetWindowTextA(name, "作品");
        PostMessageA(name, WM_KEYDOWN, VK_RETURN, 1);
    };
    size_t reads = Main().Model().Reads();
    Main().CreateNewItem(NewItemKind::Folder);
    ASSERT_EQ(1, driver.dialogsSeen);
    ASSERT_TRUE(FileExists(In("一", "作品")));
    PumpFor(kShownWithinMs + 500);
    EXPECT_EQ(reads + 1, Main().Model().Reads());
    EXPECT_TRUE(Shows(Main(), "作品"));
}

TEST_F(ListWatchTest, ACancelledDeleteDoesNotHideTheNextChangeOfAnotherProgram) {
    RunningProgram program(TwoTabs());
    IdleDriver driver(program.Window());
    driver.onDialog = [](HWND dialog) { PostMessageA(dialog, WM_COMMAND, IDNO, 0); };
    LVITEMA selected{};
    selected.stateMask = selected.state = LVIS_SELECTED;
    SendMessageA(Main().Window(), LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&selected));
    Main().RunItemCommand(ItemCommand::Delete);
    if (driver.dialogsSeen == 0) GTEST_SKIP() << "this shell deletes without asking";
    ASSERT_TRUE(Shows(Main(), "一.txt"));
    PumpFor(kOwnChangeOverMs);
    WriteBytes(In("一", "後で.txt"), "x");
    EXPECT_TRUE(ShownSoon(Main(), "後で.txt"));
}

TEST_F(ListWatchTest, TheWatchFollowsTheMainListToAnotherFolder) {
    RunningProgram program(TwoTabs());
    MainWindow& window = RunningMain();
    ASSERT_TRUE(window.Tabs().Select(tabs::Pane::Main, 2));
    window.LoadPane(tabs::Pane::Main);
    ASSERT_TRUE(Shows(Main(), "二.txt"));
    size_t reads = Main().Model().Reads();
    WriteBytes(In("一", "前の.txt"), "x");
    PumpFor(kShownWithinMs);
    EXPECT_EQ(reads, Main().Model().Reads());
    WriteBytes(In("二", "今の.txt"), "x");
    EXPECT_TRUE(ShownSoon(Main(), "今の.txt"));
}

}  // namespace
