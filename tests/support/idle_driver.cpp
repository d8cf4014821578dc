#include "tests/support/idle_driver.h"

#include <vector>

IdleDriver::IdleDriver(HWND owner) { subclass_.Attach(owner, &IdleDriver::Procedure, this); }

LRESULT IdleDriver::Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<IdleDriver*>(context);
    // Menu windows are reused from one menu to the next: a menu is new when its loop starts.
    if (message == WM_ENTERMENULOOP) self->menuArmed_ = true;
    if (message == WM_ENTERIDLE) {
        HWND waiting = reinterpret_cast<HWND>(lParam);
        if (wParam == MSGF_MENU && self->menuArmed_) {
            self->menuArmed_ = false;
            ++self->menusSeen;
            if (self->onMenu) self->onMenu(waiting);
        } else if (wParam == MSGF_DIALOGBOX && waiting != self->dialogWaiting_) {
            self->dialogWaiting_ = waiting;
            ++self->dialogsSeen;
            if (self->onDialog) self->onDialog(waiting);
        }
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}

HMENU MenuOf(HWND menuWindow) { return reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0)); }

int ItemPosition(HMENU menu, const std::string& part) {
    int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
        char text[256] = {};
        GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
        if (std::string(text).find(part) != std::string::npos) return position;
    }
    return -1;
}

void ChooseItemAt(HWND menuWindow, int position, UINT lastKey) {
    HMENU menu = MenuOf(menuWindow);
    int downs = 1;
    for (int before = 0; before < position; ++before) {
        UINT state = GetMenuState(menu, static_cast<UINT>(before), MF_BYPOSITION);
        if (!(state & (MF_SEPARATOR | MF_GRAYED | MF_DISABLED))) ++downs;
    }
    for (int step = 0; step < downs; ++step) PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menuWindow, WM_KEYDOWN, lastKey, 0);
}

void PostKeys(HWND window, std::initializer_list<UINT> keys) {
    for (UINT key : keys) PostMessageA(window, WM_KEYDOWN, key, 0);
}
