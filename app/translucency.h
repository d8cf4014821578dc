#pragma once
#include <windows.h>

// Makes the window layered with the chosen opacity, or plain again; only on the NT platform.
void ApplyTranslucency(HWND mainWindow, bool on, int opacity);
