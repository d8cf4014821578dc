#include "panes/favourites/favourites_pane.h"

#include <commctrl.h>

void FavouritesPane::Create(HWND mainWindow) {
    window_ =
        CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS, 0, 0, 0, 0,
                        mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFavouritesTreeId)), nullptr, nullptr);
}

// No favourite is put into the tree yet, so its root has nothing under it.
std::vector<FavouriteEntry> FavouritesPane::TopLevelEntries() const { return {}; }
