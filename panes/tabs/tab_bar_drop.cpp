// The bar's side of an OLE drag over it: the spot the drag points at, the menu of a drop on a tab,
// and the launches of a drop on a launcher entry.
#include "panes/tabs/tab_bar.h"

void TabBar::ShowDropSpot(POINT client) {
    tabbar::DropSpot spot = tabbar::DropSpotAt(layout_, Shown(), client.x, client.y);
    if (spot.hover == dropHover_ && spot.insert == insertionMark_) return;
    dropHover_ = spot.hover;
    insertionMark_ = spot.insert;
    Invalidate();
}

void TabBar::ClearDropSpot() {
    dropHover_ = 0;
    insertionMark_ = 0;
    Invalidate();
}

int TabBar::ShowDropMenu(POINT screen, bool canCopy) {
    ActionMenu menu(theme_);
    if (canCopy) {
        menu.Add(kDropCopy, kMenuIconNone, "ここにコピー");
        menu.Add(kDropMove, kMenuIconNone, "ここに移動");
    }
    menu.Add(kDropAddTabs, kMenuIconNone, "タブ追加");
    menu.Add(kDropCancel, kMenuIconNone, "キャンセル");
    return menu.Show(window_, screen);
}

void TabBar::QueueLaunches(int position, std::vector<std::string> parameters) {
    const LauncherEntry* entry = launcher_.Entry(position);
    if (!entry || parameters.empty() || !window_) return;
    for (std::string& text : parameters) queuedLaunches_.push_back({entry->serial, std::move(text)});
    PostMessageA(window_, kRunQueuedLaunchesMessage, 0, 0);
}

void TabBar::RunQueuedLaunches() {
    std::vector<QueuedLaunch> launches;
    launches.swap(queuedLaunches_);
    for (const QueuedLaunch& launch : launches) {
        // The entry may have moved, or gone, since the drop.
        int position = launcher_.PositionOf(launch.entry);
        if (position > 0) launcher_.RunWith(position, Owner(), host_->Executor(), launch.parameters);
    }
}
