#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/tab_files.h"
#include "core/handover.h"
#include "shell/folder_binding.h"
#include "win/datafile_io.h"
#include "tests/support/program_fixture.h"
#include "tests/support/test_support.h"

namespace {

class TabFilesTest : public ProgramFolderTest {
protected:
    std::string TabList() const { return folder_.Path() + "data\\tablist.dat"; }
    std::string TabAliases() const { return folder_.Path() + "data\\tabalias.dat"; }

    // Wide enough for every details column to lie on the header, where a click can reach it.
    void WideWindow() const {
        Set("POSITION", "X", "0");
        Set("POSITION", "Y", "0");
        Set("SIZE", "WIDTH", "1200");
        Set("SIZE", "HEIGHT", "800");
    }

    StartOptions WithFolders(const std::vector<std::string>& folders) const {
        StartOptions options = Options();
        options.arguments = folders;
        return options;
    }

    // The folders' identifier lists as the program writes them: a run opens them and quits.
    std::vector<tablist::IdList> ListsOf(const std::vector<std::string>& folders) {
        {
            RunningProgram program(WithFolders(folders));
            EXPECT_TRUE(program.Window());
        }
        tablist::TabList written = ReadTabList();
        std::vector<tablist::IdList> lists;
        for (const tablist::SavedTab& tab : written.tabs) lists.push_back(tab.folder);
        EXPECT_EQ(folders.size(), lists.size());
        return lists;
    }

    tablist::TabList ReadTabList() {
        DataFileContents file(TabList());
        EXPECT_TRUE(file.Valid());
        EXPECT_EQ(tablist::kVersion, file.Version());
        tablist::TabList list = tablist::DecodeTabList(file.Payload(), file.Version());
        EXPECT_TRUE(file.Payload().AtEnd()) << "the file holds exactly its records";
        return list;
    }
};

std::string PathOfTab(int position) {
    const tabs::TabRecord* tab = RunningMain().Tabs().Tab(position);
    return tab ? tab->folder->Path() : std::string("<none>");
}

std::vector<std::string> TabPaths() {
    std::vector<std::string> paths;
    for (int position = 1; position <= RunningMain().Tabs().Count(); ++position) paths.push_back(PathOfTab(position));
    return paths;
}

// What a click on a tab does: the list leaves its tab with its view and shows the other.
void ShowInList(tabs::Pane pane, int position) {
    MainWindow& main = RunningMain();
    main.Tabs().SaveViewState(pane);
    ASSERT_TRUE(main.Tabs().Select(pane, position));
    main.LoadPane(pane);
}

// A press and release on a column of the list's header, as the mouse gives them.
void ClickHeader(HWND list, int column) {
    HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    RECT cell{};
    SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&cell));
    LPARAM at = MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
    SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(header, WM_LBUTTONUP, 0, at);
}

int ColumnWidth(HWND list, int column) { return static_cast<int>(SendMessageA(list, LVM_GETCOLUMNWIDTH, column, 0)); }

TEST_F(TabFilesTest, ARestartBringsBackTheTabsInOrderWithTheirViewsAndBothListsTabs) {
    std::vector<std::string> folders = {MakeFolder("一"), MakeFolder("二 space"), MakeFolder("表")};
    WideWindow();
    {
        RunningProgram program(WithFolders(folders));
        ASSERT_TRUE(program.Window());
        MainWindow& main = RunningMain();
        HWND list = main.MainList().Window();
        // Tab 1: details, sorted by the modified date descending, with a wider name column.
        ShowInList(tabs::Pane::Main, 1);
        main.MainList().SetViewStyle(kDetailsStyle, false);
        ClickHeader(list, 3);
        ClickHeader(list, 1);
        ClickHeader(list, 1);
        ClickHeader(list, 3);
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, 222);
        // Tab 2: comments, with both of its columns resized.
        ShowInList(tabs::Pane::Main, 2);
        main.MainList().SetViewStyle(kCommentStyle, false);
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 0, 111);
        SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, 333);
        // Tab 3: tiles, shown in the main list; tab 1 in the sub list.
        ShowInList(tabs::Pane::Main, 3);
        main.MainList().SetViewStyle(kTileStyle, false);
        main.ToggleTwoPaneMode();
        ASSERT_EQ(layout::kTwoPane, main.Layout().modes.mode);
        ShowInList(tabs::Pane::Sub, 1);
    }
    ASSERT_TRUE(FileExists(TabList()));

    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    MainWindow& main = RunningMain();
    tabs::TabModel& tabs = main.Tabs();
    EXPECT_EQ(folders, TabPaths());
    ASSERT_EQ(3, tabs.Count());
    const ListViewState& first = tabs.Tab(1)->view;
    EXPECT_EQ(kDetailsStyle, first.style);
    EXPECT_EQ(3, first.sort.column);
    EXPECT_EQ((std::array<int, 5>{0, 0, 0, 0, 0}), first.sort.directions) << "each column clicked twice";
    EXPECT_EQ(222, first.columnWidths[0]);
    const ListViewState& second = tabs.Tab(2)->view;
    EXPECT_EQ(kCommentStyle, second.style);
    EXPECT_EQ(111, second.columnWidths[5]);
    EXPECT_EQ(333, second.columnWidths[6]);
    EXPECT_EQ(150, second.columnWidths[0]);
    EXPECT_EQ(kTileStyle, tabs.Tab(3)->view.style);
    for (int position = 1; position <= 3; ++position) EXPECT_FALSE(tabs.Tab(position)->locked);

    EXPECT_EQ(3, tabs.Selection(tabs::Pane::Main));
    EXPECT_EQ(1, tabs.Selection(tabs::Pane::Sub));
    EXPECT_EQ(layout::kTwoPane, main.Layout().modes.mode);
    EXPECT_TRUE(IsWindowVisible(main.SubList().Window()));
    EXPECT_EQ(kTileStyle, main.MainList().Style());
    EXPECT_EQ(kDetailsStyle, main.SubList().Style());
    EXPECT_EQ(222, ColumnWidth(main.SubList().Window(), 0));
    EXPECT_EQ(3, main.SubList().ViewState().sort.column);
}

TEST_F(TabFilesTest, TheSortChosenByTheHeaderComesBackWithTheDirectionOfEachColumn) {
    std::string folder = MakeFolder("並べ替え");
    WideWindow();
    {
        RunningProgram program(WithFolders({folder}));
        ASSERT_TRUE(program.Window());
        RunningMain().MainList().SetViewStyle(kDetailsStyle, false);
        ClickHeader(RunningMain().MainList().Window(), 2);
        ClickHeader(RunningMain().MainList().Window(), 4);
    }
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, RunningMain().Tabs().Count());
    const ListViewState& view = RunningMain().Tabs().Tab(1)->view;
    EXPECT_EQ(4, view.sort.column);
    EXPECT_EQ((std::array<int, 5>{0, 0, 1, 0, 1}), view.sort.directions);
    EXPECT_EQ(1, RunningMain().MainList().ViewState().sort.Direction());
    EXPECT_NE(layout::kTwoPane, RunningMain().Layout().modes.mode) << "no sub tab was shown";
}

TEST_F(TabFilesTest, WithRemindOffTheProgramStartsWithTheDesktopAlone) {
    std::vector<std::string> folders = {MakeFolder("a"), MakeFolder("b")};
    ListsOf(folders);
    Set("TAB", "REMIND", "0");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, RunningMain().Tabs().Count());
    ItemIdList shown = OwnItemList(ShellTabFolder::ShellFolderOf(RunningMain().Tabs().Tab(1)->folder));
    EXPECT_TRUE(IsDesktopList(shown.Get()));
}

TEST_F(TabFilesTest, WithRemindOffTheStartPathsAloneOpenAndTheFirstIsShown) {
    ListsOf({MakeFolder("remembered")});
    Set("TAB", "REMIND", "0");
    std::vector<std::string> given = {MakeFolder("x"), MakeFolder("y")};
    RunningProgram program(WithFolders(given));
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(given, TabPaths());
    EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Main));
}

TEST_F(TabFilesTest, OnlyLockedBringsBackTheLockedTabsAndTheMainListFallsBackToTheFirst) {
    std::vector<std::string> folders = {MakeFolder("鍵1"), MakeFolder("開"), MakeFolder("鍵2")};
    {
        RunningProgram program(WithFolders(folders));
        ASSERT_TRUE(program.Window());
        RunningMain().Tabs().ToggleLock(1);
        RunningMain().Tabs().ToggleLock(3);
        ShowInList(tabs::Pane::Main, 2);
    }
    Set("TAB", "REMIND_ONLYLOCK", "1");
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ((std::vector<std::string>{folders[0], folders[2]}), TabPaths());
        EXPECT_TRUE(RunningMain().Tabs().Tab(1)->locked);
        EXPECT_TRUE(RunningMain().Tabs().Tab(2)->locked);
        EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Main));
    }
    EXPECT_EQ(2u, ReadTabList().tabs.size());
}

TEST_F(TabFilesTest, DuplicatesComeBackUnlessNotDupClosesAllButTheFirstOfEachFolder) {
    std::string a = MakeFolder("A"), b = MakeFolder("B"), c = MakeFolder("C");
    {
        RunningProgram program(WithFolders({a, b, a, c, b}));
        ASSERT_TRUE(program.Window());
        ASSERT_EQ(5, RunningMain().Tabs().Count());
        ShowInList(tabs::Pane::Main, 3);
    }
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ((std::vector<std::string>{a, b, a, c, b}), TabPaths());
        EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Main)) << "the first tab of the shown folder";
        ShowInList(tabs::Pane::Main, 4);
    }
    Set("TAB", "REMIND_NOTDUP", "1");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ((std::vector<std::string>{a, b, c}), TabPaths());
    EXPECT_EQ(3, RunningMain().Tabs().Selection(tabs::Pane::Main)) << "the tab of C moved into place";
    EXPECT_EQ(c, RunningMain().Tabs().Tab(RunningMain().Tabs().Selection(tabs::Pane::Main))->folder->Path());
}

TEST_F(TabFilesTest, NotDupKeepsTheTabsThatBothListsShow) {
    std::string a = MakeFolder("A"), b = MakeFolder("B");
    {
        RunningProgram program(WithFolders({a, b, a}));
        ASSERT_TRUE(program.Window());
        RunningMain().ToggleTwoPaneMode();
        ShowInList(tabs::Pane::Main, 2);
        ShowInList(tabs::Pane::Sub, 3);
    }
    // The sub list's folder is found first at tab 1, which is the one of its folder that stays.
    Set("TAB", "REMIND_NOTDUP", "1");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ((std::vector<std::string>{a, b}), TabPaths());
    EXPECT_EQ(2, RunningMain().Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Sub));
    EXPECT_EQ(layout::kTwoPane, RunningMain().Layout().modes.mode);
}

TEST_F(TabFilesTest, TheSameTabForBothListsShowsNoSubList) {
    std::string a = MakeFolder("A");
    {
        RunningProgram program(WithFolders({a, a}));
        ASSERT_TRUE(program.Window());
        RunningMain().ToggleTwoPaneMode();
        ShowInList(tabs::Pane::Main, 1);
        ShowInList(tabs::Pane::Sub, 2);
    }
    Set("TREE", "EXIST", "1");
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    EXPECT_EQ(2, RunningMain().Tabs().Count());
    EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Main));
    EXPECT_EQ(-1, RunningMain().Tabs().Selection(tabs::Pane::Sub));
    EXPECT_EQ(layout::kTree, RunningMain().Layout().modes.mode);
}

TEST_F(TabFilesTest, AnAliasShowsOnEveryTabOfItsFolderAndSurvivesARestart) {
    std::string a = MakeFolder("作業"), b = MakeFolder("別");
    {
        RunningProgram program(WithFolders({a, b, a}));
        ASSERT_TRUE(program.Window());
        tabs::TabModel& tabs = RunningMain().Tabs();
        ASSERT_TRUE(tabs.RenameTab(3, true, "仕事").done);
        EXPECT_EQ("仕事", tabs.Tab(1)->title);
        EXPECT_EQ("仕事", tabs.Tab(3)->title);
        EXPECT_EQ("別", tabs.Tab(2)->title);
    }
    ASSERT_TRUE(FileExists(TabAliases()));
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    tabs::TabModel& tabs = RunningMain().Tabs();
    ASSERT_EQ(3, tabs.Count());
    EXPECT_EQ("仕事", tabs.Tab(1)->title);
    EXPECT_EQ("別", tabs.Tab(2)->title);
    EXPECT_EQ("仕事", tabs.Tab(3)->title);
    // A tab opened later takes the alias too.
    std::vector<char> record = handover::BuildRecord({a});
    COPYDATASTRUCT copy{};
    copy.dwData = 1;
    copy.cbData = static_cast<DWORD>(record.size());
    copy.lpData = record.data();
    SendMessageA(program.Window(), WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    ASSERT_EQ(4, tabs.Count());
    EXPECT_EQ("仕事", tabs.Tab(4)->title);
}

TEST_F(TabFilesTest, AnAliasWhoseFolderIsNotOpenIsStillWrittenAndAnEmptyNameRemovesOne) {
    std::string open = MakeFolder("open"), closed = MakeFolder("closed");
    {
        RunningProgram program(WithFolders({open, closed}));
        ASSERT_TRUE(program.Window());
        tabs::TabModel& tabs = RunningMain().Tabs();
        tabs.RenameTab(1, true, "開いている");
        tabs.RenameTab(2, true, "閉じた");
        ASSERT_TRUE(tabs.CloseTab(2).done);
    }
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ(std::vector<std::string>{open}, TabPaths());
    }
    AliasTable written = LoadTabAliases(TabAliases());
    EXPECT_EQ((std::map<std::string, std::string>{{closed, "閉じた"}, {open, "開いている"}}), written.All());
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        // The rename dialog ended without OK.
        RunningMain().Tabs().RenameTab(1, false, "ignored");
        EXPECT_EQ("open", RunningMain().Tabs().Tab(1)->title);
    }
    EXPECT_EQ((std::map<std::string, std::string>{{closed, "閉じた"}}), LoadTabAliases(TabAliases()).All());
}

// A tab list that only a damaged or hostile writer makes: a head without shown folders, the
// count, and records whose fields are given as they are.
class HostileTabList {
public:
    explicit HostileTabList(uint32_t count) {
        payload_.PutU32(0);
        payload_.PutU32(0);
        payload_.PutU32(count);
    }
    HostileTabList& Record(const tablist::IdList& folder) {
        return Record(static_cast<uint32_t>(folder.size()), folder);
    }
    HostileTabList& Record(uint32_t folderSize, const tablist::IdList& folder, int32_t titleFlag = 0,
                           uint32_t titleLength = 0) {
        payload_.PutU32(folderSize);
        payload_.PutBytes(folder.data(), folder.size());
        payload_.PutI32(0);
        payload_.PutI32(titleFlag);
        if (titleFlag) payload_.PutU32(titleLength);
        for (int i = 0; i < 5; ++i) payload_.PutI32(0);
        payload_.PutI32(0);
        payload_.PutI32(kDetailsStyle);
        for (int width : kDefaultColumnWidths) payload_.PutI32(width);
        return *this;
    }
    // Ends the file with the start of a folder that claims more bytes than the file holds.
    HostileTabList& Cut(uint32_t folderSize) {
        payload_.PutU32(folderSize);
        payload_.PutBytes("\x10\x00", 2);
        return *this;
    }
    std::string Bytes() const {
        std::vector<uint8_t> file = datafile::Frame(tablist::kVersion, payload_.Bytes());
        return std::string(file.begin(), file.end());
    }

private:
    datafile::PayloadWriter payload_;
};

TEST_F(TabFilesTest, HostileTabListsStartWithTheirCompleteRecordsAndAreRewrittenWholeAtExit) {
    std::string a = MakeFolder("A"), b = MakeFolder("B");
    std::vector<tablist::IdList> lists = ListsOf({a, b});
    ASSERT_EQ(2u, lists.size());
    const tablist::IdList& la = lists[0];
    const tablist::IdList& lb = lists[1];
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<std::string> tabs;
    };
    const Case cases[] = {
        {"a count far above the records", HostileTabList(0x7FFFFFFF).Record(la).Bytes(), {a}},
        {"a negative folder size", HostileTabList(3).Record(la).Record(0xFFFFFFF0u, lb).Record(lb).Bytes(), {a}},
        {"a huge folder size", HostileTabList(2).Record(la).Record(0x7FFFFFF0u, lb).Bytes(), {a}},
        {"folders of size 0 and 1 skipped",
         HostileTabList(4).Record(la).Record({}).Record({0}).Record(lb).Bytes(),
         {a, b}},
        {"a folder larger than the file", HostileTabList(2).Record(la).Cut(4096).Bytes(), {a}},
        {"a negative title length",
         HostileTabList(2).Record(la).Record(static_cast<uint32_t>(lb.size()), lb, 1, 0xFFFFFFFFu).Bytes(),
         {a}},
        {"a title too long",
         HostileTabList(2).Record(la).Record(static_cast<uint32_t>(lb.size()), lb, 1, 261).Bytes(),
         {a}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(WriteBytes(TabList(), c.bytes));
        {
            RunningProgram program(Options());
            ASSERT_TRUE(program.Window());
            EXPECT_EQ(c.tabs, TabPaths());
        }
        tablist::TabList rewritten = ReadTabList();
        ASSERT_EQ(c.tabs.size(), rewritten.tabs.size());
        EXPECT_EQ(la, rewritten.tabs[0].folder);
        EXPECT_EQ(la, rewritten.mainFolder);
        EXPECT_TRUE(rewritten.subFolder.empty());
    }
}

TEST_F(TabFilesTest, AHeadPastTheEndOfTheFileRestoresNothingAndTheDesktopOpens) {
    std::vector<tablist::IdList> lists = ListsOf({MakeFolder("A")});
    datafile::PayloadWriter payload;
    payload.PutU32(0x10000);
    payload.PutBytes(lists[0].data(), lists[0].size());
    ASSERT_TRUE(WriteDataFile(TabList(), tablist::kVersion, payload));
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, RunningMain().Tabs().Count());
    ItemIdList shown = OwnItemList(ShellTabFolder::ShellFolderOf(RunningMain().Tabs().Tab(1)->folder));
    EXPECT_TRUE(IsDesktopList(shown.Get()));
}

TEST_F(TabFilesTest, AVersion90TabListHasNoShownFoldersAndIsRewrittenAsVersion100) {
    std::string a = MakeFolder("A"), b = MakeFolder("B");
    std::vector<tablist::IdList> lists = ListsOf({a, b});
    tablist::TabList old;
    for (const tablist::IdList& list : lists) {
        tablist::SavedTab tab;
        tab.folder = list;
        tab.view.style = kListStyle;
        old.tabs.push_back(tab);
    }
    datafile::PayloadWriter full;
    tablist::EncodeTabList(old, full);
    // Without the two size-0 shown folders the count follows the version directly.
    std::vector<uint8_t> payload(full.Bytes().begin() + 8, full.Bytes().end());
    std::vector<uint8_t> file = datafile::Frame(90, payload);
    ASSERT_TRUE(WriteBytes(TabList(), std::string(file.begin(), file.end())));
    {
        RunningProgram program(Options());
        ASSERT_TRUE(program.Window());
        EXPECT_EQ((std::vector<std::string>{a, b}), TabPaths());
        EXPECT_EQ(kListStyle, RunningMain().Tabs().Tab(2)->view.style);
        EXPECT_EQ(1, RunningMain().Tabs().Selection(tabs::Pane::Main));
    }
    tablist::TabList rewritten = ReadTabList();
    EXPECT_EQ(lists[0], rewritten.mainFolder);
    EXPECT_EQ(2u, rewritten.tabs.size());
}

TEST_F(TabFilesTest, HostileAliasFilesKeepTheirCompletePairsAndAreRewrittenWhole) {
    std::string a = MakeFolder("A"), b = MakeFolder("B");
    auto pair = [](datafile::PayloadWriter& payload, const std::string& path, uint32_t length,
                   const std::string& alias) {
        payload.PutU32(static_cast<uint32_t>(path.size()));
        payload.PutBytes(path.data(), path.size());
        payload.PutU32(length);
        payload.PutBytes(alias.data(), alias.size());
    };
    datafile::PayloadWriter payload;
    payload.PutU32(0x7FFFFFFF);
    pair(payload, b, 0, "");
    pair(payload, a, 4, "仕事");
    pair(payload, b, 0xFFFFFFFF, "never");
    ASSERT_TRUE(CreateDirectoryA((folder_.Path() + "data").c_str(), nullptr));
    ASSERT_TRUE(WriteDataFile(TabAliases(), kAliasFileVersion, payload));
    {
        RunningProgram program(WithFolders({a, b}));
        ASSERT_TRUE(program.Window());
        EXPECT_EQ("仕事", RunningMain().Tabs().Tab(1)->title);
        EXPECT_EQ("B", RunningMain().Tabs().Tab(2)->title) << "an alias of length 0 is not stored";
    }
    AliasTable expected;
    expected.Set(a, "仕事");
    datafile::PayloadWriter clean;
    EncodeAliases(expected, clean);
    std::vector<uint8_t> whole = datafile::Frame(kAliasFileVersion, clean.Bytes());
    EXPECT_EQ(std::string(whole.begin(), whole.end()), ReadBytes(TabAliases()));
}

TEST_F(TabFilesTest, WithoutADataFolderTheFilesAreSkippedSilentlyAndTheNextStartUsesDefaults) {
    std::string a = MakeFolder("A");
    {
        RunningProgram program(WithFolders({a}));
        ASSERT_TRUE(program.Window());
        RunningMain().Tabs().RenameTab(1, true, "alias");
        RemoveTree(folder_.Path() + "data");
    }
    EXPECT_FALSE(FileExists(TabList()));
    EXPECT_FALSE(FileExists(TabAliases()));
    EXPECT_FALSE(FileExists(TabList() + ".new"));
    RunningProgram program(Options());
    ASSERT_TRUE(program.Window());
    ASSERT_EQ(1, RunningMain().Tabs().Count());
    EXPECT_NE(a, PathOfTab(1));
}

}  // namespace
