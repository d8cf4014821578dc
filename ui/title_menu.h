// The menu of a dialog's title button: the one item "閉じる" (close), below the button.
#pragma once
#include <windows.h>

class SkinnedButton;

// True when the user chose to close the dialog.
bool ChooseCloseFromTitleMenu(HWND dialog, const SkinnedButton& title);
