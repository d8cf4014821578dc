#include "ui/image_menus.h"

#include "ui/menu_look.h"

bool ImageMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = MenuFont();
    look.icons = MenuIcons();
    look.icon = ValueOf(id, kMenuIconNone);
    look.iconTop = 2;
    look.textLeft = 30;
    return true;
}

bool OffsetImageMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = MenuFont();
    look.icons = MenuIcons();
    look.icon = ValueOf(id, kMenuIconNone);
    look.iconTop = 1;
    return true;
}
