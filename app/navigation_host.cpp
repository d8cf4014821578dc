// The main window's answers to the header bars: the back histories that their menus show, and the
// folders that their menus and typed paths lead to, all through the tabs.
#include "app/main_window.h"

#include <memory>
#include <utility>

std::vector<ComPtr<IShellFolder>> MainWindow::BackHistory(const ListPane& list) const {
    std::vector<ComPtr<IShellFolder>> folders;
    tabs::Pane pane = PaneOf(list);
    if (pane == tabs::Pane::Sub && !TwoPane()) return folders;
    for (const tabs::FolderPtr& folder : tabModel_.History(tabModel_.Selection(pane)))
        folders.push_back(ComPtr<IShellFolder>::Share(ShellTabFolder::ShellFolderOf(folder)));
    return folders;
}

void MainWindow::GoToHistoryEntry(ListPane& list, int entry) { Carry(tabModel_.GoToHistoryEntry(PaneOf(list), entry)); }

void MainWindow::ShowFolder(ListPane& list, ComPtr<IShellFolder> folder, bool rememberFolder) {
    if (!folder) return;
    tabs::Pane pane = PaneOf(list);
    auto shown = std::make_shared<ShellTabFolder>(std::move(folder));
    Carry(rememberFolder ? tabModel_.NavigateRemembering(pane, shown) : tabModel_.NavigatePane(pane, shown));
}

void MainWindow::OpenFolderAsNewTab(ComPtr<IShellFolder> folder) {
    if (!folder) return;
    Carry(tabModel_.AddFolderTab(std::make_shared<ShellTabFolder>(std::move(folder)), false, true, -1));
}

void MainWindow::OpenFavouriteTabs(const std::vector<tabs::FolderPtr>& folders) {
    tabs::Outcome last;
    for (const tabs::FolderPtr& folder : folders) {
        tabs::Outcome added = tabModel_.AddFolderTab(folder, false, true, -1);
        if (added.done) last = added;
    }
    // The last tab added is the main list's now; one sound for them all.
    if (last.done) Carry(last);
}
