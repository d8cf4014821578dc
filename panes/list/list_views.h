// The main and the sub folder list controls.
#pragma once
#include <windows.h>

constexpr int kMainListId = 1102;
constexpr int kSubListId = 1103;

// View styles of a list: -1 comment, 0 icon, 1 details, 2 tile, 3 list, 4 thumbnail.
constexpr int kCommentStyle = -1;
constexpr int kThumbnailStyle = 4;

extern HWND g_mainList;
extern HWND g_subList;

// Creates both lists in the styles the settings start them with.
void CreateFolderListViews(HWND mainWindow);
void DestroyFolderListResources();

// Gives a list a view style: the control's own layout and the program's drawing mode.
void SetListStyle(HWND list, int style);
int ListStyle(HWND list);

// The value the settings file keeps for a list's style: -1 for the comment style, otherwise the
// control's layout bits, so that the thumbnail style is kept as the icon layout.
int SavedListStyle(HWND list);
