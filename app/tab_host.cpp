// The main window's side of the tab operations: it shows the tabs in the lists, carries out what
// each operation leaves to its caller, and answers what the lists ask of it.
#include "app/main_window.h"

#include <commctrl.h>

#include <memory>

#include "shell/shell_execute.h"

int MainWindow::ViewStyle(tabs::Pane pane) const { return ListOf(pane).Style(); }

tabs::SortOrder MainWindow::Sort(tabs::Pane pane) const { return ListOf(pane).ViewState().sort; }

int MainWindow::ColumnWidth(tabs::Pane pane, int column) const {
    return static_cast<int>(SendMessageA(ListOf(pane).Window(), LVM_GETCOLUMNWIDTH, column, 0));
}

void MainWindow::ShowTab(tabs::Pane pane, const tabs::TabRecord& tab) { ListOf(pane).TakeViewState(tab.view); }

void MainWindow::LoadPane(tabs::Pane pane) {
    const tabs::TabRecord* tab = tabModel_.Tab(tabModel_.Selection(pane));
    if (!tab) return;
    ListPane& list = ListOf(pane);
    list.TakeViewState(ShownViewState(tab->view));
    // Watched before it is read, so that a change made while it is read is not missed.
    WatcherOf(pane).Watch(ShellTabFolder::DirectoryOf(tab->folder));
    if (!list.Show(ComPtr<IShellFolder>::Share(ShellTabFolder::ShellFolderOf(tab->folder)))) WatchShownFolder(pane);
    if (pane == tabs::Pane::Main) tree_.SyncToList(list.Model().Folder());
    // A fill in either list ends the single selection of both.
    ListOf(pane == tabs::Pane::Main ? tabs::Pane::Sub : tabs::Pane::Main).Model().lastSingleSelection = -1;
}

void MainWindow::Carry(const tabs::Outcome& outcome) {
    if (outcome.sound != tabs::Sound::None) context_.sounds.PlayEventSound(static_cast<int>(outcome.sound));
    if (outcome.leaveTwoPane && layout_.modes.mode == layout::kTwoPane) {
        tabModel_.Select(tabs::Pane::Sub, -1);
        ToggleTwoPaneMode();
    }
    if (outcome.loadMain) LoadPane(tabs::Pane::Main);
    if (outcome.loadSub && layout_.modes.mode == layout::kTwoPane) LoadPane(tabs::Pane::Sub);
    tabBar_.Invalidate();
}

void MainWindow::Carry(const tabs::OpenOutcome& outcome) {
    Carry(static_cast<const tabs::Outcome&>(outcome));
    if (outcome.run) Run(outcome.run);
    if (!outcome.openPath.empty()) OpenAddress(*context_.executor, outcome.openPath);
    if (outcome.select) SelectInMainList(outcome.select);
}

tabs::ItemPtr MainWindow::ItemOf(IShellFolder* parent, PCUITEMID_CHILD child) const {
    ItemIdList copy = CloneItemList(child);
    if (!parent || !copy) return nullptr;
    return std::make_shared<ShellTabItem>(context_.shell, ComPtr<IShellFolder>::Share(parent), std::move(copy));
}

void MainWindow::Run(const tabs::ItemPtr& item) {
    auto* shellItem = static_cast<ShellTabItem*>(item.get());
    RunItem(*context_.executor, window_, shellItem->ParentFolder(), shellItem->Child());
}

void MainWindow::SelectInMainList(const tabs::ItemPtr& item) {
    auto* shellItem = static_cast<ShellTabItem*>(item.get());
    FolderList& model = mainList_.Model();
    if (!model.Folder()) return;
    for (size_t row = 0; row < model.Count(); ++row) {
        if (model.Folder()->CompareIDs(0, model.Item(row), shellItem->Child()) != 0) continue;
        LVITEMA state{};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(mainList_.Window(), LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&state));
        SendMessageA(mainList_.Window(), LVM_ENSUREVISIBLE, row, FALSE);
        return;
    }
}

void MainWindow::OpenItem(ListPane& list, ComPtr<IShellFolder> folder, ItemIdList item, bool rememberFolder) {
    if (!folder || !item) return;
    auto opened = std::make_shared<ShellTabItem>(context_.shell, std::move(folder), std::move(item));
    Carry(tabModel_.OpenItemInPane(PaneOf(list), opened, rememberFolder));
}

bool MainWindow::TabLocked(const ListPane& list) const {
    const tabs::TabRecord* tab = tabModel_.Tab(tabModel_.Selection(PaneOf(list)));
    return tab && tab->locked;
}

void MainWindow::OpenItemsAsTabs(ListPane& list, ComPtr<IShellFolder> parent, std::vector<ItemIdList> items) {
    tabModel_.SaveViewState(PaneOf(list));
    for (ItemIdList& item : items) {
        tabs::OpenOutcome outcome = tabModel_.OpenItemAsTab(ItemOf(parent.Get(), item.Get()), true, false, -1);
        if (outcome.toLauncher) tabBar_.AddLauncherEntry(parent.Get(), item.Get(), -1);
        else
            Carry(outcome);
    }
}

void MainWindow::ToggleGestures(ListPane&) {
    context_.sounds.PlayEventSound(SoundEvent::BTN);
    ToggleGesturesOn();
}

void MainWindow::ToggleGesturesOn() {
    context_.gestures.SetEnabled(!context_.gestures.Enabled());
    RefreshModeButtons();
}

void MainWindow::PlayStrokeSound(int direction) { context_.sounds.PlayStrokeSound(direction); }

bool MainWindow::ShowNextTab(ListPane& list) {
    tabs::Pane pane = PaneOf(list);
    tabs::Pane other = pane == tabs::Pane::Main ? tabs::Pane::Sub : tabs::Pane::Main;
    int otherTab = TwoPane() ? tabModel_.Selection(other) - 1 : -1;
    int next = search::NextTabInList(tabModel_.Count(), tabModel_.Selection(pane) - 1, otherTab);
    if (next < 0) return false;
    tabModel_.SaveViewState(pane);
    tabModel_.Select(pane, next + 1);
    tabBar_.ShowRowOf(pane);
    tabBar_.Invalidate();
    LoadPane(pane);
    return true;
}

void MainWindow::MoveFocusOn(ListPane& list) {
    if (&list == &mainList_ && TwoPane()) {
        SetFocus(subList_.Window());
        return;
    }
    SetFocus(layout_.modes.mode == layout::kTree ? tree_.Window() : favourites_.Window());
}

void MainWindow::GoUp(ListPane& list) {
    ComPtr<IShellFolder> parent = ParentFolder(list.Model().Folder());
    if (!parent) return;
    context_.sounds.PlayEventSound(SoundEvent::BTN);
    Carry(tabModel_.NavigateRemembering(PaneOf(list), std::make_shared<ShellTabFolder>(std::move(parent))));
}

void MainWindow::ShowInMainList(ComPtr<IShellFolder> folder) {
    if (!folder) return;
    Carry(tabModel_.NavigateRemembering(tabs::Pane::Main, std::make_shared<ShellTabFolder>(std::move(folder))));
}

void MainWindow::PlayTreeSound(TreeSound sound) {
    SoundEvent event = SoundEvent::BTN;
    switch (sound) {
    case TreeSound::Button: event = SoundEvent::BTN; break;
    case TreeSound::Erase: event = SoundEvent::ERASE; break;
    case TreeSound::Unerase: event = SoundEvent::UNERASE; break;
    case TreeSound::Drag: event = SoundEvent::DRAG; break;
    case TreeSound::Drop: event = SoundEvent::DROP; break;
    }
    context_.sounds.PlayEventSound(event);
}

void MainWindow::GoBack(ListPane& list) {
    tabs::Pane pane = PaneOf(list);
    if (pane == tabs::Pane::Sub && !TwoPane()) return;
    int position = tabModel_.Selection(pane);
    if (!tabModel_.Tab(position) || tabModel_.History(position).empty()) return;
    context_.sounds.PlayEventSound(SoundEvent::BTN);
    Carry(tabModel_.GoBack(pane));
}

void MainWindow::CopyToOtherList(ListPane& list, bool move) {
    if (!TwoPane() || SendMessageA(list.Window(), LVM_GETSELECTEDCOUNT, 0, 0) == 0) return;
    list.RunItemCommand(move ? ItemCommand::Cut : ItemCommand::Copy);
    ListPane& other = &list == &mainList_ ? subList_ : mainList_;
    other.RunItemCommand(ItemCommand::Paste);
    context_.sounds.PlayEventSound(SoundEvent::DROP);
}
