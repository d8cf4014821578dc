#include "app/main_layout.h"

#include "app/frame_buttons.h"
#include "app/panes.h"
#include "app/settings_file.h"
#include "panes/favourites/favourites_tree.h"
#include "panes/list/list_views.h"
#include "app/sounds.h"
#include "panes/tabs/tab_model.h"
#include "panes/tree/folder_tree.h"

MainLayout g_layout;

namespace {

void Place(HWND window, const layout::Box& box) {
    if (!window) return;
    if (!box.shown) {
        ShowWindow(window, SW_HIDE);
        return;
    }
    SetWindowPos(window, nullptr, box.x, box.y, box.width, box.height, SWP_SHOWWINDOW | SWP_NOZORDER);
}

void AfterModeSwitch(HWND mainWindow, const layout::SwitchResult& result) {
    if (!result.changed) return;
    if (result.closeSubList) SetShownTabs(MainListTab(), -1);
    if (result.openSubList) SetShownTabs(MainListTab(), layout::ChooseSubTab(SubListTab(), MainListTab(), TabCount()));
    LayOut(mainWindow, true);
    RefreshModeButtons();
    if (g_panes.tabBar) InvalidateRect(g_panes.tabBar, nullptr, FALSE);
}

}  // namespace

layout::Rect ClientRect(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return layout::Rect{client.left, client.top, client.right, client.bottom};
}

void ChooseStartLayout(bool subTabShown) {
    g_layout = MainLayout{};
    g_layout.sizes.leftWidth = g_settings.leftWidth;
    g_layout.sizes.subWidth = g_settings.subWidth;
    g_layout.sizes.subHeight = g_settings.subHeight;
    g_layout.sizes.subToTheRight = g_settings.listDivide != 0;
    g_layout.modes.memory = layout::kNoLeftPane;
    if (subTabShown) g_layout.modes.mode = layout::kTwoPane;
    else if (g_settings.treeExist) g_layout.modes.mode = layout::kTree;
    else if (g_settings.favExist) g_layout.modes.mode = layout::kFavourites;
    else g_layout.modes.mode = layout::kListsOnly;
}

void RecordLayoutSettings() {
    g_settings.leftWidth = g_layout.sizes.leftWidth;
    g_settings.subWidth = g_layout.sizes.subWidth;
    g_settings.subHeight = g_layout.sizes.subHeight;
    g_settings.treeExist = g_layout.modes.mode == layout::kTree;
    g_settings.favExist = g_layout.modes.mode == layout::kFavourites;
}

void LayOut(HWND mainWindow, bool invalidate) {
    layout::Placement p = layout::Place(g_layout.modes.mode, ClientRect(mainWindow), g_layout.sizes);
    Place(g_panes.tabBar, p.tabBar);
    Place(g_mainList, p.mainList);
    Place(g_panes.mainHeader, p.mainHeader);
    Place(g_panes.mainInfo, p.mainInfo);
    Place(g_subList, p.subList);
    Place(g_panes.subHeader, p.subHeader);
    Place(g_panes.subInfo, p.subInfo);
    Place(g_folderTree, p.tree);
    Place(g_panes.treeHeader, p.treeHeader);
    Place(g_favouritesTree, p.favourites);
    Place(g_panes.favouritesHeader, p.favouritesHeader);
    g_layout.hasSplitter = p.hasSplitter;
    g_layout.splitterVertical = p.splitterVertical;
    g_layout.splitter = p.splitter;
    LayOutWindowButtons(mainWindow);
    if (invalidate) InvalidateRect(mainWindow, nullptr, FALSE);
}

void ShowAllPanes(HWND mainWindow) {
    HWND always[] = {g_panes.tabBar, g_mainList, g_panes.mainHeader, g_panes.mainInfo};
    for (HWND window : always)
        if (window) ShowWindow(window, SW_SHOW);
    ShowFrameButtons();
    LayOut(mainWindow, false);
}

void HideAllPanes() {
    HWND all[] = {g_mainList,         g_subList,          g_folderTree,        g_favouritesTree,
                  g_panes.tabBar,     g_panes.treeHeader, g_panes.favouritesHeader, g_panes.mainHeader,
                  g_panes.subHeader,  g_panes.mainInfo,   g_panes.subInfo};
    for (HWND window : all)
        if (window) ShowWindow(window, SW_HIDE);
    HideFrameButtons();
}

void ToggleTreeMode(HWND mainWindow) {
    PlayEventSound(SoundEvent::BTN);
    RECT client;
    GetClientRect(mainWindow, &client);
    AfterModeSwitch(mainWindow, layout::ToggleTree(g_layout.modes, g_layout.sizes, client.right - client.left));
}

void ToggleFavouritesMode(HWND mainWindow) {
    RECT client;
    GetClientRect(mainWindow, &client);
    AfterModeSwitch(mainWindow, layout::ToggleFavourites(g_layout.modes, g_layout.sizes, client.right - client.left));
}

void ToggleTwoPaneMode(HWND mainWindow) {
    AfterModeSwitch(mainWindow, layout::ToggleTwoPane(g_layout.modes, TabCount()));
}

void ToggleHiddenFiles() {
    PlayEventSound(SoundEvent::BTN);
    g_settings.showHidden = !g_settings.showHidden;
}

void ToggleExtendedTips() { g_settings.extendedTips = !g_settings.extendedTips; }
