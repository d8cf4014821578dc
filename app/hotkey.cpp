#include "app/hotkey.h"

#include "app/settings_file.h"

void ApplyHotKeySetting(HWND mainWindow) {
    UnregisterHotKey(mainWindow, kHotKeyId);
    if (!g_settings.hotKeyUse || g_settings.hotKeyKey == 0) return;
    int modifiers = HotKeyModifiers(g_settings);
    UINT systemModifiers = ((modifiers & 1) ? MOD_CONTROL : 0) | ((modifiers & 2) ? MOD_ALT : 0);
    RegisterHotKey(mainWindow, kHotKeyId, systemModifiers, static_cast<UINT>(g_settings.hotKeyKey));
}

void UnregisterProgramHotKey(HWND mainWindow) { UnregisterHotKey(mainWindow, kHotKeyId); }
