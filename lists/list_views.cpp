#include "lists/list_views.h"

#include <commctrl.h>

HWND g_mainList = nullptr;
HWND g_subList = nullptr;

namespace {

HWND CreateListView(HWND mainWindow, int id) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_CLIPSIBLINGS | LVS_SHAREIMAGELISTS, 0, 0, 0,
                           0, mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

}  // namespace

void CreateFolderListViews(HWND mainWindow) {
    g_mainList = CreateListView(mainWindow, kMainListId);
    g_subList = CreateListView(mainWindow, kSubListId);
}
