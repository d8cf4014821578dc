// The request for a drag of items of one folder, as the panes make it from their own items.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "dnd/file_drag.h"

// The folder's own list as the parent, a copy of each item, and each item's file-system path (none
// for an item outside the file system). In a folder of the file system the paths are put together
// from the folder's directory and the items' find data, which the items carry, so a drag of
// thousands of items asks nothing of the disk. False when the folder cannot give its list or an
// item cannot be copied.
bool MakeDragRequest(HWND source, IShellFolder* folder, const std::vector<PCUITEMID_CHILD>& items,
                     DragRequest& request);
