#include "panes/tabs/shell_tab_folder.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/shell/shell_test_fixture.h"

namespace {

class ShellTabFolderTest : public ShellFixture {
protected:
    std::shared_ptr<ShellTabItem> ItemAt(const std::string& relative) const {
        std::string path = PathOf(relative);
        ItemIdList absolute = ShellListOf(path);
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        if (!SplitItemList(absolute.Get(), parent, child)) return nullptr;
        return std::make_shared<ShellTabItem>(*shell_, std::move(parent), std::move(child));
    }
    // The path without the closing backslash, as the shell gives a folder's path.
    std::string FolderPath(const std::string& relative) const { return PathOf(relative); }
};

TEST_F(ShellTabFolderTest, AFolderAnswersWithTheShellsNameAndPathAndIsShownOnlyWhileItExists) {
    MakeFolder("書類");
    tabs::FolderPtr folder = ShellTabFolder::FromList(ShellListOf(PathOf("書類")).Get());
    ASSERT_TRUE(folder);
    EXPECT_EQ(FolderPath("書類"), folder->Path());
    EXPECT_EQ("書類", folder->DisplayName());
    EXPECT_TRUE(folder->CanEnumerate());
    EXPECT_NE(nullptr, ShellTabFolder::ShellFolderOf(folder));
    RemoveDirectoryA(PathOf("書類").c_str());
    EXPECT_FALSE(folder->CanEnumerate());
}

TEST_F(ShellTabFolderTest, RememberedFoldersAnswerAsBoundOnesDoAndBindOnlyWhenUsed) {
    MakeFolder("親");
    for (const char* name : {"親\\表示", "親\\b.c"}) MakeFolder(name);
    RememberedFolders remembered;
    std::vector<std::string> names = {"親\\表示", "親\\b.c", "親"};
    for (const std::string& name : names) {
        ItemIdList list = ShellListOf(PathOf(name));
        tabs::FolderPtr bound = ShellTabFolder::FromList(list.Get());
        tabs::FolderPtr made = remembered.Make(list.Get());
        ASSERT_TRUE(bound && made) << name;
        EXPECT_TRUE(made->CanEnumerate()) << name;
        EXPECT_TRUE(bound->CanEnumerate()) << name;
        EXPECT_EQ(bound->Path(), made->Path()) << name;
        EXPECT_EQ(bound->DisplayName(), made->DisplayName()) << name;
        IShellFolder* folder = ShellTabFolder::ShellFolderOf(made);
        ASSERT_NE(nullptr, folder) << name;
        EXPECT_EQ(bound->Path(), ItemPath(folder)) << name;
    }
    ItemIdList gone = ShellListOf(PathOf("親\\b.c"));
    RemoveDirectoryA(PathOf("親\\b.c").c_str());
    EXPECT_FALSE(remembered.Make(gone.Get())->CanEnumerate()) << "a remembered folder that is gone is not restored";
    for (int special : {CSIDL_DRIVES, CSIDL_DESKTOP, CSIDL_PERSONAL}) {
        ItemIdList list = SpecialFolderList(special);
        tabs::FolderPtr made = remembered.Make(list.Get());
        tabs::FolderPtr bound = ShellTabFolder::FromList(list.Get());
        ASSERT_TRUE(made && bound);
        EXPECT_TRUE(made->CanEnumerate());
        EXPECT_EQ(bound->DisplayName(), made->DisplayName()) << made->Path();
    }
}

TEST_F(ShellTabFolderTest, AFolderWithoutADirectoryIsShownWhenItsEnumerationStarts) {
    tabs::FolderPtr computer = ShellTabFolder::FromList(SpecialFolderList(CSIDL_DRIVES).Get());
    ASSERT_TRUE(computer);
    EXPECT_TRUE(computer->CanEnumerate());
}

TEST_F(ShellTabFolderTest, ItemsKnowWhetherTheyAreFoldersShortcutsAndStillThere) {
    MakeFolder("中身");
    MakeFile("メモ.txt");
    ASSERT_TRUE(MakeLink("中身へ.lnk", PathOf("中身")));
    auto folder = ItemAt("中身");
    auto file = ItemAt("メモ.txt");
    auto link = ItemAt("中身へ.lnk");
    ASSERT_TRUE(folder && file && link);
    EXPECT_TRUE(folder->IsFolder());
    EXPECT_FALSE(file->IsFolder());
    EXPECT_TRUE(link->IsShortcut());
    EXPECT_FALSE(file->IsShortcut());
    ASSERT_TRUE(folder->BindFolder());
    EXPECT_EQ(FolderPath("中身"), folder->BindFolder()->Path());
    EXPECT_EQ(temp_.Path().substr(0, temp_.Path().size() - 1), file->Parent()->Path());
    EXPECT_TRUE(file->Exists());
    DeleteFileA(PathOf("メモ.txt").c_str());
    EXPECT_FALSE(file->Exists());
}

TEST_F(ShellTabFolderTest, AShortcutToAFolderOpensThatFolderAsATab) {
    MakeFolder("行き先");
    ASSERT_TRUE(MakeLink("行き先へ.lnk", PathOf("行き先")));
    tabs::ShortcutTarget target = ItemAt("行き先へ.lnk")->Resolve();
    ASSERT_TRUE(target.folder);
    ASSERT_TRUE(target.child);
    EXPECT_TRUE(target.child->IsFolder());
    tabs::FolderPtr folder = target.child->BindFolder();
    ASSERT_TRUE(folder);
    EXPECT_EQ(FolderPath("行き先"), folder->Path());
    EXPECT_TRUE(folder->CanEnumerate());
}

}  // namespace
