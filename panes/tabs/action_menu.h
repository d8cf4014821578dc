// A popup menu of the bar whose items are numbered in the order they are added, each standing for
// an action of its caller, so that items left out leave no gaps in the numbering.
#pragma once
#include <windows.h>

#include <vector>

#include "ui/image_menus.h"

class ActionMenu {
public:
    explicit ActionMenu(const Theme& theme) : menu_(theme) {}
    // The icon is a MenuIcon, or kMenuIconNone.
    void Add(int action, int icon, const char* text) {
        actions_.push_back(action);
        menu_.AddItem(static_cast<UINT>(actions_.size()), text, icon);
    }
    // The chosen item's action, or 0 for none. Nested: shown while another menu is open.
    int Show(HWND owner, POINT at, bool nested = false) {
        int chosen = nested ? menu_.ShowNested(owner, at.x, at.y) : menu_.Show(owner, at.x, at.y);
        if (chosen < 1 || chosen > static_cast<int>(actions_.size())) return 0;
        return actions_[static_cast<size_t>(chosen - 1)];
    }

private:
    OffsetImageMenu menu_;
    std::vector<int> actions_;
};
