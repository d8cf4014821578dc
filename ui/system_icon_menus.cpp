#include "ui/system_icon_menus.h"

#include "ui/theme.h"

bool SystemIconMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = Look().normal13.Get();
    look.icons = Look().systemSmall;
    look.icon = ValueOf(id, -1);
    look.iconTop = iconTop_;
    look.textColour = textColour_;
    return true;
}
