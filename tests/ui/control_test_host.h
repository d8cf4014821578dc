// A visible top-level window to put controls on, and the mouse as the controls see it: the
// cursor is really moved (the controls read it with GetCursorPos) and the button messages are
// sent to the control as the system would send them.
#pragma once
#include <windows.h>

#include <vector>

class ControlTestHost {
public:
    ControlTestHost();
    ~ControlTestHost();
    ControlTestHost(const ControlTestHost&) = delete;
    ControlTestHost& operator=(const ControlTestHost&) = delete;

    HWND Window() const { return window_; }
    // Command identifiers of the WM_COMMAND messages that reached the host, in order.
    const std::vector<int>& Commands() const { return commands_; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_;
    std::vector<int> commands_;
};

// Moves the cursor to a point on the screen. Tests keep the cursor over the host: motion over
// another process's window is handled there, at its own pace, and can move the cursor back.
void PlaceCursor(POINT point);
// Moves the cursor to a point in the control's client coordinates and sends the move.
void MoveMouse(HWND control, int x, int y);
// A client x just right of the control, still over the host.
int OutsideX(HWND control);
// A point of the host away from every control.
POINT HostCorner(HWND host);
// Send the button message for wherever the cursor is now.
void PressLeft(HWND control);
void ReleaseLeft(HWND control);
void PressRight(HWND control);

// Drops whatever input the real cursor moves queued, so that one test's moves do not reach
// the next test's controls.
void DiscardQueuedInput();
