#include "panes/list/list_pane.h"

#include <commctrl.h>

namespace {

constexpr DWORD kListWindowStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | LVS_OWNERDATA | LVS_EDITLABELS | LVS_SHAREIMAGELISTS | LVS_SHOWSELALWAYS;

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

ListPane::~ListPane() {
    if (window_ && IsWindow(window_)) SendMessageA(window_, WM_SETFONT, 0, FALSE);
}

void ListPane::Create(HWND mainWindow, const LOGFONTA& font, int style) {
    window_ = CreateWindowExA(0, WC_LISTVIEWA, "", kListWindowStyle, 0, 0, 0, 0, mainWindow,
                              reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId_)), nullptr, nullptr);
    font_.Reset(CreateFontIndirectA(&font));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
    SetStyle(style);
}

void ListPane::SetStyle(int style) {
    if (style < kCommentStyle || style > kThumbnailStyle) style = 0;
    style_ = style;
    LONG_PTR windowStyle = GetWindowLongPtrA(window_, GWL_STYLE);
    SetWindowLongPtrA(window_, GWL_STYLE, (windowStyle & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | LayoutBits(style));
}

int ListPane::SavedStyle() const {
    if (style_ == kCommentStyle) return kCommentStyle;
    return static_cast<int>(GetWindowLongPtrA(window_, GWL_STYLE) & LVS_TYPEMASK);
}
