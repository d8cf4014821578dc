// The version information: a small captionless dialog with the program's name, version and
// notice, closed by its OK button, its title button's menu, or a right click anywhere on it.
#pragma once
#include <windows.h>

class Theme;

void ShowVersionDialog(HWND mainWindow, const Theme& theme);
