#include "tree/folder_tree.h"

#include <commctrl.h>

HWND g_folderTree = nullptr;

void CreateFolderTreeControl(HWND mainWindow) {
    g_folderTree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS,
                                   0, 0, 0, 0, mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolderTreeId)), nullptr, nullptr);
}
