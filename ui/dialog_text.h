// Reading the text of a dialog's control into a byte string of bounded length.
#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// The control's whole text cut to at most maxBytes; a double-byte character that would not fit
// whole is left out rather than split.
std::string ControlText(HWND control, std::size_t maxBytes);
