// The bar's popup menus: the tab menu (and the launcher entry's), the new-tab button's bulk
// closes and the row button's list of rows. A choice is carried out on the tab the menu was shown
// for, found again by its serial, since tabs may come and go while a menu is open.
#include "panes/tabs/tab_bar.h"

#include <vector>

#include "panes/tabs/action_menu.h"
#include "ui/name_dialog.h"

namespace {

const char* const kRowTexts[] = {"1番目のタブ", "2番目のタブ", "3番目のタブ", "4番目のタブ", "5番目のタブ"};

}  // namespace

void TabBar::ShowTabMenu(int position) {
    HideTip();
    host_->PlaySound(tabs::Sound::BTN);
    ActionMenu menu(theme_);
    unsigned serial = 0;
    tabs::TabRect rect;
    const bool forLauncher = launcherMode_;
    if (forLauncher) {
        const LauncherEntry* entry = launcher_.Entry(position);
        if (!entry) return;
        serial = entry->serial;
        rect = entry->rect;
    } else {
        const tabs::TabRecord* tab = model_->Tab(position);
        if (!tab) return;
        serial = tab->serial;
        rect = tab->rect;
    }
    FillTabMenu(menu, position);
    POINT at{rect.left, rect.bottom};
    ClientToScreen(window_, &at);
    int action = menu.Show(Owner(), at);
    if (action == 0) return;
    if (forLauncher) RunLauncherMenuChoice(serial, action);
    else
        RunTabMenuChoice(serial, action);
}

void TabBar::FillTabMenu(ActionMenu& menu, int position) const {
    if (launcherMode_) {
        menu.Add(kRemoveEntry, kMenuIconClose, "閉じる");
        return;
    }
    const tabs::TabRecord* tab = model_->Tab(position);
    if (!tab) return;
    menu.Add(kRename, kMenuIconRename, "タブ名の変更");
    menu.Add(kToggleLock, tab->locked ? kMenuIconUnlock : kMenuIconLock, tab->locked ? "ロック解除" : "ロック");
    if (model_->Count() > 1) menu.Add(kClose, kMenuIconClose, "タブを閉じる");
    bool shownByMain = position == model_->Selection(tabs::Pane::Main);
    bool shownBySub = host_->TwoPaneShown() && position == model_->Selection(tabs::Pane::Sub);
    if (!shownByMain && !shownBySub) menu.Add(kSubSelection, kMenuIconSubSelection, "副選択");
}

void TabBar::RunTabMenuChoice(unsigned serial, int choice) {
    int position = model_->PositionOf(serial);
    if (position == -1) return;
    switch (choice) {
    case kRename: RenameTab(position); break;
    case kToggleLock: host_->Carry(model_->ToggleLock(position)); break;
    case kClose:
        CloseTabAsDoubleClick(position);
        host_->RefreshTwoPaneButtons();
        break;
    case kSubSelection: SelectTab(position, tabbar::ClickFor::Sub, false); break;
    default: break;
    }
}

void TabBar::RunLauncherMenuChoice(unsigned serial, int choice) {
    int position = launcher_.PositionOf(serial);
    if (position == -1 || choice != kRemoveEntry) return;
    launcher_.Remove(position);
    LayoutTabBar();
    Invalidate();
}

void TabBar::RenameTab(int position) {
    const tabs::TabRecord* tab = model_->Tab(position);
    if (!tab) return;
    const unsigned serial = tab->serial;
    std::string name = tab->title;
    int result = RunNameDialog(Owner(), theme_, name);
    position = model_->PositionOf(serial);
    if (position != -1) host_->Carry(model_->RenameTab(position, result == 1, name));
}

void TabBar::ShowNewTabMenu() {
    ActionMenu menu(theme_);
    if (launcherMode_) {
        menu.Add(1, kMenuIconNone, "空にする");
    } else {
        menu.Add(static_cast<int>(tabs::CloseKind::Unselected), kMenuIconNone, "選択されていないタブを閉じる");
        menu.Add(static_cast<int>(tabs::CloseKind::Duplicates), kMenuIconNone, "重複しているタブを閉じる");
        menu.Add(static_cast<int>(tabs::CloseKind::NotDisplayed), kMenuIconNone, "表示されているタブ以外を閉じる");
        bool anyLocked = false;
        for (int position = 1; position <= model_->Count(); ++position) anyLocked |= model_->Tab(position)->locked;
        if (anyLocked)
            menu.Add(static_cast<int>(tabs::CloseKind::Unlocked), kMenuIconNone, "ロックされていないタブを閉じる");
    }
    const bool forLauncher = launcherMode_;
    int action = menu.Show(Owner(), newTab_->BottomLeftOnScreen());
    if (action == 0) return;
    if (forLauncher) {
        // The launcher's bulk close: every entry goes, and the file is left empty at exit.
        launcher_.Clear();
        LayoutTabBar();
        Invalidate();
        return;
    }
    host_->Carry(model_->CloseTabs(static_cast<tabs::CloseKind>(action)));
}

void TabBar::ShowRowMenu() {
    // The rows' actions are their numbers; the launcher's is kept apart from them by its sign.
    constexpr int kLauncherChoice = -1;
    ActionMenu menu(theme_);
    tabbar::BarLayout tabRows = TabLayout();
    auto mark = [](bool current) { return current ? kMenuIconCheck : kMenuIconNone; };
    menu.Add(1, mark(!launcherMode_ && displayedRow_ == 1), kRowTexts[0]);
    for (int row = 2; row <= rowCount_; ++row)
        if (tabbar::RowHoldsTabs(tabRows, row))
            menu.Add(row, mark(!launcherMode_ && displayedRow_ == row), kRowTexts[row - 1]);
    menu.Add(kLauncherChoice, mark(launcherMode_), "ランチャー");
    int action = menu.Show(Owner(), rowButton_->BottomLeftOnScreen());
    if (action == 0) return;
    if (action == kLauncherChoice) {
        if (!launcherMode_) ShowView({true, displayedRow_});
        return;
    }
    ShowView({false, action});
}
