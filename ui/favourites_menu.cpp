#include "ui/favourites_menu.h"

#include "ui/theme.h"

HMENU FavouritesMenu::AddSubmenu(const std::string& text) {
    if (!Popup()) return nullptr;
    MenuHandle popup(CreatePopupMenu());
    if (!popup) return nullptr;
    auto submenu = std::make_unique<Submenu>(Submenu{text, popup.Get()});
    // A popup item's identifier is its submenu's handle; its data is the group's text.
    if (!AppendMenuA(Popup(), MF_OWNERDRAW | MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Get()), submenu->text.c_str()))
        return nullptr;
    // Attached to the popup now, the submenu is destroyed with it.
    popup.Release();
    submenus_.push_back(std::move(submenu));
    return submenus_.back()->popup;
}

bool FavouritesMenu::LookOf(UINT id, MenuItemLook& look) const {
    for (const auto& submenu : submenus_) {
        if (id != static_cast<UINT>(reinterpret_cast<UINT_PTR>(submenu->popup))) continue;
        look.text = &submenu->text;
        look.font = Look().normal13.Get();
        look.icons = Look().favouritesIcons;
        look.icon = kFavouritesGroupImage;
        look.iconTop = 1;
        return true;
    }
    return SystemIconMenu::LookOf(id, look);
}

bool FavouritesMenu::Holds(HMENU menu) const {
    if (OwnerMenu::Holds(menu)) return true;
    for (const auto& submenu : submenus_)
        if (submenu->popup == menu) return true;
    return false;
}
