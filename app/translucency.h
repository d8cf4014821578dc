#pragma once
#include <windows.h>

#include "win/platform.h"

// Makes the window layered with the chosen opacity, or plain again; only on the NT platform.
void ApplyTranslucency(HWND mainWindow, Platform platform, bool on, int opacity);
