#include "ui/image_menus.h"

#include "ui/theme.h"

bool ImageMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = Look().normal13.Get();
    look.icons = Look().menuIcons.Get();
    look.icon = ValueOf(id, kMenuIconNone);
    look.iconTop = 2;
    look.textLeft = 30;
    return true;
}

bool OffsetImageMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = Look().normal13.Get();
    look.icons = Look().menuIcons.Get();
    look.icon = ValueOf(id, kMenuIconNone);
    look.iconTop = 1;
    return true;
}
