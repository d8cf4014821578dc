#include "panes/favourites/favourites_tree.h"

#include <commctrl.h>

HWND g_favouritesTree = nullptr;

void CreateFavouritesTreeControl(HWND mainWindow) {
    g_favouritesTree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS,
                                       0, 0, 0, 0, mainWindow,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFavouritesTreeId)), nullptr,
                                       nullptr);
}
