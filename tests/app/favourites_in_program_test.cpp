// The favourites tree in the running program: the default groups, the startup group's tabs,
// adding, renaming and deleting with real keys, clicks and menus, favorite.dat across restarts,
// and files that are damaged or hostile.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/favourite_file.h"
#include "res/ids.h"
#include "shell/folder_binding.h"
#include "shell/item_names.h"
#include "shell/typed_paths.h"
#include "tests/shell/shell_test_fixture.h"
#include "tests/support/idle_driver.h"
#include "tests/support/list_input.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"

namespace {

using Lines = std::vector<std::string>;

class FavouritesProgramTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        PlaceWindow(800, 700);
        Set("FAV", "EXIST", "1");
        Set("TAB", "REMIND", "0");
        top_ = MakeFolder("好");
        for (const char* name : {"好\\甲", "好\\乙", "好\\丙"}) MakeFolder(name);
    }

    void Start(const std::vector<std::string>& folders = {}) {
        program_ = StartOn(folders);
        ASSERT_TRUE(program_->Window());
    }
    void Quit() {
        program_->Quit();
        program_.reset();
    }
    void Restart(const std::vector<std::string>& folders = {}) {
        Quit();
        Start(folders);
    }

    MainWindow& Main() { return program_->Main(); }
    FavouritesPane& Favourites() { return Main().Favourites(); }
    HWND Tree() { return Favourites().Window(); }
    tabs::TabModel& Tabs() { return Main().Tabs(); }
    std::string FavouriteFile() const { return folder_.Path() + "data\\favorite.dat"; }
    std::string In(const char* name) const { return top_ + "\\" + name; }

    // Adds what a path names as a favourite under the item, the way a drop does.
    void Add(HTREEITEM parent, const std::string& path) {
        ItemIdList list = PathToItemList(path.c_str());
        ComPtr<IShellFolder> folder;
        ItemIdList child;
        ASSERT_TRUE(SplitItemList(list.Get(), folder, child)) << path;
        Favourites().AddFavourite(parent, folder.Get(), child.Get());
    }
    HTREEITEM Child(HTREEITEM parent, const std::string& text) {
        for (HTREEITEM child : Favourites().ChildrenOf(parent))
            if (Favourites().TextOf(child) == text) return child;
        return nullptr;
    }
    // The tree under the root: top-level items, a group's favourites after it indented by a space.
    Lines Outline() {
        Lines lines;
        for (HTREEITEM node : Favourites().ChildrenOf(Favourites().Root())) {
            lines.push_back(Favourites().TextOf(node));
            for (HTREEITEM child : Favourites().ChildrenOf(node)) lines.push_back(" " + Favourites().TextOf(child));
        }
        return lines;
    }
    std::string PathOfFavourite(HTREEITEM item) {
        IShellFolder* folder = Favourites().FolderOf(item);
        return folder ? ItemPath(folder) : "<none>";
    }
    std::vector<std::string> TabPaths() {
        std::vector<std::string> paths;
        for (int position = 1; position <= Tabs().Count(); ++position)
            paths.push_back(Tabs().Tab(position)->folder->Path());
        return paths;
    }
    void ClickItem(HTREEITEM item, DWORD down = MOUSEEVENTF_LEFTDOWN, DWORD up = MOUSEEVENTF_LEFTUP) {
        TreeView_EnsureVisible(Tree(), item);
        RECT label{};
        TreeView_GetItemRect(Tree(), item, &label, TRUE);
        POINT centre{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        ClientToScreen(Tree(), &centre);
        ClickAt(centre, down, up);
    }
    // A right click on the item; the menu that opens is read and an item chosen by its text, or
    // closed when none is given. The state of the item with the text, or -1 when there is none.
    UINT MenuStateAt(HTREEITEM item, const std::string& text, const std::string& choose = std::string()) {
        UINT state = static_cast<UINT>(-1);
        // Apart from the last click, so that this one is not taken for its second half.
        Pump(GetDoubleClickTime());
        IdleDriver driver(Main().Handle());
        driver.onMenu = [&](HWND menuWindow) {
            HMENU menu = MenuOf(menuWindow);
            int position = ItemPosition(menu, text);
            if (position != -1) state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
            int chosen = choose.empty() ? -1 : ItemPosition(menu, choose);
            if (chosen == -1) {
                PostKeys(menuWindow, {VK_ESCAPE});
                return;
            }
            // The menu's keys stop at greyed items too.
            for (int down = 0; down <= chosen; ++down) PostKeys(menuWindow, {VK_DOWN});
            PostKeys(menuWindow, {VK_RETURN});
        };
        ClickItem(item, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
        EXPECT_EQ(1, driver.menusSeen);
        EXPECT_NE(static_cast<UINT>(-1), state) << text;
        return state;
    }
    void Select(HTREEITEM item) {
        SetFocus(Tree());
        TreeView_SelectItem(Tree(), item);
    }

    std::string top_;
    std::unique_ptr<RunningProgram> program_;
};

TEST_F(FavouritesProgramTest, AFirstStartBuildsTheDefaultGroupsAndARestartBringsBackWhatWasBuilt) {
    Start();
    HTREEITEM root = Favourites().Root();
    ASSERT_TRUE(root);
    EXPECT_EQ("お気に入り", Favourites().TextOf(root));
    std::vector<HTREEITEM> top = Favourites().ChildrenOf(root);
    ASSERT_EQ(2u, top.size());
    EXPECT_EQ("スタートアップ", Favourites().TextOf(top[0]));
    EXPECT_TRUE(Favourites().ChildrenOf(top[0]).empty());
    EXPECT_EQ("よく使いそうなフォルダ", Favourites().TextOf(top[1]));
    std::vector<HTREEITEM> likely = Favourites().ChildrenOf(top[1]);
    ASSERT_GE(likely.size(), 4u) << "the desktop, the computer, the documents, (program files,) send to";
    EXPECT_EQ(DisplayName(DesktopFolder().Get()), Favourites().TextOf(likely[0]));
    EXPECT_TRUE(IsRootFolder(Favourites().FolderOf(likely[0]))) << "the first favourite is the desktop";
    EXPECT_EQ(top[0], Favourites().StartupGroup());

    HTREEITEM group = Favourites().NewFavouritesGroup("組");
    ASSERT_TRUE(group);
    Add(group, In("甲"));
    Add(group, In("乙"));
    Add(root, In("丙"));
    EXPECT_EQ(In("乙"), PathOfFavourite(Child(group, "乙")));
    Lines built = Outline();
    ASSERT_GE(built.size(), 6u);
    EXPECT_EQ("スタートアップ", built.front());
    EXPECT_EQ((Lines{"組", " 甲", " 乙", "丙"}), Lines(built.end() - 4, built.end()));
    // What the header bars' favourites menu is built from.
    std::vector<FavouriteEntry> entries = Favourites().TopLevelEntries();
    ASSERT_GE(entries.size(), 2u);
    const FavouriteEntry& loose = entries.back();
    const FavouriteEntry& named = entries[entries.size() - 2];
    EXPECT_TRUE(!loose.group && loose.label == "丙" && loose.folder && ItemPath(loose.folder.Get()) == In("丙"));
    ASSERT_TRUE(named.group && named.label == "組" && !named.folder);
    ASSERT_EQ(2u, named.children.size());
    EXPECT_EQ(In("乙"), ItemPath(named.children[1].folder.Get()));

    Restart();
    EXPECT_EQ(built, Outline());
    HTREEITEM again = Child(Favourites().Root(), "組");
    ASSERT_TRUE(again);
    EXPECT_EQ(In("乙"), PathOfFavourite(Child(again, "乙")));
    std::string written = ReadBytes(FavouriteFile());
    Restart();
    Quit();
    EXPECT_EQ(written, ReadBytes(FavouriteFile())) << "what was read is written back as it was";
}

TEST_F(FavouritesProgramTest, AFavouriteWhoseFolderIsGoneKeepsItsOwnListInTheFile) {
    Start();
    HTREEITEM group = Favourites().NewFavouritesGroup("組");
    Add(group, In("甲"));
    Quit();
    std::string before = ReadBytes(FavouriteFile());
    ASSERT_TRUE(RemoveDirectoryA(In("甲").c_str()));
    Start();
    HTREEITEM kept = Child(Child(Favourites().Root(), "組"), "甲");
    ASSERT_TRUE(kept) << "loaded although its folder is gone";
    int tabs = Tabs().Count();
    TreeView_Expand(Tree(), Child(Favourites().Root(), "組"), TVE_EXPAND);
    ClickItem(kept);
    EXPECT_EQ(tabs, Tabs().Count()) << "a folder that cannot be read opens no tab";
    Quit();
    EXPECT_EQ(before, ReadBytes(FavouriteFile())) << "written with its own list, not as the desktop";
}

TEST_F(FavouritesProgramTest, TheStartupGroupOpensItsFoldersAsTheFirstTabsMovingOneThatIsOpenAlready) {
    Start();
    HTREEITEM startup = Favourites().StartupGroup();
    ASSERT_TRUE(startup);
    Add(startup, In("丙"));
    Add(startup, In("甲"));
    std::string gone = MakeFolder("消");
    Add(startup, gone);
    Add(startup, In("乙"));
    Quit();
    RemoveDirectoryA(gone.c_str());
    std::string other = MakeFolder("他");
    Start({other, top_, other, top_, In("丙")});
    EXPECT_EQ((Lines{In("丙"), In("甲"), In("乙"), other, top_, other, top_}), TabPaths())
        << "tab 5 became tab 1, the others were added in order, and the folder that is gone took no place";
    EXPECT_EQ(1, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(In("丙"), ItemPath(Main().MainList().Model().Folder()));
}

TEST_F(FavouritesProgramTest, EveryClickOnAFavouriteOpensANewTabEvenWhenItIsSelectedAlready) {
    Start({top_});
    HTREEITEM group = Favourites().NewFavouritesGroup("組");
    Add(group, In("甲"));
    HTREEITEM favourite = Child(group, "甲");
    ASSERT_TRUE(favourite);
    ASSERT_EQ(1, Tabs().Count());
    ClickItem(favourite);
    EXPECT_EQ(2, Tabs().Count());
    EXPECT_EQ(2, Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(In("甲"), ItemPath(Main().MainList().Model().Folder()));
    ASSERT_EQ(favourite, TreeView_GetSelection(Tree()));
    Pump(GetDoubleClickTime());
    ClickItem(favourite);
    EXPECT_EQ(3, Tabs().Count()) << "the selected favourite clicked again";
    Pump(GetDoubleClickTime() + 200);
    EXPECT_FALSE(TreeView_GetEditControl(Tree())) << "the second click starts no label edit";
    ClickItem(group);
    EXPECT_EQ(3, Tabs().Count()) << "a group opens nothing";
    Select(favourite);
    EXPECT_EQ(3, Tabs().Count()) << "a selection the program makes opens nothing";
}

TEST_F(FavouritesProgramTest, F2RenamesAFavouriteAndAGroupButNeitherTheRootNorTheStartupGroup) {
    Start();
    HTREEITEM group = Favourites().NewFavouritesGroup();
    EXPECT_EQ("新規グループ", Favourites().TextOf(group));
    Add(group, In("甲"));
    HTREEITEM favourite = Child(group, "甲");
    ASSERT_TRUE(favourite);
    Select(favourite);
    TypeInto(Tree(), VK_F2);
    HWND edit = TreeView_GetEditControl(Tree());
    ASSERT_TRUE(edit);
    SetWindowTextA(edit, "仕事");
    TypeInto(edit, VK_RETURN);
    EXPECT_EQ("仕事", Favourites().TextOf(favourite));
    EXPECT_EQ(In("甲"), PathOfFavourite(favourite)) << "the folder stays";

    Select(group);
    TypeInto(Tree(), VK_F2);
    edit = TreeView_GetEditControl(Tree());
    ASSERT_TRUE(edit);
    SetWindowTextA(edit, std::string(300, 'x').c_str());
    TypeInto(edit, VK_RETURN);
    EXPECT_EQ(std::string(favfile::kLongestLabel, 'x'), Favourites().TextOf(group)) << "cut to what the file keeps";

    for (HTREEITEM refused : {Favourites().Root(), Favourites().StartupGroup()}) {
        Select(refused);
        TypeInto(Tree(), VK_F2);
        EXPECT_FALSE(TreeView_GetEditControl(Tree())) << Favourites().TextOf(refused);
    }
    Restart();
    EXPECT_TRUE(Child(Child(Favourites().Root(), std::string(favfile::kLongestLabel, 'x')), "仕事"))
        << "the longest label is read back";
}

TEST_F(FavouritesProgramTest, DeleteRemovesAFavouriteOrAGroupWithItsFavouritesButNotTheStartupGroup) {
    Start();
    HTREEITEM startup = Favourites().StartupGroup();
    Add(startup, In("丙"));
    HTREEITEM group = Favourites().NewFavouritesGroup("組");
    Add(group, In("甲"));
    Add(group, In("乙"));
    Select(Child(group, "甲"));
    TypeInto(Tree(), VK_DELETE);
    std::vector<HTREEITEM> left = Favourites().ChildrenOf(group);
    ASSERT_EQ(1u, left.size());
    EXPECT_EQ("乙", Favourites().TextOf(left[0]));
    Select(Child(group, "乙"));
    TypeInto(Tree(), VK_DELETE);
    ASSERT_TRUE(Child(Favourites().Root(), "組")) << "deleting the last favourite keeps the group";
    EXPECT_TRUE(Favourites().ChildrenOf(group).empty());
    Add(group, In("甲"));
    Select(group);
    TypeInto(Tree(), VK_DELETE);
    EXPECT_FALSE(Child(Favourites().Root(), "組"));
    Select(startup);
    TypeInto(Tree(), VK_DELETE);
    EXPECT_EQ(startup, Favourites().StartupGroup());
    EXPECT_EQ(1u, Favourites().ChildrenOf(startup).size());
    Select(Favourites().Root());
    TypeInto(Tree(), VK_DELETE);
    EXPECT_TRUE(Favourites().Root());
}

TEST_F(FavouritesProgramTest, TabGoesToTheMainListAndCtrlDAndCtrlTSwitchThePanes) {
    Start({top_, In("甲")});
    Select(Favourites().StartupGroup());
    TypeInto(Tree(), VK_TAB);
    EXPECT_EQ(Main().MainList().Window(), GetFocus());
    Select(Favourites().StartupGroup());
    TypeKeys(Tree(), {VK_CONTROL}, {'D'});
    EXPECT_EQ(layout::kTwoPane, Main().Layout().modes.mode);
    EXPECT_EQ(Main().MainList().Window(), GetFocus());
    TypeKeys(Main().MainList().Window(), {VK_CONTROL}, {'D'});
    ASSERT_EQ(layout::kFavourites, Main().Layout().modes.mode) << "the favourites come back with one list";
    Select(Favourites().StartupGroup());
    TypeKeys(Tree(), {VK_CONTROL}, {'T'});
    EXPECT_EQ(layout::kTree, Main().Layout().modes.mode);
    EXPECT_EQ(Main().Tree().Window(), GetFocus());
}

TEST_F(FavouritesProgramTest, TheMenusDeleteAndOpenAndTheStartupGroupsOffersNeitherRenameNorDelete) {
    Start({top_});
    HTREEITEM startup = Favourites().StartupGroup();
    Add(startup, In("丙"));
    EXPECT_TRUE(MenuStateAt(startup, "名前の変更") & MF_GRAYED);
    EXPECT_TRUE(MenuStateAt(startup, "グループの削除") & MF_GRAYED);
    EXPECT_FALSE(MenuStateAt(startup, "グループ内アイテムの全削除") & MF_GRAYED);
    MenuStateAt(startup, "グループ内アイテムの全削除", "グループ内アイテムの全削除");
    EXPECT_EQ(startup, Favourites().StartupGroup()) << "emptied, the startup group stays";
    EXPECT_TRUE(Favourites().ChildrenOf(startup).empty());

    HTREEITEM group = Favourites().NewFavouritesGroup("組");
    Add(group, In("甲"));
    Add(group, In("乙"));
    Add(group, In("丙"));
    EXPECT_FALSE(MenuStateAt(group, "名前の変更") & MF_GRAYED);
    MenuStateAt(group, "全追加", "全追加");
    EXPECT_EQ((Lines{top_, In("甲"), In("乙"), In("丙")}), TabPaths());
    EXPECT_EQ(4, Tabs().Selection(tabs::Pane::Main)) << "the last one is shown";
    EXPECT_EQ(In("丙"), ItemPath(Main().MainList().Model().Folder()));

    MenuStateAt(Child(group, "乙"), "アイテムの削除", "アイテムの削除");
    Lines outline = Outline();
    ASSERT_GE(outline.size(), 3u);
    EXPECT_EQ((Lines{"組", " 甲", " 丙"}), Lines(outline.end() - 3, outline.end()));
    MenuStateAt(group, "グループの削除", "グループの削除");
    EXPECT_FALSE(Child(Favourites().Root(), "組"));
}

TEST_F(FavouritesProgramTest, TheNewGroupButtonAddsAGroupAndAddingFollowsShortcutsAndFiles) {
    Start();
    size_t before = Favourites().ChildrenOf(Favourites().Root()).size();
    RECT button{};
    GetWindowRect(Favourites().Bar().NewGroupButton()->Window(), &button);
    ClickAt(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    std::vector<HTREEITEM> top = Favourites().ChildrenOf(Favourites().Root());
    ASSERT_EQ(before + 1, top.size());
    HTREEITEM group = top.back();
    EXPECT_EQ("新規グループ", Favourites().TextOf(group));

    ASSERT_TRUE(WriteBytes(In("甲\\メモ.txt"), "memo"));
    Add(group, In("甲\\メモ.txt"));
    ASSERT_TRUE(SavePathLink(In("乙\\to丙.lnk"), In("丙")));
    Add(group, In("乙\\to丙.lnk"));
    // Two shortcuts that lead to each other.
    ASSERT_TRUE(SavePathLink(In("環a.lnk"), In("甲")));
    ASSERT_TRUE(SavePathLink(In("環b.lnk"), In("環a.lnk")));
    ASSERT_TRUE(SavePathLink(In("環a.lnk"), In("環b.lnk")));
    Add(group, In("環a.lnk"));
    std::string gone = MakeFolder("好\\無");
    ItemIdList goneList = PathToItemList(gone.c_str());
    ComPtr<IShellFolder> goneParent;
    ItemIdList goneChild;
    ASSERT_TRUE(SplitItemList(goneList.Get(), goneParent, goneChild));
    ASSERT_TRUE(RemoveDirectoryA(gone.c_str()));
    Favourites().AddFavourite(group, goneParent.Get(), goneChild.Get());
    std::vector<HTREEITEM> added = Favourites().ChildrenOf(group);
    std::vector<std::string> paths;
    for (HTREEITEM item : added) paths.push_back(PathOfFavourite(item));
    EXPECT_EQ((Lines{In("甲"), In("丙")}), paths)
        << "a file adds its folder, a shortcut its target; a ring of shortcuts and a missing item add nothing";
}

// Files written here as a damaged or hostile file would be: the records before the damage load.
std::string FileOf(const std::vector<uint8_t>& payload) {
    std::string bytes = "TSY";
    for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<char>(favfile::kVersion >> shift));
    return bytes + std::string(payload.begin(), payload.end());
}

TEST_F(FavouritesProgramTest, AHostileFileKeepsTheGoodRecordsAndOneWithNoneGetsTheDefaultGroups) {
    ItemIdList list = PathToItemList(In("甲").c_str());
    favfile::IdList bytes(reinterpret_cast<const uint8_t*>(list.Get()),
                          reinterpret_cast<const uint8_t*>(list.Get()) + ItemListSize(list.Get()));
    favfile::Node group;
    group.group = true;
    group.label = "組";
    favfile::Favourite favourite;
    favourite.label = "甲";
    favourite.folder = bytes;
    group.children.push_back(favourite);
    datafile::PayloadWriter good;
    favfile::EncodeTree({group}, good);
    std::vector<uint8_t> payload = good.Bytes();
    payload[0] = 0xFF;  // a count far past the nodes
    payload[1] = 0xFF;
    auto put = [&payload](uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8) payload.push_back(static_cast<uint8_t>(value >> shift));
    };
    put(1);       // a favourite
    put(100000);  // whose label claims far more than a label holds
    payload.insert(payload.end(), 64, 'z');
    CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr);
    ASSERT_TRUE(WriteBytes(FavouriteFile(), FileOf(payload)));
    Start();
    EXPECT_EQ((Lines{"組", " 甲"}), Outline());
    EXPECT_EQ(In("甲"), PathOfFavourite(Child(Child(Favourites().Root(), "組"), "甲")));
    Quit();

    std::vector<uint8_t> bad;
    for (uint32_t value : {1u, 7u, 0u}) {  // one node, of kind 7
        for (int shift = 0; shift < 32; shift += 8) bad.push_back(static_cast<uint8_t>(value >> shift));
    }
    ASSERT_TRUE(WriteBytes(FavouriteFile(), FileOf(bad)));
    Start();
    Lines outline = Outline();
    ASSERT_FALSE(outline.empty());
    EXPECT_EQ("スタートアップ", outline[0]);
}

}  // namespace
