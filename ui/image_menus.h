// Popup menus whose items carry an icon of the menu icon list (MenuIcon), or none (-1).
#pragma once
#include "ui/owner_menu.h"

class ImageMenu : public ValueMenu {
public:
    using ValueMenu::ValueMenu;

protected:
    bool LookOf(UINT id, MenuItemLook& look) const override;
};

// Numbers its items from offset + 1, so that a menu that leaves its first items out keeps the
// identifiers of the rest; and can open over another open menu.
class OffsetImageMenu : public ValueMenu {
public:
    explicit OffsetImageMenu(const Theme& theme, int offset = 0) : ValueMenu(theme), offset_(offset) {}
    // Show, while another menu is open.
    int ShowNested(HWND owner, int x, int y) { return Track(owner, x, y, true); }

protected:
    int IndexOf(UINT id) const override { return static_cast<int>(id) - offset_ - 1; }
    bool LookOf(UINT id, MenuItemLook& look) const override;

private:
    int offset_;
};
