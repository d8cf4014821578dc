// Popup menus whose items show a folder's small icon from the system image list; the value of
// each item is that icon's index.
#pragma once
#include "ui/owner_menu.h"

class SystemIconMenu : public ValueMenu {
protected:
    SystemIconMenu(const Theme& theme, int iconTop, COLORREF textColour)
        : ValueMenu(theme), iconTop_(iconTop), textColour_(textColour) {}
    bool LookOf(UINT id, MenuItemLook& look) const override;

private:
    int iconTop_;
    COLORREF textColour_;
};

// The ancestor folders of a list's folder.
class ShellIconMenu : public SystemIconMenu {
public:
    explicit ShellIconMenu(const Theme& theme) : SystemIconMenu(theme, 2, RGB(0, 0, 0)) {}
};

// The back history of a list's tab.
class HistoryMenu : public SystemIconMenu {
public:
    explicit HistoryMenu(const Theme& theme) : SystemIconMenu(theme, 1, RGB(0, 0, 0)) {}
};

// The folders erased from the folder tree, in blue like the erased folders themselves.
class BlueIconMenu : public SystemIconMenu {
public:
    explicit BlueIconMenu(const Theme& theme) : SystemIconMenu(theme, 1, RGB(0, 0, 255)) {}
};
