// What the favourites tree asks of the program around it: new tabs for its folders, and the
// window's keys that it passes on.
#pragma once
#include <vector>

#include "core/tab_model.h"

class FavouritesHost {
public:
    virtual ~FavouritesHost() = default;

    // Each folder becomes a new tab at the end, in order, even where a tab of it is open; the last
    // one added becomes the main list's and is shown.
    virtual void OpenFavouriteTabs(const std::vector<tabs::FolderPtr>& folders) = 0;
    virtual void FocusMainList() = 0;
    virtual void FocusFolderTree() = 0;
    // Ctrl+T, Ctrl+D and F1.
    virtual void ToggleTreePane() = 0;
    virtual void ToggleTwoPaneView() = 0;
    virtual void ShowHelp() = 0;
    // A favourite is dragged out; items are dropped on the tree.
    virtual void PlayDragSound() = 0;
    virtual void PlayDropSound() = 0;
};
