#include "core/settings_choices.h"

#include <algorithm>

HotKeyChoice HotKeyFromKeyPress(int virtualKey, bool ctrlHeld, bool altHeld) {
    HotKeyChoice choice;
    choice.modifiers = (ctrlHeld ? 1 : 0) | (altHeld ? 2 : 0);
    if (choice.modifiers == 0) choice.modifiers = 3;
    switch (virtualKey) {
    case kShiftKey:
    case kControlKey:
    case kAltKey:
    case kLeftShiftKey:
    case kRightShiftKey:
    case kLeftControlKey:
    case kRightControlKey:
    case kLeftAltKey:
    case kRightAltKey: choice.key = 0; break;
    default: choice.key = virtualKey;
    }
    return choice;
}

bool NamedAsExtendedKey(int virtualKey) {
    switch (virtualKey) {
    case 0x21:  // Page Up
    case 0x22:  // Page Down
    case 0x23:  // End
    case 0x24:  // Home
    case 0x25:  // the arrows
    case 0x26:
    case 0x27:
    case 0x28:
    case 0x2D:  // Insert
    case 0x2E:  // Delete
    case 0x5D:  // Applications
    case 0x90:  // Num Lock
        return true;
    default: return false;
    }
}

std::string HotKeyText(int modifiers, const std::string& keyName) {
    std::string text;
    if (modifiers & 1) text += "Ctrl + ";
    if (modifiers & 2) text += "Alt + ";
    text += keyName;
    return text.empty() ? "なし" : text;
}

int OpacityFromPercent(int percent) { return std::clamp(percent, kOpacityPercentMin, kOpacityPercentMax) * 255 / 100; }

int PercentOfOpacity(int opacity) {
    return std::clamp((std::clamp(opacity, 0, 255) * 100 + 127) / 255, kOpacityPercentMin, kOpacityPercentMax);
}
