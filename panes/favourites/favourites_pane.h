// The favourites tree of the left pane.
#pragma once
#include <windows.h>

#include <vector>

#include "panes/favourites/favourite_entries.h"

constexpr int kFavouritesTreeId = 3100;

class FavouritesPane : public FavouriteSource {
public:
    void Create(HWND mainWindow);
    HWND Window() const { return window_; }

    std::vector<FavouriteEntry> TopLevelEntries() const override;

private:
    HWND window_ = nullptr;
};
