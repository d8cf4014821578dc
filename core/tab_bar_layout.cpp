#include "core/tab_bar_layout.h"

#include <algorithm>

#include "core/display_format.h"

namespace tabbar {

namespace {

// Beside its text a tab has 5 pixels before and after it; a locked one 12 more for the key.
constexpr int kTabMargin = 10;
constexpr int kLockedTabMargin = 22;
// Room for the chevron at the end of the last row, kept from that row's second tab on.
constexpr int kChevronReserve = kButtonSize;
constexpr int kLauncherEntryWidth = 26;
// A launcher entry is placed only while this much of the strip is left after its left edge.
constexpr int kLauncherRoom = 45;
constexpr int kLauncherNeededWidth = 28;
// Narrowing below the row's end plus this much lays the bar out again.
constexpr int kShrinkSlack = 60;

bool Contains(const tabs::TabRect& rect, int x, int y) {
    return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

const tabs::TabRect* RectAt(const BarLayout& layout, int position) {
    if (position < 1 || position > static_cast<int>(layout.rects.size())) return nullptr;
    return &layout.rects[static_cast<size_t>(position - 1)];
}

}  // namespace

int ClampRowCount(int setting) { return std::clamp(setting, 1, kMaxRows); }

std::string ShownTitle(const std::string& title) { return CutToBytes(title, kTitleLimit); }

BarLayout LayOutTabs(const std::vector<TabMeasure>& tabs, int width, int rowCount, int displayedRow) {
    BarLayout layout;
    rowCount = ClampRowCount(rowCount);
    if (tabs.empty()) return layout;
    layout.rects.resize(tabs.size());
    int x = kTabAreaLeft;
    int row = 1;
    int reserve = 0;
    bool overflowed = false;
    int lastWidth = 0;
    for (size_t index = 0; index < tabs.size(); ++index) {
        const int w = tabs[index].textWidth;
        const int k = tabs[index].locked ? kLockedTabMargin : kTabMargin;
        Row& current = layout.rows[static_cast<size_t>(row - 1)];
        tabs::TabRect& rect = layout.rects[index];
        lastWidth = w;
        if (overflowed || x + w + k + reserve >= width) {
            if (row == rowCount) {
                rect.left = rect.right = -1;
                layout.overflow.push_back(static_cast<int>(index) + 1);
                if (!overflowed) current.neededWidth = w + kTabMargin;
                overflowed = true;
                continue;
            }
            current.endX = x;
            current.neededWidth = w + kTabMargin;
            ++row;
            rect.left = kTabAreaLeft;
            rect.right = kTabAreaLeft + w + k;
            x = rect.right;
            ++layout.rows[static_cast<size_t>(row - 1)].count;
            if (row == rowCount) ++layout.lastRowCount;
            continue;
        }
        rect.left = x;
        rect.right = x + w + k;
        x = rect.right;
        ++current.count;
        if (row == rowCount) {
            ++layout.lastRowCount;
            reserve = kChevronReserve;
        }
    }
    for (int k = 2; k <= rowCount; ++k) {
        const Row& above = layout.rows[static_cast<size_t>(k - 2)];
        layout.rows[static_cast<size_t>(k - 1)].before = above.before + above.count;
    }
    displayedRow = std::clamp(displayedRow, 1, rowCount);
    layout.chevronShown = overflowed && displayedRow == rowCount;
    Row& last = layout.rows[static_cast<size_t>(row - 1)];
    last.endX = x;
    last.neededWidth = lastWidth + kTabMargin;
    const Row& shown = layout.rows[static_cast<size_t>(displayedRow - 1)];
    layout.endX = shown.endX;
    layout.neededWidth = shown.neededWidth;
    return layout;
}

BarLayout LayOutLauncher(int entryCount, int width) {
    BarLayout layout;
    int x = kTabAreaLeft;
    bool overflowed = false;
    for (int position = 1; position <= entryCount; ++position) {
        tabs::TabRect rect;
        if (overflowed || x + kLauncherRoom >= width) {
            rect.left = rect.right = -1;
            layout.overflow.push_back(position);
            if (!overflowed) layout.neededWidth = kLauncherNeededWidth;
            overflowed = true;
        } else {
            rect.left = x;
            rect.right = x + kLauncherEntryWidth;
            x = rect.right;
            ++layout.lastRowCount;
        }
        layout.rects.push_back(rect);
    }
    layout.rows[0].count = layout.lastRowCount;
    layout.chevronShown = overflowed;
    layout.endX = x;
    return layout;
}

bool NeedsNewLayout(const BarLayout& layout, int newWidth) {
    if (newWidth == 0) return false;
    if (newWidth < layout.endX + kShrinkSlack) return true;
    return layout.neededWidth != 0 && newWidth > layout.endX + layout.neededWidth;
}

int RowOfPosition(const BarLayout& layout, int rowCount, int position) {
    rowCount = ClampRowCount(rowCount);
    if (position <= layout.rows[0].count) return 1;
    for (int k = 2; k < rowCount; ++k) {
        const Row& row = layout.rows[static_cast<size_t>(k - 1)];
        if (row.before <= position && position <= row.before + row.count) return k;
    }
    return rowCount;
}

bool RowHoldsTabs(const BarLayout& layout, int row) {
    return row >= 1 && row <= kMaxRows && layout.rows[static_cast<size_t>(row - 1)].count > 0;
}

ShownRange ShownPositions(const BarLayout& layout, bool launcherMode, int displayedRow) {
    if (launcherMode) return ShownRange{1, layout.lastRowCount};
    if (displayedRow < 1 || displayedRow > kMaxRows) return ShownRange{1, 0};
    const Row& row = layout.rows[static_cast<size_t>(displayedRow - 1)];
    return ShownRange{row.before + 1, row.count};
}

int HitTest(const BarLayout& layout, ShownRange shown, int x, int y) {
    for (int position = shown.first; position < shown.first + shown.count; ++position) {
        const tabs::TabRect* rect = RectAt(layout, position);
        if (!rect || rect->left == -1) break;
        if (Contains(*rect, x, y)) return position;
    }
    return -1;
}

int InsertionMark(const BarLayout& layout, ShownRange shown, int x, int y) {
    for (int position = shown.first; position < shown.first + shown.count; ++position) {
        const tabs::TabRect* rect = RectAt(layout, position);
        if (!rect || rect->left == -1) break;
        if (position == shown.first && x < rect->left) return position;
        if (Contains(*rect, x, y)) return x >= rect->left + (rect->right - rect->left) / 2 ? position + 1 : position;
    }
    return shown.first + shown.count;
}

DropSpot DropSpotAt(const BarLayout& layout, ShownRange shown, int x, int y) {
    constexpr int kEdge = 3;
    for (int position = shown.first; position < shown.first + shown.count; ++position) {
        const tabs::TabRect* rect = RectAt(layout, position);
        if (!rect || rect->left == -1) break;
        if (position == shown.first && x < rect->left) return DropSpot{0, position};
        if (!Contains(*rect, x, y)) continue;
        if (x < rect->left + kEdge) return DropSpot{0, position};
        if (x >= rect->right - kEdge) return DropSpot{0, position + 1};
        return DropSpot{position, 0};
    }
    return DropSpot{0, shown.first + shown.count};
}

int MoveTarget(int pressed, int mark) { return pressed < mark ? mark - 1 : mark; }

BarView AfterWheel(BarView now, int delta, const BarLayout& tabLayout, int rowCount) {
    rowCount = ClampRowCount(rowCount);
    if (delta == 0) return now;
    if (delta > 0) {
        if (now.launcherMode) {
            int highest = 1;
            for (int row = rowCount; row >= 1; --row) {
                if (RowHoldsTabs(tabLayout, row)) {
                    highest = row;
                    break;
                }
            }
            return BarView{false, highest};
        }
        if (now.row > 1) return BarView{false, now.row - 1};
        return BarView{true, now.row};
    }
    if (now.launcherMode) return BarView{false, 1};
    if (now.row + 1 <= rowCount && RowHoldsTabs(tabLayout, now.row + 1)) return BarView{false, now.row + 1};
    return BarView{true, now.row};
}

BarView AfterRowButton(BarView now, const BarLayout& tabLayout, int rowCount) {
    rowCount = ClampRowCount(rowCount);
    if (now.launcherMode) return BarView{false, 1};
    if (now.row < rowCount && RowHoldsTabs(tabLayout, now.row + 1)) return BarView{false, now.row + 1};
    return BarView{true, now.row};
}

ClickFor ClickTarget(int p, bool shift, tabs::Selections now, bool twoPane) {
    if (!shift || now.main == -1 || p == now.main) {
        if (p == now.main || (twoPane && p == now.sub)) return ClickFor::Nothing;
        return ClickFor::Main;
    }
    if (twoPane && p == now.sub) return ClickFor::Nothing;
    return ClickFor::Sub;
}

ClickFor ChevronTarget(int p, bool shift, tabs::Selections now, bool twoPane) {
    if (p == now.main) return ClickFor::Nothing;
    if (shift) return ClickFor::Sub;
    if (twoPane && p == now.sub) return ClickFor::Nothing;
    return ClickFor::Main;
}

}  // namespace tabbar
