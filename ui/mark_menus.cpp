#include "ui/mark_menus.h"

#include "ui/theme.h"

bool CheckMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = Look().normal13.Get();
    look.sizingFont = Look().bold13.Get();
    look.icons = Look().menuIcons.Get();
    look.icon = ValueOf(id, 0) != 0 ? kMenuIconCheck : kMenuIconNone;
    look.iconTop = 2;
    return true;
}

bool RadioMenu::LookOf(UINT id, MenuItemLook& look) const {
    look.text = TextOf(id);
    if (!look.text) return false;
    look.font = Look().normal13.Get();
    if (sizedInBold_) look.sizingFont = Look().bold13.Get();
    look.icons = Look().menuIcons.Get();
    look.icon = static_cast<int>(id) == current_ ? kMenuIconCheck : kMenuIconNone;
    look.iconTop = 2;
    return true;
}
