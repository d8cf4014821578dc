// Drives the menus and modal dialogs that a window of the test owns, on the test's own thread:
// each time one of them first waits for input (WM_ENTERIDLE to its owner), the test's action runs
// with the waiting menu or dialog window. The owner is subclassed for the driver's life.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "win/subclass.h"

class IdleDriver {
public:
    explicit IdleDriver(HWND owner);
    IdleDriver(const IdleDriver&) = delete;
    IdleDriver& operator=(const IdleDriver&) = delete;

    std::function<void(HWND menuWindow)> onMenu;
    std::function<void(HWND dialog)> onDialog;
    int menusSeen = 0;
    int dialogsSeen = 0;

private:
    static LRESULT Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool menuArmed_ = false;
    HWND dialogWaiting_ = nullptr;
    Subclass subclass_;
};

// The menu shown in a menu window.
HMENU MenuOf(HWND menuWindow);
// The position of the first item of the menu whose text contains `part`; -1 when none has it.
int ItemPosition(HMENU menu, const std::string& part);
// Keys that highlight the item at a position of the menu shown in the window, skipping the
// separators and greyed items before it, then choose it (with Enter) or open its submenu (Right).
void ChooseItemAt(HWND menuWindow, int position, UINT lastKey = VK_RETURN);
// Posts keys to the window as the menu loop or a dialog reads them from the queue.
void PostKeys(HWND window, std::initializer_list<UINT> keys);
