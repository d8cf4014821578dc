#include "core/settings_choices.h"

#include <gtest/gtest.h>

TEST(HotKeyChoiceTest, ABareKeyTakesBothModifiersAndAModifierAloneChoosesNoKey) {
    HotKeyChoice bare = HotKeyFromKeyPress('Q', false, false);
    EXPECT_EQ(bare.modifiers, 3);
    EXPECT_EQ(bare.key, 'Q');
    HotKeyChoice withAlt = HotKeyFromKeyPress('W', false, true);
    EXPECT_EQ(withAlt.modifiers, 2);
    EXPECT_EQ(withAlt.key, 'W');
    for (int modifierKey : {kShiftKey, kControlKey, kAltKey, kLeftShiftKey, kRightShiftKey, kLeftControlKey,
                            kRightControlKey, kLeftAltKey, kRightAltKey}) {
        HotKeyChoice choice = HotKeyFromKeyPress(modifierKey, modifierKey == kControlKey, false);
        EXPECT_EQ(choice.key, 0) << modifierKey;
    }
    EXPECT_EQ(HotKeyFromKeyPress(kControlKey, true, false).modifiers, 1);
}

TEST(HotKeyChoiceTest, TextNamesTheModifiersThenTheKeyAndSaysNoneWhenEmpty) {
    EXPECT_EQ(HotKeyText(3, "Q"), "Ctrl + Alt + Q");
    EXPECT_EQ(HotKeyText(1, ""), "Ctrl + ");
    EXPECT_EQ(HotKeyText(0, ""), "なし");
    EXPECT_TRUE(NamedAsExtendedKey(0x2E));
    EXPECT_TRUE(NamedAsExtendedKey(0x25));
    EXPECT_FALSE(NamedAsExtendedKey('Q'));
    EXPECT_FALSE(NamedAsExtendedKey(0x60));  // number pad 0 keeps its own name
}

TEST(OpacityTest, PercentAndOpacityStayInTheSlidersRangeAndRoundTrip) {
    EXPECT_EQ(OpacityFromPercent(100), 255);
    EXPECT_EQ(OpacityFromPercent(10), 25);
    EXPECT_EQ(OpacityFromPercent(0), 25);
    EXPECT_EQ(PercentOfOpacity(230), 90);
    EXPECT_EQ(PercentOfOpacity(0), 10);
    EXPECT_EQ(PercentOfOpacity(400), 100);
    for (int percent = 10; percent <= 100; ++percent) EXPECT_EQ(PercentOfOpacity(OpacityFromPercent(percent)), percent);
}
