#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "panes/list/list_pane.h"
#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/program_fixture.h"

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

TEST_F(ListInProgramTest, TheMainWindowMakesBothListsInTheirSavedStylesWithTheirEditors) {
    Set("LISTSTYLE", "MAIN", "-1");
    Set("LISTSTYLE", "SUB", "1");
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

}  // namespace
