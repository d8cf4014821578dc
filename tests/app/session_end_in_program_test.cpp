// The end of the Windows session in the running program: every file the user would lose is
// written while the window stays as it is, and a session that goes on writes nothing.
#include <windows.h>
#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/comment_file.h"
#include "app/gesture_data.h"
#include "app/main_window.h"
#include "app/settings_file.h"
#include "app/tab_files.h"
#include "core/favourite_file.h"
#include "core/handover.h"
#include "core/launcher_file.h"
#include "core/tree_hide_file.h"
#include "shell/folder_binding.h"
#include "shell/typed_paths.h"
#include "tests/support/data_files.h"
#include "tests/support/program_fixture.h"
#include "tests/support/real_mouse.h"
#include "tests/support/test_support.h"
#include "win/datafile_io.h"

namespace {

// The path of an absolute identifier list as a file manager shows it; empty for none.
std::string PathOfList(const std::vector<uint8_t>& list) {
    char path[MAX_PATH] = {};
    if (list.empty() || !SHGetPathFromIDListA(reinterpret_cast<PCIDLIST_ABSOLUTE>(list.data()), path)) return {};
    return path;
}

class SessionEndTest : public ProgramFolderTest {
protected:
    void SetUp() override {
        PlaceWindow(800, 600);
        Set("TREE", "EXIST", "1");
        Set("TAB", "REMIND", "1");
        top_ = MakeFolder("終");
        for (const char* name : {"終\\甲", "終\\乙", "終\\丙", "終\\丁"}) MakeFolder(name);
        ASSERT_TRUE(WriteBytes(In("起動.txt"), "launched"));
    }

    void Start(const std::vector<std::string>& folders) {
        program_ = StartOn(folders);
        ASSERT_TRUE(program_->Window());
    }
    void Quit() {
        program_->Quit();
        program_.reset();
    }

    MainWindow& Main() { return program_->Main(); }
    HWND Window() { return program_->Window(); }
    std::string In(const char* name) const { return top_ + "\\" + name; }
    std::string DataFolder() const { return folder_.Path() + "data"; }
    std::string DataFile(const char* name) const { return DataFolder() + "\\" + name; }
    FolderFiles Files() const { return ReadFolderFiles(DataFolder()); }

    // What a second start sends: the folder opens as a tab of the main list.
    void HandOver(const std::string& folder) {
        std::vector<char> record = handover::BuildRecord({folder});
        COPYDATASTRUCT copy{};
        copy.dwData = 1;
        copy.cbData = static_cast<DWORD>(record.size());
        copy.lpData = record.data();
        SendMessageA(Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    }
    void AddFavourite(const std::string& folder) {
        ItemIdList list = PathToItemList(folder.c_str());
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        ASSERT_TRUE(SplitItemList(list.Get(), parent, child)) << folder;
        ASSERT_TRUE(Main().Favourites().AddFavourite(Main().Favourites().Root(), parent.Get(), child.Get()));
    }
    void AddLauncherEntry(const std::string& file) {
        ItemIdList list = PathToItemList(file.c_str());
        ComPtr<IShellFolder> parent;
        ItemIdList child;
        ASSERT_TRUE(SplitItemList(list.Get(), parent, child)) << file;
        ASSERT_TRUE(Main().Bar().AddLauncherEntry(parent.Get(), child.Get(), -1));
    }
    // The eraser on, then a click on the folder's label in the tree, as the user erases it.
    void EraseInTree(const std::string& folder) {
        FolderTreePane& tree = Main().Tree();
        ItemIdList list = PathToItemList(folder.c_str());
        HTREEITEM item = tree.FindItem(list.Get());
        ASSERT_TRUE(item) << folder;
        RECT button{};
        GetWindowRect(tree.Bar().Eraser()->Window(), &button);
        ClickAt(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
        ASSERT_TRUE(tree.HideMode());
        TreeView_EnsureVisible(tree.Window(), item);
        RECT label{};
        TreeView_GetItemRect(tree.Window(), item, &label, TRUE);
        POINT centre{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
        ClientToScreen(tree.Window(), &centre);
        ClickAt(centre);
    }
    // The session asked to end, with the answer, then told that it ends or goes on.
    LRESULT EndSession(bool ending) {
        LRESULT answer = SendMessageA(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
        SendMessageA(Window(), WM_ENDSESSION, ending ? TRUE : FALSE, ENDSESSION_LOGOFF);
        return answer;
    }

    std::string top_;
    std::unique_ptr<RunningProgram> program_;
};

TEST_F(SessionEndTest, TheEndOfTheSessionWritesWhatChangedSinceTheStartInEveryFileAndTheWindowStays) {
    Start({In("甲")});
    ASSERT_EQ(1, Main().Tabs().Count());
    const FolderFiles atStart = Files();
    for (const std::string& name : ProgramDataFileNames()) {
        if (name != kSettingsFileName) {
            EXPECT_EQ(0u, atStart.count(name)) << name << " was written before any save";
        }
    }

    HandOver(In("乙"));
    ASSERT_EQ(2, Main().Tabs().Count());
    ASSERT_TRUE(Main().Tabs().RenameTab(2, true, "別名").done);
    Main().Context().comments.SetCommentByPath(In("甲"), "覚え書き");
    AddFavourite(In("丙"));
    EraseInTree(In("丁"));
    ASSERT_EQ(1u, Main().Tree().Hidden().Entries().size());
    AddLauncherEntry(In("起動.txt"));
    bool gesturesOn = !Main().GesturesOn();
    Main().ToggleGesturesOn();
    ASSERT_EQ(gesturesOn, Main().GesturesOn());
    Main().Context().fonts.tab.lfHeight = -21;
    SetWindowPos(Window(), nullptr, 30, 40, 760, 560, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(100);

    EXPECT_EQ(TRUE, SendMessageA(Window(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF));
    EXPECT_EQ(atStart, Files()) << "the question alone writes nothing";
    SendMessageA(Window(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);

    ASSERT_TRUE(IsWindow(Window())) << "the window stays for whatever comes after";
    EXPECT_TRUE(IsWindowVisible(Main().MainList().Window()));
    EXPECT_EQ(2, Main().Tabs().Count());
    EXPECT_GT(TreeView_GetCount(Main().Tree().Window()), 0u);
    EXPECT_GT(TreeView_GetCount(Main().Favourites().Window()), 0u);
    EXPECT_EQ(1, Main().Bar().Entries().Count());

    const FolderFiles saved = Files();
    for (const std::string& name : ProgramDataFileNames()) {
        ASSERT_EQ(1u, saved.count(name)) << name << " was not written";
        EXPECT_TRUE(IsWholeDataFile(name, saved.at(name)));
    }
    EXPECT_EQ(ProgramDataFileNames().size(), saved.size()) << "nothing else is left in the data folder";

    EXPECT_EQ("30", Value("POSITION", "X"));
    EXPECT_EQ("40", Value("POSITION", "Y"));
    EXPECT_EQ("760", Value("SIZE", "WIDTH"));
    EXPECT_EQ("560", Value("SIZE", "HEIGHT"));
    EXPECT_EQ(-21, LoadFonts(DataFile(kFontFileName)).tab.lfHeight);
    std::string comment;
    EXPECT_TRUE(LoadComments(DataFile(kCommentFileName)).GetComment(In("甲"), comment));
    EXPECT_EQ("覚え書き", comment);
    GestureRecognizer gestures;
    LoadGestures(DataFile(kGestureFileName), gestures);
    EXPECT_EQ(gesturesOn, gestures.Enabled());
    EXPECT_EQ((std::map<std::string, std::string>{{In("乙"), "別名"}}),
              LoadTabAliases(DataFile(kTabAliasFileName)).All());
    {
        DataFileContents file(DataFile(kTabListFileName));
        ASSERT_TRUE(file.Valid());
        tablist::TabList list = tablist::DecodeTabList(file.Payload(), file.Version());
        ASSERT_EQ(2u, list.tabs.size());
        EXPECT_EQ(In("甲"), PathOfList(list.tabs[0].folder));
        EXPECT_EQ(In("乙"), PathOfList(list.tabs[1].folder));
        EXPECT_EQ(In("乙"), PathOfList(list.mainFolder)) << "the tab that the main list shows";
    }
    {
        DataFileContents file(DataFile(kFavouritesFileName));
        ASSERT_TRUE(file.Valid());
        std::vector<std::string> favourites;
        for (const favfile::Node& node : favfile::DecodeTree(file.Payload()))
            if (!node.group) favourites.push_back(PathOfList(node.favourite.folder));
        EXPECT_EQ(std::vector<std::string>{In("丙")}, favourites);
    }
    {
        DataFileContents file(DataFile(kTreeHideFileName));
        ASSERT_TRUE(file.Valid());
        std::vector<treehide::Entry> entries = treehide::DecodeEntries(file.Payload());
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ(top_, PathOfList(entries[0].parent));
        EXPECT_EQ(1u, entries[0].children.size());
    }
    {
        DataFileContents file(DataFile(kLauncherFileName));
        ASSERT_TRUE(file.Valid());
        std::vector<StoredItemList> entries = DecodeLauncher(file.Payload());
        ASSERT_EQ(1u, entries.size());
        EXPECT_EQ(In("起動.txt"), PathOfList(entries[0]));
    }

    // Closing the window afterwards writes exactly the same: both save through the same steps.
    Quit();
    EXPECT_EQ(saved, Files());
}

TEST_F(SessionEndTest, ASessionThatGoesOnWritesNothingAndTheChangesAreWrittenAtTheNextEnd) {
    Start({In("甲")});
    EXPECT_EQ(TRUE, EndSession(true));
    const FolderFiles before = Files();
    ASSERT_EQ(ProgramDataFileNames().size(), before.size());

    HandOver(In("乙"));
    ASSERT_EQ(2, Main().Tabs().Count());
    Main().Context().comments.SetCommentByPath(In("乙"), "続く");
    SetWindowPos(Window(), nullptr, 50, 60, 700, 500, SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(100);
    EXPECT_EQ(TRUE, EndSession(false));
    EXPECT_EQ(before, Files()) << "the session went on";
    ASSERT_TRUE(IsWindow(Window()));

    EXPECT_EQ(TRUE, EndSession(true));
    EXPECT_EQ("50", Value("POSITION", "X"));
    std::string comment;
    EXPECT_TRUE(LoadComments(DataFile(kCommentFileName)).GetComment(In("乙"), comment));
    EXPECT_EQ("続く", comment);
    DataFileContents file(DataFile(kTabListFileName));
    ASSERT_TRUE(file.Valid());
    EXPECT_EQ(2u, tablist::DecodeTabList(file.Payload(), file.Version()).tabs.size());
}

}  // namespace
