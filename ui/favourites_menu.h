// The favourites as a popup menu: single favourites as items with their folder icons, groups as
// submenus holding their favourites. The items of all submenus continue the menu's one
// numbering, so that an identifier alone tells which favourite was chosen.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "ui/system_icon_menus.h"

class FavouritesMenu : public SystemIconMenu {
public:
    explicit FavouritesMenu(const Theme& theme) : SystemIconMenu(theme, 1, RGB(0, 0, 0)) {}

    // Appends a group; returns the submenu to add its favourites to (null when the system
    // refused it).
    HMENU AddSubmenu(const std::string& text);
    void AddSubmenuItem(HMENU submenu, UINT id, const std::string& text, int iconIndex) {
        AddItemTo(submenu, id, text, iconIndex);
    }

protected:
    bool LookOf(UINT id, MenuItemLook& look) const override;
    bool Holds(HMENU menu) const override;

private:
    struct Submenu {
        std::string text;
        HMENU popup;
    };
    // Held by pointer: the system keeps the address of each text as the item's data.
    std::vector<std::unique_ptr<Submenu>> submenus_;
};
