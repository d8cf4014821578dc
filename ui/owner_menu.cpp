#include "ui/owner_menu.h"

const char kPopupMenuProperty[] = "TSY_POPUP";

namespace {

bool IsMenuItemMessage(LPARAM lParam, UINT message) {
    UINT type = message == WM_MEASUREITEM ? reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlType
                                          : reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->CtlType;
    return type == ODT_MENU;
}

}  // namespace

OwnerMenu::OwnerMenu(const Theme& theme) : theme_(theme) {
    MenuHandle bar(CreateMenu());
    MenuHandle popup(CreatePopupMenu());
    if (!bar || !popup) return;
    if (!AppendMenuA(bar.Get(), MF_POPUP, reinterpret_cast<UINT_PTR>(popup.Get()), "dummy")) return;
    // From here on the bar owns the popup: destroying the bar destroys it and its submenus.
    popup_ = popup.Release();
    menuBar_ = std::move(bar);
}

void OwnerMenu::AppendItem(HMENU menu, UINT id, const std::string& text) {
    if (menu) AppendMenuA(menu, MF_OWNERDRAW, id, nullptr);
    texts_.push_back(text);
}

const std::string* OwnerMenu::TextOf(UINT id) const {
    int index = IndexOf(id);
    if (index < 0 || static_cast<size_t>(index) >= texts_.size()) return nullptr;
    return &texts_[static_cast<size_t>(index)];
}

int OwnerMenu::Show(HWND owner, int x, int y) { return Track(owner, x, y, false); }

int OwnerMenu::Track(HWND owner, int x, int y, bool nested) {
    if (!popup_ || !IsWindow(owner)) return 0;
    Bind(owner);
    int chosen = nested ? static_cast<int>(TrackPopupMenuEx(popup_, TPM_RETURNCMD | TPM_RECURSE, x, y, owner, nullptr))
                        : static_cast<int>(TrackPopupMenu(popup_, TPM_RETURNCMD, x, y, 0, owner, nullptr));
    Unbind();
    return chosen;
}

void OwnerMenu::Bind(HWND owner) {
    owner_ = owner;
    outer_ = static_cast<OwnerMenu*>(GetPropA(owner, kPopupMenuProperty));
    SetPropA(owner, kPopupMenuProperty, this);
    subclass_.Attach(owner, &OwnerMenu::Dispatch, this);
}

void OwnerMenu::Unbind() {
    subclass_.Detach();
    if (outer_) SetPropA(owner_, kPopupMenuProperty, outer_);
    else
        RemovePropA(owner_, kPopupMenuProperty);
    outer_ = nullptr;
    owner_ = nullptr;
}

OwnerMenu* OwnerMenu::Drawer(HMENU menu) {
    for (OwnerMenu* candidate = this; candidate; candidate = candidate->outer_)
        if (candidate->Holds(menu)) return candidate;
    return nullptr;
}

LRESULT OwnerMenu::Dispatch(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* menu = static_cast<OwnerMenu*>(context);
    // A menu opened from this one for the same owner is attached above it and has already dealt
    // with whatever reaches this one.
    if (GetPropA(window, kPopupMenuProperty) != menu) return Subclass::CallNext(window, message, wParam, lParam);
    switch (message) {
    case WM_MEASUREITEM:
        if (!IsMenuItemMessage(lParam, message)) break;
        menu->MeasureItem(window, message, wParam, lParam);
        return 1;
    case WM_DRAWITEM: {
        if (!IsMenuItemMessage(lParam, message)) break;
        // Items of a menu that is not ours (one open below this menu) are left to their owner.
        auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        OwnerMenu* drawer = menu->Drawer(reinterpret_cast<HMENU>(item->hwndItem));
        if (!drawer) break;
        drawer->DrawItem(window, message, wParam, lParam);
        return 1;
    }
    case WM_INITMENU: return 1;
    case WM_MENUSELECT: menu->MenuSelect(window, message, wParam, lParam); return 1;
    case WM_MENURBUTTONUP: menu->MenuRightButtonUp(window, message, wParam, lParam); break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}

void OwnerMenu::MeasureItem(HWND window, UINT, WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
    MenuItemLook look;
    if (!LookOf(item->itemID, look)) return;
    WindowDC dc(window);
    SIZE size = RenderMenuItem(dc.Get(), theme_, look, nullptr);
    item->itemWidth = static_cast<UINT>(size.cx);
    item->itemHeight = static_cast<UINT>(size.cy);
}

void OwnerMenu::DrawItem(HWND, UINT, WPARAM, LPARAM lParam) {
    auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    MenuItemLook look;
    if (LookOf(item->itemID, look)) RenderMenuItem(item->hDC, theme_, look, item);
}

void OwnerMenu::MenuRightButtonUp(HWND, UINT, WPARAM, LPARAM) {}
void OwnerMenu::MenuSelect(HWND, UINT, WPARAM, LPARAM) {}

bool OwnerMenu::LookOf(UINT, MenuItemLook&) const { return false; }

void ValueMenu::AddItemTo(HMENU menu, UINT id, const std::string& text, int value) {
    AppendItem(menu, id, text);
    values_.push_back(value);
}

int ValueMenu::ValueOf(UINT id, int fallback) const {
    int index = IndexOf(id);
    if (index < 0 || static_cast<size_t>(index) >= values_.size()) return fallback;
    return values_[static_cast<size_t>(index)];
}
