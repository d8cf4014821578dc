#include "core/layout.h"

#include <gtest/gtest.h>

namespace {

using namespace layout;

const Rect kClient{0, 0, 800, 600};

void ExpectBox(const Box& box, int x, int y, int width, int height) {
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(x, box.x);
    EXPECT_EQ(y, box.y);
    EXPECT_EQ(width, box.width);
    EXPECT_EQ(height, box.height);
}

TEST(Layout, ListsOnlyFillsThePanelAndHidesTheRest) {
    Sizes sizes;
    Placement p = Place(kListsOnly, kClient, sizes);
    ExpectBox(p.tabBar, 28, 21, 761, 20);
    ExpectBox(p.mainHeader, 28, 46, 761, 20);
    ExpectBox(p.mainList, 28, 66, 761, 503);
    ExpectBox(p.mainInfo, 28, 569, 761, 20);
    EXPECT_FALSE(p.subList.shown || p.subHeader.shown || p.subInfo.shown || p.tree.shown || p.treeHeader.shown ||
                 p.favourites.shown || p.favouritesHeader.shown);
    EXPECT_FALSE(p.hasSplitter);
    EXPECT_EQ(740, p.trayButton.x);
    EXPECT_EQ(757, p.maximiseButton.x);
    EXPECT_EQ(774, p.closeButton.x);
    EXPECT_EQ(1, p.closeButton.y);
}

TEST(Layout, LeftPaneSitsBesideTheMainList) {
    Sizes sizes;
    sizes.leftWidth = 180;
    for (Mode mode : {kTree, kFavourites}) {
        Placement p = Place(mode, kClient, sizes);
        const Box& pane = mode == kTree ? p.tree : p.favourites;
        const Box& strip = mode == kTree ? p.treeHeader : p.favouritesHeader;
        const Box& other = mode == kTree ? p.favourites : p.tree;
        ExpectBox(pane, 28, 66, 180, 523);
        ExpectBox(strip, 28, 46, 180, 20);
        EXPECT_FALSE(other.shown);
        EXPECT_FALSE(p.subList.shown);
        ExpectBox(p.mainList, 213, 66, 576, 503);
        ExpectBox(p.mainHeader, 213, 46, 576, 20);
        ExpectBox(p.mainInfo, 213, 569, 576, 20);
        ASSERT_TRUE(p.hasSplitter);
        EXPECT_TRUE(p.splitterVertical);
        EXPECT_EQ(208, p.splitter.left);
        EXPECT_EQ(213, p.splitter.right);
        EXPECT_EQ(46, p.splitter.top);
        EXPECT_EQ(589, p.splitter.bottom);
    }
}

TEST(Layout, SubListToTheRightAndItsWidthClamp) {
    Sizes sizes;
    sizes.subToTheRight = true;
    sizes.subWidth = 250;
    Placement p = Place(kTwoPane, kClient, sizes);
    ExpectBox(p.mainList, 28, 66, 506, 503);
    ExpectBox(p.subList, 539, 66, 250, 503);
    ExpectBox(p.subHeader, 539, 46, 250, 20);
    ExpectBox(p.subInfo, 539, 569, 250, 20);
    EXPECT_EQ(534, p.splitter.left);
    EXPECT_EQ(538, p.splitter.right);
    EXPECT_FALSE(p.tree.shown || p.favourites.shown);

    sizes.subWidth = 99;
    Place(kTwoPane, kClient, sizes);
    EXPECT_EQ(99, sizes.subWidth);
    sizes.subWidth = 98;
    Place(kTwoPane, kClient, sizes);
    EXPECT_EQ(100, sizes.subWidth);
    sizes.subWidth = 700;
    Place(kTwoPane, kClient, sizes);
    EXPECT_EQ(800 - 134, sizes.subWidth);
}

TEST(Layout, SubListBelowAndItsHeightClamp) {
    Sizes sizes;
    sizes.subHeight = 200;
    Placement p = Place(kTwoPane, kClient, sizes);
    ExpectBox(p.mainHeader, 28, 46, 761, 20);
    ExpectBox(p.mainList, 28, 66, 761, 278);
    ExpectBox(p.mainInfo, 28, 344, 761, 20);
    ExpectBox(p.subHeader, 28, 369, 761, 20);
    ExpectBox(p.subList, 28, 389, 761, 180);
    ExpectBox(p.subInfo, 28, 569, 761, 20);
    EXPECT_FALSE(p.splitterVertical);
    EXPECT_EQ(364, p.splitter.top);
    EXPECT_EQ(369, p.splitter.bottom);
    EXPECT_EQ(789, p.splitter.right);

    sizes.subHeight = 98;
    Place(kTwoPane, kClient, sizes);
    EXPECT_EQ(100, sizes.subHeight);
    sizes.subHeight = 475;
    Place(kTwoPane, kClient, sizes);
    EXPECT_EQ(475, sizes.subHeight);
    sizes.subHeight = 476;
    Place(kTwoPane, kClient, sizes);
    EXPECT_EQ(600 - 127, sizes.subHeight);
}

TEST(Layout, FrameHitTest) {
    Rect splitter{208, 46, 213, 589};
    EXPECT_EQ(Hit::TopLeft, HitTest(kClient, {10, 10}, kTree, splitter));
    EXPECT_EQ(Hit::TopRight, HitTest(kClient, {795, 17}, kTree, splitter));
    EXPECT_EQ(Hit::BottomLeft, HitTest(kClient, {24, 599}, kTree, splitter));
    EXPECT_EQ(Hit::BottomRight, HitTest(kClient, {792, 592}, kTree, splitter));
    EXPECT_EQ(Hit::Top, HitTest(kClient, {400, 2}, kTree, splitter));
    EXPECT_EQ(Hit::Left, HitTest(kClient, {2, 300}, kTree, splitter));
    EXPECT_EQ(Hit::Bottom, HitTest(kClient, {400, 598}, kTree, splitter));
    EXPECT_EQ(Hit::Right, HitTest(kClient, {798, 300}, kTree, splitter));
    EXPECT_EQ(Hit::Caption, HitTest(kClient, {400, 3}, kTree, splitter));
    EXPECT_EQ(Hit::Client, HitTest(kClient, {210, 300}, kTree, splitter));
    EXPECT_EQ(Hit::Caption, HitTest(kClient, {210, 300}, kListsOnly, splitter));
    EXPECT_EQ(Hit::Caption, HitTest(kClient, {213, 300}, kTree, splitter));
}

TEST(Layout, DraggingTheSplitterFollowsTheCursorWithinItsBand) {
    Sizes sizes;
    sizes.leftWidth = 180;
    Placement p = Place(kTree, kClient, sizes);
    Rect splitter = p.splitter;
    Drag drag;
    BeginDrag(drag, kTree, sizes, {1210, 500});  // window at screen x 1000
    EXPECT_TRUE(FollowDrag(drag, kTree, kClient, {300, 200}, {1300, 700}, sizes, splitter));
    EXPECT_EQ(270, sizes.leftWidth);
    EXPECT_EQ(298, splitter.left);
    EXPECT_EQ(303, splitter.right);
    EXPECT_FALSE(FollowDrag(drag, kTree, kClient, {124, 200}, {1124, 700}, sizes, splitter));
    EXPECT_FALSE(FollowDrag(drag, kTree, kClient, {693, 200}, {1693, 700}, sizes, splitter));
    EXPECT_EQ(270, sizes.leftWidth);
    EXPECT_TRUE(FollowDrag(drag, kTree, kClient, {692, 200}, {1692, 700}, sizes, splitter));

    sizes.subToTheRight = true;
    sizes.subWidth = 250;
    splitter = Place(kTwoPane, kClient, sizes).splitter;
    BeginDrag(drag, kTwoPane, sizes, {1536, 0});
    EXPECT_TRUE(FollowDrag(drag, kTwoPane, kClient, {500, 0}, {1500, 0}, sizes, splitter));
    EXPECT_EQ(286, sizes.subWidth);
    EXPECT_EQ(800 - 286 - 16, splitter.left);

    sizes.subToTheRight = false;
    sizes.subHeight = 200;
    splitter = Place(kTwoPane, kClient, sizes).splitter;
    BeginDrag(drag, kTwoPane, sizes, {0, 1366});
    EXPECT_FALSE(FollowDrag(drag, kTwoPane, kClient, {0, 117}, {0, 1117}, sizes, splitter));
    EXPECT_FALSE(FollowDrag(drag, kTwoPane, kClient, {0, 493}, {0, 1493}, sizes, splitter));
    EXPECT_TRUE(FollowDrag(drag, kTwoPane, kClient, {0, 300}, {0, 1300}, sizes, splitter));
    EXPECT_EQ(266, sizes.subHeight);
    EXPECT_EQ(600 - 266 - 32, splitter.top);
}

TEST(LayoutModes, TwoPaneFromFavouritesAndBack) {
    ModeState s;
    Sizes sizes;
    ToggleFavourites(s, sizes, 800);
    EXPECT_EQ(kFavourites, s.mode);
    SwitchResult on = ToggleTwoPane(s, 2);
    EXPECT_TRUE(on.openSubList);
    EXPECT_EQ(kTwoPane, s.mode);
    SwitchResult off = ToggleTwoPane(s, 2);
    EXPECT_TRUE(off.closeSubList);
    EXPECT_EQ(kFavourites, s.mode);
    EXPECT_EQ(kNoLeftPane, s.memory);
}

TEST(LayoutModes, TreeWithFavouritesRememberedComesBackThenFavourites) {
    ModeState s;
    Sizes sizes;
    ToggleFavourites(s, sizes, 800);
    ToggleTree(s, sizes, 800);
    EXPECT_EQ(kTree, s.mode);
    EXPECT_EQ(kFavouritesRemembered, s.memory);
    ToggleTwoPane(s, 3);
    EXPECT_EQ(kTreeThenFavourites, s.memory);
    ToggleTwoPane(s, 3);
    EXPECT_EQ(kTree, s.mode);
    SwitchResult hide = ToggleTree(s, sizes, 800);
    EXPECT_FALSE(hide.closeSubList);
    EXPECT_EQ(kFavourites, s.mode);
    ToggleFavourites(s, sizes, 800);
    EXPECT_EQ(kListsOnly, s.mode);
}

TEST(LayoutModes, LeftPaneSwitchedOnFromTwoPaneClosesTheSubList) {
    ModeState s;
    Sizes sizes;
    ToggleTwoPane(s, 2);
    SwitchResult tree = ToggleTree(s, sizes, 800);
    EXPECT_TRUE(tree.closeSubList);
    EXPECT_EQ(kTree, s.mode);
    EXPECT_EQ(kNoLeftPane, s.memory);
}

TEST(LayoutModes, OneTabRefusesTwoPane) {
    ModeState s;
    EXPECT_FALSE(ToggleTwoPane(s, 1).changed);
    EXPECT_EQ(kListsOnly, s.mode);
    s.mode = kTree;
    EXPECT_FALSE(ToggleTwoPane(s, 0).changed);
    EXPECT_EQ(kTree, s.mode);
}

TEST(LayoutModes, LeftWidthIsLimitedWhenAPaneComesOn) {
    ModeState s;
    Sizes sizes;
    sizes.leftWidth = 500;
    ToggleTree(s, sizes, 400);
    EXPECT_EQ(316, sizes.leftWidth);
    sizes.leftWidth = 500;
    ToggleFavourites(s, sizes, 400);
    EXPECT_EQ(316, sizes.leftWidth);
    sizes.leftWidth = 200;
    ToggleTree(s, sizes, 400);
    EXPECT_EQ(200, sizes.leftWidth);
}

TEST(LayoutModes, SubTabIsAnotherTabThanTheMainOne) {
    EXPECT_EQ(3, ChooseSubTab(3, 1, 4));
    EXPECT_EQ(2, ChooseSubTab(-1, 1, 4));
    EXPECT_EQ(1, ChooseSubTab(-1, 3, 4));
    EXPECT_EQ(4, ChooseSubTab(3, 3, 4));
    EXPECT_EQ(3, ChooseSubTab(4, 4, 4));
    EXPECT_EQ(1, ChooseSubTab(9, 2, 2));
    EXPECT_EQ(1, ChooseSubTab(2, 2, 2));
}

}  // namespace
