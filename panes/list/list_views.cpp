#include "panes/list/list_views.h"

#include <commctrl.h>

#include "app/fonts.h"
#include "app/settings_file.h"
#include "win/owners.h"

HWND g_mainList = nullptr;
HWND g_subList = nullptr;

namespace {

int g_mainStyle = 0;
int g_subStyle = 0;
// Both lists show their items in the list font the user chose.
Font g_listFont;

constexpr DWORD kListWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | LVS_OWNERDATA | LVS_EDITLABELS |
                                   LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;

HWND CreateListView(HWND mainWindow, int id) {
    return CreateWindowExA(0, WC_LISTVIEWA, "", kListWindowStyle, 0, 0, 0, 0, mainWindow,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

int& StyleOf(HWND list) { return list == g_subList ? g_subStyle : g_mainStyle; }

DWORD LayoutBits(int style) {
    switch (style) {
    case kCommentStyle:
    case 1: return LVS_REPORT;
    case 2: return LVS_SMALLICON;
    case 3: return LVS_LIST;
    default: return LVS_ICON;
    }
}

}  // namespace

void CreateFolderListViews(HWND mainWindow) {
    g_mainList = CreateListView(mainWindow, kMainListId);
    g_subList = CreateListView(mainWindow, kSubListId);
    g_listFont.Reset(CreateFontIndirectA(&g_fonts.list));
    for (HWND list : {g_mainList, g_subList})
        SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(g_listFont.Get()), FALSE);
    SetListStyle(g_mainList, g_settings.mainListStyle);
    SetListStyle(g_subList, g_settings.subListStyle);
}

void DestroyFolderListResources() {
    for (HWND list : {g_mainList, g_subList})
        if (list) SendMessageA(list, WM_SETFONT, 0, FALSE);
    g_listFont.Reset();
}

void SetListStyle(HWND list, int style) {
    if (style < kCommentStyle || style > kThumbnailStyle) style = 0;
    StyleOf(list) = style;
    LONG_PTR windowStyle = GetWindowLongPtrA(list, GWL_STYLE);
    SetWindowLongPtrA(list, GWL_STYLE, (windowStyle & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | LayoutBits(style));
}

int ListStyle(HWND list) { return StyleOf(list); }

int SavedListStyle(HWND list) {
    if (StyleOf(list) == kCommentStyle) return kCommentStyle;
    return static_cast<int>(GetWindowLongPtrA(list, GWL_STYLE) & LVS_TYPEMASK);
}
