#include "ui/system_icon_menus.h"

#include "ui/menu_look.h"

bool SystemIconMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = MenuFont();
    look.icons = MenuSystemIcons();
    look.icon = ValueOf(id, -1);
    look.iconTop = iconTop_;
    look.textColour = textColour_;
    return true;
}
