// How much room a text takes when drawn with a given font on a window.
#pragma once
#include <windows.h>

#include <string>

// Width and height in pixels on the window's device context; 0 by 0 when there is none.
SIZE MeasureText(HWND window, HFONT font, const std::string& text);
