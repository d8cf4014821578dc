// Creation of a new folder or empty file under a free default name, and its hand-back to the
// folder list that shows the target folder.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "win/owners.h"
#include "core/new_item_names.h"

struct CreatedItem {
    // Empty when nothing was created.
    std::string fullPath;
    // Absolute; null when nothing was created or the shell could not parse the new item's path.
    ItemIdList itemList;
    std::string displayName;
};

// `folderPath` is the path of the list's current folder (a drive root reads "C:").
CreatedItem CreateNewItem(const std::string& folderPath, NewItemKind kind);

// The list's side: takes the new item's one-item identifier list and its display name, and shows
// the item as its last row.
using AppendItemToList = std::function<void(ItemIdList item, const std::string& displayName)>;

// Creates the item and appends it to the list; the full path, or empty when nothing was appended.
std::string CreateNewItemInList(const std::string& folderPath, NewItemKind kind, const AppendItemToList& appendItem);
