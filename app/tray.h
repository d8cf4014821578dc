// The notification-area icon through which a hidden window comes back.
#pragma once
#include <windows.h>

constexpr UINT kTrayIconId = 1;
constexpr UINT kTrayCallbackMessage = WM_APP + 2;

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    bool Add(HWND mainWindow, HINSTANCE instance);
    // Removing an icon that was never added waits for a tray that is not there: only an added
    // icon is removed.
    void Remove();

private:
    HWND window_ = nullptr;
};
