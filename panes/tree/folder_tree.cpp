#include "panes/tree/folder_tree.h"

#include <commctrl.h>

FolderTreePane::~FolderTreePane() {
    if (window_ && IsWindow(window_)) SendMessageA(window_, WM_SETFONT, 0, FALSE);
}

void FolderTreePane::Create(HWND mainWindow, const LOGFONTA& font) {
    window_ = CreateWindowExA(
        0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS, 0, 0, 0, 0,
        mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolderTreeId)), nullptr, nullptr);
    font_.Reset(CreateFontIndirectA(&font));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void FolderTreePane::SetTextColour(COLORREF colour) { TreeView_SetTextColor(window_, colour); }
