#include "app/tray.h"

#include <shellapi.h>

#include <cstring>

namespace {
constexpr int kTrayIconResource = 326;
// Removing an icon that was never added waits for a tray that is not there.
bool g_trayIconAdded = false;
}  // namespace

bool AddTrayIcon(HWND mainWindow, HINSTANCE instance) {
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = mainWindow;
    icon.uID = kTrayIconId;
    icon.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    icon.uCallbackMessage = kTrayCallbackMessage;
    icon.hIcon = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(kTrayIconResource), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    std::strcpy(icon.szTip, "Tessary");
    g_trayIconAdded = Shell_NotifyIconA(NIM_ADD, &icon) != FALSE;
    return g_trayIconAdded;
}

void RemoveTrayIcon(HWND mainWindow) {
    if (!g_trayIconAdded) return;
    g_trayIconAdded = false;
    NOTIFYICONDATAA icon{};
    icon.cbSize = sizeof icon;
    icon.hWnd = mainWindow;
    icon.uID = kTrayIconId;
    Shell_NotifyIconA(NIM_DELETE, &icon);
}
