// The folder tree of the left pane.
#pragma once
#include <windows.h>

constexpr int kFolderTreeId = 1110;

extern HWND g_folderTree;

// The tree shows its items in the tree font the user chose.
void CreateFolderTreeControl(HWND mainWindow);
void DestroyFolderTreeResources();
