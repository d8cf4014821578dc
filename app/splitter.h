// Dragging the splitter between the left pane or the sub list and the main list.
#pragma once
#include <windows.h>

bool BeginSplitterDrag(HWND mainWindow, POINT clientPoint);
void FollowSplitterDrag(HWND mainWindow, POINT clientPoint);
void EndSplitterDrag(HWND mainWindow);
