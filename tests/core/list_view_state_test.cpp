#include "core/list_view_state.h"

#include <gtest/gtest.h>

#include <array>
#include <initializer_list>

namespace {

TEST(ListViewStateNew, DefaultSettingCountsStylesInTheDialogsOrder) {
    EXPECT_EQ(kIconStyle, StyleForDefaultSetting(0));
    EXPECT_EQ(kTileStyle, StyleForDefaultSetting(1));
    EXPECT_EQ(kListStyle, StyleForDefaultSetting(2));
    EXPECT_EQ(kDetailsStyle, StyleForDefaultSetting(3));
    EXPECT_EQ(kCommentStyle, StyleForDefaultSetting(4));
    EXPECT_EQ(kDetailsStyle, StyleForDefaultSetting(5));
    EXPECT_EQ(kDetailsStyle, StyleForDefaultSetting(-1));
}

TEST(ListViewStateNew, ANewTabSortsByNameAscendingWithTheDefaultWidths) {
    ListViewState state = NewTabViewState(3);
    EXPECT_EQ(kDetailsStyle, state.style);
    EXPECT_EQ(0, state.sort.column);
    EXPECT_EQ((std::array<int, kSortColumnCount>{0, 0, 0, 0, 0}), state.sort.directions);
    EXPECT_EQ((std::array<int, kColumnWidthCount>{150, 50, 120, 120, 50, 150, 150}), state.columnWidths);
}

TEST(ListViewStateShown, KeepsAGoodStateAsItIs) {
    ListViewState state;
    state.style = kThumbnailStyle;
    state.sort.column = 4;
    state.sort.directions = {1, 0, 1, 0, 1};
    state.columnWidths = {10, 0, 30, 40, 50, 60, 70};
    ListViewState shown = ShownViewState(state);
    EXPECT_EQ(kThumbnailStyle, shown.style);
    EXPECT_EQ(4, shown.sort.column);
    EXPECT_EQ(state.sort.directions, shown.sort.directions);
    EXPECT_EQ(state.columnWidths, shown.columnWidths);
}

TEST(ListViewStateShown, MendsWhatNoListCanShow) {
    ListViewState state;
    state.style = 9;
    state.sort.column = 5;
    state.sort.directions = {2, -1, 1, 0x7FFFFFFF, 0};
    state.columnWidths = {-1, 20, -300, 40, 50, -2, 70};
    ListViewState shown = ShownViewState(state);
    EXPECT_EQ(kDetailsStyle, shown.style);
    EXPECT_EQ(0, shown.sort.column);
    EXPECT_EQ(0, shown.sort.Direction());
    EXPECT_EQ((std::array<int, kSortColumnCount>{0, 0, 1, 0, 0}), shown.sort.directions);
    EXPECT_EQ((std::array<int, kColumnWidthCount>{150, 20, 120, 40, 50, 150, 70}), shown.columnWidths);

    state.style = -2;
    state.sort.column = -1;
    shown = ShownViewState(state);
    EXPECT_EQ(kDetailsStyle, shown.style);
    EXPECT_EQ(0, shown.sort.column);
}

TEST(ListViewStateLayout, EachStyleHasItsLayoutCellsColumnsAndText) {
    struct Expected {
        int style;
        ListLayout layout;
        bool fullRow;
        SpacingCells cells;
        bool normal;
        ListColumns columns;
        DisplayKind display;
        bool comment;
        bool thumbnail;
    };
    const Expected table[] = {
        {kIconStyle, ListLayout::Icon, false, SpacingCells::LargeIcons, true, ListColumns::None, DisplayKind::Name,
         false, false},
        {kTileStyle, ListLayout::SmallIcon, false, SpacingCells::TileCells, false, ListColumns::None, DisplayKind::Tile,
         false, false},
        {kListStyle, ListLayout::List, false, SpacingCells::SmallCells, false, ListColumns::None, DisplayKind::Name,
         false, false},
        {kDetailsStyle, ListLayout::Report, true, SpacingCells::SmallCells, false, ListColumns::Details,
         DisplayKind::Details, false, false},
        {kCommentStyle, ListLayout::Report, false, SpacingCells::SystemSmall, false, ListColumns::Comment,
         DisplayKind::Comment, true, false},
        {kThumbnailStyle, ListLayout::Icon, false, SpacingCells::PolaroidCells, true, ListColumns::None,
         DisplayKind::Name, false, true},
    };
    for (const Expected& e : table) {
        StyleLayout got = LayoutOfStyle(e.style, true);
        EXPECT_EQ(e.layout, got.layout) << e.style;
        EXPECT_EQ(e.fullRow, got.fullRowSelect) << e.style;
        EXPECT_EQ(e.cells, got.cells) << e.style;
        EXPECT_EQ(e.normal, got.normalImages) << e.style;
        EXPECT_EQ(e.columns, got.columns) << e.style;
        EXPECT_EQ(e.display, got.display) << e.style;
        EXPECT_EQ(e.comment, got.commentMode) << e.style;
        EXPECT_EQ(e.thumbnail, got.thumbnailMode) << e.style;
    }
    EXPECT_EQ(SpacingCells::PlainThumbCells, LayoutOfStyle(kThumbnailStyle, false).cells);
    EXPECT_EQ(SpacingCells::TileCells, LayoutOfStyle(kTileStyle, false).cells);
    EXPECT_EQ(ListLayout::Icon, LayoutOfStyle(7, true).layout);
    EXPECT_EQ(DisplayKind::Name, LayoutOfStyle(7, true).display);
}

TEST(ListViewStateLayout, SavedStyleKeepsTheCommentStyleAndOtherwiseTheLayout) {
    EXPECT_EQ(-1, SavedStyle(kCommentStyle));
    EXPECT_EQ(0, SavedStyle(kIconStyle));
    EXPECT_EQ(1, SavedStyle(kDetailsStyle));
    EXPECT_EQ(2, SavedStyle(kTileStyle));
    EXPECT_EQ(3, SavedStyle(kListStyle));
    EXPECT_EQ(0, SavedStyle(kThumbnailStyle));
}

TEST(ListViewStateSorting, ClickingAColumnTwiceSortsByItOneWayThenTheOther) {
    ListViewState state;
    state.style = kDetailsStyle;
    ASSERT_TRUE(ClickColumn(state, 1));
    EXPECT_EQ(1, state.sort.column);
    EXPECT_EQ(1, state.sort.Direction());
    ASSERT_TRUE(ClickColumn(state, 1));
    EXPECT_EQ(0, state.sort.Direction());
    // The type column had direction 0 and is flipped too, although it was not the sort column.
    ASSERT_TRUE(ClickColumn(state, 2));
    EXPECT_EQ(2, state.sort.column);
    EXPECT_EQ(1, state.sort.Direction());
    EXPECT_EQ(0, state.sort.directions[1]) << "the size column keeps its own direction";
}

TEST(ListViewStateSorting, AnyDirectionOtherThanDescendingFlipsToDescending) {
    ListViewState state;
    state.style = kIconStyle;
    state.sort.directions[3] = 7;
    ASSERT_TRUE(ClickColumn(state, 3));
    EXPECT_EQ(1, state.sort.directions[3]);
}

TEST(ListViewStateSorting, TheCommentStyleSortsOnlyByItsNameColumn) {
    ListViewState state;
    state.style = kCommentStyle;
    state.sort.column = 0;
    EXPECT_FALSE(ClickColumn(state, 1));
    EXPECT_EQ(0, state.sort.column);
    EXPECT_EQ(0, state.sort.directions[1]);
    ASSERT_TRUE(ClickColumn(state, 0));
    EXPECT_EQ(1, state.sort.Direction());
}

TEST(ListViewStateSorting, AColumnOutsideTheShellsFiveSortsNothing) {
    ListViewState state;
    state.style = kDetailsStyle;
    EXPECT_FALSE(ClickColumn(state, 5));
    EXPECT_FALSE(ClickColumn(state, -1));
    EXPECT_EQ(0, state.sort.column);
    EXPECT_EQ((std::array<int, kSortColumnCount>{}), state.sort.directions);
}

TEST(ListViewStateSorting, TheStripsButtonsTurnTheSortColumnRoundOrTakeAnotherInItsOwnDirection) {
    SortState sort;
    sort.column = 3;
    sort.directions = {0, 1, 0, 7, 1};
    ReverseSortDirection(sort);
    EXPECT_EQ((std::array<int, kSortColumnCount>{0, 1, 0, 1, 1}), sort.directions) << "7 is not descending";
    ReverseSortDirection(sort);
    EXPECT_EQ(0, sort.Direction());
    EXPECT_FALSE(ChooseSortColumn(sort, 3)) << "the present column";
    EXPECT_FALSE(ChooseSortColumn(sort, 5));
    ASSERT_TRUE(ChooseSortColumn(sort, 1));
    EXPECT_EQ(1, sort.column);
    EXPECT_EQ(1, sort.Direction());
}

TEST(ListViewStateSizes, ListAndTileColumnsFollowTheWidestNameWithAFloor) {
    EXPECT_EQ(100, ListColumnWidth(0));
    EXPECT_EQ(100, ListColumnWidth(65));
    EXPECT_EQ(101, ListColumnWidth(66));
    EXPECT_EQ(335, ListColumnWidth(300));
    EXPECT_EQ(230, TileColumnWidth(0));
    EXPECT_EQ(230, TileColumnWidth(190));
    EXPECT_EQ(231, TileColumnWidth(191));
    EXPECT_EQ(340, TileColumnWidth(300));
}

TEST(ListViewStateSizes, TheWidestTileLineWinsAndTheFirstOfEqualOnes) {
    EXPECT_EQ(kTileName, WidestTileLine({80, 30, 60, 70}));
    EXPECT_EQ(kTileDate, WidestTileLine({40, 30, 60, 70}));
    EXPECT_EQ(kTileSize, WidestTileLine({40, 90, 90, 90}));
    EXPECT_EQ(kTileName, WidestTileLine({0, 0, 0, 0}));
    EXPECT_EQ(kTileType, WidestTileLine({10, 20, 70, 70}));
}

TEST(ListViewStateCommentEditor, ScrollingHidesTheEditorAboveTheTopAndPlacesItOtherwise) {
    CommentEditPlace place{5, 0, 150, 150};
    EXPECT_EQ(EditorMove::Stay, FollowList(place, 0, 150, 150));
    EXPECT_EQ(EditorMove::Place, FollowList(place, 3, 150, 150));
    EXPECT_EQ(3, place.topRow);
    EXPECT_EQ(EditorMove::Stay, FollowList(place, 3, 150, 150));
    EXPECT_EQ(EditorMove::Place, FollowList(place, 5, 150, 150)) << "its row at the top is still shown";
    EXPECT_EQ(EditorMove::Hide, FollowList(place, 6, 150, 150));
    EXPECT_EQ(6, place.topRow);
    EXPECT_EQ(EditorMove::Place, FollowList(place, 2, 150, 150));
}

TEST(ListViewStateCommentEditor, AColumnWidthChangeWithoutScrollingPlacesTheEditorAgain) {
    CommentEditPlace place{2, 0, 150, 150};
    EXPECT_EQ(EditorMove::Place, FollowList(place, 0, 200, 150));
    EXPECT_EQ(200, place.nameWidth);
    EXPECT_EQ(EditorMove::Stay, FollowList(place, 0, 200, 150));
    EXPECT_EQ(EditorMove::Place, FollowList(place, 0, 200, 90));
    EXPECT_EQ(90, place.commentWidth);
}

TEST(ListViewStateKeys, SearchKeysAreLettersDigitsKeypadAndPunctuationWithoutCtrlOrAlt) {
    for (int key : std::initializer_list<int>{'A', 'Z', '0', '9', 0x60, 0x69, 0x6B, 0x6D, 0x6E, 0xBA, 0xBE, 0xC0, 0xDB,
                                              0xDD, 0xDF})
        EXPECT_TRUE(IsSearchKey(key, false, false)) << key;
    for (int key : std::initializer_list<int>{'@', '[', '/', ':', 0x6A, 0x6C, 0x6F, 0xB9, 0xBF, 0xC1, 0xDC, 0xE0,
                                              kKeySpace, 0x0D})
        EXPECT_FALSE(IsSearchKey(key, false, false)) << key;
    EXPECT_FALSE(IsSearchKey('A', true, false));
    EXPECT_FALSE(IsSearchKey('A', false, true));
}

TEST(ListViewStateKeys, SpaceAndSearchKeysRecordAtOnceArrowsAtTheNextChange) {
    EXPECT_EQ(SelectionRecord::Now, SelectionRecordForKey(kKeySpace, false, false));
    EXPECT_EQ(SelectionRecord::Now, SelectionRecordForKey(kKeySpace, true, false));
    EXPECT_EQ(SelectionRecord::Now, SelectionRecordForKey('K', false, false));
    EXPECT_EQ(SelectionRecord::None, SelectionRecordForKey('K', true, false));
    for (int key : {kKeyLeft, kKeyUp, kKeyRight, kKeyDown})
        EXPECT_EQ(SelectionRecord::AtNextChange, SelectionRecordForKey(key, false, false)) << key;
    EXPECT_EQ(SelectionRecord::None, SelectionRecordForKey(0x0D, false, false));
    EXPECT_EQ(SelectionRecord::None, SelectionRecordForKey(0x2E, false, false));
}

TEST(ListViewStateShown, KeepsWhatIsInRangeAsItIs) {
    ListViewState state;
    state.style = kThumbnailStyle;
    state.sort.column = 4;
    state.sort.directions = {1, 0, 1, 0, 1};
    state.columnWidths = {1, 2, 3, 4, 5, 6, 7};
    ListViewState shown = ShownViewState(state);
    EXPECT_EQ(kThumbnailStyle, shown.style);
    EXPECT_EQ(4, shown.sort.column);
    EXPECT_EQ(state.sort.directions, shown.sort.directions);
    EXPECT_EQ(state.columnWidths, shown.columnWidths);

    state.style = kCommentStyle;
    state.sort.column = 0;
    EXPECT_EQ(kCommentStyle, ShownViewState(state).style);
    EXPECT_EQ(0, ShownViewState(state).sort.column);

    state.style = 5;
    state.sort.column = 5;
    EXPECT_EQ(kDetailsStyle, ShownViewState(state).style);
    EXPECT_EQ(0, ShownViewState(state).sort.column);
    state.style = -2;
    state.sort.column = -7;
    EXPECT_EQ(kDetailsStyle, ShownViewState(state).style);
    EXPECT_EQ(0, ShownViewState(state).sort.column);
}

}  // namespace
