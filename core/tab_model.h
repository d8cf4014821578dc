// The one row of tabs that both folder lists show, with its two selections and the tabs' back
// histories, and every operation on it. No Windows header: the folders, the tab bar, the alias
// table and the lists are reached through the small interfaces below, so that this arithmetic is
// built and tested natively too. Tabs are numbered from 1; a list that shows no tab holds -1.
#pragma once
#include <array>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "core/list_view_state.h"

namespace tabs {

enum class Pane { Main, Sub };

// A tab keeps the view state of the list that shows it; the list view's own rules hold for it.
using SortOrder = ::SortState;
using ::ListViewState;

// The sound events that the tab operations ask for, numbered as the SOUND keys of t.ini.
enum class Sound : int { None = -1, ADDTAB = 1, DELTAB = 2, CHTAB = 3, TABLOCK = 4, TABUNLOCK = 5, CD = 6, BTN = 7 };

// A folder that a tab shows; the Windows side holds the shell's folder object in it and releases
// that when the last reference goes.
class TabFolder {
public:
    virtual ~TabFolder() = default;
    // The folder can be shown: an enumeration of its contents can be started.
    virtual bool CanEnumerate() = 0;
    virtual std::string DisplayName() const = 0;
    // The path string: the file-system path, or the display name of a virtual folder.
    virtual std::string Path() const = 0;
};
using FolderPtr = std::shared_ptr<TabFolder>;

// An item of a folder that is to be opened, from a list, a menu or a drop.
class TabItem;
using ItemPtr = std::shared_ptr<TabItem>;

struct ShortcutTarget {
    FolderPtr folder;  // null when the shortcut does not lead to a folder
    ItemPtr child;     // the target inside that folder, or null when the target is the folder
    std::string path;  // without a folder: the target's path or address as the shortcut gives it
};

class TabItem {
public:
    virtual ~TabItem() = default;
    virtual bool Exists() const = 0;
    virtual bool IsFolder() const = 0;
    virtual bool IsShortcut() const = 0;
    // The item as a folder; null when it cannot be bound.
    virtual FolderPtr BindFolder() = 0;
    // The folder that holds the item.
    virtual FolderPtr Parent() = 0;
    virtual ShortcutTarget Resolve() = 0;
};

struct TabRect {
    int left = 0, top = 0, right = 0, bottom = 20;  // left = right = -1: behind the chevron
};

struct TabRecord {
    TabRect rect;
    std::string title;  // the folder's alias, else its display name
    FolderPtr folder;
    bool locked = false;
    ListViewState view;
    // Given when the tab is added and kept while it moves: names the tab across a menu or a dialog
    // during which other tabs may come and go.
    unsigned serial = 0;
};

// The tab bar window; it reads the tabs back from the model when it lays them out.
class TabBarView {
public:
    virtual ~TabBarView() = default;
    virtual void LayoutTabBar() = 0;
    // Brings the displayed row to the row of that list's selected tab.
    virtual void ShowRowOf(Pane pane) = 0;
    virtual void Invalidate() = 0;
    // The bar shows the launcher instead of the tabs.
    virtual bool LauncherMode() const = 0;
    // The tab lies on the displayed row, by the last layout.
    virtual bool OnDisplayedRow(int position) const = 0;
};

// Names that the user gave to folders, keyed by path string.
class TabAliases {
public:
    virtual ~TabAliases() = default;
    virtual bool LookUp(const std::string& path, std::string& alias) const = 0;
    // An empty alias removes the folder's entry.
    virtual void Set(const std::string& path, const std::string& alias) = 0;
};

// The two folder lists.
class TabPanes {
public:
    virtual ~TabPanes() = default;
    virtual bool TwoPane() const = 0;
    // The view style and sort order that the list uses now.
    virtual int ViewStyle(Pane pane) const = 0;
    virtual SortOrder Sort(Pane pane) const = 0;
    // The present width of one of the list control's columns.
    virtual int ColumnWidth(Pane pane, int column) const = 0;
    // The list takes the tab's folder, title, lock and view state as its own copy.
    virtual void ShowTab(Pane pane, const TabRecord& tab) = 0;
};

// What the caller still has to do after an operation, in this order.
struct Outcome {
    bool done = false;          // the operation's answer: something was opened, added, closed...
    Sound sound = Sound::None;  // play first
    bool toLauncher = false;    // launcher mode: do this to the launcher entries instead
    bool leaveTwoPane = false;  // switch the two-pane view off and lay out the main window
    bool loadMain = false;      // load CtrlListMain with its tab's folder
    bool loadSub = false;       // load CtrlListSub with its tab's folder
};

struct OpenOutcome : Outcome {
    ItemPtr run;           // a file for the shell to run
    std::string openPath;  // a shortcut's target for the shell's "open" verb
    ItemPtr select;        // the file to select once the main list has loaded its new tab
};

// The selection arithmetic of closing and moving tabs, on their own for the callers and tests.
struct Selections {
    int main = -1;
    int sub = -1;
};
struct CloseSelections {
    Selections next;
    bool leaveTwoPane = false;
    bool reloadMain = false;
};
// Closing tab `closed` of `count` tabs (count >= 2).
CloseSelections SelectionsAfterClose(int count, Selections now, bool twoPane, int closed);
struct MoveSelections {
    Selections next;
    bool forSub = false;  // the moved tab is the sub list's: that list follows it
};
// Moving tab `from` to `to` (counted after its removal).
MoveSelections SelectionsAfterMove(Selections now, bool twoPane, int from, int to);

enum TakenFields { kTakeLocked = 1, kTakeStyle = 2, kTakeSort = 4, kTakeWidths = 8, kTakeAll = 15 };

enum class CloseKind { Unselected = 1, Duplicates = 2, NotDisplayed = 3, Unlocked = 4 };

class TabModel {
public:
    // The desktop folder backs the new-tab button and every fallback to the desktop.
    TabModel(TabBarView& bar, TabAliases& aliases, TabPanes& panes, FolderPtr desktop);

    int Count() const { return static_cast<int>(tabs_.size()); }
    const TabRecord* Tab(int position) const;
    // Where the tab with that serial stands now, or -1 when it has been closed.
    int PositionOf(unsigned serial) const;
    int Selection(Pane pane) const { return pane == Pane::Main ? main_ : sub_; }
    // The bar's click rule and the two-pane switch choose tabs here; a sub selection may be -1.
    bool Select(Pane pane, int position);
    void SetTabRect(int position, const TabRect& rect);
    void SetDefaultStyle(int defaultStyleSetting) { defaultStyle_ = StyleForDefaultSetting(defaultStyleSetting); }

    // The back history of a tab, newest first.
    const std::deque<FolderPtr>& History(int position) const;
    // Pushes the tab's present folder onto the front of its history.
    void PushHistory(int position);
    bool PopHistory(int position);

    // Position -1, or any position outside 1..Count()+1, appends. Both lists keep their tabs; with
    // select the main list takes the new one. A folder that cannot be enumerated adds nothing.
    Outcome AddFolderTab(const FolderPtr& folder, bool locked, bool select, int position);
    // The record gives the folder and the fields chosen by TakenFields; the tab becomes the pane's.
    Outcome AddTabFromState(const TabRecord& record, int takenFields, int position, Pane pane);
    // A remembered tab at the end with its lock and view state, as AddTabFromState adds one for the
    // main list, but not handed to the lists: start-up adds them all, then picks the tabs that the
    // lists show once. False when the folder cannot be shown.
    bool AppendRemembered(const TabRecord& record);
    // A folder, or the folder a shortcut leads to, becomes a selected tab; a file is run, or without
    // executeFiles its folder opens as a tab with the file to select.
    OpenOutcome OpenItemAsTab(const ItemPtr& item, bool executeFiles, bool locked, int position);
    // Opens the item as OpenItemAsTab does without running files, but the lists go on showing the
    // tabs they showed: for items dropped on the bar, which may go in before the lists' tabs.
    OpenOutcome OpenItemAsUnselectedTab(const ItemPtr& item, int position);
    // The list's tab takes the folder; a locked tab keeps its own and the list moves on in a new tab
    // at the end with the list's view.
    Outcome NavigatePane(Pane pane, const FolderPtr& folder);
    // As NavigatePane, and the folder the list leaves goes onto the front of its tab's history when
    // the navigation worked.
    Outcome NavigateRemembering(Pane pane, const FolderPtr& folder);
    // A folder is shown in the list, a shortcut is followed and anything else is run. With
    // rememberFolder a folder item is shown as NavigateRemembering shows it; a shortcut that leads
    // to a folder always is.
    OpenOutcome OpenItemInPane(Pane pane, const ItemPtr& item, bool rememberFolder);
    // Navigates to the newest history entry, or to entry `entry` (1 = newest), and drops the entries
    // down to that one when the navigation worked.
    Outcome GoBack(Pane pane) { return GoToHistoryEntry(pane, 1); }
    Outcome GoToHistoryEntry(Pane pane, int entry);
    // The last tab is never closed.
    Outcome CloseTab(int position);
    Outcome CloseTabs(CloseKind kind);
    // The moved tab becomes the main list's, or the sub list's when that list showed it.
    Outcome MoveTab(int from, int to);
    Outcome ToggleLock(int position);
    // The rename dialog's answer: an empty name, or a dialog not ended with OK, removes the alias.
    Outcome RenameTab(int position, bool confirmed, const std::string& name);
    // For a list whose folder can no longer be read; the last tab shows the desktop instead.
    Outcome CloseSelectedTab(Pane pane);
    Outcome NewDesktopTab() { return AddFolderTab(desktop_, false, true, -1); }
    // The list's style and sort into its tab, and the column widths of the style it shows.
    void SaveViewState(Pane pane);
    // Each list shown takes a copy of its tab, within range (ShownState).
    void ApplyTabsToPanes();
    void RefreshTabTitles();

private:
    struct Entry {
        TabRecord record;
        std::deque<FolderPtr> history;
    };

    Entry* At(int position);
    const Entry* At(int position) const;
    bool Shows(Pane pane) const;
    std::string TitleOf(const TabFolder& folder) const;
    TabRecord NewRecord(const FolderPtr& folder, bool locked) const;
    int Insert(TabRecord record, int position);
    // Moves the selections as closing tab `position` of `count` needs; the caller removes the tab.
    bool SelectAroundClose(int position, int count, bool& twoPane, bool& left, bool& reloadMain);
    // In launcher mode the caller adds a launcher entry instead.
    OpenOutcome OpenInBar(const ItemPtr& item, bool executeFiles, bool locked, bool select, int position);
    OpenOutcome OpenAsTab(const ItemPtr& item, bool executeFiles, bool locked, bool select, int position, int hops);
    OpenOutcome OpenInPane(Pane pane, const ItemPtr& item, bool rememberFolder, int hops);

    TabBarView& bar_;
    TabAliases& aliases_;
    TabPanes& panes_;
    FolderPtr desktop_;
    int defaultStyle_ = kIconStyle;
    std::vector<Entry> tabs_;
    int main_ = -1;
    int sub_ = -1;
    unsigned nextSerial_ = 1;
    const std::deque<FolderPtr> noHistory_;
};

}  // namespace tabs
