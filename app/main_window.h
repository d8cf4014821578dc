// The one top-level window of the program.
#pragma once
#include <windows.h>

extern const char kMainWindowClass[];

bool RegisterMainWindowClass(HINSTANCE instance);
void UnregisterMainWindowClass(HINSTANCE instance);
HWND CreateMainWindow(HINSTANCE instance);
