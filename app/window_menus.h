// The window menu (maximise or restore, tray, shade, close) and the caption menu (help, version).
#pragma once
#include <windows.h>

void ShowWindowMenu(HWND mainWindow, int x, int y);
void ShowCaptionMenu(HWND mainWindow, int x, int y);

// The right-press menus of the left column: how the two-pane view splits, and what the item
// tooltips show.
void ShowSplitDirectionMenu(HWND mainWindow, int x, int y);
void ShowTooltipItemsMenu(HWND mainWindow, int x, int y);
