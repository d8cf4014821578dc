#include "shell/folder_binding.h"

#include "shell/shell_services.h"
#include "tests/shell/shell_test_fixture.h"

namespace {

class FolderBindingTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        documentsPath_ = MakeFolder("資料");
        tablePath_ = MakeFolder("資料\\表");
        notePath_ = MakeFile("資料\\メモ.txt");
        documents_ = BindFolder(ShellListOf(documentsPath_).Get());
        ASSERT_TRUE(documents_);
    }
    ItemIdList ChildOf(const std::string& path) { return LastItem(ShellListOf(path).Get()); }

    std::string documentsPath_, tablePath_, notePath_;
    ComPtr<IShellFolder> documents_;
};

TEST_F(FolderBindingTest, BindChildThenOwnListGivesTheChildsAbsoluteList) {
    ItemIdList child = ChildOf(tablePath_);
    ComPtr<IShellFolder> table = BindChildFolder(documents_.Get(), child.Get());
    ASSERT_TRUE(table);
    ItemIdList own = OwnItemList(table.Get());
    ASSERT_TRUE(own);
    EXPECT_TRUE(ILIsEqual(ShellListOf(tablePath_).Get(), own.Get()));
    EXPECT_EQ(tablePath_, ShellPathOf(own.Get()));
    EXPECT_TRUE(SameBytes(own.Get(), AbsoluteItemList(documents_.Get(), child.Get()).Get()));
}

TEST_F(FolderBindingTest, BindChildRefusesFilesAndMissingArguments) {
    ItemIdList note = ChildOf(notePath_);
    EXPECT_FALSE(BindChildFolder(documents_.Get(), note.Get()));
    EXPECT_FALSE(BindChildFolder(documents_.Get(), nullptr));
    EXPECT_FALSE(BindChildFolder(nullptr, note.Get()));
}

TEST_F(FolderBindingTest, AShortcutsFolderTargetBindsWhetherTheLinkKeepsItsPathOrItsList) {
    ASSERT_TRUE(SavePathLink(PathOf("表へ.lnk"), tablePath_));
    ASSERT_TRUE(SaveListLink(PathOf("表へ (一覧).lnk"), tablePath_));
    ComPtr<IShellFolder> links = BindFolder(ShellListOf(temp_.Path()).Get());
    ASSERT_TRUE(links);
    for (const char* name : {"表へ.lnk", "表へ (一覧).lnk"}) {
        ItemIdList link = ChildOf(PathOf(name));
        ComPtr<IShellFolder> targetFolder;
        ItemIdList target;
        std::string url;
        ASSERT_TRUE(ResolveShortcut(*shell_, links.Get(), link.Get(), targetFolder, target, url)) << name;
        ASSERT_TRUE(IsFolderItem(targetFolder.Get(), target.Get())) << name;
        ComPtr<IShellFolder> table = BindFolderItem(targetFolder.Get(), target.Get());
        ASSERT_TRUE(table) << name;
        EXPECT_EQ(tablePath_, ItemPath(table.Get())) << name;
        EXPECT_TRUE(ILIsEqual(ShellListOf(tablePath_).Get(), OwnItemList(table.Get()).Get())) << name;
    }
}

TEST_F(FolderBindingTest, BindFolderItemRefusesFilesAndMissingArguments) {
    ItemIdList note = ChildOf(notePath_);
    EXPECT_FALSE(BindFolderItem(documents_.Get(), note.Get()));
    EXPECT_FALSE(BindFolderItem(documents_.Get(), nullptr));
    EXPECT_FALSE(BindFolderItem(nullptr, note.Get()));
    ComPtr<IShellFolder> table = BindFolderItem(documents_.Get(), ChildOf(tablePath_).Get());
    ASSERT_TRUE(table);
    EXPECT_EQ(tablePath_, ItemPath(table.Get()));
}

TEST_F(FolderBindingTest, EmptyListBindsTheDesktop) {
    ItemIdList empty = AllocateItemList(2);
    ComPtr<IShellFolder> desktop = BindFolder(empty.Get());
    ASSERT_TRUE(desktop);
    EXPECT_EQ(DesktopFolder().Get(), desktop.Get());
    EXPECT_FALSE(BindFolder(nullptr));
    EXPECT_TRUE(IsDesktopItem(desktop.Get()));
    EXPECT_EQ(1u, ItemListDepth(OwnItemList(desktop.Get()).Get()));
    EXPECT_TRUE(IsRootFolder(desktop.Get()));
    EXPECT_FALSE(ParentFolder(desktop.Get()));

    ComPtr<IShellFolder> parent;
    ItemIdList last = AllocateItemList(2);
    ASSERT_TRUE(ParentAndLast(desktop.Get(), parent, last));
    EXPECT_EQ(DesktopFolder().Get(), parent.Get());
    EXPECT_FALSE(last);
}

TEST_F(FolderBindingTest, BoundFolderKnowsItsParent) {
    ComPtr<IShellFolder> table = BindFolder(ShellListOf(tablePath_).Get());
    ASSERT_TRUE(table);
    EXPECT_FALSE(IsRootFolder(table.Get()));
    EXPECT_FALSE(IsDesktopItem(table.Get()));
    ComPtr<IShellFolder> parent = ParentFolder(table.Get());
    ASSERT_TRUE(parent);
    EXPECT_EQ(documentsPath_, ShellPathOf(OwnItemList(parent.Get()).Get()));

    ComPtr<IShellFolder> viaSplit;
    ItemIdList last;
    ASSERT_TRUE(ParentAndLast(table.Get(), viaSplit, last));
    EXPECT_EQ(documentsPath_, ShellPathOf(OwnItemList(viaSplit.Get()).Get()));
    EXPECT_TRUE(SameBytes(ChildOf(tablePath_).Get(), last.Get()));
}

TEST_F(FolderBindingTest, SplitGivesParentFolderAndOneItemChild) {
    ItemIdList note = ShellListOf(notePath_);
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    ASSERT_TRUE(SplitItemList(note.Get(), parent, child));
    EXPECT_EQ(documentsPath_, ShellPathOf(OwnItemList(parent.Get()).Get()));
    EXPECT_EQ(2u, ItemListDepth(child.Get()));
    EXPECT_TRUE(SameBytes(note.Get(), AbsoluteItemList(parent.Get(), child.Get()).Get()));

    ItemIdList empty = AllocateItemList(2);
    ASSERT_TRUE(SplitItemList(empty.Get(), parent, child));
    EXPECT_EQ(DesktopFolder().Get(), parent.Get());
    EXPECT_FALSE(child);
    EXPECT_FALSE(SplitItemList(nullptr, parent, child));
    EXPECT_FALSE(parent);
}

TEST_F(FolderBindingTest, SplitToDesktopDirectoryReplacesTheDesktop) {
    ItemIdList empty = AllocateItemList(2);
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    ASSERT_TRUE(SplitToDesktopDirectory(empty.Get(), parent, child));
    ASSERT_TRUE(child);
    char desktopDirectory[MAX_PATH] = {};
    ASSERT_TRUE(SHGetSpecialFolderPathA(nullptr, desktopDirectory, CSIDL_DESKTOPDIRECTORY, FALSE));
    EXPECT_EQ(desktopDirectory, ShellPathOf(AbsoluteItemList(parent.Get(), child.Get()).Get()));

    ItemIdList note = ShellListOf(notePath_);
    ASSERT_TRUE(SplitToDesktopDirectory(note.Get(), parent, child));
    EXPECT_EQ(notePath_, ShellPathOf(AbsoluteItemList(parent.Get(), child.Get()).Get()));
}

TEST_F(FolderBindingTest, FolderAndShortcutAttributes) {
    ASSERT_TRUE(MakeLink("資料\\表へ.lnk", tablePath_));
    ItemIdList table = ChildOf(tablePath_);
    ItemIdList note = ChildOf(notePath_);
    ItemIdList link = ChildOf(PathOf("資料\\表へ.lnk"));
    ASSERT_TRUE(link);
    EXPECT_TRUE(IsFolderItem(documents_.Get(), table.Get()));
    EXPECT_FALSE(IsFolderItem(documents_.Get(), note.Get()));
    EXPECT_FALSE(IsShortcutItem(documents_.Get(), table.Get()));
    EXPECT_FALSE(IsShortcutItem(documents_.Get(), note.Get()));
    EXPECT_TRUE(IsShortcutItem(documents_.Get(), link.Get()));
    EXPECT_FALSE(IsFolderItem(nullptr, table.Get()));
    EXPECT_FALSE(IsShortcutItem(documents_.Get(), nullptr));
}

TEST_F(FolderBindingTest, ExistsForPresentAndDeletedChildren) {
    ItemIdList note = ChildOf(notePath_);
    ItemIdList table = ChildOf(tablePath_);
    EXPECT_TRUE(ItemExists(documents_.Get(), note.Get()));
    EXPECT_TRUE(ItemExists(documents_.Get(), table.Get()));
    ASSERT_TRUE(DeleteFileA(notePath_.c_str()));
    ASSERT_TRUE(RemoveDirectoryA(tablePath_.c_str()));
    EXPECT_FALSE(ItemExists(documents_.Get(), note.Get()));
    EXPECT_FALSE(ItemExists(documents_.Get(), table.Get()));
}

TEST_F(FolderBindingTest, ExistsForTheFolderItself) {
    ComPtr<IShellFolder> table = BindFolder(ShellListOf(tablePath_).Get());
    ASSERT_TRUE(table);
    EXPECT_TRUE(ItemExists(table.Get()));
    EXPECT_TRUE(ItemExists(DesktopFolder().Get()));
    ASSERT_TRUE(RemoveDirectoryA(tablePath_.c_str()));
    EXPECT_FALSE(ItemExists(table.Get()));
    EXPECT_FALSE(ItemExists(nullptr));
}

}  // namespace
