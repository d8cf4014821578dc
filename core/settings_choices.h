// The values that the settings dialog's controls stand for: the hot key a key press chooses and
// the text that shows it, and the opacity behind the translucency slider's percent. No Windows
// header: built and tested natively too.
#pragma once
#include <string>

// Bit 0 Ctrl, bit 1 Alt, as the settings keep the hot key's modifiers.
struct HotKeyChoice {
    int modifiers = 0;
    int key = 0;
};

// The virtual-key codes that the choice needs to know.
constexpr int kShiftKey = 0x10, kControlKey = 0x11, kAltKey = 0x12;
constexpr int kLeftShiftKey = 0xA0, kRightShiftKey = 0xA1, kLeftControlKey = 0xA2, kRightControlKey = 0xA3;
constexpr int kLeftAltKey = 0xA4, kRightAltKey = 0xA5;

// A key pressed in the hot-key field. A key without Ctrl or Alt takes both, so that the hot key
// never is a bare key; a modifier key on its own chooses the modifiers and no key yet.
HotKeyChoice HotKeyFromKeyPress(int virtualKey, bool ctrlHeld, bool altHeld);
// Whether the key's name must be asked for with the extended-key bit, without which the system
// names the number-pad key of the same scan code.
bool NamedAsExtendedKey(int virtualKey);
// "Ctrl + ", "Alt + " and the key's name; "なし" when that is empty.
std::string HotKeyText(int modifiers, const std::string& keyName);

// The slider runs from 10 to 100 percent of full opacity (255).
constexpr int kOpacityPercentMin = 10, kOpacityPercentMax = 100;
int OpacityFromPercent(int percent);
// The percent nearest to the opacity, within the slider's range.
int PercentOfOpacity(int opacity);
