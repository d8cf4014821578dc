// Someone who may take a turn of the mouse wheel before the window that got it scrolls: the tab
// bar switches its rows by the wheel turned over it, whichever pane has the focus.
#pragma once
#include <windows.h>

class WheelOffer {
public:
    virtual ~WheelOffer() = default;
    // The cursor in screen coordinates and the wheel's delta; true when the turn was taken.
    virtual bool TakeWheel(POINT cursor, int delta) = 0;
};
