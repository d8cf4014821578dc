#include "core/tab_model.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <set>
#include <utility>

namespace tabs {

namespace {

// A shortcut may lead to another shortcut; a ring of them must not be followed for ever.
constexpr int kMaxShortcutHops = 16;

int ShiftForMove(int selection, int from, int to) {
    if (from < selection && selection <= to) return selection - 1;
    if (to <= selection && selection < from) return selection + 1;
    return selection;
}

void TakeOutcome(OpenOutcome& open, const Outcome& outcome) { static_cast<Outcome&>(open) = outcome; }

}  // namespace

CloseSelections SelectionsAfterClose(int count, Selections now, bool twoPane, int closed) {
    CloseSelections result;
    Selections& next = result.next;
    auto after = [closed](int position) { return position > closed ? position - 1 : position; };
    const bool mainClosed = closed == now.main;
    if (count == 2) {
        next.main = 1;
    } else if (mainClosed) {
        // The neighbour that moves into its place, else the one on its left; never the tab that the
        // sub list shows.
        next.main = closed == count ? closed - 1 : closed;
        if (twoPane && now.sub > closed && now.sub - 1 == next.main) next.main = next.main == 1 ? 2 : next.main - 1;
    } else {
        next.main = after(now.main);
    }
    result.reloadMain = count == 2 || mainClosed;
    // The sub selection follows its tab even while the two-pane view is off, so that it never names
    // another tab, or none, when the view comes back.
    next.sub = now.sub == closed || (twoPane && count == 2) ? -1 : after(now.sub);
    result.leaveTwoPane = twoPane && next.sub == -1;
    if (twoPane && next.sub != -1 && next.sub == now.sub && next.sub == next.main) --next.main;
    return result;
}

MoveSelections SelectionsAfterMove(Selections now, bool twoPane, int from, int to) {
    MoveSelections result;
    result.forSub = twoPane && from == now.sub;
    if (result.forSub) {
        result.next.sub = to;
        result.next.main = ShiftForMove(now.main, from, to);
    } else {
        result.next.main = to;
        result.next.sub = ShiftForMove(now.sub, from, to);
    }
    return result;
}

TabModel::TabModel(TabBarView& bar, TabAliases& aliases, TabPanes& panes, FolderPtr desktop)
    : bar_(bar), aliases_(aliases), panes_(panes), desktop_(std::move(desktop)) {}

TabModel::Entry* TabModel::At(int position) {
    if (position < 1 || position > Count()) return nullptr;
    return &tabs_[static_cast<size_t>(position - 1)];
}

const TabModel::Entry* TabModel::At(int position) const {
    if (position < 1 || position > Count()) return nullptr;
    return &tabs_[static_cast<size_t>(position - 1)];
}

const TabRecord* TabModel::Tab(int position) const {
    const Entry* tab = At(position);
    return tab ? &tab->record : nullptr;
}

int TabModel::PositionOf(unsigned serial) const {
    for (size_t index = 0; index < tabs_.size(); ++index)
        if (tabs_[index].record.serial == serial) return static_cast<int>(index) + 1;
    return -1;
}

bool TabModel::Shows(Pane pane) const {
    if (pane == Pane::Main) return At(main_) != nullptr;
    return panes_.TwoPane() && At(sub_) != nullptr;
}

bool TabModel::Select(Pane pane, int position) {
    if (pane == Pane::Sub && position == -1) {
        sub_ = -1;
        return true;
    }
    if (!At(position)) return false;
    (pane == Pane::Main ? main_ : sub_) = position;
    return true;
}

void TabModel::SetTabRect(int position, const TabRect& rect) {
    if (Entry* tab = At(position)) tab->record.rect = rect;
}

const std::deque<FolderPtr>& TabModel::History(int position) const {
    const Entry* tab = At(position);
    return tab ? tab->history : noHistory_;
}

void TabModel::PushHistory(int position) {
    if (Entry* tab = At(position)) tab->history.push_front(tab->record.folder);
}

bool TabModel::PopHistory(int position) {
    Entry* tab = At(position);
    if (!tab || tab->history.empty()) return false;
    tab->history.pop_front();
    return true;
}

std::string TabModel::TitleOf(const TabFolder& folder) const {
    std::string alias;
    if (aliases_.LookUp(folder.Path(), alias)) return alias;
    return folder.DisplayName();
}

TabRecord TabModel::NewRecord(const FolderPtr& folder, bool locked) const {
    TabRecord record;
    record.title = TitleOf(*folder);
    record.folder = folder;
    record.locked = locked;
    record.view.style = defaultStyle_;
    return record;
}

int TabModel::Insert(TabRecord record, int position) {
    if (position < 1 || position > Count() + 1) position = Count() + 1;
    record.serial = nextSerial_++;
    tabs_.insert(tabs_.begin() + (position - 1), {std::move(record), {}});
    // The lists keep showing the tabs they showed.
    if (main_ >= position) ++main_;
    if (sub_ >= position) ++sub_;
    if (main_ == -1) main_ = position;
    return position;
}

Outcome TabModel::AddFolderTab(const FolderPtr& folder, bool locked, bool select, int position) {
    Outcome outcome;
    if (!folder || !folder->CanEnumerate()) return outcome;
    outcome.sound = Sound::ADDTAB;
    TabRecord record = NewRecord(folder, locked);
    if (select) {
        SaveViewState(Pane::Main);
        SaveViewState(Pane::Sub);
    }
    int added = Insert(std::move(record), position);
    bar_.LayoutTabBar();
    if (select) {
        main_ = added;
        ApplyTabsToPanes();
        outcome.loadMain = true;
    }
    bar_.ShowRowOf(Pane::Main);
    bar_.Invalidate();
    outcome.done = true;
    return outcome;
}

Outcome TabModel::AddTabFromState(const TabRecord& record, int takenFields, int position, Pane pane) {
    Outcome outcome;
    if (!record.folder || !record.folder->CanEnumerate()) return outcome;
    outcome.sound = Sound::ADDTAB;
    TabRecord tab = NewRecord(record.folder, (takenFields & kTakeLocked) != 0 && record.locked);
    if (takenFields & kTakeStyle) tab.view.style = record.view.style;
    if (takenFields & kTakeSort) tab.view.sort = record.view.sort;
    if (takenFields & kTakeWidths) tab.view.columnWidths = record.view.columnWidths;
    SaveViewState(Pane::Sub);
    int added = Insert(std::move(tab), position);
    (pane == Pane::Main ? main_ : sub_) = added;
    ApplyTabsToPanes();
    (pane == Pane::Main ? outcome.loadMain : outcome.loadSub) = true;
    outcome.done = true;
    return outcome;
}

bool TabModel::AppendRemembered(const TabRecord& record) {
    if (!record.folder || !record.folder->CanEnumerate()) return false;
    TabRecord tab = NewRecord(record.folder, record.locked);
    tab.view = record.view;
    Insert(std::move(tab), -1);
    return true;
}

OpenOutcome TabModel::OpenItemAsTab(const ItemPtr& item, bool executeFiles, bool locked, int position) {
    return OpenInBar(item, executeFiles, locked, true, position);
}

OpenOutcome TabModel::OpenItemAsUnselectedTab(const ItemPtr& item, int position) {
    return OpenInBar(item, false, false, false, position);
}

OpenOutcome TabModel::OpenInBar(const ItemPtr& item, bool executeFiles, bool locked, bool select, int position) {
    OpenOutcome outcome;
    if (!item) return outcome;
    if (bar_.LauncherMode()) {
        outcome.toLauncher = true;
        outcome.done = true;
        return outcome;
    }
    return OpenAsTab(item, executeFiles, locked, select, position, 0);
}

OpenOutcome TabModel::OpenAsTab(const ItemPtr& item, bool executeFiles, bool locked, bool select, int position,
                                int hops) {
    OpenOutcome outcome;
    if (!item->Exists()) return outcome;
    if (item->IsFolder()) {
        if (FolderPtr folder = item->BindFolder()) TakeOutcome(outcome, AddFolderTab(folder, locked, select, position));
        return outcome;
    }
    if (item->IsShortcut()) {
        if (hops >= kMaxShortcutHops) return outcome;
        ShortcutTarget target = item->Resolve();
        if (!target.folder) {
            TakeOutcome(outcome, AddFolderTab(desktop_, locked, select, position));
        } else if (target.child) {
            outcome = OpenAsTab(target.child, false, locked, select, position, hops + 1);
        } else {
            TakeOutcome(outcome, AddFolderTab(target.folder, locked, select, position));
        }
        return outcome;
    }
    if (executeFiles) {
        outcome.run = item;
        outcome.done = true;
        return outcome;
    }
    if (FolderPtr parent = item->Parent()) {
        TakeOutcome(outcome, AddFolderTab(parent, locked, select, position));
        if (outcome.done) outcome.select = item;
    }
    return outcome;
}

Outcome TabModel::NavigatePane(Pane pane, const FolderPtr& folder) {
    Outcome outcome;
    if (!Shows(pane) || !folder || !folder->CanEnumerate()) return outcome;
    SaveViewState(pane);
    Entry& tab = *At(Selection(pane));
    if (tab.record.locked) {
        // The locked tab keeps its folder; the list moves on in a new tab with its own view.
        TabRecord state = tab.record;
        state.folder = folder;
        outcome = AddTabFromState(state, kTakeStyle | kTakeSort | kTakeWidths, -1, pane);
        if (!outcome.done) return outcome;
        bar_.LayoutTabBar();
        bar_.ShowRowOf(pane);
        return outcome;
    }
    outcome.sound = Sound::CD;
    tab.record.title = TitleOf(*folder);
    tab.record.folder = folder;
    bar_.LayoutTabBar();
    ApplyTabsToPanes();
    (pane == Pane::Main ? outcome.loadMain : outcome.loadSub) = true;
    bar_.Invalidate();
    outcome.done = true;
    return outcome;
}

Outcome TabModel::NavigateRemembering(Pane pane, const FolderPtr& folder) {
    if (!Shows(pane)) return Outcome();
    // The history belongs to the tab the list shows now, even when a locked tab opens another.
    int position = Selection(pane);
    PushHistory(position);
    Outcome outcome = NavigatePane(pane, folder);
    if (!outcome.done) PopHistory(position);
    return outcome;
}

OpenOutcome TabModel::OpenItemInPane(Pane pane, const ItemPtr& item, bool rememberFolder) {
    if (!item) return OpenOutcome();
    return OpenInPane(pane, item, rememberFolder, 0);
}

OpenOutcome TabModel::OpenInPane(Pane pane, const ItemPtr& item, bool rememberFolder, int hops) {
    OpenOutcome outcome;
    if (item->IsFolder()) {
        FolderPtr folder = item->BindFolder();
        if (folder)
            TakeOutcome(outcome, rememberFolder ? NavigateRemembering(pane, folder) : NavigatePane(pane, folder));
        return outcome;
    }
    if (item->IsShortcut()) {
        if (hops >= kMaxShortcutHops) return outcome;
        ShortcutTarget target = item->Resolve();
        if (target.folder && target.child) {
            outcome = OpenInPane(pane, target.child, true, hops + 1);
        } else if (target.folder) {
            TakeOutcome(outcome, NavigateRemembering(pane, target.folder));
        } else if (!target.path.empty()) {
            outcome.openPath = target.path;
            outcome.done = true;
        }
        return outcome;
    }
    outcome.run = item;
    outcome.done = true;
    return outcome;
}

Outcome TabModel::GoToHistoryEntry(Pane pane, int entry) {
    if (!Shows(pane)) return Outcome();
    int position = Selection(pane);
    const std::deque<FolderPtr>& history = At(position)->history;
    if (entry < 1 || entry > static_cast<int>(history.size())) return Outcome();
    FolderPtr target = history[static_cast<size_t>(entry - 1)];
    Outcome outcome = NavigatePane(pane, target);
    if (outcome.done) {
        // A locked tab may have opened a new tab, which moves the tabs in memory.
        std::deque<FolderPtr>& left = At(position)->history;
        left.erase(left.begin(), left.begin() + entry);
    }
    return outcome;
}

bool TabModel::SelectAroundClose(int position, int count, bool& twoPane, bool& left, bool& reloadMain) {
    if (count <= 1 || position < 1 || position > count) return false;
    CloseSelections close = SelectionsAfterClose(count, {main_, sub_}, twoPane, position);
    main_ = close.next.main;
    sub_ = close.next.sub;
    if (close.leaveTwoPane) {
        twoPane = false;
        left = true;
    }
    reloadMain = reloadMain || close.reloadMain;
    return true;
}

Outcome TabModel::CloseTab(int position) {
    Outcome outcome;
    if (Count() <= 1 || !At(position)) return outcome;
    bool twoPane = panes_.TwoPane();
    if (SelectionsAfterClose(Count(), {main_, sub_}, twoPane, position).reloadMain) SaveViewState(Pane::Main);
    bool left = false;
    SelectAroundClose(position, Count(), twoPane, left, outcome.loadMain);
    tabs_.erase(tabs_.begin() + (position - 1));
    ApplyTabsToPanes();
    outcome.leaveTwoPane = left;
    bar_.LayoutTabBar();
    bar_.ShowRowOf(Pane::Main);
    bar_.Invalidate();
    outcome.done = true;
    return outcome;
}

Outcome TabModel::CloseTabs(CloseKind kind) {
    if (kind < CloseKind::Unselected || kind > CloseKind::Unlocked) return Outcome();
    // Every tab is judged as the tabs stand before the walk.
    const int count = Count();
    bool twoPane = panes_.TwoPane();
    std::vector<char> closing(static_cast<size_t>(count), 0);
    std::set<std::string> keptPaths;
    for (int position = 1; position <= count; ++position) {
        const TabRecord& tab = At(position)->record;
        bool close = false;
        switch (kind) {
        case CloseKind::Unselected: close = position != main_ && !(twoPane && position == sub_); break;
        case CloseKind::Duplicates: close = !keptPaths.insert(tab.folder->Path()).second; break;
        case CloseKind::NotDisplayed: close = !bar_.OnDisplayedRow(position) || tab.rect.left == -1; break;
        case CloseKind::Unlocked: close = !tab.locked; break;
        }
        closing[static_cast<size_t>(position - 1)] = close;
    }
    // Both lists are loaded afresh afterwards; their present state goes into their tabs once, now,
    // since the tabs that they take over during the walk have not been shown yet.
    SaveViewState(Pane::Main);
    SaveViewState(Pane::Sub);
    Outcome outcome;
    bool left = false;
    int closed = 0;
    for (int position = 1; position <= count; ++position) {
        char& close = closing[static_cast<size_t>(position - 1)];
        close = close && SelectAroundClose(position - closed, count - closed, twoPane, left, outcome.loadMain);
        closed += close;
    }
    // The tabs go in one pass, so that closing many of many tabs takes no longer than looking at them.
    size_t kept = 0;
    for (size_t tab = 0; tab < tabs_.size(); ++tab) {
        if (closing[tab]) continue;
        if (kept != tab) tabs_[kept] = std::move(tabs_[tab]);
        ++kept;
    }
    tabs_.erase(tabs_.begin() + static_cast<std::ptrdiff_t>(kept), tabs_.end());
    outcome.done = closed > 0;
    outcome.leaveTwoPane = left;
    bar_.LayoutTabBar();
    ApplyTabsToPanes();
    if (kind == CloseKind::NotDisplayed) bar_.ShowRowOf(Pane::Main);
    outcome.loadMain = true;
    outcome.loadSub = twoPane && At(sub_) != nullptr;
    bar_.Invalidate();
    return outcome;
}

Outcome TabModel::MoveTab(int from, int to) {
    Outcome outcome;
    if (bar_.LauncherMode()) {
        outcome.toLauncher = true;
        outcome.done = true;
        return outcome;
    }
    if (Count() <= 1 || from == to || !At(from) || !At(to)) return outcome;
    SaveViewState(Pane::Main);
    SaveViewState(Pane::Sub);
    MoveSelections move = SelectionsAfterMove({main_, sub_}, panes_.TwoPane(), from, to);
    Entry moved = std::move(tabs_[static_cast<size_t>(from - 1)]);
    tabs_.erase(tabs_.begin() + (from - 1));
    tabs_.insert(tabs_.begin() + (to - 1), std::move(moved));
    main_ = move.next.main;
    sub_ = move.next.sub;
    ApplyTabsToPanes();
    bar_.LayoutTabBar();
    (move.forSub ? outcome.loadSub : outcome.loadMain) = true;
    outcome.done = true;
    return outcome;
}

Outcome TabModel::ToggleLock(int position) {
    Outcome outcome;
    Entry* tab = At(position);
    if (!tab) return outcome;
    tab->record.locked = !tab->record.locked;
    outcome.sound = tab->record.locked ? Sound::TABLOCK : Sound::TABUNLOCK;
    ApplyTabsToPanes();
    bar_.LayoutTabBar();
    bar_.Invalidate();
    outcome.done = true;
    return outcome;
}

Outcome TabModel::RenameTab(int position, bool confirmed, const std::string& name) {
    Outcome outcome;
    Entry* tab = At(position);
    if (!tab) return outcome;
    aliases_.Set(tab->record.folder->Path(), confirmed ? name : std::string());
    RefreshTabTitles();
    bar_.LayoutTabBar();
    bar_.Invalidate();
    outcome.done = true;
    return outcome;
}

Outcome TabModel::CloseSelectedTab(Pane pane) {
    if (!Shows(pane)) return Outcome();
    Outcome outcome = CloseTab(Selection(pane));
    if (!outcome.done) outcome = NavigatePane(Pane::Main, desktop_);
    return outcome;
}

void TabModel::SaveViewState(Pane pane) {
    if (!Shows(pane)) return;
    ListViewState& view = At(Selection(pane))->record.view;
    view.style = panes_.ViewStyle(pane);
    view.sort = panes_.Sort(pane);
    if (view.style == kCommentStyle) {
        view.columnWidths[5] = panes_.ColumnWidth(pane, 0);
        view.columnWidths[6] = panes_.ColumnWidth(pane, 1);
    } else if (view.style == kDetailsStyle) {
        for (int column = 0; column < kSortColumnCount; ++column)
            view.columnWidths[static_cast<size_t>(column)] = panes_.ColumnWidth(pane, column);
    }
}

void TabModel::ApplyTabsToPanes() {
    for (Pane pane : {Pane::Main, Pane::Sub}) {
        if (!Shows(pane)) continue;
        TabRecord shown = At(Selection(pane))->record;
        shown.view = ShownViewState(shown.view);
        panes_.ShowTab(pane, shown);
    }
}

void TabModel::RefreshTabTitles() {
    for (Entry& tab : tabs_) tab.record.title = TitleOf(*tab.record.folder);
}

}  // namespace tabs
