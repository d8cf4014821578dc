#include "app/translucency.h"

void ApplyTranslucency(HWND mainWindow, Platform platform, bool on, int opacity) {
    if (platform != Platform::Nt) return;
    LONG_PTR style = GetWindowLongPtrA(mainWindow, GWL_EXSTYLE);
    if (on) {
        SetWindowLongPtrA(mainWindow, GWL_EXSTYLE, style | WS_EX_LAYERED);
        SetLayeredWindowAttributes(mainWindow, 0, static_cast<BYTE>(opacity), LWA_ALPHA);
    } else {
        SetWindowLongPtrA(mainWindow, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
}
