// What the favourites offer to the menus of other panes: the top level of the favourites tree,
// where a group carries its favourites one level deep.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "win/owners.h"

struct FavouriteEntry {
    std::string label;
    bool group = false;
    // The folder of a favourite; null for a group.
    ComPtr<IShellFolder> folder;
    // A group's favourites, in the tree's order.
    std::vector<FavouriteEntry> children;
};

class FavouriteSource {
public:
    virtual ~FavouriteSource() = default;
    // The nodes under the tree's root, in the tree's order.
    virtual std::vector<FavouriteEntry> TopLevelEntries() const = 0;
};
