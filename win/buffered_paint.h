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

// The paint messages of a window that `paint(dc, client)` draws whole: WM_PAINT through an
// off-screen bitmap, WM_PRINTCLIENT straight into the caller's DC, and no background erase, since
// the picture covers it. False for any other message. The answer to a taken message is
// PaintAnswer(message).
template <typename Paint>
bool HandleBufferedPaint(HWND window, UINT message, WPARAM wParam, Paint&& paint) {
    switch (message) {
    case WM_ERASEBKGND: return true;
    case WM_PAINT: {
        BufferedPaint buffered(window);
        if (buffered.Dc()) paint(buffered.Dc(), buffered.Client());
        return true;
    }
    case WM_PRINTCLIENT: {
        RECT client{};
        GetClientRect(window, &client);
        paint(reinterpret_cast<HDC>(wParam), client);
        return true;
    }
    default: return false;
    }
}

inline LRESULT PaintAnswer(UINT message) { return message == WM_ERASEBKGND ? 1 : 0; }
