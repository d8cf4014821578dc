#include "core/view_style_menu.h"

#include <gtest/gtest.h>

namespace {

TEST(ViewStyleMenu, EveryStyleMarksTheItemThatChoosesItInTheMenusOrderWithAndWithoutPolaroids) {
    const int order[] = {kIconStyle, kTileStyle, kListStyle, kDetailsStyle, kCommentStyle, kThumbnailStyle};
    for (bool polaroid : {false, true}) {
        for (int item = 1; item <= kStyleMenuItemCount; ++item) {
            StyleLayout shown = LayoutOfStyle(order[item - 1], polaroid);
            EXPECT_EQ(item, StyleMenuMark(shown.commentMode, shown.thumbnailMode, shown.layout));
            int chosen = 99;
            ASSERT_TRUE(StyleOfMenuItem(item, chosen));
            EXPECT_EQ(order[item - 1], chosen);
        }
    }
    int untouched = 99;
    EXPECT_FALSE(StyleOfMenuItem(0, untouched));
    EXPECT_FALSE(StyleOfMenuItem(kStyleMenuItemCount + 1, untouched));
    EXPECT_EQ(99, untouched);
}

}  // namespace
