// Popup menus that mark items with the check icon: a check box per item, or one current item.
#pragma once
#include "ui/owner_menu.h"

// Each item's value is its flag: 1 shows the check mark.
class CheckMenu : public ValueMenu {
public:
    using ValueMenu::ValueMenu;

protected:
    bool LookOf(UINT id, MenuItemLook& look) const override;
};

// One item, the current one, carries the mark.
class RadioMenu : public OwnerMenu {
public:
    RadioMenu(const Theme& theme, int current) : RadioMenu(theme, current, false) {}
    using OwnerMenu::AddItem;

protected:
    RadioMenu(const Theme& theme, int current, bool sizedInBold)
        : OwnerMenu(theme), current_(current), sizedInBold_(sizedInBold) {}
    bool LookOf(UINT id, MenuItemLook& look) const override;

private:
    int current_;
    bool sizedInBold_;
};

// The same, with its items sized in the bold font.
class BoldRadioMenu : public RadioMenu {
public:
    BoldRadioMenu(const Theme& theme, int current) : RadioMenu(theme, current, true) {}
};
