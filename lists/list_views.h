// The main and the sub folder list controls.
#pragma once
#include <windows.h>

constexpr int kMainListId = 1102;
constexpr int kSubListId = 1103;

extern HWND g_mainList;
extern HWND g_subList;

void CreateFolderListViews(HWND mainWindow);
