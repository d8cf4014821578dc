// The process-wide shell objects and the conversions between paths and identifier lists.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "app/win_raii.h"

void StartShellServices();
void StopShellServices();

// The desktop folder, owned by the shell services; null before start and after stop.
IShellFolder* DesktopFolder();

// Parses a typed path below the desktop. A path that does not resolve shows the program's
// file-not-found box and gives null.
ItemIdList PathToItemList(const char* path);
void ShowPathNotFound(const char* path);

// The parent folder object and a one-item child list; the desktop gives the desktop and no child.
bool SplitItemList(PCIDLIST_ABSOLUTE absolute, ComPtr<IShellFolder>& parent, ItemIdList& child);

bool IsDesktopList(PCIDLIST_ABSOLUTE list);
bool IsFolderItem(IShellFolder* folder, PCUITEMID_CHILD child);
