// Item identifier lists: new lists come from the task allocator and belong to the receiver.
// Every operation accepts the empty list (the desktop) and null.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <cstddef>

#include "win/owners.h"

// That many zero bytes, or null for none or when the allocator refuses.
ItemIdList AllocateItemList(size_t bytes);

// The item after this one inside the same list, or null when this one is the terminator or the
// last item.
PCUIDLIST_RELATIVE NextItem(PCUIDLIST_RELATIVE item);

// All bytes including the 2-byte terminator; 0 for null.
size_t ItemListSize(PCUIDLIST_RELATIVE list);

// The items of first followed by those of second; null when either is null.
ItemIdList ConcatenateItemLists(PCUIDLIST_RELATIVE first, PCUIDLIST_RELATIVE second);

// A copy; the empty list gives the desktop's own list as the shell hands it out.
ItemIdList CloneItemList(PCUIDLIST_RELATIVE list);

// A copy without the last item; null for the empty list.
ItemIdList ParentItemList(PCUIDLIST_RELATIVE list);

// A one-item list holding a copy of the last item; null for the empty list.
ItemIdList LastItem(PCUIDLIST_RELATIVE list);

// The number of items plus one: the desktop has depth 1. 0 for null.
size_t ItemListDepth(PCUIDLIST_RELATIVE list);

// The list of a special folder (CSIDL_DESKTOP, CSIDL_DRIVES...), or null when the system has none.
ItemIdList SpecialFolderList(int csidl);
