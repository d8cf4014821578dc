// The bitmap buttons of the frame: the title button, the three window buttons at the top right
// and the column of mode buttons down the left edge.
#pragma once
#include <windows.h>

void CreateFrameButtons(HWND mainWindow);
void DestroyFrameButtons();

// The window buttons follow the right edge of the client area.
void LayOutWindowButtons(HWND mainWindow);
void HideFrameButtons();
void ShowFrameButtons();
void ShowWindowButtons();

void SetTitleActive(bool active);
void RefreshMaximiseButton();
void RefreshModeButtons();
