// What the dialog tests share: the shared fonts made as at start-up, the NT platform that Wine
// reports, and ways to type and press keys in an open modal dialog.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/modal_owner.h"

class DialogFixture : public testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
};

// A key pressed in the control that has the focus, as the dialog's message loop reads it.
void PressKey(UINT key);
std::string TextOf(HWND window);
RECT ScreenRectOf(HWND window);

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
