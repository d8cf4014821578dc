// The change watchers: each list follows the directory it shows, and the window reads the list
// again when its watcher asks; the tree follows the drives itself.
#include "app/main_window.h"

#include "shell/folder_binding.h"

namespace {

// A watcher stuck longer in the system is left behind at exit.
constexpr DWORD kWatcherStopMs = 2000;

}  // namespace

void MainWindow::StartListWatchers() {
    for (tabs::Pane pane : {tabs::Pane::Main, tabs::Pane::Sub}) {
        ListPane& list = ListOf(pane);
        FolderWatcher::Message reload{window_, kReloadListMessage, reinterpret_cast<LPARAM>(list.Window())};
        WatcherOf(pane).Start(reload, list.Model().OwnChangeEvent());
    }
}

void MainWindow::StopWatchers() {
    mainWatcher_.AskToStop();
    subWatcher_.AskToStop();
    tree_.AskWatcherToStop();
    mainWatcher_.Stop(kWatcherStopMs);
    subWatcher_.Stop(kWatcherStopMs);
    tree_.StopWatcher(kWatcherStopMs);
}

// After a folder could not be shown the list may show another already, or still the one before.
void MainWindow::WatchShownFolder(tabs::Pane pane) {
    bool shown = pane == tabs::Pane::Main || TwoPane();
    WatcherOf(pane).Watch(shown ? FolderDirectory(ListOf(pane).Model().Folder()) : std::string());
}

// Only our own lists reload, whatever window a late message names, and the sub list only while
// the two-pane view shows it.
void MainWindow::ReloadForWatcher(HWND list) {
    for (tabs::Pane pane : {tabs::Pane::Main, tabs::Pane::Sub}) {
        if (!list || list != ListOf(pane).Window()) continue;
        WatcherOf(pane).ReloadTaken();
        if (pane == tabs::Pane::Main || TwoPane()) ListOf(pane).Reload();
    }
}
