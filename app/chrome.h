// The window's own behaviour in place of a system caption: maximising within the work area,
// rolling up to the title strip, hiding to the tray, the hot key and the frame's double-click.
#pragma once
#include <windows.h>

struct ChromeState {
    bool rolledUp = false;
    // Remembered when the window was last rolled up or maximised: unrolling takes its height,
    // saving takes it while the window is maximised or rolled up.
    RECT normal{};
};

extern ChromeState g_chrome;

constexpr int kRolledUpHeight = 19;

void ToggleMaximise(HWND mainWindow);
void RollUp(HWND mainWindow);
void Unroll(HWND mainWindow);
void HideToTray(HWND mainWindow);

// WM_NCLBUTTONDBLCLK and WM_LBUTTONDBLCLK on the frame.
void RunFrameDoubleClick(HWND mainWindow);
// WM_APP+2 from the tray icon.
void HandleTrayCallback(HWND mainWindow, WPARAM iconId, LPARAM mouseMessage);
// WM_HOTKEY.
void HandleHotKey(HWND mainWindow, WPARAM hotKeyId);
// Opens HELP\top.html beside the program, or says that it is missing.
void ShowHelp(HWND mainWindow);

// The rectangle and maximised flag the settings file keeps for the window.
void WindowRectangleToSave(HWND mainWindow, RECT& rect, bool& maximised);

// Forgets the roll-up state; a new main window starts unrolled.
void ResetChrome();
