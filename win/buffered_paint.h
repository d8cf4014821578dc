// Painting a window through an off-screen bitmap, so that a picture drawn in layers reaches the
// screen in one copy instead of flickering through its layers.
#pragma once
#include <windows.h>

#include "win/owners.h"

// Answers one WM_PAINT: begins painting, gives a memory DC holding a bitmap of the client size
// to draw into, and when it goes copies the part that needed painting to the window and ends
// painting.
class BufferedPaint {
public:
    explicit BufferedPaint(HWND window);
    ~BufferedPaint();
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    // Null when there is nothing to draw into (an empty client area, or no memory for the
    // bitmap); the window is still validated.
    HDC Dc() const { return ready_ ? memory_.Get() : nullptr; }
    const RECT& Client() const { return client_; }

private:
    PaintDC paint_;
    RECT client_{};
    MemoryDC memory_;
    Bitmap buffer_;
    HGDIOBJ previous_ = nullptr;
    bool ready_ = false;
};
