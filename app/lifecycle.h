// What the main window sets up when it is created and takes down when it is destroyed, in order.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/owners.h"

extern HWND g_mainWindow;

// The command-line folders converted at start, opened as tabs while the window is created.
void SetStartPaths(std::vector<ItemIdList> paths);

void SetNtPlatform(bool nt);
bool IsNtPlatform();

// Set while the window is created when the settings ask for a maximised start; taken once.
bool TakeStartMaximisedRequest();

void RunCreationSequence(HWND mainWindow, HINSTANCE instance);
void RunDestructionSequence(HWND mainWindow);

// Opens each converted path as a tab: the desktop as the desktop tab, anything else as the
// last item of its parent. Returns the number of tabs opened.
int OpenPathsAsTabs(const std::vector<ItemIdList>& paths);
