// The state of the window's own behaviour in place of a system caption: maximising within the
// work area, rolling up to the title strip, hiding to the tray.
#pragma once
#include <windows.h>

struct ChromeState {
    bool rolledUp = false;
    // Remembered when the window was last rolled up or maximised: unrolling takes its height,
    // saving takes it while the window is maximised or rolled up.
    RECT normal{};
};

constexpr int kRolledUpHeight = 19;
