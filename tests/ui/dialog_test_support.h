// What the dialog tests share: the fonts of the theme made as at start-up, and ways to type and
// press keys in an open modal dialog.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/modal_owner.h"
#include "ui/theme.h"

class DialogFixture : public testing::Test {
protected:
    DialogFixture() { theme_.CreateFonts(); }

    Theme theme_;
};

// A key pressed in the control that has the focus, as the dialog's message loop reads it.
void PressKey(UINT key);
std::string TextOf(HWND window);
RECT ScreenRectOf(HWND window);

// A left click in the middle of a control: the cursor is really moved there, since bitmap
// controls read it when they handle the button messages.
void ClickControl(HWND control);

// Waits on its own thread for a popup menu to open (a menu opened from a dialog reports its
// idle time to the dialog, not to the test), then presses the keys in it.
class MenuKeys {
public:
    explicit MenuKeys(std::vector<UINT> keys);
    ~MenuKeys();
    MenuKeys(const MenuKeys&) = delete;
    MenuKeys& operator=(const MenuKeys&) = delete;
    bool MenuSeen() const { return seen_; }

private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> seen_{false};
    std::thread thread_;
};

// Another top-level window of the test, to which the user "clicks away".
class ElsewhereWindow {
public:
    ElsewhereWindow();
    ~ElsewhereWindow();
    ElsewhereWindow(const ElsewhereWindow&) = delete;
    ElsewhereWindow& operator=(const ElsewhereWindow&) = delete;
    void Activate() const { SetForegroundWindow(window_); }

private:
    HWND window_;
};
