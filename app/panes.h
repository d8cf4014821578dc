// The seven 20-pixel bar windows of the main window; each sits above or below a control.
#pragma once
#include <windows.h>

struct PaneWindows {
    HWND tabBar = nullptr;
    HWND treeHeader = nullptr;
    HWND favouritesHeader = nullptr;
    HWND mainHeader = nullptr;
    HWND subHeader = nullptr;
    HWND mainInfo = nullptr;
    HWND subInfo = nullptr;
};

extern PaneWindows g_panes;

void CreatePaneWindows(HWND mainWindow, HINSTANCE instance);
void UnregisterPaneClasses(HINSTANCE instance);
