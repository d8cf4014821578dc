#include "panes/tree/folder_tree.h"

#include <commctrl.h>

#include "app/fonts.h"
#include "win/owners.h"

HWND g_folderTree = nullptr;

namespace {
Font g_treeFont;
}

void CreateFolderTreeControl(HWND mainWindow) {
    g_folderTree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS,
                                   0, 0, 0, 0, mainWindow,
                                   reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolderTreeId)), nullptr, nullptr);
    g_treeFont.Reset(CreateFontIndirectA(&g_fonts.tree));
    SendMessageA(g_folderTree, WM_SETFONT, reinterpret_cast<WPARAM>(g_treeFont.Get()), FALSE);
}

void DestroyFolderTreeResources() {
    if (g_folderTree) SendMessageA(g_folderTree, WM_SETFONT, 0, FALSE);
    g_treeFont.Reset();
}
