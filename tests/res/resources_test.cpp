// The resources that the program loads by number: menus, dialog templates, icons, cursors and the
// bitmaps of the theme.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/theme.h"
#include "win/owners.h"

namespace {

struct Item {
    UINT id;  // 0 for a separator or a submenu
    std::string text;
};

std::vector<Item> ItemsOf(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[128] = {};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_SUBMENU | MIIM_FTYPE | MIIM_STRING;
        info.dwTypeData = text;
        info.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        bool plain = !(info.fType & MFT_SEPARATOR) && !info.hSubMenu;
        items.push_back({plain ? info.wID : 0u, text});
    }
    return items;
}

std::vector<UINT> IdsOf(const std::vector<Item>& items) {
    std::vector<UINT> ids;
    for (const Item& item : items) ids.push_back(item.id);
    return ids;
}

MenuHandle Load(int id) { return MenuHandle(LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id))); }

TEST(ProgramResourcesTest, ListBackgroundMenuHoldsTheViewSubmenuAndTheCommands) {
    MenuHandle menu = Load(132);
    ASSERT_TRUE(menu);
    HMENU background = GetSubMenu(menu.Get(), 0);
    ASSERT_NE(nullptr, background);
    std::vector<Item> items = ItemsOf(background);
    EXPECT_EQ((std::vector<UINT>{0, 0, 40012, 0, 40013, 40014, 0, 40015, 40033, 0, 40016}), IdsOf(items));
    EXPECT_EQ("表示", items[0].text);
    EXPECT_EQ("貼り付け(&P)", items[4].text);
    EXPECT_EQ("プロパティ(&R)", items[10].text);
    HMENU view = GetSubMenu(background, 0);
    ASSERT_NE(nullptr, view);
    std::vector<Item> styles = ItemsOf(view);
    EXPECT_EQ((std::vector<UINT>{40017, 40018, 40019, 40020}), IdsOf(styles));
    EXPECT_EQ("一覧", styles[2].text);
}

TEST(ProgramResourcesTest, FavouritesMenusHoldTheirCommandsInOrder) {
    MenuHandle group = Load(351);
    MenuHandle favourite = Load(352);
    ASSERT_TRUE(group);
    ASSERT_TRUE(favourite);
    std::vector<Item> groupItems = ItemsOf(GetSubMenu(group.Get(), 0));
    std::vector<Item> favouriteItems = ItemsOf(GetSubMenu(favourite.Get(), 0));
    EXPECT_EQ((std::vector<UINT>{40029, 40026, 40030, 40032}), IdsOf(groupItems));
    EXPECT_EQ((std::vector<UINT>{40031, 40027}), IdsOf(favouriteItems));
    EXPECT_EQ("グループの削除", groupItems[2].text);
    EXPECT_EQ("アイテムの削除", favouriteItems[0].text);
}

TEST(ProgramResourcesTest, EveryDialogTemplateIsPresent) {
    for (int id : {139, 147, 228, 353, 393, 394}) {
        SCOPED_TRACE(id);
        EXPECT_NE(nullptr, FindResourceA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), RT_DIALOG));
    }
}

TEST(ProgramResourcesTest, TheIconsAndCursorsArePresent) {
    HMODULE module = GetModuleHandleA(nullptr);
    for (int id : {307, 326}) {
        SCOPED_TRACE(id);
        EXPECT_NE(nullptr, FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_ICON));
    }
    for (int id : {104, 105, 106}) {
        SCOPED_TRACE(id);
        EXPECT_NE(nullptr, FindResourceA(module, MAKEINTRESOURCEA(id), RT_GROUP_CURSOR));
    }
}

// A bitmap that the theme cannot load leaves its image list short, and every later image in the
// wrong place.
TEST(ProgramResourcesTest, TheThemeFindsEveryBitmapItLoads) {
    Theme theme;
    theme.CreateFonts();
    theme.CreateImageLists();
    theme.CreateBitmapStrips(GetModuleHandleA(nullptr));
    theme.CreateMenuLook(GetModuleHandleA(nullptr));
    EXPECT_EQ(1, ImageList_GetImageCount(theme.logoStrip.Get()));
    EXPECT_EQ(10, ImageList_GetImageCount(theme.markIcons.Get()));
    EXPECT_EQ(kMenuIconVersion + 1, ImageList_GetImageCount(theme.menuIcons.Get()));
    EXPECT_TRUE(theme.menuStripeBitmap);
}

}  // namespace
