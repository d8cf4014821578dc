#include "app/hotkey.h"

void ApplyHotKeySetting(HWND mainWindow, const Settings& settings) {
    UnregisterHotKey(mainWindow, kHotKeyId);
    if (!settings.hotKeyUse || settings.hotKeyKey == 0) return;
    int modifiers = HotKeyModifiers(settings);
    UINT systemModifiers = ((modifiers & 1) ? MOD_CONTROL : 0) | ((modifiers & 2) ? MOD_ALT : 0);
    RegisterHotKey(mainWindow, kHotKeyId, systemModifiers, static_cast<UINT>(settings.hotKeyKey));
}

void UnregisterProgramHotKey(HWND mainWindow) { UnregisterHotKey(mainWindow, kHotKeyId); }
