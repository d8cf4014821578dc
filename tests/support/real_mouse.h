// The real pointer, driven through the system's input queue, so that windows see the moves and
// buttons as a user's.
#pragma once
#include <windows.h>

void SendMouse(DWORD flags, DWORD data = 0);
// A button pressed and let go in one input, so that a control that waits in a loop of its own
// after the press finds the release already there.
void SendClick(DWORD downFlag, DWORD upFlag);
// Moves the cursor to a screen point and lets the windows see the move.
void MouseTo(POINT screen);
// Moves there, presses and lets go as two inputs, and handles messages for 300 ms.
void ClickAt(POINT screen, DWORD downFlag = MOUSEEVENTF_LEFTDOWN, DWORD upFlag = MOUSEEVENTF_LEFTUP);
