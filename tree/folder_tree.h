// The folder tree of the left pane.
#pragma once
#include <windows.h>

constexpr int kFolderTreeId = 1110;

extern HWND g_folderTree;

void CreateFolderTreeControl(HWND mainWindow);
