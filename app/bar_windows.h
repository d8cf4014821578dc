// The seven 20-pixel bar windows of the main window; each sits above or below a control. They are
// children of the main window and go with it.
#pragma once
#include <windows.h>

struct BarWindows {
    void Create(HWND mainWindow, HINSTANCE instance);

    HWND tabBar = nullptr;
    HWND treeHeader = nullptr;
    HWND favouritesHeader = nullptr;
    HWND mainHeader = nullptr;
    HWND subHeader = nullptr;
    HWND mainInfo = nullptr;
    HWND subInfo = nullptr;
};

void UnregisterBarClasses(HINSTANCE instance);
