#include <gtest/gtest.h>
#include <shlobj.h>

#include "core/handover.h"
#include "app/main_window.h"
#include "win/program_folder.h"
#include "tests/support/program_fixture.h"

namespace {

std::string PathOfTab(int tab) {
    const tabs::TabRecord* record = RunningMain().Tabs().Tab(tab);
    return record ? record->folder->Path() : std::string();
}

// Records every hand-over record that reaches the main window before passing it on.
struct HandOverSpy {
    static std::vector<std::vector<std::string>> records;
    static WNDPROC previous;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COPYDATA) {
            const COPYDATASTRUCT* copy = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            records.push_back(handover::ReadRecord(copy->dwData, copy->lpData, copy->cbData));
        }
        return CallWindowProcA(previous, window, message, wParam, lParam);
    }
    explicit HandOverSpy(HWND window) : window_(window) {
        records.clear();
        previous = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&HandOverSpy::Proc)));
    }
    ~HandOverSpy() {
        if (IsWindow(window_)) SetWindowLongPtrA(window_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    }
    HWND window_;
};
std::vector<std::vector<std::string>> HandOverSpy::records;
WNDPROC HandOverSpy::previous = nullptr;

using StartupTest = ProgramFolderTest;

TEST_F(StartupTest, FirstStartCreatesTheMainWindowAndDataFolder) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(program.Window(), FindWindowA("tessary", nullptr));
    char title[32] = {};
    GetWindowTextA(program.Window(), title, sizeof title);
    EXPECT_STREQ("Tessary", title);
    LONG style = GetWindowLongA(program.Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & WS_CAPTION & ~WS_BORDER);
    EXPECT_TRUE(GetWindowLongA(program.Window(), GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(IsWindowVisible(program.Window()));
    EXPECT_TRUE(FileExists(folder_.Path() + "data"));
    EXPECT_TRUE(FileExists(folder_.Path() + "background"));
    WNDCLASSA windowClass{};
    ASSERT_TRUE(GetClassInfoA(GetModuleHandleA(nullptr), "tessary", &windowClass));
    EXPECT_EQ(static_cast<UINT>(CS_DBLCLKS), windowClass.style);
}

TEST_F(StartupTest, NoArgumentsOpensExactlyTheDesktopTab) {
    StartOptions options = Options();
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, RunningMain().Tabs().Count());
    ItemIdList shown = OwnItemList(ShellTabFolder::ShellFolderOf(RunningMain().Tabs().Tab(1)->folder));
    EXPECT_TRUE(IsDesktopList(shown.Get()));
    EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(-1, RunningMain().Tabs().Selection(tabs::Pane::Sub));
}

TEST_F(StartupTest, MinimisedStartStartsHidden) {
    RunningProgram program(Options(SW_SHOWMINIMIZED));
    ASSERT_TRUE(program.Window());
    EXPECT_FALSE(IsWindowVisible(program.Window()));
    EXPECT_FALSE(IsIconic(program.Window()));
}

TEST_F(StartupTest, StartPathsOpenAsTabsInOrderAndBadOnesShowTheBox) {
    StartOptions options = Options();
    options.arguments = {MakeFolder("表示"), folder_.Path() + "missing", MakeFolder("ソフト"), std::string(300, 'a')};
    MessageBoxCloser closer("ファイルが見つかりません");
    RunningProgram program(options);
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(2, RunningMain().Tabs().Count());
    EXPECT_EQ(options.arguments[0], PathOfTab(1));
    EXPECT_EQ(options.arguments[2], PathOfTab(2));
    std::vector<std::string> boxes = closer.Texts();
    ASSERT_EQ(2u, boxes.size());
    EXPECT_EQ("\"" + options.arguments[1] + "\"が見つかりません。\nパスやファイル名が正しいかどうか確認してください。",
              boxes[0]);
    EXPECT_NE(std::string::npos, boxes[1].find(std::string(300, 'a')));
}

TEST_F(StartupTest, SecondStartWithoutArgumentsOnlyBringsTheFirstToTheFront) {
    RunningProgram program(Options(SW_SHOWMINIMIZED));
    ASSERT_TRUE(program.Window());
    ASSERT_FALSE(IsWindowVisible(program.Window()));
    HandOverSpy spy(program.Window());
    EXPECT_EQ(0, RunProcessPumping("\"" + TestProgramPath("tessary.exe") + "\""));
    EXPECT_TRUE(IsWindowVisible(program.Window()));
    EXPECT_TRUE(HandOverSpy::records.empty());
    EXPECT_EQ(1, RunningMain().Tabs().Count());
}

TEST_F(StartupTest, SecondStartHandsItsThreeFoldersOverInOrder) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    std::vector<std::string> folders = {MakeFolder("一"), MakeFolder("二 space"), MakeFolder("表")};
    HandOverSpy spy(program.Window());
    std::string command = "\"" + TestProgramPath("tessary.exe") + "\"";
    for (const std::string& folder : folders) command += " \"" + folder + "\"";
    EXPECT_EQ(0, RunProcessPumping(command));
    ASSERT_EQ(1u, HandOverSpy::records.size());
    EXPECT_EQ(folders, HandOverSpy::records[0]);
    ASSERT_EQ(4, RunningMain().Tabs().Count());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(folders[i], PathOfTab(i + 2));
}

TEST_F(StartupTest, SecondStartSkipsAnOverlongArgumentWithTheBox) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    std::string folder = MakeFolder("fits");
    HandOverSpy spy(program.Window());
    MessageBoxCloser closer("ファイルが見つかりません");
    std::string overlong(300, 'x');
    EXPECT_EQ(0, RunProcessPumping("\"" + TestProgramPath("tessary.exe") + "\" " + overlong + " \"" + folder + "\""));
    ASSERT_EQ(1u, HandOverSpy::records.size());
    EXPECT_EQ(std::vector<std::string>{folder}, HandOverSpy::records[0]);
    ASSERT_EQ(1u, closer.Texts().size());
    EXPECT_NE(std::string::npos, closer.Texts()[0].find(overlong));
    EXPECT_EQ(2, RunningMain().Tabs().Count());
}

TEST_F(StartupTest, HandOverReceiverIgnoresMalformedRecords) {
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    std::string good = MakeFolder("good");
    std::vector<char> record = handover::BuildRecord({good, good});
    COPYDATASTRUCT copy{};
    copy.dwData = 2;
    copy.cbData = static_cast<DWORD>(record.size() - 1);
    copy.lpData = record.data();
    EXPECT_EQ(0, SendMessageA(program.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy)));
    EXPECT_EQ(1, RunningMain().Tabs().Count());

    std::fill(record.begin(), record.begin() + handover::kSlotSize, 'x');
    copy.cbData = static_cast<DWORD>(record.size());
    SendMessageA(program.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    ASSERT_EQ(2, RunningMain().Tabs().Count());
    EXPECT_EQ(good, PathOfTab(2));
}

TEST_F(StartupTest, QuittingReleasesTheInstanceSoANewOneCanStart) {
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
    }
    RunningProgram again(Options());
    EXPECT_TRUE(again.Window());
}

}  // namespace
