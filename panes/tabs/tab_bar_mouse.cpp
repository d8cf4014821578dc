// The bar's mouse: a click selects a tab for a list (or runs a launcher entry), a drag moves it
// with the insertion mark, a double click closes it, and the wheel switches the rows.
#include "panes/tabs/tab_bar.h"

#include "res/ids.h"

void TabBar::ClearPress() {
    buttonDown_ = false;
    dragStarted_ = false;
    ignorePress_ = false;
    pressed_ = -1;
    insertionMark_ = 0;
}

void TabBar::OnLeftDown(POINT point) {
    SetCapture(window_);
    buttonDown_ = true;
    dragStarted_ = false;
    insertionMark_ = 0;
    pressed_ = HitTestTab(point.x, point.y);
    ignorePress_ = pressed_ == -1;
}

void TabBar::OnMouseMove(POINT point) {
    if (!buttonDown_) {
        if (settings_.tabTipShowsPath) FollowTip(point);
        return;
    }
    if (GetCapture() != window_ || ignorePress_) return;
    if (!dragStarted_) {
        if (HitTestTab(point.x, point.y) == pressed_) return;
        dragStarted_ = true;
        HideTip();
        SetCursor(LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_TAB_DRAG)));
        Invalidate();
    }
    RECT client;
    GetClientRect(window_, &client);
    int mark = PtInRect(&client, point) ? tabbar::InsertionMark(layout_, Shown(), point.x, point.y) : 0;
    if (mark != insertionMark_) {
        insertionMark_ = mark;
        Invalidate();
    }
}

void TabBar::OnLeftUp(POINT point, bool shift) {
    const bool wasDown = buttonDown_;
    const bool dragged = dragStarted_;
    const int pressed = pressed_;
    const int mark = insertionMark_;
    ClearPress();
    if (GetCapture() == window_) ReleaseCapture();
    HideTip();
    tipText_.clear();
    Invalidate();
    // The release that ends a double click follows no press of its own: the click it would make
    // has been made by the first release already.
    if (!wasDown) return;
    if (dragged) {
        if (mark == 0) return;
        int target = tabbar::MoveTarget(pressed, mark);
        if (launcherMode_) {
            launcher_.Move(pressed, target);
            LayoutTabBar();
        } else {
            host_->Carry(model_->MoveTab(pressed, target));
        }
        Invalidate();
        return;
    }
    SelectTabAt(point, shift);
}

void TabBar::OnDoubleClick(POINT point) {
    if (launcherMode_) return;
    int position = HitTestTab(point.x, point.y);
    if (position != -1) CloseTabAsDoubleClick(position);
}

void TabBar::CloseTabAsDoubleClick(int position) {
    tabs::Outcome outcome = model_->CloseTab(position);
    host_->Carry(outcome);
    if (outcome.done) host_->PlaySound(tabs::Sound::DELTAB);
}

void TabBar::OnRightDown(POINT point) {
    int position = HitTestTab(point.x, point.y);
    if (position != -1) ShowTabMenu(position);
}

void TabBar::SelectTabAt(POINT point, bool shift) {
    int position = HitTestTab(point.x, point.y);
    if (position == -1) return;
    if (launcherMode_) {
        RunEntry(position);
        return;
    }
    tabs::Selections now{model_->Selection(tabs::Pane::Main), model_->Selection(tabs::Pane::Sub)};
    tabbar::ClickFor target = tabbar::ClickTarget(position, shift, now, host_->TwoPaneShown());
    if (target != tabbar::ClickFor::Nothing) SelectTab(position, target, true);
}

void TabBar::SelectTab(int position, tabbar::ClickFor target, bool withSound) {
    const tabs::Pane pane = target == tabbar::ClickFor::Sub ? tabs::Pane::Sub : tabs::Pane::Main;
    const tabs::TabRecord* tab = model_->Tab(position);
    if (!tab) return;
    model_->SaveViewState(pane);
    if (!tab->folder || !tab->folder->CanEnumerate()) {
        tabs::Outcome closed = model_->CloseTab(position);
        // Only the last tab is refused, and it is the main list's: the desktop takes its place.
        host_->Carry(closed.done ? closed : model_->CloseSelectedTab(tabs::Pane::Main));
        return;
    }
    if (withSound) host_->PlaySound(tabs::Sound::CHTAB);
    model_->Select(pane, position);
    if (pane == tabs::Pane::Sub && !host_->TwoPaneShown()) {
        // The switch shows the sub selection in the sub list and lays the window out.
        host_->SwitchTwoPaneOn();
        model_->ApplyTabsToPanes();
        Invalidate();
        return;
    }
    model_->ApplyTabsToPanes();
    Invalidate();
    host_->LoadPane(pane);
}

void TabBar::RunEntry(int position) { launcher_.Run(position, Owner(), host_->Executor()); }

bool TabBar::TakeWheel(POINT cursor, int delta) {
    if (!window_ || !IsWindowVisible(window_)) return false;
    RECT bounds;
    GetWindowRect(window_, &bounds);
    if (!PtInRect(&bounds, cursor)) return false;
    ShowView(tabbar::AfterWheel({launcherMode_, displayedRow_}, delta, TabLayout(), rowCount_));
    return true;
}
