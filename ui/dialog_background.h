// The ground of the program's own dialogs: the main window's background, painted off-screen and
// copied in one piece.
#pragma once
#include <windows.h>

class SkinnedButton;
class Theme;

void PaintDialogBackground(HWND dialog, const Theme& theme);
// Starts moving the dialog as if it had been pressed on a caption, which it does not have.
void DragDialog(HWND dialog);

// What every skinned dialog does alike: its title button looks inactive while the dialog is,
// its ground is painted without erasing first, and pressing the ground moves it. True with the
// dialog procedure's result when the message was one of these.
bool HandleDialogGround(HWND dialog, const Theme& theme, SkinnedButton* title, UINT message, WPARAM wParam,
                        INT_PTR& result);
