// The arithmetic of the tab bar: how the tabs spread over the rows of the strip, what goes behind
// the chevron, which tab or gap lies under the cursor, and how the displayed row follows the row
// button and the wheel. No Windows header: the bar measures the titles and hands the widths in,
// so that all of this is built and tested natively too.
#pragma once
#include <array>
#include <cstddef>
#include <string>
#include <vector>

#include "core/tab_model.h"

namespace tabbar {

// The strip keeps room for this many rows; the setting asks for at most that many.
constexpr int kMaxRows = 5;
// The two buttons take the strip's left end; tabs and launcher entries start here.
constexpr int kTabAreaLeft = 50;
constexpr int kBarHeight = 20;
constexpr int kButtonSize = 19;
// Titles are measured and drawn cut to this many bytes; the stored title stays whole.
constexpr std::size_t kTitleLimit = 20;

// The setting BARNUM as the bar uses it: above the table it is the whole table, and below one row
// (zero, negative) it is one row, so that no count ever reaches past the five row records.
int ClampRowCount(int setting);

// The title as the bar shows it: at most kTitleLimit bytes, a cut one ending in "...".
std::string ShownTitle(const std::string& title);

struct Row {
    int count = 0;        // tabs on the row
    int before = 0;       // tabs on the rows above it
    int endX = 0;         // where the row's last tab ends
    int neededWidth = 0;  // what the first tab that went on to the next row needed
};

struct TabMeasure {
    int textWidth = 0;  // of the shown title in the tab font
    bool locked = false;
};

struct BarLayout {
    std::array<Row, kMaxRows> rows{};
    // Tabs (or launcher entries) placed on the last row the strip uses.
    int lastRowCount = 0;
    // One rect per tab or entry, in order; left = right = -1 behind the chevron.
    std::vector<tabs::TabRect> rects;
    // Positions (1-based) that went behind the chevron, in order.
    std::vector<int> overflow;
    bool chevronShown = false;
    // The displayed row's end and needed width, for the size rule.
    int endX = 0;
    int neededWidth = 0;
};

// Lays the tabs out over at most rowCount rows of a strip `width` pixels wide; the chevron shows
// only while the displayed row is the last one and something overflowed.
BarLayout LayOutTabs(const std::vector<TabMeasure>& tabs, int width, int rowCount, int displayedRow);
// The launcher entries, 26 pixels each, on one row; what does not fit goes behind the chevron.
BarLayout LayOutLauncher(int entryCount, int width);

// Whether a new width of the strip calls for a new layout (a width of 0 never does).
bool NeedsNewLayout(const BarLayout& layout, int newWidth);

// The row that holds a tab position, as the bar brings it into view.
int RowOfPosition(const BarLayout& layout, int rowCount, int position);
bool RowHoldsTabs(const BarLayout& layout, int row);

// The positions that the strip shows: in tab mode those of the displayed row, in launcher mode
// every placed entry.
struct ShownRange {
    int first = 1;  // position of the first shown tab
    int count = 0;
};
ShownRange ShownPositions(const BarLayout& layout, bool launcherMode, int displayedRow);

// The shown tab under a point of the strip, or -1. A tab that went behind the chevron ends the walk.
int HitTest(const BarLayout& layout, ShownRange shown, int x, int y);

// Where a dragged tab would go, for a cursor inside the strip: before the first shown tab when
// left of it, before or after the tab under it by the half it is in, else after the last shown tab.
int InsertionMark(const BarLayout& layout, ShownRange shown, int x, int y);
// What an OLE drag over the strip points at: the shown tab under it (hover), or the position
// before which dropped folders would go (insert). A point within 3 pixels of a tab's edge marks
// that edge; left of the first shown tab marks it; a point on no tab marks the end of the shown
// ones. Exactly one of the two is not 0.
struct DropSpot {
    int hover = 0;
    int insert = 0;
};
DropSpot DropSpotAt(const BarLayout& layout, ShownRange shown, int x, int y);
// The position a tab pressed at `pressed` takes when dropped on `mark`: the marks after it count
// one less once it has left its place.
int MoveTarget(int pressed, int mark);

// What the strip shows: the launcher, or a row of tabs.
struct BarView {
    bool launcherMode = false;
    int row = 1;
    bool operator==(const BarView& other) const { return launcherMode == other.launcherMode && row == other.row; }
};
// The wheel turned away from the user (delta above 0) or towards the user (below 0).
BarView AfterWheel(BarView now, int delta, const BarLayout& tabLayout, int rowCount);
// A click on the row/launcher button.
BarView AfterRowButton(BarView now, const BarLayout& tabLayout, int rowCount);

// Which list a click on tab p is for, by the click rule; Nothing when the list shows it already.
enum class ClickFor { Nothing, Main, Sub };
ClickFor ClickTarget(int p, bool shift, tabs::Selections now, bool twoPane);
// The same for a tab chosen from the chevron's list.
ClickFor ChevronTarget(int p, bool shift, tabs::Selections now, bool twoPane);

}  // namespace tabbar
