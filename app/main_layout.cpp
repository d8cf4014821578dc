#include "app/main_window.h"

void MainWindow::Place(HWND window, const layout::Box& box) {
    if (!window) return;
    if (!box.shown) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_SHOWWINDOW | SWP_NOZORDER);
}

void MainWindow::AfterModeSwitch(const layout::SwitchResult& result) {
    if (!result.changed) return;
    const tabs::Pane main = tabs::Pane::Main, sub = tabs::Pane::Sub;
    if (result.closeSubList) {
        tabModel_.SaveViewState(sub);
        tabModel_.Select(sub, -1);
        subWatcher_.Watch(std::string());
    }
    if (result.openSubList)
        tabModel_.Select(sub,
                         layout::ChooseSubTab(tabModel_.Selection(sub), tabModel_.Selection(main), tabModel_.Count()));
    LayOut(true);
    if (result.openSubList) LoadPane(sub);
    RefreshModeButtons();
    if (bars_.tabBar) InvalidateRect(bars_.tabBar, nullptr, FALSE);
}

layout::Rect MainWindow::ClientArea() const {
    RECT client{};
    GetClientRect(window_, &client);
    return layout::Rect{client.left, client.top, client.right, client.bottom};
}

void MainWindow::ChooseStartLayout(bool subTabShown) {
    layout_ = MainLayout{};
    layout_.sizes.leftWidth = context_.settings.leftWidth;
    layout_.sizes.subWidth = context_.settings.subWidth;
    layout_.sizes.subHeight = context_.settings.subHeight;
    layout_.sizes.subToTheRight = context_.settings.listDivide != 0;
    layout_.modes.memory = layout::kNoLeftPane;
    if (subTabShown) layout_.modes.mode = layout::kTwoPane;
    else if (context_.settings.treeExist)
        layout_.modes.mode = layout::kTree;
    else if (context_.settings.favExist)
        layout_.modes.mode = layout::kFavourites;
    else
        layout_.modes.mode = layout::kListsOnly;
}

void MainWindow::RecordLayoutSettings() {
    context_.settings.leftWidth = layout_.sizes.leftWidth;
    context_.settings.subWidth = layout_.sizes.subWidth;
    context_.settings.subHeight = layout_.sizes.subHeight;
    context_.settings.treeExist = layout_.modes.mode == layout::kTree;
    context_.settings.favExist = layout_.modes.mode == layout::kFavourites;
}

void MainWindow::LayOut(bool invalidate) {
    layout::Placement p = layout::Place(layout_.modes.mode, ClientArea(), layout_.sizes);
    Place(bars_.tabBar, p.tabBar);
    Place(mainList_.Window(), p.mainList);
    Place(bars_.mainHeader, p.mainHeader);
    Place(bars_.mainInfo, p.mainInfo);
    Place(subList_.Window(), p.subList);
    Place(bars_.subHeader, p.subHeader);
    Place(bars_.subInfo, p.subInfo);
    Place(tree_.Window(), p.tree);
    Place(bars_.treeHeader, p.treeHeader);
    Place(favourites_.Window(), p.favourites);
    Place(bars_.favouritesHeader, p.favouritesHeader);
    layout_.hasSplitter = p.hasSplitter;
    layout_.splitterVertical = p.splitterVertical;
    layout_.splitter = p.splitter;
    LayOutWindowButtons();
    if (layout_.modes.mode == layout::kTree) StartTree();
    if (invalidate) InvalidateRect(window_, nullptr, FALSE);
}

// Filling the tree reads the desktop and every drive, which would slow every start of a window
// that does not show it; it is filled when it is first shown, at the main list's folder.
void MainWindow::StartTree() {
    if (tree_.Started()) return;
    tree_.Start(*this, TreeShared{context_.settings, theme_, context_.shell, context_.instance}, bars_.treeHeader,
                &tabBar_);
    if (mainList_.Model().Folder()) tree_.SyncToList(mainList_.Model().Folder());
}

void MainWindow::ShowAllPanes() {
    HWND always[] = {bars_.tabBar, mainList_.Window(), bars_.mainHeader, bars_.mainInfo};
    for (HWND window : always)
        if (window) ShowWindow(window, SW_SHOW);
    ShowFrameButtons();
    LayOut(false);
}

void MainWindow::HideAllPanes() {
    HWND all[] = {mainList_.Window(), subList_.Window(), tree_.Window(),         favourites_.Window(),
                  bars_.tabBar,       bars_.treeHeader,  bars_.favouritesHeader, bars_.mainHeader,
                  bars_.subHeader,    bars_.mainInfo,    bars_.subInfo};
    for (HWND window : all)
        if (window) ShowWindow(window, SW_HIDE);
    HideFrameButtons();
}

void MainWindow::ToggleTreeMode() {
    context_.sounds.PlayEventSound(SoundEvent::BTN);
    RECT client;
    GetClientRect(window_, &client);
    AfterModeSwitch(layout::ToggleTree(layout_.modes, layout_.sizes, client.right - client.left));
}

void MainWindow::ToggleFavouritesMode() {
    RECT client;
    GetClientRect(window_, &client);
    AfterModeSwitch(layout::ToggleFavourites(layout_.modes, layout_.sizes, client.right - client.left));
}

void MainWindow::SwitchTwoPaneOn() {
    if (layout_.modes.mode != layout::kTwoPane) ToggleTwoPaneMode();
}

void MainWindow::ToggleTwoPaneMode() { AfterModeSwitch(layout::ToggleTwoPane(layout_.modes, tabModel_.Count())); }

void MainWindow::ToggleHiddenFiles() {
    context_.sounds.PlayEventSound(SoundEvent::BTN);
    context_.settings.showHidden = !context_.settings.showHidden;
}

void MainWindow::ToggleExtendedTips() { context_.settings.extendedTips = !context_.settings.extendedTips; }
