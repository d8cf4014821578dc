// Turns a BMP, GIF or JPEG file into a bitmap at its natural size in the window's format.
#pragma once
#include <windows.h>

// Null for any other kind of file and on every failure. The caller owns the bitmap.
HBITMAP LoadImageFile(HWND window, const char* path);
