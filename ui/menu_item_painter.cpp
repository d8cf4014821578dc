#include "ui/menu_item_painter.h"

#include "win/owners.h"
#include "ui/theme.h"

namespace {

SIZE TextSize(HDC dc, const std::string& text, HFONT font) {
    SelectedObject selected(dc, font);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

void PaintBackground(HDC dc, const Theme& theme, const RECT& item, bool selected) {
    if (selected) {
        FillRect(dc, &item, theme.menuHighlight.Get());
        FrameRect(dc, &item, theme.menuHighlightFrame.Get());
        return;
    }
    RECT stripe = item;
    stripe.right = item.left + kMenuStripeWidth;
    RECT rest = item;
    rest.left = stripe.right;
    FillRect(dc, &rest, theme.menuBackground.Get());
    // The pattern starts at each item's own corner, wherever the menu puts the item.
    POINT previousOrigin{};
    SetBrushOrgEx(dc, item.left, item.top, &previousOrigin);
    FillRect(dc, &stripe, theme.menuStripe.Get());
    SetBrushOrgEx(dc, previousOrigin.x, previousOrigin.y, nullptr);
}

}  // namespace

SIZE RenderMenuItem(HDC dc, const Theme& theme, const MenuItemLook& look, const DRAWITEMSTRUCT* item) {
    static const std::string kNoText;
    const std::string& text = look.text ? *look.text : kNoText;
    SIZE needed = TextSize(dc, text, look.sizingFont ? look.sizingFont : look.font);
    needed.cx += kMenuItemExtraWidth;
    needed.cy += kMenuItemExtraHeight;
    if (!item) return needed;

    const RECT& r = item->rcItem;
    SelectedObject font(dc, look.font);
    PaintBackground(dc, theme, r, (item->itemState & ODS_SELECTED) != 0);
    int previousMode = SetBkMode(dc, TRANSPARENT);
    if (look.icons && look.icon >= 0)
        ImageList_Draw(look.icons, look.icon, dc, r.left + kMenuIconLeft, r.top + look.iconTop, ILD_TRANSPARENT);
    COLORREF previousColour = SetTextColor(dc, look.textColour);
    TextOutA(dc, r.left + look.textLeft, r.top + kMenuTextTop, text.c_str(), static_cast<int>(text.size()));
    SetTextColor(dc, previousColour);
    SetBkMode(dc, previousMode);
    return needed;
}
