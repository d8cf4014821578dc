#include "app/translucency.h"

#include "app/lifecycle.h"

void ApplyTranslucency(HWND mainWindow, bool on, int opacity) {
    if (!IsNtPlatform()) return;
    LONG_PTR style = GetWindowLongPtrA(mainWindow, GWL_EXSTYLE);
    if (on) {
        SetWindowLongPtrA(mainWindow, GWL_EXSTYLE, style | WS_EX_LAYERED);
        SetLayeredWindowAttributes(mainWindow, 0, static_cast<BYTE>(opacity), LWA_ALPHA);
    } else {
        SetWindowLongPtrA(mainWindow, GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    }
}
