// The base of every popup menu that the program builds in code: a system popup menu whose
// items are all owner-drawn. While the menu is shown the object takes the owner window over
// (the property "TSY_POPUP" and a subclass of the owner), so that the owner-draw messages reach
// it; when the menu closes the owner is left as it was.
//
// Items are numbered 1, 2, 3 ... in the order they are added; 0 from Show means that nothing
// was chosen.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "win/owners.h"
#include "win/subclass.h"
#include "ui/menu_item_painter.h"
#include "ui/theme.h"

extern const char kPopupMenuProperty[];

class OwnerMenu {
public:
    // Ready for items once made: the hidden menu bar and the popup it holds are made here.
    explicit OwnerMenu(const Theme& theme);
    virtual ~OwnerMenu() = default;
    OwnerMenu(const OwnerMenu&) = delete;
    OwnerMenu& operator=(const OwnerMenu&) = delete;

    // Shows the menu at a screen point and waits; returns the chosen identifier or 0.
    int Show(HWND owner, int x, int y);

    virtual void MeasureItem(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DrawItem(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void MenuRightButtonUp(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual void MenuSelect(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HMENU Popup() const { return popup_; }
    HWND Owner() const { return owner_; }

protected:
    // Appends an owner-drawn item to `menu` (the popup or one of its submenus) and keeps its
    // text under the item's index.
    void AppendItem(HMENU menu, UINT id, const std::string& text);
    void AddItem(UINT id, const std::string& text) { AppendItem(popup_, id, text); }

    // Where an item's text and value are kept.
    virtual int IndexOf(UINT id) const { return static_cast<int>(id) - 1; }
    const std::string* TextOf(UINT id) const;
    // Whether `menu` is this object's popup or one of its submenus.
    virtual bool Holds(HMENU menu) const { return menu == popup_; }

    int Track(HWND owner, int x, int y, bool nested);
    const Theme& Look() const { return theme_; }

    // How an item is sized and painted: MeasureItem and DrawItem both hand this look to the one
    // item routine. False for an identifier that is no item of this menu.
    virtual bool LookOf(UINT id, MenuItemLook& look) const;

private:
    static LRESULT Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND owner);
    void Unbind();
    OwnerMenu* Drawer(HMENU menu);

    const Theme& theme_;
    HWND owner_ = nullptr;
    std::vector<std::string> texts_;
    Subclass subclass_;
    MenuHandle menuBar_;
    HMENU popup_ = nullptr;
    // The menu that had the owner when this one was bound over it (a menu opened from an open
    // menu of the same owner); it gets the owner back afterwards.
    OwnerMenu* outer_ = nullptr;
};

// Menus that keep one value per item beside its text.
class ValueMenu : public OwnerMenu {
public:
    using OwnerMenu::OwnerMenu;
    void AddItem(UINT id, const std::string& text, int value) { AddItemTo(Popup(), id, text, value); }

protected:
    void AddItemTo(HMENU menu, UINT id, const std::string& text, int value);
    // The item's value, or `fallback` for an identifier that is no item of this menu.
    int ValueOf(UINT id, int fallback) const;

private:
    std::vector<int> values_;
};
