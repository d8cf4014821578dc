// A top-level window of the test that owns the menus and dialogs under test. Its own procedure
// records the owner-draw messages that reach it and, each time a menu or modal dialog it owns
// waits for input (WM_ENTERIDLE), hands the menu or dialog window to the test, which drives it
// by posting messages. Menus and dialogs still open after some seconds are ended, so that a
// failing test stops instead of waiting for a user.
#pragma once
#include <windows.h>

#include <functional>

class ModalOwner {
public:
    ModalOwner();
    ~ModalOwner();
    ModalOwner(const ModalOwner&) = delete;
    ModalOwner& operator=(const ModalOwner&) = delete;

    HWND Window() const { return window_; }
    WNDPROC Procedure() const { return procedure_; }
    // A screen point inside the window.
    POINT InsidePoint() const;

    // The number of the wait (0 first; counted over the owner's life for menus, so that a menu
    // opened from another continues the count, and afresh for each dialog) and the waiting window.
    std::function<void(int wait, HWND menuWindow)> onMenuIdle;
    std::function<void(int wait, HWND dialog)> onDialogIdle;

    // Menu messages that reached the window's own procedure.
    int measureItems = 0;
    int drawItems = 0;
    int initMenus = 0;
    int menuSelects = 0;
    int menuRightButtonUps = 0;
    // Menus and dialogs that had to be ended because the test left them open.
    int givenUp = 0;

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    WNDPROC procedure_ = nullptr;
    HWND lastDialog_ = nullptr;
    int menuWaits_ = 0;
    int dialogWaits_ = 0;
};
