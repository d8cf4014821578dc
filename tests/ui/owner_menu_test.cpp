// Real popup menus shown for a window of the test, driven from the menu loop's idle message.
#include <gtest/gtest.h>

#include "win/owners.h"
#include "tests/ui/menu_test_support.h"
#include "ui/favourites_menu.h"
#include "ui/image_menus.h"

namespace {

class OwnerMenuTest : public MenuFixture {
protected:
    static void FillWindowMenu(OwnerMenu& menu);
    int ShowAtOwner(OwnerMenu& menu) {
        POINT at = owner_.InsidePoint();
        return menu.Show(owner_.Window(), at.x, at.y);
    }
    bool OwnerIsFree() const {
        return GetPropA(owner_.Window(), kPopupMenuProperty) == nullptr &&
               reinterpret_cast<WNDPROC>(GetWindowLongPtrA(owner_.Window(), GWLP_WNDPROC)) == owner_.Procedure();
    }
    ModalOwner owner_;
};

void FillImageMenu(ImageMenu& menu) {
    menu.AddItem(1, "最大化", kMenuIconMaximise);
    menu.AddItem(2, "タスクトレイに入れる", kMenuIconTray);
    menu.AddItem(3, "閉じる", kMenuIconClose);
}

TEST_F(OwnerMenuTest, ChoosingTheSecondItemReturnsTwo) {
    ImageMenu menu(MenuFixture::Look());
    FillImageMenu(menu);
    owner_.onMenuIdle = [&](int wait, HWND menuWindow) {
        if (wait > 0) return;
        PostKey(menuWindow, VK_DOWN);
        PostKey(menuWindow, VK_DOWN);
        PostKey(menuWindow, VK_RETURN);
    };
    EXPECT_EQ(2, ShowAtOwner(menu));
    EXPECT_TRUE(OwnerIsFree());
}

TEST_F(OwnerMenuTest, EscapeClickOutsideAndCancelModeAllReturnZero) {
    const std::function<void(HWND)> dismissals[] = {
        [](HWND menuWindow) { PostKey(menuWindow, VK_ESCAPE); },
        [](HWND menuWindow) {
            PostClickAt(menuWindow, POINT{1200, 1000});
        },
        [](HWND menuWindow) { PostMessageA(menuWindow, WM_CANCELMODE, 0, 0); },
    };
    for (const auto& dismiss : dismissals) {
        ImageMenu menu(MenuFixture::Look());
        FillImageMenu(menu);
        int waits = 0;
        owner_.onMenuIdle = [&](int, HWND menuWindow) {
            if (waits++ > 0) return;
            // An item is highlighted first, so that dismissing has something to throw away.
            PostKey(menuWindow, VK_DOWN);
            dismiss(menuWindow);
        };
        EXPECT_EQ(0, ShowAtOwner(menu));
        EXPECT_GT(waits, 0);
        EXPECT_TRUE(OwnerIsFree());
    }
}

TEST_F(OwnerMenuTest, OwnerIsTakenOverOnlyWhileTheMenuIsOpen) {
    ImageMenu menu(MenuFixture::Look());
    FillImageMenu(menu);
    bool boundWhileOpen = false;
    owner_.onMenuIdle = [&](int, HWND menuWindow) {
        HWND window = owner_.Window();
        boundWhileOpen = GetPropA(window, kPopupMenuProperty) == &menu &&
                         reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC)) != owner_.Procedure();
        PostKey(menuWindow, VK_ESCAPE);
    };
    ASSERT_TRUE(OwnerIsFree());
    EXPECT_EQ(0, ShowAtOwner(menu));
    EXPECT_TRUE(boundWhileOpen);
    EXPECT_TRUE(OwnerIsFree());
    // The same object shown again binds and lets go again.
    EXPECT_EQ(0, ShowAtOwner(menu));
    EXPECT_TRUE(OwnerIsFree());
}

TEST_F(OwnerMenuTest, OwnersOwnerDrawHandlingIsSuspendedWhileOpenAndBackAfterwards) {
    ImageMenu menu(MenuFixture::Look());
    FillImageMenu(menu);
    int drawnByOwner = -1;
    RECT item{};
    owner_.onMenuIdle = [&](int, HWND menuWindow) {
        drawnByOwner = owner_.drawItems + owner_.measureItems;
        GetMenuItemRect(nullptr, menu.Popup(), 0, &item);
        PostKey(menuWindow, VK_ESCAPE);
    };
    ShowAtOwner(menu);
    // The items were measured (by the menu object) and the loop's own messages still reached
    // the owner, but no owner-draw message did.
    EXPECT_GT(item.bottom - item.top, 0);
    EXPECT_EQ(0, drawnByOwner);
    DRAWITEMSTRUCT record{};
    record.CtlType = ODT_MENU;
    SendMessageA(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&record));
    EXPECT_EQ(1, owner_.drawItems);
}

// Counts what the dispatcher hands to the menu object.
class RecordingMenu : public ImageMenu {
public:
    RecordingMenu() : ImageMenu(MenuFixture::Look()) {}
    void MenuRightButtonUp(HWND, UINT, WPARAM, LPARAM) override { ++rightButtonUps; }
    void MenuSelect(HWND, UINT, WPARAM, LPARAM) override { ++selects; }
    int rightButtonUps = 0;
    int selects = 0;
};

TEST_F(OwnerMenuTest, MenuMessagesGoToTheMenuObjectAndOnlyRightButtonUpGoesOn) {
    RecordingMenu menu;
    FillImageMenu(menu);
    LRESULT initResult = 0;
    owner_.onMenuIdle = [&](int wait, HWND menuWindow) {
        if (wait == 0) {
            PostKey(menuWindow, VK_DOWN);
            return;
        }
        // Wine's menu loop does not send this one; the owner gets it as Windows would send it.
        SendMessageA(owner_.Window(), WM_MENURBUTTONUP, 0, reinterpret_cast<LPARAM>(menu.Popup()));
        initResult = SendMessageA(owner_.Window(), WM_INITMENU, reinterpret_cast<WPARAM>(menu.Popup()), 0);
        PostKey(menuWindow, VK_ESCAPE);
    };
    ShowAtOwner(menu);
    EXPECT_GT(menu.selects, 0);
    EXPECT_EQ(1, menu.rightButtonUps);
    EXPECT_EQ(1, initResult);
    EXPECT_EQ(0, owner_.menuSelects);
    EXPECT_EQ(0, owner_.initMenus);
    EXPECT_EQ(1, owner_.menuRightButtonUps);
}

TEST_F(OwnerMenuTest, ShownItemIsSixtyFiveWiderAndSevenTallerThanItsText) {
    const std::string text = "フォルダを開く１２３";  // ten characters
    ImageMenu menu(MenuFixture::Look());
    menu.AddItem(1, text, kMenuIconNone);
    RECT item{};
    owner_.onMenuIdle = [&](int, HWND menuWindow) {
        GetMenuItemRect(nullptr, menu.Popup(), 0, &item);
        PostKey(menuWindow, VK_ESCAPE);
    };
    ShowAtOwner(menu);
    SIZE extent = TextExtent(MenuFixture::Look().normal13.Get(), text);
    EXPECT_GE(item.right - item.left, extent.cx + 65);
    EXPECT_EQ(extent.cy + 7, item.bottom - item.top);
}

TEST_F(OwnerMenuTest, SelectedItemOnScreenIsHighlightedOverTheStripe) {
    ImageMenu menu(MenuFixture::Look());
    FillImageMenu(menu);
    COLORREF selectedStripe = 0, selectedFrame = 0, otherStripe = 0;
    owner_.onMenuIdle = [&](int wait, HWND menuWindow) {
        if (wait == 0) {
            PostKey(menuWindow, VK_DOWN);
            return;
        }
        RECT first{}, second{}, window{};
        GetMenuItemRect(nullptr, menu.Popup(), 0, &first);
        GetMenuItemRect(nullptr, menu.Popup(), 1, &second);
        GetWindowRect(menuWindow, &window);
        WindowDC dc(menuWindow, nullptr, DCX_WINDOW | DCX_CACHE);
        int middle = (first.top + first.bottom) / 2 - window.top;
        selectedFrame = GetPixel(dc.Get(), first.left - window.left, middle);
        selectedStripe = GetPixel(dc.Get(), first.left - window.left + 1, middle);
        otherStripe = GetPixel(dc.Get(), second.left - window.left + 1, (second.top + second.bottom) / 2 - window.top);
        PostKey(menuWindow, VK_ESCAPE);
    };
    ShowAtOwner(menu);
    EXPECT_EQ(RGB(0, 0, 128), selectedFrame);
    EXPECT_EQ(RGB(255, 255, 235), selectedStripe);
    EXPECT_NE(RGB(255, 255, 235), otherStripe);
    EXPECT_NE(RGB(255, 255, 255), otherStripe);
}

TEST_F(OwnerMenuTest, UnbuiltMenuShowsNothingAndReturnsZero) {
    ImageMenu menu(MenuFixture::Look());
    int waits = 0;
    owner_.onMenuIdle = [&](int, HWND menuWindow) {
        ++waits;
        PostKey(menuWindow, VK_ESCAPE);
    };
    EXPECT_EQ(0, ShowAtOwner(menu));
    EXPECT_EQ(0, waits);
    EXPECT_TRUE(OwnerIsFree());
}

TEST_F(OwnerMenuTest, FavouriteInsideAGroupReturnsItsOwnNumber) {
    FavouritesMenu menu(MenuFixture::Look());
    menu.AddItem(1, "デスクトップ", 0);
    HMENU group = menu.AddSubmenu("仕事");
    ASSERT_NE(nullptr, group);
    menu.AddSubmenuItem(group, 2, "書類", 0);
    menu.AddSubmenuItem(group, 3, "写真", 0);
    menu.AddItem(4, "音楽", 0);
    owner_.onMenuIdle = [&](int wait, HWND menuWindow) {
        if (wait > 0) return;
        PostKey(menuWindow, VK_DOWN);
        PostKey(menuWindow, VK_DOWN);
        PostKey(menuWindow, VK_RIGHT);
        PostKey(menuWindow, VK_DOWN);
        PostKey(menuWindow, VK_RETURN);
    };
    EXPECT_EQ(3, ShowAtOwner(menu));
    EXPECT_TRUE(OwnerIsFree());
}

TEST_F(OwnerMenuTest, NestedMenuOpensOverAnOpenMenuAndHandsTheOwnerBack) {
    ImageMenu outer(MenuFixture::Look());
    FillImageMenu(outer);
    OffsetImageMenu inner(MenuFixture::Look());
    inner.AddItem(1, "タブ名の変更", kMenuIconRename);
    inner.AddItem(2, "ロック", kMenuIconLock);
    int openMenus = 0, innerChoice = -1;
    bool innerBound = false, outerBoundAgain = false;
    owner_.onMenuIdle = [&](int wait, HWND menuWindow) {
        if (wait == 0) {
            POINT at = owner_.InsidePoint();
            innerChoice = inner.ShowNested(owner_.Window(), at.x + 60, at.y + 20);
            outerBoundAgain = GetPropA(owner_.Window(), kPopupMenuProperty) == &outer;
            PostKey(menuWindow, VK_ESCAPE);
        } else if (wait == 1) {
            openMenus = VisibleMenuWindows();
            innerBound = GetPropA(owner_.Window(), kPopupMenuProperty) == &inner;
            PostKey(menuWindow, VK_DOWN);
            PostKey(menuWindow, VK_DOWN);
            PostKey(menuWindow, VK_RETURN);
        }
    };
    EXPECT_EQ(0, ShowAtOwner(outer));
    EXPECT_EQ(2, openMenus);
    EXPECT_TRUE(innerBound);
    EXPECT_EQ(2, innerChoice);
    EXPECT_TRUE(outerBoundAgain);
    EXPECT_TRUE(OwnerIsFree());
}

TEST_F(OwnerMenuTest, NestedMenuLeavesTheItemsOfOtherMenusToTheirOwners) {
    ImageMenu outer(MenuFixture::Look());
    FillImageMenu(outer);
    OffsetImageMenu inner(MenuFixture::Look());
    inner.AddItem(1, "ロック", kMenuIconLock);
    Canvas32 throughOwner(200, 22), direct(200, 22);
    int ownerDrawsOfForeignMenu = -1;
    owner_.onMenuIdle = [&](int wait, HWND menuWindow) {
        if (wait == 0) {
            POINT at = owner_.InsidePoint();
            inner.ShowNested(owner_.Window(), at.x + 60, at.y + 20);
            PostKey(menuWindow, VK_ESCAPE);
            return;
        }
        // With the inner menu bound over the outer one, an item of the outer menu is painted
        // by the outer object, and an item of a menu that neither knows reaches the owner.
        DRAWITEMSTRUCT outerItem = DrawRecord(throughOwner, outer.Popup(), 2, RECT{0, 0, 200, 22}, false);
        SendMessageA(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&outerItem));
        MenuHandle foreign(CreatePopupMenu());
        DRAWITEMSTRUCT foreignItem = DrawRecord(throughOwner, foreign.Get(), 1, RECT{0, 0, 200, 22}, false);
        int before = owner_.drawItems;
        SendMessageA(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&foreignItem));
        ownerDrawsOfForeignMenu = owner_.drawItems - before;
        PostKey(menuWindow, VK_ESCAPE);
    };
    ShowAtOwner(outer);
    DRAWITEMSTRUCT expected = DrawRecord(direct, outer.Popup(), 2, RECT{0, 0, 200, 22}, false);
    outer.DrawItem(owner_.Window(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&expected));
    EXPECT_TRUE(throughOwner.SameBlock(0, 0, direct, 0, 0, 200, 22));
    EXPECT_EQ(1, ownerDrawsOfForeignMenu);
    EXPECT_TRUE(OwnerIsFree());
}

}  // namespace
