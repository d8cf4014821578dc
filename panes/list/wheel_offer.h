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

// A WM_MOUSEWHEEL of a pane's window offered as it came; true when the turn was taken. A pane
// without an offer keeps every turn.
inline bool OfferWheel(WheelOffer* offer, WPARAM wParam, LPARAM lParam) {
    return offer && offer->TakeWheel(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))},
                                     GET_WHEEL_DELTA_WPARAM(wParam));
}
