#include "core/tab_bar_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using tabbar::BarLayout;
using tabbar::BarView;
using tabbar::ClickFor;
using tabbar::TabMeasure;

std::vector<TabMeasure> Tabs(int count, int textWidth) { return std::vector<TabMeasure>(count, {textWidth, false}); }

// Five tabs of 90 pixels (text 80) on a 350-pixel strip: 50 + 3 x 90 = 320, and the fourth would
// end at 410.
TEST(TabBarLayoutTest, TabsFillARowAndTheNextOneStartsAtTheTabAreaAgain) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(5, 80), 350, 3, 1);
    EXPECT_EQ(3, layout.rows[0].count);
    EXPECT_EQ(0, layout.rows[0].before);
    EXPECT_EQ(320, layout.rows[0].endX);
    EXPECT_EQ(90, layout.rows[0].neededWidth);
    EXPECT_EQ(2, layout.rows[1].count);
    EXPECT_EQ(3, layout.rows[1].before);
    EXPECT_EQ(230, layout.rows[1].endX);
    EXPECT_EQ(0, layout.rows[2].count);
    EXPECT_EQ(5, layout.rows[2].before);
    ASSERT_EQ(5u, layout.rects.size());
    EXPECT_EQ(50, layout.rects[0].left);
    EXPECT_EQ(140, layout.rects[0].right);
    EXPECT_EQ(230, layout.rects[2].left);
    EXPECT_EQ(50, layout.rects[3].left);
    EXPECT_EQ(140, layout.rects[4].left);
    EXPECT_EQ(0, layout.rects[4].top);
    EXPECT_EQ(20, layout.rects[4].bottom);
    EXPECT_TRUE(layout.overflow.empty());
    EXPECT_FALSE(layout.chevronShown);
    // The resize marks are the displayed row's.
    EXPECT_EQ(320, layout.endX);
    EXPECT_EQ(90, layout.neededWidth);
}

TEST(TabBarLayoutTest, ALockedTabTakesTwelvePixelsMoreForItsKey) {
    BarLayout layout = tabbar::LayOutTabs({{40, true}, {40, false}}, 1000, 3, 1);
    EXPECT_EQ(50 + 40 + 22, layout.rects[0].right);
    EXPECT_EQ(layout.rects[0].right + 50, layout.rects[1].right);
}

TEST(TabBarLayoutTest, TheLastRowKeepsRoomForTheChevronAndTheRestGoesBehindIt) {
    // One row: 50 + 2 x 90 = 230 fits in 330; the third tab needs 230 + 90 + 19 = 339 >= 330.
    BarLayout layout = tabbar::LayOutTabs(Tabs(6, 80), 330, 1, 1);
    EXPECT_EQ(2, layout.rows[0].count);
    EXPECT_EQ(2, layout.lastRowCount);
    EXPECT_EQ((std::vector<int>{3, 4, 5, 6}), layout.overflow);
    EXPECT_EQ(-1, layout.rects[2].left);
    EXPECT_EQ(-1, layout.rects[5].right);
    EXPECT_TRUE(layout.chevronShown);
    // A row that is not the last keeps no reserve: there the third tab, ending at 320, fits.
    BarLayout roomy = tabbar::LayOutTabs(Tabs(3, 80), 330, 3, 1);
    EXPECT_EQ(3, roomy.rows[0].count);
}

TEST(TabBarLayoutTest, TheChevronShowsOnlyOnTheLastRow) {
    BarLayout onFirst = tabbar::LayOutTabs(Tabs(12, 80), 350, 2, 1);
    EXPECT_FALSE(onFirst.overflow.empty());
    EXPECT_FALSE(onFirst.chevronShown);
    BarLayout onLast = tabbar::LayOutTabs(Tabs(12, 80), 350, 2, 2);
    EXPECT_TRUE(onLast.chevronShown);
    EXPECT_EQ(onLast.rows[1].count, onLast.lastRowCount);
    EXPECT_EQ(12, onLast.rows[0].count + onLast.rows[1].count + static_cast<int>(onLast.overflow.size()));
}

TEST(TabBarLayoutTest, RowCountsOutsideOneToFiveAreClampedSoNoRowRecordIsOverrun) {
    EXPECT_EQ(1, tabbar::ClampRowCount(0));
    EXPECT_EQ(1, tabbar::ClampRowCount(-3));
    EXPECT_EQ(3, tabbar::ClampRowCount(3));
    EXPECT_EQ(5, tabbar::ClampRowCount(9));
    // A setting of 0 lays out one row with the chevron, as 1 does.
    BarLayout zero = tabbar::LayOutTabs(Tabs(40, 80), 350, 0, 1);
    BarLayout one = tabbar::LayOutTabs(Tabs(40, 80), 350, 1, 1);
    EXPECT_EQ(one.rows[0].count, zero.rows[0].count);
    EXPECT_EQ(one.overflow, zero.overflow);
    EXPECT_EQ(0, zero.rows[1].count);
    // Nine rows asked for: five used, and the rest overflow.
    BarLayout nine = tabbar::LayOutTabs(Tabs(40, 80), 350, 9, 5);
    for (int row = 0; row < 5; ++row) EXPECT_EQ(3, nine.rows[static_cast<size_t>(row)].count) << row;
    EXPECT_EQ(25u, nine.overflow.size());
    EXPECT_EQ(12, nine.rows[4].before);
    EXPECT_TRUE(nine.chevronShown);
}

TEST(TabBarLayoutTest, ATabWiderThanTheStripStillStartsItsOwnRow) {
    BarLayout layout = tabbar::LayOutTabs({{30, false}, {500, false}, {30, false}}, 300, 3, 1);
    EXPECT_EQ(1, layout.rows[0].count);
    EXPECT_EQ(1, layout.rows[1].count);
    EXPECT_EQ(50, layout.rects[1].left);
    EXPECT_EQ(1, layout.rows[2].count);
    EXPECT_EQ(1, layout.lastRowCount);
}

TEST(TabBarLayoutTest, NoTabsLeaveEveryRowEmpty) {
    BarLayout layout = tabbar::LayOutTabs({}, 500, 3, 1);
    EXPECT_EQ(0, layout.rows[0].count);
    EXPECT_TRUE(layout.rects.empty());
    EXPECT_FALSE(tabbar::NeedsNewLayout(layout, 100));
}

TEST(TabBarLayoutTest, TitlesAreCutToTwentyBytesOnACharacterBoundary) {
    EXPECT_EQ("short", tabbar::ShownTitle("short"));
    EXPECT_EQ("12345678901234567890", tabbar::ShownTitle("12345678901234567890"));
    EXPECT_EQ("12345678901234567...", tabbar::ShownTitle("123456789012345678901"));
    // Eight double-byte characters are 16 bytes; a ninth would end at byte 18 > 17.
    std::string kanji = "日本語日本語日本語日本語";
    std::string shown = tabbar::ShownTitle(kanji);
    EXPECT_EQ(kanji.substr(0, 16) + "...", shown);
    EXPECT_LE(shown.size(), tabbar::kTitleLimit);
    std::string mixed = "a" + kanji;
    EXPECT_EQ(mixed.substr(0, 17) + "...", tabbar::ShownTitle(mixed));
}

TEST(TabBarLayoutTest, TheSizeRuleAsksForANewLayoutWhenTheRowNoLongerFitsOrAnotherTabWould) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(5, 80), 350, 3, 1);  // end 320, needed 90
    EXPECT_FALSE(tabbar::NeedsNewLayout(layout, 0));
    EXPECT_TRUE(tabbar::NeedsNewLayout(layout, 379));
    EXPECT_FALSE(tabbar::NeedsNewLayout(layout, 380));
    EXPECT_FALSE(tabbar::NeedsNewLayout(layout, 410));
    EXPECT_TRUE(tabbar::NeedsNewLayout(layout, 411));
}

TEST(TabBarLayoutTest, TheLauncherPlacesEntriesWhileFortyFivePixelsAreLeft) {
    BarLayout layout = tabbar::LayOutLauncher(10, 200);
    // 50, 76, 102, 128 fit (128 + 45 = 173 < 200); 154 + 45 = 199 < 200 fits too; 180 does not.
    EXPECT_EQ(5, layout.lastRowCount);
    EXPECT_EQ(50, layout.rects[0].left);
    EXPECT_EQ(76, layout.rects[0].right);
    EXPECT_EQ(154, layout.rects[4].left);
    EXPECT_EQ((std::vector<int>{6, 7, 8, 9, 10}), layout.overflow);
    EXPECT_TRUE(layout.chevronShown);
    EXPECT_EQ(180, layout.endX);
    EXPECT_EQ(28, layout.neededWidth);
    BarLayout few = tabbar::LayOutLauncher(2, 800);
    EXPECT_FALSE(few.chevronShown);
    EXPECT_EQ(0, few.neededWidth);
}

TEST(TabBarLayoutTest, TheRowOfATabIsTheRowThatHoldsIt) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(14, 80), 350, 4, 1);  // rows of 3, 3, 3, then 5 on the last
    EXPECT_EQ(1, tabbar::RowOfPosition(layout, 4, 1));
    EXPECT_EQ(1, tabbar::RowOfPosition(layout, 4, 3));
    EXPECT_EQ(2, tabbar::RowOfPosition(layout, 4, 4));
    EXPECT_EQ(2, tabbar::RowOfPosition(layout, 4, 6));
    EXPECT_EQ(3, tabbar::RowOfPosition(layout, 4, 7));
    EXPECT_EQ(4, tabbar::RowOfPosition(layout, 4, 10));
    // A tab behind the chevron is reached from the last row.
    EXPECT_EQ(4, tabbar::RowOfPosition(layout, 4, 14));
}

TEST(TabBarLayoutTest, TheHitTestAndTheInsertionMarkWalkOnlyTheDisplayedRow) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(5, 80), 350, 3, 2);
    tabbar::ShownRange second = tabbar::ShownPositions(layout, false, 2);
    EXPECT_EQ(4, second.first);
    EXPECT_EQ(2, second.count);
    EXPECT_EQ(4, tabbar::HitTest(layout, second, 60, 5));
    EXPECT_EQ(5, tabbar::HitTest(layout, second, 140, 19));
    EXPECT_EQ(-1, tabbar::HitTest(layout, second, 140, 20));
    EXPECT_EQ(-1, tabbar::HitTest(layout, second, 230, 5));
    EXPECT_EQ(-1, tabbar::HitTest(layout, second, 40, 5));
    EXPECT_EQ(4, tabbar::InsertionMark(layout, second, 20, 5));
    EXPECT_EQ(4, tabbar::InsertionMark(layout, second, 94, 5));
    EXPECT_EQ(5, tabbar::InsertionMark(layout, second, 95, 5));
    EXPECT_EQ(6, tabbar::InsertionMark(layout, second, 300, 5));
    // The launcher counts every placed entry; past them the mark is one after the last.
    BarLayout launcher = tabbar::LayOutLauncher(3, 800);
    tabbar::ShownRange entries = tabbar::ShownPositions(launcher, true, 2);
    EXPECT_EQ(3, entries.count);
    EXPECT_EQ(2, tabbar::HitTest(launcher, entries, 80, 3));
    EXPECT_EQ(4, tabbar::InsertionMark(launcher, entries, 500, 3));
}

TEST(TabBarLayoutTest, ADropPointsAtATabsMiddleOrMarksItsEdges) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(5, 80), 350, 3, 2);
    tabbar::ShownRange second = tabbar::ShownPositions(layout, false, 2);
    const tabs::TabRect& fourth = layout.rects[3];
    auto spot = [&](int x, int y) {
        tabbar::DropSpot found = tabbar::DropSpotAt(layout, second, x, y);
        return std::make_pair(found.hover, found.insert);
    };
    EXPECT_EQ(std::make_pair(0, 4), spot(fourth.left - 1, 5));
    EXPECT_EQ(std::make_pair(0, 4), spot(fourth.left + 2, 5));
    EXPECT_EQ(std::make_pair(4, 0), spot(fourth.left + 3, 5));
    EXPECT_EQ(std::make_pair(4, 0), spot(fourth.right - 4, 5));
    EXPECT_EQ(std::make_pair(0, 5), spot(fourth.right - 3, 5));
    EXPECT_EQ(std::make_pair(0, 5), spot(fourth.right - 1, 5));
    // Past the row's last tab, and below the strip, the drop goes after the shown tabs.
    EXPECT_EQ(std::make_pair(0, 6), spot(340, 5));
    EXPECT_EQ(std::make_pair(0, 6), spot(fourth.left + 20, 25));
    // The launcher's entries are all shown: past them comes one after the last.
    BarLayout launcher = tabbar::LayOutLauncher(3, 800);
    tabbar::ShownRange entries = tabbar::ShownPositions(launcher, true, 1);
    EXPECT_EQ(2, tabbar::DropSpotAt(launcher, entries, launcher.rects[1].left + 10, 5).hover);
    EXPECT_EQ(4, tabbar::DropSpotAt(launcher, entries, 700, 5).insert);
}

TEST(TabBarLayoutTest, DraggingTabTwoOntoTheRightHalfOfTabFourMovesItToFour) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(6, 40), 1000, 3, 1);
    tabbar::ShownRange row = tabbar::ShownPositions(layout, false, 1);
    const tabs::TabRect& fourth = layout.rects[3];
    int mark = tabbar::InsertionMark(layout, row, fourth.right - 2, 10);
    EXPECT_EQ(5, mark);
    EXPECT_EQ(4, tabbar::MoveTarget(2, mark));
    // Leftwards the mark is the target as it is.
    EXPECT_EQ(1, tabbar::MoveTarget(4, 1));
}

TEST(TabBarLayoutTest, TheWheelGoesByTheSignOfItsDelta) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(8, 80), 350, 3, 1);  // rows of 3, 3, 2
    const BarView launcher{true, 1};
    // Away from the user, whatever the size of the turn.
    EXPECT_EQ((BarView{false, 1}), tabbar::AfterWheel({false, 2}, 120, layout, 3));
    EXPECT_EQ((BarView{false, 1}), tabbar::AfterWheel({false, 2}, 240, layout, 3));
    EXPECT_EQ((BarView{false, 1}), tabbar::AfterWheel({false, 2}, 30, layout, 3));
    EXPECT_TRUE(tabbar::AfterWheel({false, 1}, 120, layout, 3).launcherMode);
    EXPECT_EQ((BarView{false, 3}), tabbar::AfterWheel(launcher, 120, layout, 3));
    // Towards the user.
    EXPECT_EQ((BarView{false, 2}), tabbar::AfterWheel({false, 1}, -120, layout, 3));
    EXPECT_EQ((BarView{false, 3}), tabbar::AfterWheel({false, 2}, -30, layout, 3));
    EXPECT_TRUE(tabbar::AfterWheel({false, 3}, -120, layout, 3).launcherMode);
    EXPECT_EQ((BarView{false, 1}), tabbar::AfterWheel(launcher, -120, layout, 3));
    // An empty next row is skipped for the launcher; with no tabs up goes to row 1.
    BarLayout oneRow = tabbar::LayOutTabs(Tabs(2, 80), 800, 3, 1);
    EXPECT_TRUE(tabbar::AfterWheel({false, 1}, -120, oneRow, 3).launcherMode);
    EXPECT_EQ((BarView{false, 1}), tabbar::AfterWheel(launcher, 120, tabbar::LayOutTabs({}, 800, 3, 1), 3));
}

TEST(TabBarLayoutTest, TheRowButtonStepsThroughTheRowsThatHoldTabsThenTheLauncher) {
    BarLayout layout = tabbar::LayOutTabs(Tabs(8, 80), 350, 3, 1);
    EXPECT_EQ((BarView{false, 2}), tabbar::AfterRowButton({false, 1}, layout, 3));
    EXPECT_EQ((BarView{false, 3}), tabbar::AfterRowButton({false, 2}, layout, 3));
    EXPECT_TRUE(tabbar::AfterRowButton({false, 3}, layout, 3).launcherMode);
    EXPECT_EQ((BarView{false, 1}), tabbar::AfterRowButton({true, 3}, layout, 3));
    // A row beyond the setting is never shown.
    EXPECT_TRUE(tabbar::AfterRowButton({false, 2}, layout, 2).launcherMode);
}

TEST(TabBarLayoutTest, TheClickRuleChoosesTheListAClickIsFor) {
    const tabs::Selections both{2, 4};
    EXPECT_EQ(ClickFor::Main, tabbar::ClickTarget(3, false, both, true));
    EXPECT_EQ(ClickFor::Nothing, tabbar::ClickTarget(2, false, both, true));
    EXPECT_EQ(ClickFor::Nothing, tabbar::ClickTarget(4, false, both, true));
    EXPECT_EQ(ClickFor::Main, tabbar::ClickTarget(4, false, both, false));
    EXPECT_EQ(ClickFor::Sub, tabbar::ClickTarget(3, true, both, true));
    EXPECT_EQ(ClickFor::Nothing, tabbar::ClickTarget(4, true, both, true));
    EXPECT_EQ(ClickFor::Sub, tabbar::ClickTarget(4, true, both, false));
    EXPECT_EQ(ClickFor::Nothing, tabbar::ClickTarget(2, true, both, true));
    EXPECT_EQ(ClickFor::Main, tabbar::ClickTarget(3, true, {-1, -1}, false));
    // From the chevron's list Shift always means the sub list.
    EXPECT_EQ(ClickFor::Sub, tabbar::ChevronTarget(4, true, both, true));
    EXPECT_EQ(ClickFor::Nothing, tabbar::ChevronTarget(4, false, both, true));
    EXPECT_EQ(ClickFor::Nothing, tabbar::ChevronTarget(2, true, both, true));
    EXPECT_EQ(ClickFor::Main, tabbar::ChevronTarget(7, false, both, true));
}

}  // namespace
