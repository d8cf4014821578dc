#include "panes/list/list_pane.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <cstring>

#include "tests/ui/control_test_host.h"

namespace {

LOGFONTA ListFont() {
    LOGFONTA font{};
    font.lfHeight = -13;
    font.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(font.lfFaceName, "ＭＳ Ｐゴシック");
    return font;
}

DWORD LayoutBits(HWND list) { return static_cast<DWORD>(GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK); }

class ListPaneTest : public testing::Test {
protected:
    ControlTestHost host_;
};

TEST_F(ListPaneTest, EachListKeepsItsOwnStyleAndSavesItByItsLayout) {
    ListPane main(kMainListId);
    ListPane sub(kSubListId);
    main.Create(host_.Window(), ListFont(), kThumbnailStyle);
    sub.Create(host_.Window(), ListFont(), kCommentStyle);
    EXPECT_EQ(main.Window(), GetDlgItem(host_.Window(), kMainListId));
    EXPECT_EQ(sub.Window(), GetDlgItem(host_.Window(), kSubListId));

    EXPECT_EQ(kThumbnailStyle, main.Style());
    EXPECT_EQ(kCommentStyle, sub.Style());
    EXPECT_EQ(static_cast<DWORD>(LVS_ICON), LayoutBits(main.Window()));
    EXPECT_EQ(static_cast<DWORD>(LVS_REPORT), LayoutBits(sub.Window()));
    EXPECT_EQ(LVS_ICON, main.SavedStyle()) << "the thumbnail style is kept as the icon layout";
    EXPECT_EQ(kCommentStyle, sub.SavedStyle());

    sub.SetStyle(3);
    EXPECT_EQ(3, sub.Style());
    EXPECT_EQ(kThumbnailStyle, main.Style()) << "styling one list leaves the other alone";
    EXPECT_EQ(static_cast<DWORD>(LVS_LIST), LayoutBits(sub.Window()));
}

TEST_F(ListPaneTest, StyleOutsideTheKnownOnesIsTheIconStyle) {
    ListPane list(kMainListId);
    list.Create(host_.Window(), ListFont(), 9);
    EXPECT_EQ(0, list.Style());
    list.SetStyle(-2);
    EXPECT_EQ(0, list.Style());
    EXPECT_EQ(static_cast<DWORD>(LVS_ICON), LayoutBits(list.Window()));
}

TEST_F(ListPaneTest, ListShowsThePanesFontAndForgetsItWhenThePaneGoes) {
    HWND window = nullptr;
    HFONT font = nullptr;
    {
        ListPane list(kMainListId);
        list.Create(host_.Window(), ListFont(), 1);
        window = list.Window();
        font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
        ASSERT_NE(nullptr, font);
        LOGFONTA shown{};
        ASSERT_NE(0, GetObjectA(font, sizeof shown, &shown));
        EXPECT_EQ(-13, shown.lfHeight);
        EXPECT_STREQ("ＭＳ Ｐゴシック", shown.lfFaceName);
    }
    ASSERT_TRUE(IsWindow(window));
    LOGFONTA gone{};
    EXPECT_EQ(0, GetObjectA(font, sizeof gone, &gone)) << "the pane's font goes with the pane";
    EXPECT_NE(font, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)))
        << "the control must not keep a font that no longer exists";
    DestroyWindow(window);
}

}  // namespace
