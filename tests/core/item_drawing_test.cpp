#include "core/item_drawing.h"

#include <gtest/gtest.h>

using namespace drawing;

namespace {

Settings ColourSettings() {
    Settings settings = DefaultSettings();
    settings.listTextColour = 0x000001;
    settings.readOnlyColour = 0x000002;
    settings.hiddenColour = 0x000003;
    settings.systemColour = 0x000004;
    settings.folderColour = 0x000005;
    settings.emptyFolderColour = 0x000006;
    settings.readOnlyUse = settings.hiddenUse = settings.systemUse = settings.folderUse = settings.emptyFolderUse = 1;
    return settings;
}

// Counts how often the emptiness of a folder is looked up, which reads the disk.
struct EmptinessProbe {
    bool empty;
    int asked = 0;
    std::function<bool()> Ask() {
        return [this] {
            ++asked;
            return empty;
        };
    }
};

}  // namespace

TEST(ItemTextColourTest, TheFirstFittingAttributeRuleWins) {
    Settings settings = ColourSettings();
    EmptinessProbe probe{true};
    EXPECT_EQ(0x000002, ItemTextColour(settings, kReadOnlyAttribute | kHiddenAttribute, probe.Ask()));
    EXPECT_EQ(0x000003,
              ItemTextColour(settings, kHiddenAttribute | kSystemAttribute | kDirectoryAttribute, probe.Ask()))
        << "a hidden folder takes the hidden colour, not a folder colour";
    EXPECT_EQ(0x000004, ItemTextColour(settings, kSystemAttribute, probe.Ask()));
    EXPECT_EQ(0x000001, ItemTextColour(settings, 0x20, probe.Ask()));
    EXPECT_EQ(0, probe.asked);

    settings.readOnlyUse = 0;
    EXPECT_EQ(0x000003, ItemTextColour(settings, kReadOnlyAttribute | kHiddenAttribute, probe.Ask()));
    settings.hiddenUse = settings.systemUse = 0;
    EXPECT_EQ(0x000001,
              ItemTextColour(settings, kReadOnlyAttribute | kHiddenAttribute | kSystemAttribute, probe.Ask()));
}

TEST(ItemTextColourTest, FoldersAreLookedIntoOnlyWhenEmptyFoldersHaveTheirOwnColour) {
    Settings settings = ColourSettings();
    EmptinessProbe empty{true};
    EmptinessProbe full{false};
    EXPECT_EQ(0x000006, ItemTextColour(settings, kDirectoryAttribute, empty.Ask()));
    EXPECT_EQ(0x000005, ItemTextColour(settings, kDirectoryAttribute, full.Ask()));

    settings.folderUse = 0;
    EXPECT_EQ(0x000006, ItemTextColour(settings, kDirectoryAttribute, empty.Ask()))
        << "an empty folder has its colour even when folders have none";
    EXPECT_EQ(0x000001, ItemTextColour(settings, kDirectoryAttribute, full.Ask()));

    settings.emptyFolderUse = 0;
    settings.folderUse = 1;
    EmptinessProbe unasked{true};
    EXPECT_EQ(0x000005, ItemTextColour(settings, kDirectoryAttribute, unasked.Ask()));
    EXPECT_EQ(0, unasked.asked);
    EXPECT_EQ(2, empty.asked);
}

TEST(ItemTextColourTest, WithEveryRuleOffEveryItemTakesTheListColour) {
    Settings settings = ColourSettings();
    settings.readOnlyUse = settings.hiddenUse = settings.systemUse = settings.folderUse = settings.emptyFolderUse = 0;
    EmptinessProbe probe{true};
    for (uint32_t attributes : {0u, kReadOnlyAttribute, kHiddenAttribute, kSystemAttribute, kDirectoryAttribute,
                                kReadOnlyAttribute | kHiddenAttribute | kSystemAttribute | kDirectoryAttribute})
        EXPECT_EQ(0x000001, ItemTextColour(settings, attributes, probe.Ask())) << attributes;
    EXPECT_EQ(0, probe.asked);
}

TEST(ItemTextColourTest, AnItemWithoutAttributesIsAFile) {
    Settings settings = ColourSettings();
    EmptinessProbe probe{true};
    EXPECT_EQ(0x000001, ItemTextColour(settings, 0, probe.Ask()));
    EXPECT_EQ(0, probe.asked);
}

TEST(LightTintTest, EachChannelMovesNineTenthsOfTheWayToWhiteRoundingDown) {
    EXPECT_EQ(0xE5E5E5u, LightTint(0x000000));
    EXPECT_EQ(0xFFFFFFu, LightTint(0xFFFFFF));
    // 0x10 → 16 + ⌊0.9 × 239⌋ = 231; 0x80 → 128 + ⌊0.9 × 127⌋ = 242; 0xFE → 254 + 0.
    EXPECT_EQ(0xE7F2FEu, LightTint(0x1080FE));
    EXPECT_EQ(0u, LightTint(0xFF000000) >> 24) << "the byte above the colour is not carried";
}

TEST(ListNameWidthTest, TheNameBoxIsAsWideAsTheNameButStaysInsideTheLabel) {
    EXPECT_EQ(40, ListNameWidth(40, 100));
    EXPECT_EQ(100, ListNameWidth(100, 100));
    EXPECT_EQ(97, ListNameWidth(101, 100));
}

TEST(RowDrawingTest, EveryOtherRowFromTheSecondIsStriped) {
    EXPECT_FALSE(AlternateRow(0));
    EXPECT_TRUE(AlternateRow(1));
    EXPECT_FALSE(AlternateRow(2));
    EXPECT_TRUE(AlternateRow(99999));
}

TEST(RowDrawingTest, ColumnBandsFollowTheWidthsFromTheRowsLeftEdgeAtTheNamesHeight) {
    const int widths[5] = {150, 50, 120, 120, 50};
    Rect row{-30, 40, 460, 58};
    Rect name{-7, 41, 120, 57};
    Rect size = ColumnBand(row, name, widths, 1);
    EXPECT_EQ(120, size.left);
    EXPECT_EQ(162, size.right) << "the size column keeps 8 pixels free";
    EXPECT_EQ(41, size.top);
    EXPECT_EQ(57, size.bottom);
    Rect type = ColumnBand(row, name, widths, 2);
    EXPECT_EQ(170, type.left);
    EXPECT_EQ(290, type.right);
    Rect attributes = ColumnBand(row, name, widths, 4);
    EXPECT_EQ(410, attributes.left);
    EXPECT_EQ(460, attributes.right);
}

TEST(ThumbnailDrawingTest, PicturesAreCentredInThePictureArea) {
    Rect icon{100, 200, 246, 358};
    layout::Point wide = PicturePlace(icon, 130, 60);
    EXPECT_EQ(108, wide.x);
    EXPECT_EQ(221, wide.y);
    layout::Point tall = PicturePlace(icon, 40, 98);
    EXPECT_EQ(153, tall.x);
    EXPECT_EQ(202, tall.y);
}

TEST(ThumbnailDrawingTest, ThePlaceholderLeavesTheCaptionFreeOnlyWithPolaroidFrames) {
    Rect icon{100, 200, 246, 358};
    Rect framed = PlaceholderBox(icon, true);
    EXPECT_EQ(105, framed.left);
    EXPECT_EQ(205, framed.top);
    EXPECT_EQ(241, framed.right);
    EXPECT_EQ(299, framed.bottom);
    EXPECT_EQ(353, PlaceholderBox(icon, false).bottom);
}

TEST(ThumbnailDrawingTest, TheCaptionIsRuledLikeNotePaperWithTheStampUnderIt) {
    Rect icon{100, 200, 246, 358};
    Caption caption = CaptionOf(icon);
    EXPECT_EQ(105, caption.comment.left);
    EXPECT_EQ(300, caption.comment.top);
    EXPECT_EQ(241, caption.comment.right);
    EXPECT_EQ(350, caption.comment.bottom);
    EXPECT_EQ(350, caption.stamp.top);
    EXPECT_EQ(360, caption.stamp.bottom);
    for (size_t line = 0; line < caption.rules.size(); ++line) {
        EXPECT_EQ(310 + 10 * static_cast<int>(line), caption.rules[line].top);
        EXPECT_EQ(1, caption.rules[line].bottom - caption.rules[line].top);
        EXPECT_EQ(caption.comment.left, caption.rules[line].left);
        EXPECT_EQ(caption.comment.right, caption.rules[line].right);
    }
}

TEST(ThumbnailDrawingTest, OnlyClicksInsideTheCellBelowThePictureAreOnTheCaption) {
    Rect icon{100, 200, 246, 358};
    EXPECT_TRUE(OnCaption(icon, 150, 298));
    EXPECT_TRUE(OnCaption(icon, 100, 357));
    EXPECT_FALSE(OnCaption(icon, 150, 297)) << "on the picture";
    EXPECT_FALSE(OnCaption(icon, 150, 358)) << "below the cell";
    EXPECT_FALSE(OnCaption(icon, 246, 300)) << "right of the cell";
}
