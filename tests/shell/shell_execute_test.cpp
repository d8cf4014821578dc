#include "shell/shell_execute.h"

#include <gtest/gtest.h>

#include <string>

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

class ShellExecuteTest : public ShellFixture {
protected:
    static ComPtr<IShellFolder> FolderAt(const std::string& path) { return BindFolder(ShellListOf(path).Get()); }
    static ItemIdList ChildOf(const std::string& path) { return LastItem(ShellListOf(path).Get()); }

    RecordingExecutor executor_;
};

TEST_F(ShellExecuteTest, AnItemRunsByItsListWithItsPathAndItsFolderAsDirectory) {
    MakeFolder("書類");
    std::string note = MakeFile("書類\\メモ.txt", "memo");
    ComPtr<IShellFolder> folder = FolderAt(PathOf("書類"));
    ItemIdList child = ChildOf(note);
    ASSERT_TRUE(folder && child);
    HWND owner = GetDesktopWindow();
    EXPECT_TRUE(RunItem(executor_, owner, folder.Get(), child.Get()));
    ASSERT_EQ(1u, executor_.requests.size());
    const RecordingExecutor::Request& run = executor_.requests[0];
    EXPECT_EQ(note, run.file);
    EXPECT_EQ(PathOf("書類"), run.directory);
    EXPECT_EQ(note, run.listPath);
    EXPECT_EQ(static_cast<ULONG>(SEE_MASK_INVOKEIDLIST), run.mask);
    EXPECT_EQ("", run.verb) << "the item's default verb";
    EXPECT_EQ(owner, run.owner);
    EXPECT_EQ(SW_SHOWNORMAL, run.show);
}

TEST_F(ShellExecuteTest, AnItemAtADrivesRootRunsInTheRootNotTheDrivesCurrentDirectory) {
    const std::string path = "C:\\tessary_run_root_test.txt";
    ASSERT_TRUE(WriteBytes(path, "root"));
    ComPtr<IShellFolder> root = FolderAt("C:\\");
    ItemIdList child = ChildOf(path);
    bool ran = root && child && RunItem(executor_, nullptr, root.Get(), child.Get());
    DeleteFileA(path.c_str());
    ASSERT_TRUE(ran);
    ASSERT_EQ(1u, executor_.requests.size());
    EXPECT_EQ("C:\\", executor_.requests[0].directory);
    EXPECT_EQ(path, executor_.requests[0].file);
}

TEST_F(ShellExecuteTest, WithoutAnItemNothingIsAskedOfTheShell) {
    ComPtr<IShellFolder> folder = FolderAt(PathOf(""));
    ASSERT_TRUE(folder);
    EXPECT_FALSE(RunItem(executor_, nullptr, folder.Get(), nullptr));
    ItemIdList child = ChildOf(MakeFile("ある.txt"));
    EXPECT_FALSE(RunItem(executor_, nullptr, nullptr, child.Get()));
    EXPECT_TRUE(executor_.requests.empty());
}

TEST_F(ShellExecuteTest, AnAddressOpensWithTheOpenVerbAndNoOwner) {
    EXPECT_TRUE(OpenAddress(executor_, "http://example.invalid/x"));
    ASSERT_EQ(1u, executor_.requests.size());
    const RecordingExecutor::Request& open = executor_.requests[0];
    EXPECT_EQ("open", open.verb);
    EXPECT_EQ("http://example.invalid/x", open.file);
    EXPECT_EQ("", open.directory);
    EXPECT_EQ("", open.listPath);
    EXPECT_EQ(0u, open.mask);
    EXPECT_EQ(nullptr, open.owner);
    EXPECT_EQ(SW_SHOWNORMAL, open.show);
}

}  // namespace
