// The main window opening what the lists hand it: folders and shortcuts through the tab model,
// files through the shell, in the program running in this process. (Wine's shell does not mark
// Internet shortcuts as shortcuts, so an address cannot be reached from a list here; the request
// for one is tested with the shell's requests.)
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "panes/list/list_pane.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

class TabHostTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        start_ = MakeFolder("開く");
        MakeFolder("開く\\写真");
        MakeFolder("開く\\書類");
        MakeFolder("開く\\音楽");
        WriteBytes(start_ + "\\メモ.txt", "memo");
        Set("LIST", "DEFSTYLE", "3");
    }

    // The program showing a folder in its one tab, with what it asks of the shell recorded.
    std::unique_ptr<RunningProgram> Start(const std::string& folder) {
        StartOptions options = Options();
        options.arguments = {folder};
        auto program = std::make_unique<RunningProgram>(options);
        if (!program->Window()) return program;
        auto executor = std::make_unique<RecordingExecutor>();
        executor_ = executor.get();
        program->Context().executor = std::move(executor);
        return program;
    }

    ListPane& Main() { return RunningMain().MainList(); }
    tabs::TabModel& Tabs() { return RunningMain().Tabs(); }
    std::string TabPath(int position) { return Tabs().Tab(position)->folder->Path(); }
    std::vector<std::string> HistoryPaths(int position) {
        std::vector<std::string> paths;
        for (const tabs::FolderPtr& folder : Tabs().History(position)) paths.push_back(folder->Path());
        return paths;
    }
    void DoubleClick(const std::string& name) {
        int row = RowNamed(Main(), name);
        ASSERT_NE(-1, row) << name;
        DoubleClickRow(Main().Window(), row);
    }

    std::string start_;
    RecordingExecutor* executor_ = nullptr;
};

TEST_F(TabHostTest, InALockedTabADoubleClickedFolderOpensANewTabAndTheLockedTabKeepsItsFolderAndHistory) {
    auto program = Start(start_);
    ASSERT_TRUE(program->Window());
    ASSERT_TRUE(Tabs().ToggleLock(1).done);
    DoubleClick("写真");
    ASSERT_EQ(2, Tabs().Count());
    EXPECT_EQ(start_, TabPath(1));
    EXPECT_EQ(start_ + "\\写真", TabPath(2));
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Main));
    EXPECT_TRUE(Tabs().History(1).empty());
    EXPECT_TRUE(Tabs().History(2).empty());
    EXPECT_EQ(0u, Main().Model().Count()) << "the list shows the new tab's empty folder";
    EXPECT_TRUE(executor_->requests.empty());
}

TEST_F(TabHostTest, AShortcutToAFolderShowsItsTargetWhetherItKeepsAPathOrAList) {
    auto program = Start(start_);
    ASSERT_TRUE(program->Window());
    ASSERT_TRUE(SavePathLink(start_ + "\\写真へ.lnk", start_ + "\\写真"));
    ASSERT_TRUE(SaveListLink(start_ + "\\写真\\書類へ.lnk", start_ + "\\書類"));
    ASSERT_TRUE(Main().Reload());
    DoubleClick("写真へ.lnk");
    EXPECT_EQ(start_ + "\\写真", TabPath(1));
    DoubleClick("書類へ.lnk");
    EXPECT_EQ(start_ + "\\書類", TabPath(1));
    EXPECT_EQ((std::vector<std::string>{start_ + "\\写真", start_}), HistoryPaths(1));
    EXPECT_EQ(1, Tabs().Count());
    EXPECT_TRUE(executor_->requests.empty());
}

TEST_F(TabHostTest, ADoubleClickedFileIsStartedByTheShellInItsFolderForTheMainWindow) {
    auto program = Start(start_);
    ASSERT_TRUE(program->Window());
    DoubleClick("メモ.txt");
    ASSERT_EQ(1u, executor_->requests.size());
    const RecordingExecutor::Request& run = executor_->requests[0];
    EXPECT_EQ(start_ + "\\メモ.txt", run.file);
    EXPECT_EQ(start_, run.directory);
    EXPECT_EQ(start_ + "\\メモ.txt", run.listPath);
    EXPECT_EQ(static_cast<ULONG>(SEE_MASK_INVOKEIDLIST), run.mask);
    EXPECT_EQ("", run.verb);
    EXPECT_EQ(program->Window(), run.owner);
    EXPECT_EQ(SW_SHOWNORMAL, run.show);
    EXPECT_EQ(start_, TabPath(1));
    EXPECT_TRUE(Tabs().History(1).empty());
}

TEST_F(TabHostTest, AShortcutToAFileStartsTheTargetInTheTargetsFolder) {
    auto program = Start(start_ + "\\書類");
    ASSERT_TRUE(program->Window());
    ASSERT_TRUE(SavePathLink(start_ + "\\書類\\メモへ.lnk", start_ + "\\メモ.txt"));
    ASSERT_TRUE(Main().Reload());
    DoubleClick("メモへ.lnk");
    ASSERT_EQ(1u, executor_->requests.size());
    const RecordingExecutor::Request& run = executor_->requests[0];
    EXPECT_EQ(start_ + "\\メモ.txt", run.file);
    EXPECT_EQ(start_, run.directory);
    EXPECT_EQ(start_ + "\\メモ.txt", run.listPath);
    EXPECT_EQ(static_cast<ULONG>(SEE_MASK_INVOKEIDLIST), run.mask);
    EXPECT_EQ(program->Window(), run.owner);
    EXPECT_EQ(start_ + "\\書類", TabPath(1));
    EXPECT_TRUE(Tabs().History(1).empty());
}

TEST_F(TabHostTest, ARingOfShortcutsEndsWithoutOpeningAnything) {
    std::string ring = MakeFolder("環");
    WriteBytes(ring + "\\置き場.txt", "x");
    auto program = Start(ring);
    ASSERT_TRUE(program->Window());
    ASSERT_TRUE(SavePathLink(ring + "\\二.lnk", ring + "\\置き場.txt"));
    ASSERT_TRUE(SavePathLink(ring + "\\一.lnk", ring + "\\二.lnk"));
    ASSERT_TRUE(SavePathLink(ring + "\\二.lnk", ring + "\\一.lnk"));
    ASSERT_TRUE(Main().Reload());
    DoubleClick("一.lnk");
    EXPECT_TRUE(executor_->requests.empty());
    EXPECT_EQ(1, Tabs().Count());
    EXPECT_EQ(ring, TabPath(1));
    EXPECT_TRUE(Tabs().History(1).empty());
}

TEST_F(TabHostTest, EnterOnOneFolderInALockedTabRemembersTheFolderInTheLockedTab) {
    auto program = Start(start_);
    ASSERT_TRUE(program->Window());
    ASSERT_TRUE(Tabs().ToggleLock(1).done);
    SelectRows(Main().Window(), {RowNamed(Main(), "音楽")});
    TypeInto(Main().Window(), VK_RETURN);
    ASSERT_EQ(2, Tabs().Count());
    EXPECT_EQ(start_, TabPath(1));
    EXPECT_EQ(start_ + "\\音楽", TabPath(2));
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ((std::vector<std::string>{start_}), HistoryPaths(1));
}

TEST_F(TabHostTest, EnterOnSeveralRowsOpensTheFoldersAsTabsInRowOrderAndStartsTheFile) {
    auto program = Start(start_);
    ASSERT_TRUE(program->Window());
    std::vector<int> rows = {RowNamed(Main(), "写真"), RowNamed(Main(), "書類"), RowNamed(Main(), "メモ.txt")};
    SelectRows(Main().Window(), rows);
    std::vector<std::string> foldersInRowOrder;
    for (size_t row = 0; row < Main().Model().Count(); ++row) {
        std::string name = Main().Model().Name(row);
        if (name == "写真" || name == "書類") foldersInRowOrder.push_back(start_ + "\\" + name);
    }
    TypeInto(Main().Window(), VK_RETURN);
    ASSERT_EQ(3, Tabs().Count());
    EXPECT_EQ(start_, TabPath(1)) << "the list's own tab stays where it was";
    EXPECT_TRUE(Tabs().History(1).empty());
    EXPECT_EQ(foldersInRowOrder, (std::vector<std::string>{TabPath(2), TabPath(3)}));
    ASSERT_EQ(1u, executor_->requests.size());
    EXPECT_EQ(start_ + "\\メモ.txt", executor_->requests[0].file);
    EXPECT_EQ(start_, executor_->requests[0].directory);
    EXPECT_EQ(static_cast<ULONG>(SEE_MASK_INVOKEIDLIST), executor_->requests[0].mask);
    EXPECT_EQ(program->Window(), executor_->requests[0].owner);
}

}  // namespace
