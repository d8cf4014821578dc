// The real pointer, driven through the system's input queue, so that windows see the moves and
// buttons as a user's.
#pragma once
#include <windows.h>

void SendMouse(DWORD flags, DWORD data = 0);
// Moves the cursor to a screen point and lets the windows see the move.
void MouseTo(POINT screen);
