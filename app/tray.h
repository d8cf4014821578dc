// The notification-area icon through which a hidden window comes back.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayCallbackMessage = WM_APP + 2;

bool AddTrayIcon(HWND mainWindow, HINSTANCE instance);
void RemoveTrayIcon(HWND mainWindow);
