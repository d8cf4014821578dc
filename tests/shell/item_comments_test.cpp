#include "shell/item_comments.h"

#include "shell/folder_binding.h"
#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

class ItemCommentsTest : public ShellFixture {
protected:
    void Split(const std::string& path) {
        ItemIdList list = ShellListOf(path);
        ASSERT_TRUE(list) << path;
        ASSERT_TRUE(SplitItemList(list.Get(), parent_, child_));
    }
    ComPtr<IShellFolder> parent_;
    ItemIdList child_;
    CommentTable table_;
};

TEST_F(ItemCommentsTest, FileIsKeyedByItsPath) {
    std::string path = MakeFile("報告.txt");
    Split(path);
    SetComment(table_, parent_.Get(), child_.Get(), "会議の報告");
    std::string text;
    ASSERT_TRUE(table_.GetComment(path, text));
    EXPECT_EQ("会議の報告", text);
    text.clear();
    ASSERT_TRUE(GetComment(table_, parent_.Get(), child_.Get(), text));
    EXPECT_EQ("会議の報告", text);
    SetComment(table_, parent_.Get(), child_.Get(), "");
    EXPECT_FALSE(GetComment(table_, parent_.Get(), child_.Get(), text));
    EXPECT_EQ("", text);
    EXPECT_TRUE(table_.Empty());
}

TEST_F(ItemCommentsTest, FolderIsKeyedWithoutTrailingBackslash) {
    std::string path = MakeFolder("資料");
    Split(path + "\\");
    SetComment(table_, parent_.Get(), child_.Get(), "folder");
    std::string text;
    EXPECT_TRUE(table_.GetComment(path, text));
    EXPECT_FALSE(table_.GetComment(path + "\\", text));
}

TEST_F(ItemCommentsTest, VirtualFolderIsKeyedByItsDisplayName) {
    ItemIdList computer = SpecialFolderList(CSIDL_DRIVES);
    ASSERT_TRUE(computer);
    SetComment(table_, DesktopFolder().Get(), computer.Get(), "virtual");
    std::string text;
    ASSERT_TRUE(table_.GetComment(ShellDisplayName(DesktopFolder().Get(), computer.Get()), text));
    EXPECT_EQ("virtual", text);
}

TEST_F(ItemCommentsTest, ItemWithoutAPathStringHasNoComment) {
    table_.SetCommentByPath("", "shared by every unnamed item");
    std::string path = MakeFile("a.txt");
    Split(path);
    SetComment(table_, nullptr, child_.Get(), "lost");
    std::string text = "left over";
    EXPECT_FALSE(GetComment(table_, nullptr, child_.Get(), text));
    EXPECT_EQ("", text);
    EXPECT_EQ(1u, table_.All().size());
}

}  // namespace
