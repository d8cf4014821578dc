// Where the tabs and entries go: measuring the titles and handing the widths to the row layout,
// the size rule, the displayed row and the chevron's place.
#include "panes/tabs/tab_bar.h"

#include <algorithm>

int TabBar::ClientWidth() const {
    RECT client{};
    if (window_) GetClientRect(window_, &client);
    return client.right - client.left;
}

std::vector<tabbar::TabMeasure> TabBar::MeasureTabs() {
    std::vector<tabbar::TabMeasure> measures;
    if (!model_) return measures;
    measures.reserve(static_cast<size_t>(model_->Count()));
    WindowDC dc(window_);
    SelectedObject font(dc.Get(), tabFont_.Get());
    for (int position = 1; position <= model_->Count(); ++position) {
        const tabs::TabRecord* tab = model_->Tab(position);
        std::string shown = tabbar::ShownTitle(tab->title);
        auto known = widthCache_.find(shown);
        int width = 0;
        if (known != widthCache_.end()) {
            width = known->second;
        } else {
            SIZE size{};
            GetTextExtentPoint32A(dc.Get(), shown.c_str(), static_cast<int>(shown.size()), &size);
            width = size.cx;
            widthCache_.emplace(std::move(shown), width);
        }
        measures.push_back({width, tab->locked});
    }
    return measures;
}

tabbar::BarLayout TabBar::TabLayout() {
    if (!launcherMode_) return layout_;
    return tabbar::LayOutTabs(MeasureTabs(), ClientWidth(), rowCount_, displayedRow_);
}

void TabBar::LayoutTabBar() {
    if (!window_ || !model_) return;
    if (layoutHolds_ > 0) {
        layoutHeld_ = true;
        return;
    }
    ++layoutsMade_;
    if (launcherMode_) {
        LayOutLauncherEntries();
        return;
    }
    layout_ = tabbar::LayOutTabs(MeasureTabs(), ClientWidth(), rowCount_, displayedRow_);
    for (int position = 1; position <= model_->Count(); ++position)
        model_->SetTabRect(position, layout_.rects[static_cast<size_t>(position - 1)]);
    PlaceChevron();
}

void TabBar::LayOutLauncherEntries() {
    layout_ = tabbar::LayOutLauncher(launcher_.Count(), ClientWidth());
    for (int position = 1; position <= launcher_.Count(); ++position)
        launcher_.SetRect(position, layout_.rects[static_cast<size_t>(position - 1)]);
    PlaceChevron();
}

void TabBar::PlaceChevron() {
    if (!chevron_ || !chevron_->Window()) return;
    if (!layout_.chevronShown) {
        ShowWindow(chevron_->Window(), SW_HIDE);
        return;
    }
    SetWindowPos(chevron_->Window(), nullptr, ClientWidth() - tabbar::kButtonSize, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(chevron_->Window(), nullptr, FALSE);
}

void TabBar::ApplySizeRule(int newWidth) {
    if (newWidth == 0) return;
    if (tabbar::NeedsNewLayout(layout_, newWidth)) {
        LayoutTabBar();
        Invalidate();
    }
    if (chevron_ && chevron_->Window() && IsWindowVisible(chevron_->Window()) &&
        (launcherMode_ || displayedRow_ == rowCount_))
        PlaceChevron();
}

void TabBar::ReleaseLayoutHold() {
    if (--layoutHolds_ > 0) return;
    if (layoutHeld_) {
        layoutHeld_ = false;
        LayoutTabBar();
    }
    for (tabs::Pane pane : {tabs::Pane::Main, tabs::Pane::Sub}) {
        bool& held = rowHeld_[pane == tabs::Pane::Main ? 0 : 1];
        if (!held) continue;
        held = false;
        ShowRowOf(pane);
    }
}

void TabBar::ShowRowOf(tabs::Pane pane) {
    if (launcherMode_ || !model_ || !window_) return;
    if (layoutHolds_ > 0) {
        rowHeld_[pane == tabs::Pane::Main ? 0 : 1] = true;
        return;
    }
    int position = model_->Selection(pane);
    if (position < 1) return;
    // The rows of the present layout say where the tab is; only another row needs a new layout.
    int row = tabbar::RowOfPosition(layout_, rowCount_, position);
    if (row != displayedRow_) {
        displayedRow_ = row;
        LayoutTabBar();
    }
    RefreshRowButton();
}

void TabBar::SetDisplayedRow(int row) { ShowView({false, row}); }

void TabBar::ToggleLauncherMode() {
    launcherMode_ = !launcherMode_;
    LayoutTabBar();
    RefreshRowButton();
    Invalidate();
}

void TabBar::ShowView(tabbar::BarView view) {
    displayedRow_ = std::clamp(view.row, 1, rowCount_);
    launcherMode_ = view.launcherMode;
    LayoutTabBar();
    RefreshRowButton();
    Invalidate();
}

void TabBar::RefreshRowButton() {
    if (rowButton_) rowButton_->UpdateLook();
}
