// The favourites tree of the left pane.
#pragma once
#include <windows.h>

constexpr int kFavouritesTreeId = 3100;

class FavouritesPane {
public:
    void Create(HWND mainWindow);
    HWND Window() const { return window_; }

private:
    HWND window_ = nullptr;
};
