// The global hot key that shows or hides the window from anywhere.
#pragma once
#include <windows.h>

#include "core/settings_table.h"

constexpr int kHotKeyId = 2;

// Registers the key the settings choose, or unregisters it when the settings turn it off.
// A key that another program holds is silently not registered.
void ApplyHotKeySetting(HWND mainWindow, const Settings& settings);
void UnregisterProgramHotKey(HWND mainWindow);
