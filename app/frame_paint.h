#pragma once
#include <windows.h>

// Paints the self-drawn frame: background, inner panel, its edges, the splitter groove and the logo.
void PaintMainFrame(HWND mainWindow);
// The rolled-up bar: the background and the logo only.
void PaintRolledUpFrame(HWND mainWindow);
