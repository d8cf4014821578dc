#include "ui/mark_menus.h"

#include "ui/menu_look.h"

bool CheckMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = MenuFont();
    look.sizingFont = BoldMenuFont();
    look.icons = MenuIcons();
    look.icon = ValueOf(id, 0) != 0 ? kMenuIconCheck : kMenuIconNone;
    look.iconTop = 2;
    return true;
}

bool RadioMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = MenuFont();
    if (sizedInBold_) look.sizingFont = BoldMenuFont();
    look.icons = MenuIcons();
    look.icon = static_cast<int>(id) == current_ ? kMenuIconCheck : kMenuIconNone;
    look.iconTop = 2;
    return true;
}
