// The ground of the program's own dialogs: the main window's background, painted off-screen and
// copied in one piece.
#pragma once
#include <windows.h>

class Theme;

void PaintDialogBackground(HWND dialog, const Theme& theme);
// Starts moving the dialog as if it had been pressed on a caption, which it does not have.
void DragDialog(HWND dialog);
