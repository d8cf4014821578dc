// The window menu (maximise or restore, tray, shade, close) and the caption menu (help, version).
#pragma once
#include <windows.h>

void ShowWindowMenu(HWND mainWindow, int x, int y);
void ShowCaptionMenu(HWND mainWindow, int x, int y);
