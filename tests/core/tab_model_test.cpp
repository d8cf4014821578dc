#include "core/tab_model.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "core/settings_table.h"

namespace {

using namespace tabs;

class FakeFolder : public TabFolder {
public:
    FakeFolder(std::string name, std::string path) : name_(std::move(name)), path_(std::move(path)) {}
    bool CanEnumerate() override {
        ++enumerations;
        return accessible;
    }
    std::string DisplayName() const override { return name_; }
    std::string Path() const override { return path_; }

    bool accessible = true;
    int enumerations = 0;

private:
    std::string name_, path_;
};

class FakeItem : public TabItem {
public:
    bool Exists() const override { return exists; }
    bool IsFolder() const override { return folder != nullptr; }
    bool IsShortcut() const override { return shortcut; }
    FolderPtr BindFolder() override { return folder; }
    FolderPtr Parent() override { return parent; }
    ShortcutTarget Resolve() override { return target; }

    bool exists = true;
    bool shortcut = false;
    FolderPtr folder;  // set for a folder item
    FolderPtr parent;
    ShortcutTarget target;
};

class FakeBar : public TabBarView {
public:
    void LayoutTabBar() override { calls.push_back("layout"); }
    void ShowRowOf(Pane pane) override { calls.push_back(pane == Pane::Main ? "row main" : "row sub"); }
    void Invalidate() override { calls.push_back("invalidate"); }
    bool LauncherMode() const override { return launcher; }
    bool OnDisplayedRow(int position) const override { return displayed.count(position) != 0; }

    std::vector<std::string> calls;
    bool launcher = false;
    std::set<int> displayed;
};

class FakeAliases : public TabAliases {
public:
    bool LookUp(const std::string& path, std::string& alias) const override {
        auto found = table.find(path);
        if (found == table.end()) return false;
        alias = found->second;
        return true;
    }
    void Set(const std::string& path, const std::string& alias) override {
        if (alias.empty()) table.erase(path);
        else
            table[path] = alias;
    }

    std::map<std::string, std::string> table;
};

class FakePanes : public TabPanes {
public:
    struct List {
        int style = kDetailsStyle;
        SortOrder sort;
        std::array<int, 5> columns = {150, 50, 120, 120, 50};
        TabRecord shown;
        int shows = 0;
    };

    bool TwoPane() const override { return twoPane; }
    int ViewStyle(Pane pane) const override { return Of(pane).style; }
    SortOrder Sort(Pane pane) const override { return Of(pane).sort; }
    int ColumnWidth(Pane pane, int column) const override { return Of(pane).columns.at(static_cast<size_t>(column)); }
    void ShowTab(Pane pane, const TabRecord& tab) override {
        List& list = pane == Pane::Main ? main : sub;
        list.shown = tab;
        ++list.shows;
        // A list that shows a tab uses that tab's style and sort from now on.
        list.style = tab.view.style;
        list.sort = tab.view.sort;
    }

    const List& Of(Pane pane) const { return pane == Pane::Main ? main : sub; }

    bool twoPane = false;
    List main, sub;
};

std::shared_ptr<FakeFolder> MakeFolder(const std::string& name) {
    return std::make_shared<FakeFolder>(name, "C:\\" + name);
}

class TabModelTest : public ::testing::Test {
protected:
    // Appends one selected tab per name; the main list then shows the last one.
    void AddTabs(std::initializer_list<const char*> names) {
        for (const char* name : names) {
            folders[name] = MakeFolder(name);
            ASSERT_TRUE(model.AddFolderTab(folders[name], false, true, -1).done);
        }
    }

    // The tabs by folder name, in order.
    std::string Names() const {
        std::string names;
        for (int position = 1; position <= model.Count(); ++position) {
            if (!names.empty()) names += ' ';
            names += model.Tab(position)->folder->DisplayName();
        }
        return names;
    }

    std::string NameAt(int position) const {
        const TabRecord* tab = model.Tab(position);
        return tab ? tab->folder->DisplayName() : "<none>";
    }

    void ShowTwoPane(int mainTab, int subTab) {
        panes.twoPane = true;
        ASSERT_TRUE(model.Select(Pane::Main, mainTab));
        ASSERT_TRUE(model.Select(Pane::Sub, subTab));
        model.ApplyTabsToPanes();
    }

    void SelectMain(int position) {
        ASSERT_TRUE(model.Select(Pane::Main, position));
        model.ApplyTabsToPanes();
    }

    std::shared_ptr<FakeItem> FolderItem(const std::string& name) {
        auto item = std::make_shared<FakeItem>();
        folders[name] = MakeFolder(name);
        item->folder = folders[name];
        item->parent = folders["Parent"] = MakeFolder("Parent");
        return item;
    }

    std::shared_ptr<FakeItem> FileItem(const std::string& folderName) {
        auto item = std::make_shared<FakeItem>();
        item->parent = folders[folderName] = MakeFolder(folderName);
        return item;
    }

    FakeBar bar;
    FakeAliases aliases;
    FakePanes panes;
    std::shared_ptr<FakeFolder> desktop = std::make_shared<FakeFolder>("Desktop", "C:\\Users\\me\\Desktop");
    TabModel model{bar, aliases, panes, desktop};
    std::map<std::string, std::shared_ptr<FakeFolder>> folders;
};

TEST(TabViewState, SoundsAreNumberedAsTheSoundKeys) {
    size_t count = 0;
    const SettingKey* keys = SettingKeys(&count);
    std::map<std::string, int> events;
    for (size_t i = 0; i < count; ++i)
        if (keys[i].soundEvent >= 0) events[keys[i].key] = keys[i].soundEvent;
    EXPECT_EQ(events.at("ADDTAB"), static_cast<int>(Sound::ADDTAB));
    EXPECT_EQ(events.at("TABLOCK"), static_cast<int>(Sound::TABLOCK));
    EXPECT_EQ(events.at("TABUNLOCK"), static_cast<int>(Sound::TABUNLOCK));
    EXPECT_EQ(events.at("CD"), static_cast<int>(Sound::CD));
    EXPECT_EQ(events.at("DELTAB"), static_cast<int>(Sound::DELTAB));
    EXPECT_EQ(events.at("CHTAB"), static_cast<int>(Sound::CHTAB));
    EXPECT_EQ(events.at("BTN"), static_cast<int>(Sound::BTN));
}

// ----- Adding tabs -----

TEST_F(TabModelTest, StartsEmpty) {
    EXPECT_EQ(0, model.Count());
    EXPECT_EQ(-1, model.Selection(Pane::Main));
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
    EXPECT_EQ(nullptr, model.Tab(1));
    EXPECT_TRUE(model.History(1).empty());
}

TEST_F(TabModelTest, AddFolderTabBuildsADefaultRecordAndSelectsIt) {
    model.SetDefaultStyle(1);
    auto folder = MakeFolder("Work");
    Outcome outcome = model.AddFolderTab(folder, true, true, -1);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(Sound::ADDTAB, outcome.sound);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_FALSE(outcome.loadSub || outcome.leaveTwoPane || outcome.toLauncher);
    EXPECT_EQ(1, folder->enumerations);

    ASSERT_EQ(1, model.Count());
    const TabRecord& tab = *model.Tab(1);
    EXPECT_EQ(folder, tab.folder);
    EXPECT_EQ("Work", tab.title);
    EXPECT_TRUE(tab.locked);
    EXPECT_EQ(0, tab.rect.left);
    EXPECT_EQ(0, tab.rect.top);
    EXPECT_EQ(0, tab.rect.right);
    EXPECT_EQ(20, tab.rect.bottom);
    EXPECT_EQ(kTileStyle, tab.view.style);
    EXPECT_EQ(0, tab.view.sort.column);
    EXPECT_EQ((std::array<int, 5>{}), tab.view.sort.directions);
    EXPECT_EQ(kDefaultColumnWidths, tab.view.columnWidths);
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_TRUE(model.History(1).empty());

    EXPECT_EQ((std::vector<std::string>{"layout", "row main", "invalidate"}), bar.calls);
    EXPECT_EQ(1, panes.main.shows);
    EXPECT_EQ(folder, panes.main.shown.folder);
    EXPECT_EQ(0, panes.sub.shows);
}

TEST_F(TabModelTest, TitleIsTheAliasWhenTheFolderHasOne) {
    aliases.table["C:\\Work"] = "My work";
    auto folder = MakeFolder("Work");
    model.AddFolderTab(folder, false, true, -1);
    EXPECT_EQ("My work", model.Tab(1)->title);
    EXPECT_EQ("My work", panes.main.shown.title);
}

TEST_F(TabModelTest, InaccessibleFolderAddsNothing) {
    AddTabs({"A"});
    bar.calls.clear();
    auto gone = MakeFolder("Gone");
    gone->accessible = false;
    Outcome outcome = model.AddFolderTab(gone, false, true, -1);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(Sound::None, outcome.sound);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ(1, model.Count());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_TRUE(bar.calls.empty());
    EXPECT_FALSE(model.AddFolderTab(nullptr, false, true, -1).done);
}

TEST_F(TabModelTest, AddingAtAPositionKeepsBothListsOnTheirTabs) {
    AddTabs({"A", "B", "C", "D"});
    ShowTwoPane(2, 4);
    Outcome outcome = model.AddFolderTab(MakeFolder("N"), false, false, 1);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ("N A B C D", Names());
    EXPECT_EQ("B", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("D", NameAt(model.Selection(Pane::Sub)));

    // Inserting at the main selection's own position pushes its tab on as well.
    model.AddFolderTab(MakeFolder("M"), false, false, 3);
    EXPECT_EQ("N A M B C D", Names());
    EXPECT_EQ("B", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("D", NameAt(model.Selection(Pane::Sub)));

    // After both selections nothing moves.
    model.AddFolderTab(MakeFolder("Z"), false, false, 7);
    EXPECT_EQ("N A M B C D Z", Names());
    EXPECT_EQ(4, model.Selection(Pane::Main));
    EXPECT_EQ(6, model.Selection(Pane::Sub));
}

TEST_F(TabModelTest, PositionsOutsideTheRowAppend) {
    AddTabs({"A", "B"});
    model.AddFolderTab(MakeFolder("X"), false, false, 0);
    model.AddFolderTab(MakeFolder("Y"), false, false, 9);
    model.AddFolderTab(MakeFolder("Z"), false, false, -5);
    EXPECT_EQ("A B X Y Z", Names());
    model.AddFolderTab(MakeFolder("W"), false, true, 6);
    EXPECT_EQ("A B X Y Z W", Names());
    EXPECT_EQ(6, model.Selection(Pane::Main));
}

TEST_F(TabModelTest, FirstTabIsShownEvenWhenNotSelected) {
    model.AddFolderTab(MakeFolder("A"), false, false, -1);
    EXPECT_EQ(1, model.Selection(Pane::Main));
}

TEST_F(TabModelTest, SelectingANewTabSavesBothListsIntoTheirOwnTabs) {
    AddTabs({"A", "B", "C"});
    ShowTwoPane(2, 3);
    panes.main.style = kListStyle;
    panes.main.sort.column = 3;
    panes.sub.style = kIconStyle;
    panes.sub.sort.directions = {0, 1, 0, 0, 0};
    model.AddFolderTab(MakeFolder("N"), false, true, 1);
    EXPECT_EQ("N A B C", Names());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ(4, model.Selection(Pane::Sub));
    EXPECT_EQ(kListStyle, model.Tab(3)->view.style);
    EXPECT_EQ(3, model.Tab(3)->view.sort.column);
    EXPECT_EQ(kIconStyle, model.Tab(4)->view.style);
    EXPECT_EQ(1, model.Tab(4)->view.sort.directions[1]);
    EXPECT_EQ(kIconStyle, model.Tab(2)->view.style);  // the default of DEFSTYLE 0, untouched
    EXPECT_EQ("N", panes.main.shown.folder->DisplayName());
}

TEST_F(TabModelTest, AddTabFromStateTakesTheChosenFields) {
    AddTabs({"A"});
    bar.calls.clear();
    TabRecord record;
    record.folder = MakeFolder("R");
    record.title = "ignored";
    record.locked = true;
    record.view.style = kThumbnailStyle;
    record.view.sort.column = 2;
    record.view.sort.directions = {1, 1, 1, 1, 1};
    record.view.columnWidths = {1, 2, 3, 4, 5, 6, 7};

    Outcome outcome = model.AddTabFromState(record, kTakeAll, -1, Pane::Main);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(Sound::ADDTAB, outcome.sound);
    EXPECT_TRUE(outcome.loadMain);
    const TabRecord& all = *model.Tab(2);
    EXPECT_EQ("R", all.title);
    EXPECT_TRUE(all.locked);
    EXPECT_EQ(kThumbnailStyle, all.view.style);
    EXPECT_EQ(2, all.view.sort.column);
    EXPECT_EQ(record.view.sort.directions, all.view.sort.directions);
    EXPECT_EQ(record.view.columnWidths, all.view.columnWidths);
    EXPECT_EQ(2, model.Selection(Pane::Main));
    // The callers lay the bar out themselves.
    EXPECT_TRUE(bar.calls.empty());

    model.AddTabFromState(record, kTakeSort, 1, Pane::Main);
    const TabRecord& sortOnly = *model.Tab(1);
    EXPECT_FALSE(sortOnly.locked);
    EXPECT_EQ(kIconStyle, sortOnly.view.style);
    EXPECT_EQ(2, sortOnly.view.sort.column);
    EXPECT_EQ(kDefaultColumnWidths, sortOnly.view.columnWidths);

    model.AddTabFromState(record, kTakeLocked | kTakeWidths, -1, Pane::Main);
    const TabRecord& lockedWidths = *model.Tab(4);
    EXPECT_TRUE(lockedWidths.locked);
    EXPECT_EQ(kIconStyle, lockedWidths.view.style);
    EXPECT_EQ(0, lockedWidths.view.sort.column);
    EXPECT_EQ(record.view.columnWidths, lockedWidths.view.columnWidths);

    record.folder = MakeFolder("Gone");
    static_cast<FakeFolder&>(*record.folder).accessible = false;
    EXPECT_FALSE(model.AddTabFromState(record, kTakeAll, -1, Pane::Main).done);
    EXPECT_EQ(4, model.Count());
}

TEST_F(TabModelTest, RememberedTabsGoAtTheEndWithAllTheirFieldsWithoutTouchingTheLists) {
    AddTabs({"A"});
    aliases.table["C:\\R"] = "別名";
    const int shows = panes.main.shows;
    bar.calls.clear();
    TabRecord record;
    record.folder = MakeFolder("R");
    record.title = "ignored";
    record.locked = true;
    record.view.style = kCommentStyle;
    record.view.sort.column = 4;
    record.view.sort.directions = {0, 1, 0, 1, 0};
    record.view.columnWidths = {7, 6, 5, 4, 3, 2, 1};
    ASSERT_TRUE(model.AppendRemembered(record));
    record.locked = false;
    record.folder = MakeFolder("S");
    ASSERT_TRUE(model.AppendRemembered(record));
    record.folder = MakeFolder("Gone");
    static_cast<FakeFolder&>(*record.folder).accessible = false;
    EXPECT_FALSE(model.AppendRemembered(record));

    EXPECT_EQ("A R S", Names());
    const TabRecord& remembered = *model.Tab(2);
    EXPECT_EQ("別名", remembered.title);
    EXPECT_TRUE(remembered.locked);
    EXPECT_FALSE(model.Tab(3)->locked);
    EXPECT_EQ(kCommentStyle, remembered.view.style);
    EXPECT_EQ(4, remembered.view.sort.column);
    EXPECT_EQ(record.view.sort.directions, remembered.view.sort.directions);
    EXPECT_EQ(record.view.columnWidths, remembered.view.columnWidths);
    EXPECT_TRUE(model.History(2).empty());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ(shows, panes.main.shows);
    EXPECT_TRUE(bar.calls.empty());
}

TEST_F(TabModelTest, TheFirstRememberedTabOfAnEmptyListBecomesTheMainListsTab) {
    TabRecord record;
    record.folder = MakeFolder("R");
    ASSERT_TRUE(model.AppendRemembered(record));
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
    EXPECT_EQ(0, panes.main.shows);
}

TEST_F(TabModelTest, AddTabFromStateForTheSubListSavesOnlyTheSubList) {
    AddTabs({"A", "B"});
    ShowTwoPane(1, 2);
    panes.main.style = kListStyle;
    panes.sub.style = kTileStyle;
    TabRecord record;
    record.folder = MakeFolder("R");
    Outcome outcome = model.AddTabFromState(record, 0, -1, Pane::Sub);
    EXPECT_TRUE(outcome.loadSub);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ(3, model.Selection(Pane::Sub));
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ(kIconStyle, model.Tab(1)->view.style);
    EXPECT_EQ(kTileStyle, model.Tab(2)->view.style);
    EXPECT_EQ("R", panes.sub.shown.folder->DisplayName());
}

TEST_F(TabModelTest, NewDesktopTabAppendsTheDesktopSelected) {
    AddTabs({"A", "B"});
    SelectMain(1);
    bar.calls.clear();
    Outcome outcome = model.NewDesktopTab();
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_EQ(Sound::ADDTAB, outcome.sound);
    EXPECT_EQ("A B Desktop", Names());
    EXPECT_EQ(3, model.Selection(Pane::Main));
    EXPECT_FALSE(model.Tab(3)->locked);
    EXPECT_EQ(desktop, model.Tab(3)->folder);
    EXPECT_EQ((std::vector<std::string>{"layout", "row main", "invalidate"}), bar.calls);
}

// ----- Navigating -----

TEST_F(TabModelTest, NavigateReplacesTheTabsFolderAndTitle) {
    AddTabs({"A", "B"});
    SelectMain(1);
    panes.main.style = kCommentStyle;
    panes.main.columns = {300, 301, 0, 0, 0};
    bar.calls.clear();
    std::weak_ptr<FakeFolder> old = folders["A"];
    folders.erase("A");
    aliases.table["C:\\Next"] = "Alias";
    auto next = MakeFolder("Next");

    Outcome outcome = model.NavigatePane(Pane::Main, next);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(Sound::CD, outcome.sound);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_FALSE(outcome.loadSub);
    EXPECT_EQ("Next B", Names());
    EXPECT_EQ("Alias", model.Tab(1)->title);
    EXPECT_TRUE(old.expired());
    // The list's view went into the tab before it moved on.
    EXPECT_EQ(kCommentStyle, model.Tab(1)->view.style);
    EXPECT_EQ(300, model.Tab(1)->view.columnWidths[5]);
    EXPECT_EQ(301, model.Tab(1)->view.columnWidths[6]);
    EXPECT_EQ(next, panes.main.shown.folder);
    EXPECT_EQ((std::vector<std::string>{"layout", "invalidate"}), bar.calls);
}

TEST_F(TabModelTest, NavigateToAnInaccessibleFolderChangesNothing) {
    AddTabs({"A"});
    panes.main.style = kListStyle;
    bar.calls.clear();
    int shows = panes.main.shows;
    auto gone = MakeFolder("Gone");
    gone->accessible = false;
    Outcome outcome = model.NavigatePane(Pane::Main, gone);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(Sound::None, outcome.sound);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ("A", Names());
    EXPECT_EQ(kIconStyle, model.Tab(1)->view.style);
    EXPECT_EQ(shows, panes.main.shows);
    EXPECT_TRUE(bar.calls.empty());
}

TEST_F(TabModelTest, NavigateTheSubListNeedsTheTwoPaneView) {
    AddTabs({"A", "B"});
    ASSERT_TRUE(model.Select(Pane::Sub, 2));
    EXPECT_FALSE(model.NavigatePane(Pane::Sub, MakeFolder("X")).done);
    ShowTwoPane(1, 2);
    Outcome outcome = model.NavigatePane(Pane::Sub, MakeFolder("X"));
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.loadSub);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ("A X", Names());
    EXPECT_EQ("X", panes.sub.shown.folder->DisplayName());
}

TEST_F(TabModelTest, LockedTabOpensANewTabWithTheListsView) {
    AddTabs({"A", "B", "C"});
    SelectMain(2);
    model.ToggleLock(2);
    panes.main.style = kDetailsStyle;
    panes.main.sort.column = 3;
    panes.main.sort.directions = {0, 0, 0, 1, 0};
    panes.main.columns = {200, 60, 90, 140, 40};
    bar.calls.clear();

    Outcome outcome = model.NavigatePane(Pane::Main, MakeFolder("Inner"));
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(Sound::ADDTAB, outcome.sound);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_EQ("A B C Inner", Names());
    EXPECT_EQ(4, model.Selection(Pane::Main));
    EXPECT_TRUE(model.Tab(2)->locked);
    EXPECT_EQ(folders["B"], model.Tab(2)->folder);
    const TabRecord& added = *model.Tab(4);
    EXPECT_FALSE(added.locked);
    EXPECT_EQ("Inner", added.title);
    EXPECT_EQ(kDetailsStyle, added.view.style);
    EXPECT_EQ(3, added.view.sort.column);
    EXPECT_EQ(panes.main.sort.directions, added.view.sort.directions);
    EXPECT_EQ((std::array<int, 7>{200, 60, 90, 140, 40, 150, 150}), added.view.columnWidths);
    EXPECT_EQ("Inner", panes.main.shown.folder->DisplayName());
    EXPECT_EQ((std::vector<std::string>{"layout", "row main"}), bar.calls);
}

TEST_F(TabModelTest, LockedSubTabOpensANewSubTab) {
    AddTabs({"A", "B"});
    ShowTwoPane(1, 2);
    model.ToggleLock(2);
    bar.calls.clear();
    Outcome outcome = model.NavigatePane(Pane::Sub, MakeFolder("X"));
    EXPECT_TRUE(outcome.loadSub);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ("A B X", Names());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ(3, model.Selection(Pane::Sub));
    EXPECT_EQ((std::vector<std::string>{"layout", "row sub"}), bar.calls);
}

// ----- Back histories -----

TEST_F(TabModelTest, HistoryBackAfterNavigation) {
    AddTabs({"A"});
    auto b = MakeFolder("B");
    auto c = MakeFolder("C");
    ASSERT_TRUE(model.NavigateRemembering(Pane::Main, b).done);
    ASSERT_TRUE(model.NavigateRemembering(Pane::Main, c).done);
    ASSERT_EQ(2u, model.History(1).size());
    EXPECT_EQ(b, model.History(1)[0]);
    EXPECT_EQ(folders["A"], model.History(1)[1]);

    Outcome back = model.GoBack(Pane::Main);
    EXPECT_TRUE(back.done);
    EXPECT_TRUE(back.loadMain);
    EXPECT_EQ("B", Names());
    ASSERT_EQ(1u, model.History(1).size());
    EXPECT_TRUE(model.GoBack(Pane::Main).done);
    EXPECT_EQ("A", Names());
    EXPECT_TRUE(model.History(1).empty());
    EXPECT_FALSE(model.GoBack(Pane::Main).done);
    EXPECT_EQ("A", Names());
}

TEST_F(TabModelTest, FailedNavigationLeavesTheHistory) {
    AddTabs({"A"});
    auto b = MakeFolder("B");
    model.NavigateRemembering(Pane::Main, b);
    auto gone = MakeFolder("Gone");
    gone->accessible = false;
    EXPECT_FALSE(model.NavigateRemembering(Pane::Main, gone).done);
    ASSERT_EQ(1u, model.History(1).size());
    EXPECT_EQ(folders["A"], model.History(1)[0]);

    folders["A"]->accessible = false;
    EXPECT_FALSE(model.GoBack(Pane::Main).done);
    EXPECT_EQ(1u, model.History(1).size());
    EXPECT_EQ("B", Names());
}

TEST_F(TabModelTest, HistoryEntryDropsTheNewerEntries) {
    AddTabs({"A"});
    for (const char* name : {"B", "C", "D", "E"}) model.NavigateRemembering(Pane::Main, MakeFolder(name));
    ASSERT_EQ(4u, model.History(1).size());  // D C B A
    EXPECT_FALSE(model.GoToHistoryEntry(Pane::Main, 0).done);
    EXPECT_FALSE(model.GoToHistoryEntry(Pane::Main, 5).done);
    EXPECT_TRUE(model.GoToHistoryEntry(Pane::Main, 3).done);
    EXPECT_EQ("B", Names());
    ASSERT_EQ(1u, model.History(1).size());
    EXPECT_EQ(folders["A"], model.History(1)[0]);
}

TEST_F(TabModelTest, BackFromALockedTabLeavesItAndUsesItsHistory) {
    AddTabs({"A", "B"});
    SelectMain(1);
    model.NavigateRemembering(Pane::Main, MakeFolder("X"));  // A shows X, history A
    model.ToggleLock(1);
    Outcome outcome = model.GoBack(Pane::Main);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ("X B A", Names());
    EXPECT_EQ(3, model.Selection(Pane::Main));
    EXPECT_TRUE(model.History(1).empty());
    EXPECT_TRUE(model.History(3).empty());
}

TEST_F(TabModelTest, PushAndPopWorkOnOneTab) {
    AddTabs({"A", "B"});
    model.PushHistory(2);
    model.PushHistory(7);
    EXPECT_TRUE(model.History(1).empty());
    ASSERT_EQ(1u, model.History(2).size());
    EXPECT_EQ(folders["B"], model.History(2)[0]);
    EXPECT_FALSE(model.PopHistory(1));
    EXPECT_FALSE(model.PopHistory(0));
    EXPECT_TRUE(model.PopHistory(2));
    EXPECT_TRUE(model.History(2).empty());
}

// ----- Opening items -----

TEST_F(TabModelTest, OpenFolderItemAsTab) {
    AddTabs({"A"});
    auto item = FolderItem("Docs");
    OpenOutcome outcome = model.OpenItemAsTab(item, true, true, 1);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(Sound::ADDTAB, outcome.sound);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_EQ(nullptr, outcome.run);
    EXPECT_EQ("Docs A", Names());
    EXPECT_TRUE(model.Tab(1)->locked);
    EXPECT_EQ(1, model.Selection(Pane::Main));
}

TEST_F(TabModelTest, ItemsOpenedBeforeTheListsTabsLeaveBothListsOnTheirTabs) {
    AddTabs({"A", "B", "C", "D"});
    panes.twoPane = true;
    model.Select(Pane::Main, 3);
    model.Select(Pane::Sub, 4);
    // Two folders dropped before the first tab go in at one place: the second ends up first.
    EXPECT_TRUE(model.OpenItemAsUnselectedTab(FolderItem("X"), 1).done);
    EXPECT_TRUE(model.OpenItemAsUnselectedTab(FolderItem("Y"), 1).done);
    EXPECT_EQ("Y X A B C D", Names());
    EXPECT_EQ(5, model.Selection(Pane::Main));
    EXPECT_EQ(6, model.Selection(Pane::Sub));
    // A file opens its folder, still without moving the lists; a missing item adds nothing.
    auto file = std::make_shared<FakeItem>();
    file->parent = MakeFolder("Holder");
    OpenOutcome outcome = model.OpenItemAsUnselectedTab(file, 7);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(nullptr, outcome.run);
    auto missing = FolderItem("Gone");
    missing->exists = false;
    EXPECT_FALSE(model.OpenItemAsUnselectedTab(missing, 1).done);
    EXPECT_EQ("Y X A B C D Holder", Names());
    EXPECT_EQ(5, model.Selection(Pane::Main));
    EXPECT_EQ(6, model.Selection(Pane::Sub));
}

TEST_F(TabModelTest, OpenItemAsTabInLauncherModeGoesToTheLauncher) {
    AddTabs({"A"});
    bar.launcher = true;
    OpenOutcome outcome = model.OpenItemAsTab(FolderItem("Docs"), false, false, -1);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.toLauncher);
    EXPECT_EQ("A", Names());
}

TEST_F(TabModelTest, OpenMissingItemAsTabDoesNothing) {
    AddTabs({"A"});
    auto item = FolderItem("Docs");
    item->exists = false;
    EXPECT_FALSE(model.OpenItemAsTab(item, true, false, -1).done);
    item->exists = true;
    folders["Docs"]->accessible = false;
    EXPECT_FALSE(model.OpenItemAsTab(item, true, false, -1).done);
    EXPECT_FALSE(model.OpenItemAsTab(nullptr, true, false, -1).done);
    EXPECT_EQ("A", Names());
}

TEST_F(TabModelTest, OpenShortcutsAsTabs) {
    AddTabs({"A"});
    auto toChild = std::make_shared<FakeItem>();
    toChild->shortcut = true;
    toChild->target.folder = MakeFolder("Parent");
    toChild->target.child = FolderItem("Target");
    EXPECT_TRUE(model.OpenItemAsTab(toChild, true, false, -1).done);
    EXPECT_EQ("A Target", Names());

    auto toFolder = std::make_shared<FakeItem>();
    toFolder->shortcut = true;
    toFolder->target.folder = MakeFolder("Root");
    EXPECT_TRUE(model.OpenItemAsTab(toFolder, true, false, -1).done);
    EXPECT_EQ("A Target Root", Names());

    auto broken = std::make_shared<FakeItem>();
    broken->shortcut = true;
    broken->target.path = "http://example.com/";
    EXPECT_TRUE(model.OpenItemAsTab(broken, true, false, -1).done);
    EXPECT_EQ("A Target Root Desktop", Names());

    // A shortcut to a file in a folder: the file's folder, since files are not run from there.
    auto toFile = std::make_shared<FakeItem>();
    toFile->shortcut = true;
    toFile->target.folder = MakeFolder("Holder");
    auto file = FileItem("Holder");
    toFile->target.child = file;
    OpenOutcome outcome = model.OpenItemAsTab(toFile, true, false, -1);
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ(nullptr, outcome.run);
    EXPECT_EQ(file, outcome.select);
    EXPECT_EQ("A Target Root Desktop Holder", Names());
}

TEST_F(TabModelTest, ShortcutRingIsNotFollowedForEver) {
    AddTabs({"A"});
    auto first = std::make_shared<FakeItem>();
    auto second = std::make_shared<FakeItem>();
    first->shortcut = second->shortcut = true;
    first->target.folder = second->target.folder = MakeFolder("Here");
    first->target.child = second;
    second->target.child = first;
    EXPECT_FALSE(model.OpenItemAsTab(first, true, false, -1).done);
    EXPECT_FALSE(model.OpenItemInPane(Pane::Main, first, true).done);
    EXPECT_EQ("A", Names());
    EXPECT_TRUE(model.History(1).empty());
    // Break the ring so that the shared pointers let go of each other.
    first->target.child.reset();
}

TEST_F(TabModelTest, OpenFileAsTabRunsItOrOpensItsFolder) {
    AddTabs({"A"});
    auto file = FileItem("Holder");
    OpenOutcome run = model.OpenItemAsTab(file, true, false, -1);
    EXPECT_TRUE(run.done);
    EXPECT_EQ(file, run.run);
    EXPECT_EQ(Sound::None, run.sound);
    EXPECT_EQ("A", Names());

    OpenOutcome open = model.OpenItemAsTab(file, false, false, -1);
    EXPECT_TRUE(open.done);
    EXPECT_EQ(nullptr, open.run);
    EXPECT_EQ(file, open.select);
    EXPECT_TRUE(open.loadMain);
    EXPECT_EQ("A Holder", Names());
    EXPECT_EQ(2, model.Selection(Pane::Main));

    folders["Holder"]->accessible = false;
    OpenOutcome failed = model.OpenItemAsTab(file, false, false, -1);
    EXPECT_FALSE(failed.done);
    EXPECT_EQ(nullptr, failed.select);
}

TEST_F(TabModelTest, OpenItemInPaneNavigatesOrRuns) {
    AddTabs({"A"});
    OpenOutcome folder = model.OpenItemInPane(Pane::Main, FolderItem("Docs"), false);
    EXPECT_TRUE(folder.done);
    EXPECT_EQ(Sound::CD, folder.sound);
    EXPECT_EQ("Docs", Names());
    EXPECT_TRUE(model.History(1).empty());

    auto file = FileItem("Holder");
    OpenOutcome run = model.OpenItemInPane(Pane::Main, file, true);
    EXPECT_TRUE(run.done);
    EXPECT_EQ(file, run.run);
    EXPECT_EQ("Docs", Names());
    EXPECT_TRUE(model.History(1).empty()) << "only a folder that is shown is remembered";
}

TEST_F(TabModelTest, OpenFolderInPaneRemembersTheFolderItLeavesWhenAsked) {
    AddTabs({"A"});
    EXPECT_TRUE(model.OpenItemInPane(Pane::Main, FolderItem("Docs"), true).done);
    EXPECT_EQ("Docs", Names());
    ASSERT_EQ(1u, model.History(1).size());
    EXPECT_EQ(folders["A"], model.History(1)[0]);

    auto gone = FolderItem("Gone");
    folders["Gone"]->accessible = false;
    EXPECT_FALSE(model.OpenItemInPane(Pane::Main, gone, true).done);
    EXPECT_EQ(1u, model.History(1).size()) << "a folder that cannot be shown is not remembered";

    // A locked tab keeps its folder and still remembers; the list moves on in a new tab.
    ASSERT_TRUE(model.ToggleLock(1).done);
    EXPECT_TRUE(model.OpenItemInPane(Pane::Main, FolderItem("Music"), true).done);
    EXPECT_EQ("Docs Music", Names());
    EXPECT_EQ(2, model.Selection(Pane::Main));
    EXPECT_EQ(2u, model.History(1).size());
    EXPECT_TRUE(model.History(2).empty());
}

TEST_F(TabModelTest, OpenShortcutInPaneRemembersTheFolderItLeaves) {
    AddTabs({"A"});
    auto toChild = std::make_shared<FakeItem>();
    toChild->shortcut = true;
    toChild->target.folder = MakeFolder("Parent");
    toChild->target.child = FolderItem("Target");
    EXPECT_TRUE(model.OpenItemInPane(Pane::Main, toChild, false).done);
    EXPECT_EQ("Target", Names());
    ASSERT_EQ(1u, model.History(1).size());
    EXPECT_EQ(folders["A"], model.History(1)[0]);

    auto toFolder = std::make_shared<FakeItem>();
    toFolder->shortcut = true;
    toFolder->target.folder = MakeFolder("Root");
    EXPECT_TRUE(model.OpenItemInPane(Pane::Main, toFolder, false).done);
    EXPECT_EQ("Root", Names());
    EXPECT_EQ(2u, model.History(1).size());

    // A target that cannot be read leaves the history as it was.
    auto toGone = std::make_shared<FakeItem>();
    toGone->shortcut = true;
    toGone->target.folder = MakeFolder("Gone");
    static_cast<FakeFolder&>(*toGone->target.folder).accessible = false;
    EXPECT_FALSE(model.OpenItemInPane(Pane::Main, toGone, false).done);
    EXPECT_EQ(2u, model.History(1).size());
    EXPECT_EQ("Root", Names());

    auto toFile = std::make_shared<FakeItem>();
    toFile->shortcut = true;
    toFile->target.folder = MakeFolder("Holder");
    auto file = FileItem("Holder");
    toFile->target.child = file;
    OpenOutcome run = model.OpenItemInPane(Pane::Main, toFile, false);
    EXPECT_TRUE(run.done);
    EXPECT_EQ(file, run.run);
    EXPECT_EQ(2u, model.History(1).size());

    auto url = std::make_shared<FakeItem>();
    url->shortcut = true;
    url->target.path = "http://example.com/";
    OpenOutcome open = model.OpenItemInPane(Pane::Main, url, false);
    EXPECT_TRUE(open.done);
    EXPECT_EQ("http://example.com/", open.openPath);
    url->target.path.clear();
    EXPECT_FALSE(model.OpenItemInPane(Pane::Main, url, false).done);
    EXPECT_EQ("Root", Names());
}

TEST_F(TabModelTest, AShortcutToAShortcutIsFollowedToItsFolder) {
    AddTabs({"A"});
    auto inner = std::make_shared<FakeItem>();
    inner->shortcut = true;
    inner->target.folder = MakeFolder("Parent");
    inner->target.child = FolderItem("Target");
    auto outer = std::make_shared<FakeItem>();
    outer->shortcut = true;
    outer->target.folder = MakeFolder("Links");
    outer->target.child = inner;
    EXPECT_TRUE(model.OpenItemInPane(Pane::Main, outer, false).done);
    EXPECT_EQ("Target", Names());
    ASSERT_EQ(1u, model.History(1).size());
    EXPECT_EQ(folders["A"], model.History(1)[0]);
}

// ----- Closing one tab -----

TEST_F(TabModelTest, LastTabIsNeverClosed) {
    AddTabs({"A"});
    bar.calls.clear();
    Outcome outcome = model.CloseTab(1);
    EXPECT_FALSE(outcome.done);
    EXPECT_EQ(1, model.Count());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_TRUE(bar.calls.empty());
    AddTabs({"B"});
    EXPECT_FALSE(model.CloseTab(0).done);
    EXPECT_FALSE(model.CloseTab(3).done);
    EXPECT_EQ(2, model.Count());
}

TEST_F(TabModelTest, ClosingTheMainTabSelectsItsNeighbour) {
    AddTabs({"A", "B", "C", "D"});
    SelectMain(2);
    Outcome middle = model.CloseTab(2);
    EXPECT_TRUE(middle.done);
    EXPECT_TRUE(middle.loadMain);
    EXPECT_EQ("A C D", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("C", panes.main.shown.folder->DisplayName());

    SelectMain(3);
    bar.calls.clear();
    Outcome last = model.CloseTab(3);
    EXPECT_TRUE(last.loadMain);
    EXPECT_EQ("A C", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ((std::vector<std::string>{"layout", "row main", "invalidate"}), bar.calls);
}

TEST_F(TabModelTest, ClosingReleasesTheFolderAndHistory) {
    AddTabs({"A", "B"});
    SelectMain(1);
    auto kept = MakeFolder("Kept");
    std::weak_ptr<FakeFolder> a = folders["A"], b = folders["B"], remembered = kept;
    model.NavigatePane(Pane::Main, kept);  // tab 1 now shows Kept; A is let go
    SelectMain(2);
    model.NavigateRemembering(Pane::Main, MakeFolder("X"));  // tab 2 remembers B
    folders.clear();
    kept.reset();
    EXPECT_TRUE(a.expired());
    EXPECT_FALSE(b.expired());
    EXPECT_TRUE(model.CloseTab(2).done);
    EXPECT_TRUE(b.expired());
    EXPECT_FALSE(remembered.expired());
}

TEST_F(TabModelTest, ClosingATabAwayFromTheListsKeepsThem) {
    AddTabs({"A", "B", "C", "D", "E"});
    ShowTwoPane(3, 5);
    panes.main.style = kListStyle;
    Outcome outcome = model.CloseTab(1);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_FALSE(outcome.leaveTwoPane);
    EXPECT_EQ("B C D E", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("E", NameAt(model.Selection(Pane::Sub)));
    // The main list stays on its tab, so its state is not written back.
    EXPECT_EQ(kIconStyle, model.Tab(2)->view.style);

    EXPECT_TRUE(model.CloseTab(3).done);  // between the two
    EXPECT_EQ("B C E", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("E", NameAt(model.Selection(Pane::Sub)));
}

TEST_F(TabModelTest, ClosingTheSubTabLeavesTheTwoPaneView) {
    AddTabs({"A", "B", "C", "D"});
    ShowTwoPane(3, 2);
    Outcome outcome = model.CloseTab(2);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.leaveTwoPane);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ("A C D", Names());
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
}

TEST_F(TabModelTest, ClosingEitherOfTwoTabsInTheTwoPaneView) {
    for (int closed : {1, 2}) {
        for (int mainTab : {1, 2}) {
            TabModel two(bar, aliases, panes, desktop);
            two.AddFolderTab(MakeFolder("A"), false, true, -1);
            two.AddFolderTab(MakeFolder("B"), false, true, -1);
            panes.twoPane = true;
            two.Select(Pane::Main, mainTab);
            two.Select(Pane::Sub, 3 - mainTab);
            Outcome outcome = two.CloseTab(closed);
            EXPECT_TRUE(outcome.done);
            EXPECT_TRUE(outcome.leaveTwoPane);
            EXPECT_TRUE(outcome.loadMain);
            EXPECT_EQ(1, two.Count());
            EXPECT_EQ(1, two.Selection(Pane::Main));
            EXPECT_EQ(-1, two.Selection(Pane::Sub));
        }
    }
}

TEST_F(TabModelTest, ClosingTheMainTabNeverLandsOnTheSubTab) {
    AddTabs({"A", "B", "C"});
    ShowTwoPane(1, 2);
    model.CloseTab(1);
    EXPECT_EQ("B C", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("B", NameAt(model.Selection(Pane::Sub)));

    AddTabs({"D"});
    ShowTwoPane(3, 2);  // B C D: main D (the last), sub C
    model.CloseTab(3);
    EXPECT_EQ("B C", Names());
    EXPECT_EQ("B", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Sub)));
}

TEST_F(TabModelTest, ClosingOneOfTwoTabsSavesTheMainListIntoItsTab) {
    AddTabs({"A", "B"});
    SelectMain(2);
    panes.main.style = kThumbnailStyle;
    model.CloseTab(1);  // the main list's tab stays, but the list is loaded again
    EXPECT_EQ(kThumbnailStyle, model.Tab(1)->view.style);
}

TEST_F(TabModelTest, RememberedSubTabFollowsItsTabWhileTwoPaneIsOff) {
    AddTabs({"A", "B", "C", "D"});
    ASSERT_TRUE(model.Select(Pane::Main, 2));
    ASSERT_TRUE(model.Select(Pane::Sub, 3));
    // Without the two-pane view the main list simply takes the tab that moves into place.
    Outcome outcome = model.CloseTab(2);
    EXPECT_FALSE(outcome.leaveTwoPane);
    EXPECT_EQ("A C D", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Sub)));
    model.CloseTab(1);
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Sub)));
    model.CloseTab(1);
    EXPECT_EQ("D", Names());
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
}

// Every close from every state: the selections stay valid, apart and on their tabs.
TEST(TabSelections, CloseKeepsTheSelectionsSound) {
    for (int count = 2; count <= 6; ++count) {
        for (int main = 1; main <= count; ++main) {
            for (int sub = -1; sub <= count; ++sub) {
                if (sub == 0) continue;
                for (bool twoPane : {false, true}) {
                    if (twoPane && (sub == -1 || sub == main)) continue;
                    for (int closed = 1; closed <= count; ++closed) {
                        SCOPED_TRACE(testing::Message() << count << " tabs, main " << main << ", sub " << sub
                                                        << (twoPane ? ", two-pane" : "") << ", close " << closed);
                        CloseSelections close = SelectionsAfterClose(count, {main, sub}, twoPane, closed);
                        const Selections& next = close.next;
                        EXPECT_GE(next.main, 1);
                        EXPECT_LE(next.main, count - 1);
                        EXPECT_EQ(twoPane && (count == 2 || closed == sub), close.leaveTwoPane);
                        if (twoPane && !close.leaveTwoPane) {
                            EXPECT_NE(next.main, next.sub);
                        }
                        // Where a tab that survives the close stands afterwards.
                        auto after = [closed](int position) { return position > closed ? position - 1 : position; };
                        if (closed != main) {
                            EXPECT_EQ(after(main), next.main);
                        } else if (!twoPane && count > 2) {
                            EXPECT_EQ(closed == count ? closed - 1 : closed, next.main);
                        }
                        EXPECT_EQ(count == 2 || closed == main, close.reloadMain);
                        if (close.leaveTwoPane || closed == sub || sub == -1) {
                            EXPECT_EQ(-1, next.sub);
                        } else {
                            EXPECT_EQ(after(sub), next.sub);
                        }
                    }
                }
            }
        }
    }
}

// ----- Closing several tabs -----

TEST_F(TabModelTest, CloseUnselectedKeepsBothListsTabs) {
    AddTabs({"A", "B", "C", "D", "E", "F"});
    ShowTwoPane(4, 2);
    bar.calls.clear();
    Outcome outcome = model.CloseTabs(CloseKind::Unselected);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.leaveTwoPane);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_TRUE(outcome.loadSub);
    EXPECT_EQ("B D", Names());
    EXPECT_EQ("D", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("B", NameAt(model.Selection(Pane::Sub)));
    EXPECT_EQ((std::vector<std::string>{"layout", "invalidate"}), bar.calls);

    panes.twoPane = false;
    Outcome single = model.CloseTabs(CloseKind::Unselected);
    EXPECT_FALSE(single.loadSub);
    EXPECT_EQ("D", Names());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
}

TEST_F(TabModelTest, CloseDuplicatesKeepsTheFirstOfEachPath) {
    AddTabs({"A", "B"});
    aliases.table["C:\\A"] = "First A";
    model.AddFolderTab(std::make_shared<FakeFolder>("Other name", "C:\\A"), false, false, -1);
    model.AddFolderTab(MakeFolder("B"), false, false, -1);
    model.AddFolderTab(MakeFolder("C"), false, false, -1);
    model.AddFolderTab(MakeFolder("A"), false, false, -1);
    // A B A' B C A: main on the second B, sub on the last A.
    ShowTwoPane(4, 6);
    Outcome outcome = model.CloseTabs(CloseKind::Duplicates);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.leaveTwoPane);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_FALSE(outcome.loadSub);
    EXPECT_EQ("A B C", Names());
    EXPECT_EQ(folders["A"], model.Tab(1)->folder);
    EXPECT_EQ(folders["B"], model.Tab(2)->folder);
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));

    Outcome none = model.CloseTabs(CloseKind::Duplicates);
    EXPECT_FALSE(none.done);
    EXPECT_EQ("A B C", Names());
}

TEST_F(TabModelTest, CloseDuplicatesAmongManyTabsKeepsEachTabWithItsHistory) {
    AddTabs({"A", "B", "C"});
    // A thousand tabs over the three paths, each tab's history holding its own folder once.
    for (int i = 0; i < 1000; ++i) {
        const char* name = i % 3 == 0 ? "C" : i % 3 == 1 ? "A" : "B";
        model.AddFolderTab(std::make_shared<FakeFolder>(name + std::to_string(i), std::string("C:\\") + name), false,
                           false, -1);
    }
    for (int position = 1; position <= model.Count(); ++position) model.PushHistory(position);
    ShowTwoPane(3, 500);
    Outcome outcome = model.CloseTabs(CloseKind::Duplicates);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.leaveTwoPane);
    EXPECT_EQ("A B C", Names());
    for (int position = 1; position <= 3; ++position) {
        ASSERT_EQ(1u, model.History(position).size());
        EXPECT_EQ(model.Tab(position)->folder, model.History(position).front());
    }
    EXPECT_EQ(3, model.Selection(Pane::Main));
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
}

TEST_F(TabModelTest, CloseNotDisplayedKeepsThePlacedTabsOfTheDisplayedRow) {
    AddTabs({"A", "B", "C", "D", "E", "F"});
    ShowTwoPane(1, 5);
    bar.displayed = {3, 4, 5};
    model.SetTabRect(4, {-1, 0, -1, 20});
    bar.calls.clear();
    Outcome outcome = model.CloseTabs(CloseKind::NotDisplayed);
    EXPECT_TRUE(outcome.done);
    EXPECT_FALSE(outcome.leaveTwoPane);
    EXPECT_EQ("C E", Names());
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("E", NameAt(model.Selection(Pane::Sub)));
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_TRUE(outcome.loadSub);
    EXPECT_EQ((std::vector<std::string>{"layout", "row main", "invalidate"}), bar.calls);
}

TEST_F(TabModelTest, CloseNotDisplayedStopsAtTheLastTab) {
    AddTabs({"A", "B", "C"});
    bar.displayed.clear();
    model.CloseTabs(CloseKind::NotDisplayed);
    EXPECT_EQ("C", Names());
    EXPECT_EQ(1, model.Selection(Pane::Main));
}

TEST_F(TabModelTest, CloseUnlockedAcrossBothSelections) {
    AddTabs({"A", "B", "C", "D", "E"});
    model.ToggleLock(2);
    model.ToggleLock(5);
    ShowTwoPane(3, 4);
    panes.main.style = kCommentStyle;
    Outcome outcome = model.CloseTabs(CloseKind::Unlocked);
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.leaveTwoPane);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_FALSE(outcome.loadSub);
    EXPECT_EQ("B E", Names());
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
    EXPECT_EQ("B", NameAt(model.Selection(Pane::Main)));
    // Neither survivor was the main list's tab, so neither took its state.
    EXPECT_EQ(kIconStyle, model.Tab(1)->view.style);
    EXPECT_EQ(kIconStyle, model.Tab(2)->view.style);
    EXPECT_EQ(NameAt(model.Selection(Pane::Main)), panes.main.shown.folder->DisplayName());
}

TEST_F(TabModelTest, CloseUnlockedWithNoneLockedLeavesOne) {
    AddTabs({"A", "B", "C"});
    SelectMain(1);
    model.CloseTabs(CloseKind::Unlocked);
    EXPECT_EQ("C", Names());
    EXPECT_EQ(1, model.Selection(Pane::Main));
}

TEST_F(TabModelTest, CloseTabsSavesTheListsIntoSurvivingTabs) {
    AddTabs({"A", "B", "C"});
    ShowTwoPane(2, 3);
    panes.main.style = kListStyle;
    panes.sub.style = kTileStyle;
    model.CloseTabs(CloseKind::Unselected);
    EXPECT_EQ("B C", Names());
    EXPECT_EQ(kListStyle, model.Tab(1)->view.style);
    EXPECT_EQ(kTileStyle, model.Tab(2)->view.style);
}

TEST_F(TabModelTest, UnknownCloseKindDoesNothing) {
    AddTabs({"A", "B"});
    bar.calls.clear();
    Outcome outcome = model.CloseTabs(static_cast<CloseKind>(5));
    EXPECT_FALSE(outcome.done);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ(2, model.Count());
    EXPECT_TRUE(bar.calls.empty());
}

// ----- Moving tabs -----

TEST_F(TabModelTest, MovingATabMakesItTheMainTab) {
    AddTabs({"A", "B", "C", "D", "E"});
    ShowTwoPane(1, 4);
    bar.calls.clear();
    Outcome outcome = model.MoveTab(2, 5);  // across the sub selection
    EXPECT_TRUE(outcome.done);
    EXPECT_TRUE(outcome.loadMain);
    EXPECT_FALSE(outcome.loadSub);
    EXPECT_EQ("A C D E B", Names());
    EXPECT_EQ(5, model.Selection(Pane::Main));
    EXPECT_EQ("D", NameAt(model.Selection(Pane::Sub)));
    EXPECT_EQ("B", panes.main.shown.folder->DisplayName());
    EXPECT_EQ((std::vector<std::string>{"layout"}), bar.calls);

    model.MoveTab(5, 1);  // back across the sub selection
    EXPECT_EQ("B A C D E", Names());
    EXPECT_EQ(1, model.Selection(Pane::Main));
    EXPECT_EQ("D", NameAt(model.Selection(Pane::Sub)));
}

// A menu shown for a tab names it by its serial: the tab is found again wherever it went meanwhile.
TEST_F(TabModelTest, ATabsSerialFollowsItThroughMovesAndClosesOfOthers) {
    AddTabs({"A", "B", "C", "D"});
    const unsigned c = model.Tab(3)->serial;
    EXPECT_NE(model.Tab(2)->serial, c);
    model.MoveTab(3, 1);
    EXPECT_EQ(1, model.PositionOf(c));
    ASSERT_TRUE(model.CloseTab(2).done);
    EXPECT_EQ(1, model.PositionOf(c));
    AddTabs({"E"});
    model.MoveTab(model.Count(), 1);
    EXPECT_EQ(2, model.PositionOf(c));
    EXPECT_EQ("C", NameAt(model.PositionOf(c)));
    ASSERT_TRUE(model.CloseTab(2).done);
    EXPECT_EQ(-1, model.PositionOf(c));
    // No two tabs share a serial, and a closed tab's serial is not given again.
    std::set<unsigned> serials;
    for (int position = 1; position <= model.Count(); ++position) serials.insert(model.Tab(position)->serial);
    EXPECT_EQ(static_cast<size_t>(model.Count()), serials.size());
    EXPECT_EQ(0u, serials.count(c));
}

TEST_F(TabModelTest, MovingTheSubTabBelongsToTheSubList) {
    AddTabs({"A", "B", "C", "D", "E"});
    ShowTwoPane(3, 1);
    Outcome outcome = model.MoveTab(1, 4);  // across the main selection
    EXPECT_TRUE(outcome.loadSub);
    EXPECT_FALSE(outcome.loadMain);
    EXPECT_EQ("B C D A E", Names());
    EXPECT_EQ(4, model.Selection(Pane::Sub));
    EXPECT_EQ("C", NameAt(model.Selection(Pane::Main)));
    EXPECT_EQ("A", panes.sub.shown.folder->DisplayName());
}

TEST_F(TabModelTest, MovingCarriesTheHistoryAndSavesTheLists) {
    AddTabs({"A", "B", "C"});
    SelectMain(1);
    auto x = MakeFolder("X");
    model.NavigateRemembering(Pane::Main, x);  // tab 1 shows X and remembers A
    panes.main.style = kListStyle;
    model.MoveTab(1, 3);
    EXPECT_EQ("B C X", Names());
    ASSERT_EQ(1u, model.History(3).size());
    EXPECT_EQ(folders["A"], model.History(3)[0]);
    EXPECT_TRUE(model.History(1).empty());
    EXPECT_EQ(kListStyle, model.Tab(3)->view.style);
}

TEST_F(TabModelTest, MovesThatAreNoMoves) {
    AddTabs({"A"});
    EXPECT_FALSE(model.MoveTab(1, 1).done);
    AddTabs({"B", "C"});
    bar.calls.clear();
    EXPECT_FALSE(model.MoveTab(2, 2).done);
    EXPECT_FALSE(model.MoveTab(0, 2).done);
    EXPECT_FALSE(model.MoveTab(1, 4).done);
    EXPECT_EQ("A B C", Names());
    EXPECT_TRUE(bar.calls.empty());

    bar.launcher = true;
    Outcome launcher = model.MoveTab(1, 3);
    EXPECT_TRUE(launcher.toLauncher);
    EXPECT_EQ("A B C", Names());
}

// Every move: the moved tab is its list's, and the other list stays on its tab.
TEST(TabSelections, MoveKeepsTheOtherListOnItsTab) {
    for (int count = 2; count <= 6; ++count) {
        for (int main = 1; main <= count; ++main) {
            for (int sub = 1; sub <= count; ++sub) {
                if (sub == main) continue;
                for (int from = 1; from <= count; ++from) {
                    for (int to = 1; to <= count; ++to) {
                        if (from == to) continue;
                        SCOPED_TRACE(testing::Message() << count << " tabs, main " << main << ", sub " << sub
                                                        << ", move " << from << " to " << to);
                        std::vector<int> order;
                        for (int tab = 1; tab <= count; ++tab) order.push_back(tab);
                        int moved = order[static_cast<size_t>(from - 1)];
                        order.erase(order.begin() + (from - 1));
                        order.insert(order.begin() + (to - 1), moved);
                        MoveSelections move = SelectionsAfterMove({main, sub}, true, from, to);
                        int shownMain = order[static_cast<size_t>(move.next.main - 1)];
                        int shownSub = order[static_cast<size_t>(move.next.sub - 1)];
                        EXPECT_EQ(from == sub, move.forSub);
                        EXPECT_EQ(from, move.forSub ? shownSub : shownMain);
                        EXPECT_EQ(move.forSub ? main : sub, move.forSub ? shownMain : shownSub);
                    }
                }
            }
        }
    }
}

// ----- Lock, rename, titles -----

TEST_F(TabModelTest, ToggleLockFlipsAndSounds) {
    AddTabs({"A", "B"});
    bar.calls.clear();
    Outcome lock = model.ToggleLock(1);
    EXPECT_TRUE(lock.done);
    EXPECT_EQ(Sound::TABLOCK, lock.sound);
    EXPECT_TRUE(model.Tab(1)->locked);
    EXPECT_FALSE(model.Tab(2)->locked);
    EXPECT_EQ((std::vector<std::string>{"layout", "invalidate"}), bar.calls);

    model.ToggleLock(2);
    EXPECT_TRUE(panes.main.shown.locked);
    Outcome unlock = model.ToggleLock(1);
    EXPECT_EQ(Sound::TABUNLOCK, unlock.sound);
    EXPECT_FALSE(model.Tab(1)->locked);
    EXPECT_FALSE(model.ToggleLock(3).done);
}

TEST_F(TabModelTest, RenameSetsTheAliasOfEveryTabOfTheFolder) {
    AddTabs({"A", "B"});
    model.AddFolderTab(std::make_shared<FakeFolder>("A again", "C:\\A"), false, false, -1);
    bar.calls.clear();
    Outcome outcome = model.RenameTab(3, true, "Alpha");
    EXPECT_TRUE(outcome.done);
    EXPECT_EQ("Alpha", aliases.table.at("C:\\A"));
    EXPECT_EQ("Alpha", model.Tab(1)->title);
    EXPECT_EQ("B", model.Tab(2)->title);
    EXPECT_EQ("Alpha", model.Tab(3)->title);
    EXPECT_EQ((std::vector<std::string>{"layout", "invalidate"}), bar.calls);

    model.RenameTab(1, true, "");
    EXPECT_EQ(0u, aliases.table.count("C:\\A"));
    EXPECT_EQ("A", model.Tab(1)->title);
    EXPECT_EQ("A again", model.Tab(3)->title);

    model.RenameTab(1, true, "Alpha");
    model.RenameTab(1, false, "Typed but cancelled");
    EXPECT_TRUE(aliases.table.empty());
    EXPECT_EQ("A", model.Tab(1)->title);

    EXPECT_FALSE(model.RenameTab(4, true, "x").done);
    EXPECT_TRUE(aliases.table.empty());
}

TEST_F(TabModelTest, RefreshTabTitlesFollowsTheAliases) {
    AddTabs({"A", "B"});
    aliases.table["C:\\B"] = "Bee";
    EXPECT_EQ("B", model.Tab(2)->title);
    model.RefreshTabTitles();
    EXPECT_EQ("A", model.Tab(1)->title);
    EXPECT_EQ("Bee", model.Tab(2)->title);
}

// ----- The lists' own view -----

TEST_F(TabModelTest, CloseSelectedTabClosesOrFallsBackToTheDesktop) {
    AddTabs({"A", "B", "C"});
    ShowTwoPane(1, 3);
    Outcome sub = model.CloseSelectedTab(Pane::Sub);
    EXPECT_TRUE(sub.done);
    EXPECT_TRUE(sub.leaveTwoPane);
    EXPECT_EQ("A B", Names());
    panes.twoPane = false;
    EXPECT_FALSE(model.CloseSelectedTab(Pane::Sub).done);

    model.CloseSelectedTab(Pane::Main);
    EXPECT_EQ("B", Names());
    Outcome last = model.CloseSelectedTab(Pane::Main);
    EXPECT_TRUE(last.done);
    EXPECT_EQ(Sound::CD, last.sound);
    EXPECT_TRUE(last.loadMain);
    EXPECT_EQ("Desktop", Names());

    // A locked last tab stays, and the desktop comes in a tab of its own.
    model.ToggleLock(1);
    model.CloseSelectedTab(Pane::Main);
    EXPECT_EQ("Desktop Desktop", Names());
    EXPECT_EQ(2, model.Selection(Pane::Main));
}

TEST_F(TabModelTest, SaveViewStateTakesTheWidthsOfTheStyleShown) {
    AddTabs({"A"});
    panes.main.columns = {11, 12, 13, 14, 15};
    panes.main.sort.column = 2;
    panes.main.sort.directions = {1, 0, 0, 0, 1};

    panes.main.style = kListStyle;
    model.SaveViewState(Pane::Main);
    const TabRecord& tab = *model.Tab(1);
    EXPECT_EQ(kListStyle, tab.view.style);
    EXPECT_EQ(2, tab.view.sort.column);
    EXPECT_EQ(panes.main.sort.directions, tab.view.sort.directions);
    EXPECT_EQ(kDefaultColumnWidths, tab.view.columnWidths);

    panes.main.style = kDetailsStyle;
    model.SaveViewState(Pane::Main);
    EXPECT_EQ((std::array<int, 7>{11, 12, 13, 14, 15, 150, 150}), tab.view.columnWidths);

    panes.main.style = kCommentStyle;
    panes.main.columns = {21, 22, 0, 0, 0};
    model.SaveViewState(Pane::Main);
    EXPECT_EQ((std::array<int, 7>{11, 12, 13, 14, 15, 21, 22}), tab.view.columnWidths);
}

TEST_F(TabModelTest, SubListIsSavedOnlyWhileShown) {
    AddTabs({"A", "B"});
    ASSERT_TRUE(model.Select(Pane::Sub, 1));
    panes.sub.style = kThumbnailStyle;
    model.SaveViewState(Pane::Sub);
    EXPECT_EQ(kIconStyle, model.Tab(1)->view.style);
    panes.twoPane = true;
    model.SaveViewState(Pane::Sub);
    EXPECT_EQ(kThumbnailStyle, model.Tab(1)->view.style);
}

TEST_F(TabModelTest, ApplyShowsEachListItsTabWithinRange) {
    TabRecord record;
    record.folder = MakeFolder("Odd");
    record.locked = true;
    record.view.style = 9;
    record.view.sort.column = 12;
    model.AddTabFromState(record, kTakeAll, -1, Pane::Main);
    model.AddFolderTab(MakeFolder("B"), false, false, -1);
    ASSERT_TRUE(model.Select(Pane::Main, 1));
    ASSERT_TRUE(model.Select(Pane::Sub, 2));
    int subShows = panes.sub.shows;
    model.ApplyTabsToPanes();
    EXPECT_EQ(record.folder, panes.main.shown.folder);
    EXPECT_EQ("Odd", panes.main.shown.title);
    EXPECT_TRUE(panes.main.shown.locked);
    EXPECT_EQ(kDetailsStyle, panes.main.shown.view.style);
    EXPECT_EQ(0, panes.main.shown.view.sort.column);
    // The tab itself keeps what it holds.
    EXPECT_EQ(9, model.Tab(1)->view.style);
    EXPECT_EQ(subShows, panes.sub.shows);

    panes.twoPane = true;
    model.ApplyTabsToPanes();
    EXPECT_EQ(subShows + 1, panes.sub.shows);
    EXPECT_EQ("B", panes.sub.shown.folder->DisplayName());
}

TEST_F(TabModelTest, SelectTakesOnlyExistingTabs) {
    AddTabs({"A", "B"});
    EXPECT_FALSE(model.Select(Pane::Main, 0));
    EXPECT_FALSE(model.Select(Pane::Main, 3));
    EXPECT_FALSE(model.Select(Pane::Main, -1));
    EXPECT_EQ(2, model.Selection(Pane::Main));
    EXPECT_TRUE(model.Select(Pane::Sub, 1));
    EXPECT_FALSE(model.Select(Pane::Sub, 5));
    EXPECT_EQ(1, model.Selection(Pane::Sub));
    EXPECT_TRUE(model.Select(Pane::Sub, -1));
    EXPECT_EQ(-1, model.Selection(Pane::Sub));
}

}  // namespace
