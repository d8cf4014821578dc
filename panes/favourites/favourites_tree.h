// The favourites tree of the left pane.
#pragma once
#include <windows.h>

constexpr int kFavouritesTreeId = 3100;

extern HWND g_favouritesTree;

void CreateFavouritesTreeControl(HWND mainWindow);
