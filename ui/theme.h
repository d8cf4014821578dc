// Brushes, pens, fonts and image lists that every part of the window shares. Made while the
// main window is created and deleted while it is destroyed.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "win/owners.h"

struct SharedGdi {
    COLORREF buttonFace = 0, buttonHighlight = 0, buttonShadow = 0;
    Brush mainBackground, tabBackground, listSelection;
    Brush tabSelMain, tabSelSub, tabSelDrop, tabText, buttonFaceBrush;
    Pen highlightPen, shadowPen;
    Font bold13, normal13, normal13Second, small10;
    HIMAGELIST systemSmall = nullptr, systemLarge = nullptr;
    HIMAGELIST largeIcons = nullptr, tileCells = nullptr, smallCells = nullptr;
    HIMAGELIST polaroidCells = nullptr, plainThumbCells = nullptr;
    HIMAGELIST logoStrip = nullptr, markIcons = nullptr, wideStrip = nullptr;
};

extern SharedGdi g_gdi;

void CreateSharedImageLists();
void CreateSharedBrushes(HWND mainWindow);
void CreateSharedFonts();
void CreateSharedBitmapStrips(HINSTANCE instance);
void DeleteSharedGdi();

// A solid brush for the custom name, else the image of that name in the pattern folder tiled.
// When the image cannot be loaded the name falls back to the custom name and the colour.
HBRUSH MakePatternBrush(HWND window, std::string& patternName, int& colour, int fallbackColour);
