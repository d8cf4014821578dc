// The main window's layout mode and pane sizes.
#pragma once
#include "core/layout.h"

struct MainLayout {
    layout::ModeState modes;
    layout::Sizes sizes;
    layout::Rect splitter;
    bool hasSplitter = false;
    bool splitterVertical = false;
    layout::Drag drag;
    bool inactive = false;
};
