// The main window's layout mode and pane sizes, and the operations that place and switch panes.
#pragma once
#include <windows.h>

#include "core/layout.h"

struct MainLayout {
    layout::ModeState modes;
    layout::Sizes sizes;
    layout::Rect splitter;
    bool hasSplitter = false;
    bool splitterVertical = false;
    layout::Drag drag;
    bool inactive = false;
};

extern MainLayout g_layout;

// Takes the sizes from the settings and chooses the starting mode: two-pane when a sub tab is
// shown, else the tree or the favourites as the settings say.
void ChooseStartLayout(bool subTabShown);
// Puts the current sizes and mode back into the settings before they are saved.
void RecordLayoutSettings();

void LayOut(HWND mainWindow, bool invalidate);
void ShowAllPanes(HWND mainWindow);
void HideAllPanes();

void ToggleTreeMode(HWND mainWindow);
void ToggleFavouritesMode(HWND mainWindow);
void ToggleTwoPaneMode(HWND mainWindow);
void ToggleHiddenFiles();
void ToggleExtendedTips();

layout::Rect ClientRect(HWND window);
