// The state object of a modal dialog, handed over by DialogBoxParam and kept in the dialog's
// user data from WM_INITDIALOG on, so that every later message finds it.
#pragma once
#include <windows.h>

// Null for the few messages that come before WM_INITDIALOG.
template <typename State>
State* DialogState(HWND dialog, UINT message, LPARAM lParam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrA(dialog, DWLP_USER, lParam);
    return reinterpret_cast<State*>(GetWindowLongPtrA(dialog, DWLP_USER));
}
