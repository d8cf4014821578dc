// The one routine that both sizes and paints an item of an owner-drawn popup menu, so that the
// room an item asks for is always the room its painting needs.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

class Theme;

// Width of the patterned stripe at the left of every item.
constexpr int kMenuStripeWidth = 22;
// Room around the text: the stripe, the icon and the margins take this much beside it.
constexpr int kMenuItemExtraWidth = 65;
constexpr int kMenuItemExtraHeight = 7;
constexpr int kMenuIconLeft = 3;
constexpr int kMenuTextTop = 4;

struct MenuItemLook {
    const std::string* text = nullptr;
    // The font the text is painted in, and the one it is sized in; some menus size their
    // items in the bold font to leave the normal text a little air.
    HFONT font = nullptr;
    HFONT sizingFont = nullptr;
    HIMAGELIST icons = nullptr;
    int icon = -1;
    int iconTop = 2;
    int textLeft = 27;
    COLORREF textColour = RGB(0, 0, 0);
};

// Without `item` the size the item needs in `dc` is returned and nothing is painted; with it
// the item is painted into its rectangle (highlighted when it is selected).
SIZE RenderMenuItem(HDC dc, const Theme& theme, const MenuItemLook& look, const DRAWITEMSTRUCT* item);
