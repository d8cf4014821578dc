// Dragging files and folders out of the program's panes: a pane collects its items into a request
// and hands it over whole; the drag runs to its end inside StartFileDrag.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <functional>
#include <string>
#include <vector>

#include "win/owners.h"

struct DragRequest {
    // The pane window that starts the drag.
    HWND source = nullptr;
    // The folder that holds every dragged item, as an absolute list.
    ItemIdList parent;
    // The dragged items relative to the parent, at least one, in the pane's order.
    std::vector<ItemIdList> children;
    // Each item's file-system path in the same order; empty for an item that has none.
    std::vector<std::string> paths;
};

// The data object of a drag: the first path as text, every path as a list of dropped files, and
// the parent and children as the shell's identifier-list array. Text and file list are left out
// when no item has a path. Null when any block cannot be made or given to the object.
ComPtr<IDataObject> MakeDragData(const DragRequest& request);

// Runs the drag with copy, move and link allowed, and returns when it is dropped or cancelled; what
// the target did is its own business (a moved item is removed by the target, never here). OLE must
// have been started on the calling thread. `starting` runs just before the drag begins, once its
// data is ready (the program plays its drag sound there). Nothing is dragged when the request is
// incomplete or its data cannot be made.
void StartFileDrag(DragRequest request, const std::function<void()>& starting);
