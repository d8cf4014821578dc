#include "ui/title_menu.h"

#include "ui/image_menus.h"
#include "ui/skinned_button.h"

bool ChooseCloseFromTitleMenu(HWND dialog, const SkinnedButton& title) {
    ImageMenu menu(title.Look());
    menu.AddItem(1, "閉じる", kMenuIconClose);
    POINT below = title.BottomLeftOnScreen();
    return menu.Show(dialog, below.x, below.y) == 1;
}
