#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_window.h"
#include "panes/list/list_pane.h"
#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

class ListInProgramTest : public ProgramFolderTest {};

std::string ItemText(HWND list, int row, int column) {
    char text[MAX_PATH] = "unanswered";
    LVITEMA item{};
    item.iSubItem = column;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    SendMessageA(list, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    return text;
}

TEST_F(ListInProgramTest, TheListsStartInTheirSavedStylesAndTheMainListTakesItsTabsStyle) {
    Set("LISTSTYLE", "MAIN", "3");
    Set("LISTSTYLE", "SUB", "1");
    // A new tab takes the default style (comment), and the main list shows its tab.
    Set("LIST", "DEFSTYLE", "4");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ListPane& main = RunningMain().MainList();
    ListPane& sub = RunningMain().SubList();
    EXPECT_EQ(kCommentStyle, main.Style());
    EXPECT_EQ(kDetailsStyle, sub.Style());
    EXPECT_EQ(main.CommentEditor(), GetDlgItem(main.Window(), kMainCommentEditId));
    EXPECT_EQ(sub.CommentEditor(), GetDlgItem(sub.Window(), kSubCommentEditId));
}

TEST_F(ListInProgramTest, TheMainWindowPassesEachListsNotificationsToItsOwnPane) {
    std::string first = MakeFolder("一");
    std::string second = MakeFolder("二");
    WriteBytes(first + "\\main.txt", "m");
    WriteBytes(second + "\\sub.txt", "s");
    Set("LISTSTYLE", "MAIN", "1");
    Set("LISTSTYLE", "SUB", "1");
    Set("LIST", "DEFSTYLE", "3");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ListPane& main = RunningMain().MainList();
    ListPane& sub = RunningMain().SubList();
    ASSERT_TRUE(main.Show(BindFolder(ShellListOf(first).Get())));
    ASSERT_TRUE(sub.Show(BindFolder(ShellListOf(second).Get())));
    EXPECT_EQ("main.txt", ItemText(main.Window(), 0, 0));
    EXPECT_EQ("1KB", ItemText(main.Window(), 0, 1));
    EXPECT_EQ("sub.txt", ItemText(sub.Window(), 0, 0));

    // A text request that names no list of the window is no list's.
    char text[32] = "unanswered";
    NMLVDISPINFOA request{};
    request.hdr.hwndFrom = program.Window();
    request.hdr.code = LVN_GETDISPINFOA;
    request.item.mask = LVIF_TEXT;
    request.item.pszText = text;
    request.item.cchTextMax = sizeof text;
    EXPECT_EQ(0, SendMessageA(program.Window(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request)));
    EXPECT_STREQ("unanswered", text);
}

TEST_F(ListInProgramTest, AFolderGivenAtStartIsListedAndADoubleClickOpensItsSubfolder) {
    std::string folder = MakeFolder("作業");
    MakeFolder("作業\\写真");
    WriteBytes(folder + "\\メモ.txt", "memo");
    WriteBytes(folder + "\\写真\\旅行.jpg", "jpeg");
    Set("LISTSTYLE", "MAIN", "1");
    StartOptions options = Options();
    options.arguments = {folder};
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ListPane& main = RunningMain().MainList();
    EXPECT_EQ(2, static_cast<int>(SendMessageA(main.Window(), LVM_GETITEMCOUNT, 0, 0)));
    int photos = RowNamed(main, "写真");
    ASSERT_NE(-1, photos);
    EXPECT_NE(-1, RowNamed(main, "メモ.txt"));
    EXPECT_EQ("メモ.txt", ItemText(main.Window(), RowNamed(main, "メモ.txt"), 0));

    DoubleClickRow(main.Window(), photos);
    ASSERT_EQ(1u, main.Model().Count());
    EXPECT_EQ("旅行.jpg", main.Model().Name(0));
    tabs::TabModel& tabs = RunningMain().Tabs();
    ASSERT_EQ(1, tabs.Count());
    EXPECT_EQ(folder + "\\写真", tabs.Tab(1)->folder->Path());
    ASSERT_EQ(1u, tabs.History(1).size()) << "the folder left is remembered";
    EXPECT_EQ(folder, tabs.History(1).front()->Path());
}

TEST_F(ListInProgramTest, TheTwoPaneViewShowsTheSubTabInTheSubList) {
    std::string first = MakeFolder("左");
    std::string second = MakeFolder("右");
    WriteBytes(second + "\\右の.txt", "r");
    StartOptions options = Options();
    options.arguments = {first, second};
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(0u, RunningMain().MainList().Model().Count());
    RunningMain().ToggleTwoPaneMode();
    tabs::TabModel& tabs = RunningMain().Tabs();
    ASSERT_EQ(2, tabs.Selection(tabs::Pane::Sub));
    ASSERT_EQ(1u, RunningMain().SubList().Model().Count());
    EXPECT_EQ("右の.txt", RunningMain().SubList().Model().Name(0));
}

TEST_F(ListInProgramTest, EachListsInfoStripShowsItsTotalAndCarriesItsOwnSortButtons) {
    StartOptions options = Options();
    options.arguments = {MakeFolder("左"), MakeFolder("右")};
    WriteBytes(options.arguments[1] + "\\右の.txt", std::string(2048, 'r'));
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    RunningMain().ToggleTwoPaneMode();
    InfoStrip& main = RunningMain().MainList().Info();
    InfoStrip& sub = RunningMain().SubList().Info();
    EXPECT_EQ(main.KeyButton()->Window(), GetDlgItem(RunningMain().Bars().mainInfo, 1403));
    EXPECT_EQ(sub.DirectionButton()->Window(), GetDlgItem(RunningMain().Bars().subInfo, 1600));
    EXPECT_EQ("0個のオブジェクト(0バイト)", main.StatusText());
    EXPECT_EQ("1個のオブジェクト(2.00KB)", sub.StatusText());
}

}  // namespace

namespace {

TEST_F(ListInProgramTest, TheReloadMessageReadsTheNamedListAgainAndIgnoresOtherWindows) {
    std::string folder = MakeFolder("変化");
    WriteBytes(folder + "\\一.txt", "1");
    StartOptions options = Options();
    options.arguments = {folder};
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ListPane& main = RunningMain().MainList();
    ASSERT_EQ(1u, main.Model().Count());
    WriteBytes(folder + "\\二.txt", "2");
    SendMessageA(program.Window(), kReloadListMessage, 0, reinterpret_cast<LPARAM>(program.Window()));
    EXPECT_EQ(1u, main.Model().Count());
    PostMessageA(program.Window(), kReloadListMessage, 0, reinterpret_cast<LPARAM>(main.Window()));
    EXPECT_TRUE(PumpUntil([&] { return main.Model().Count() == 2; }, 3000));
    EXPECT_EQ(2, static_cast<int>(SendMessageA(main.Window(), LVM_GETITEMCOUNT, 0, 0)));
}

}  // namespace
