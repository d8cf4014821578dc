// Items dropped on the window or on the tab bar, opened as tabs in one go: the bar is laid out
// once, the main list loaded once and the sound played once, however many items came.
#include "app/main_window.h"

void MainWindow::OpenDroppedItems(IShellFolder* parent, const std::vector<ItemIdList>& children, int position) {
    if (!parent || children.empty()) return;
    tabModel_.SaveViewState(tabs::Pane::Main);
    if (TwoPane()) tabModel_.SaveViewState(tabs::Pane::Sub);
    int added = 0;
    tabs::OpenOutcome last;
    {
        TabBar::LayoutHold hold(tabBar_);
        for (const ItemIdList& child : children) {
            tabs::OpenOutcome outcome = tabModel_.OpenItemAsUnselectedTab(ItemOf(parent, child.Get()), position);
            if (outcome.toLauncher) {
                tabBar_.AddLauncherEntry(parent, child.Get(), position);
                continue;
            }
            if (!outcome.done) continue;
            ++added;
            last = outcome;
        }
        if (added > 0 && position == -1) tabModel_.Select(tabs::Pane::Main, tabModel_.Count());
        if (added > 0) tabBar_.ShowRowOf(tabs::Pane::Main);
    }
    if (added == 0) return;
    context_.sounds.PlayEventSound(static_cast<int>(tabs::Sound::ADDTAB));
    tabModel_.ApplyTabsToPanes();
    LoadPane(tabs::Pane::Main);
    // A dropped file opens its folder with the file selected, when the main list shows that tab.
    if (last.select && position == -1) SelectInMainList(last.select);
    tabBar_.Invalidate();
}
