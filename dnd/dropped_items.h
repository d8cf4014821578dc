// The items that a drag brings, read from its identifier-list array, and the shell's own drop
// target of a folder, to which the targets over folders hand a drag on.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/owners.h"

struct DroppedItems {
    // The folder that holds the items.
    ComPtr<IShellFolder> parent;
    // Each item relative to the parent, in the drag's order.
    std::vector<ItemIdList> children;
};

// The items of the drag's identifier-list array in global memory. False when the data has no such
// array, hands it over in another kind of medium, the array does not hold together within its
// block, or its parent cannot be bound. The medium is released in every case.
bool ReadDroppedItems(IDataObject* data, DroppedItems& items);

// Whether the data offers an identifier-list array at all, as the targets that read the items
// themselves ask while a drag is over them.
bool OffersItems(IDataObject* data);

// Whether the data offers an identifier-list array that ReadDroppedItems would refuse, or offers it
// in another medium than global memory. The shell's own targets read such arrays without those
// checks, inside this process, so the targets that hand drags on to them refuse these drags.
bool OffersBrokenItemArray(IDataObject* data);

// The shell's drop target of a child of the folder, or of the folder itself when child is null;
// null when the shell has none.
ComPtr<IDropTarget> ShellDropTargetOf(IShellFolder* folder, PCUITEMID_CHILD child, HWND owner = nullptr);
