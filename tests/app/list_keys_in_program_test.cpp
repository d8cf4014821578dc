// The list keys that reach the window, in the program running in this process: Ctrl+Tab steps a
// list through the tabs, past the other list's tab, and Tab moves the focus on.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "panes/list/list_pane.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

class ListKeysInProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        for (const char* name : {"一", "二", "三"}) {
            std::string folder = MakeFolder(name);
            WriteBytes(folder + "\\" + name + ".txt", name);
        }
        Set("LIST", "DEFSTYLE", "3");
    }
    StartOptions ThreeTabs() {
        StartOptions options = Options();
        options.arguments = {folder_.Path() + "一", folder_.Path() + "二", folder_.Path() + "三"};
        return options;
    }
    static void CtrlTab(HWND list) { TypeKeys(list, {VK_CONTROL}, {VK_TAB}); }
    std::string ShownPath() { return Tabs().Tab(Tabs().Selection(tabs::Pane::Main))->folder->Path(); }
    tabs::TabModel& Tabs() { return RunningMain().Tabs(); }
    std::string ShownName(ListPane& list) { return list.Model().Count() == 1 ? list.Model().Name(0) : "?"; }
};

TEST_F(ListKeysInProgramTest, CtrlTabShowsTheNextTabsInTurnAndGoesRound) {
    RunningProgram program(ThreeTabs());
    ASSERT_TRUE(program.Window());
    ListPane& main = RunningMain().MainList();
    ASSERT_TRUE(Tabs().Select(tabs::Pane::Main, 1));
    RunningMain().LoadPane(tabs::Pane::Main);
    CtrlTab(main.Window());
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ("二.txt", ShownName(main));
    CtrlTab(main.Window());
    CtrlTab(main.Window());
    EXPECT_EQ(1, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ("一.txt", ShownName(main));
}

TEST_F(ListKeysInProgramTest, InTheTwoPaneViewCtrlTabStepsOverTheOtherListsTabAndTabMovesTheFocusAcross) {
    RunningProgram program(ThreeTabs());
    ASSERT_TRUE(program.Window());
    MainWindow& window = RunningMain();
    ASSERT_TRUE(Tabs().Select(tabs::Pane::Main, 1));
    window.LoadPane(tabs::Pane::Main);
    ASSERT_TRUE(Tabs().Select(tabs::Pane::Sub, 2));
    window.ToggleTwoPaneMode();
    window.LoadPane(tabs::Pane::Sub);
    CtrlTab(window.MainList().Window());
    EXPECT_EQ(3, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ("三.txt", ShownName(window.MainList()));
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Sub));

    TypeInto(window.MainList().Window(), VK_TAB);
    EXPECT_EQ(window.SubList().Window(), GetFocus());
}

TEST_F(ListKeysInProgramTest, ASingleTabIsShownAgain) {
    StartOptions options = Options();
    options.arguments = {folder_.Path() + "一"};
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ListPane& main = RunningMain().MainList();
    WriteBytes(folder_.Path() + "一\\後.txt", "later");
    CtrlTab(main.Window());
    EXPECT_EQ(1, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(2u, main.Model().Count()) << "the folder is read again";
}

TEST_F(ListKeysInProgramTest, BackspaceGoesUpAndAltLeftComesBackTheSameWay) {
    std::string deep = MakeFolder("一\\下");
    StartOptions options = Options();
    options.arguments = {deep};
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    HWND list = RunningMain().MainList().Window();
    TypeInto(list, VK_BACK);
    EXPECT_EQ(folder_.Path() + "一", ShownPath());
    TypeInto(list, VK_BACK);
    std::string top = folder_.Path();
    top.pop_back();
    EXPECT_EQ(top, ShownPath());
    EXPECT_EQ(2u, Tabs().History(1).size());
    TypeKeys(list, {VK_MENU}, {VK_LEFT});
    EXPECT_EQ(folder_.Path() + "一", ShownPath());
    TypeKeys(list, {VK_MENU}, {VK_LEFT});
    EXPECT_EQ(deep, ShownPath());
    EXPECT_TRUE(Tabs().History(1).empty());
    TypeKeys(list, {VK_MENU}, {VK_LEFT});
    EXPECT_EQ(deep, ShownPath()) << "with no history Alt+Left does nothing";
    EXPECT_EQ(1, Tabs().Count());
}

TEST_F(ListKeysInProgramTest, OnTheDesktopBackspaceDoesNothing) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, Tabs().Count());
    std::string desktop = ShownPath();
    TypeInto(RunningMain().MainList().Window(), VK_BACK);
    EXPECT_EQ(desktop, ShownPath());
    EXPECT_TRUE(Tabs().History(1).empty());
}

}  // namespace
