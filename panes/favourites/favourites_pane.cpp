#include "panes/favourites/favourites_pane.h"

#include <windows.h>
#include <windowsx.h>

#include "core/dbcs_text.h"
#include "res/ids.h"

namespace {

constexpr char kRootText[] = "お気に入り";
constexpr int kRootImage = 0;
constexpr int kIconSize = 16;
// Where a root's or group's icon goes, left of its text.
constexpr int kIconLeftOfText = 19;
constexpr int kIconGapToText = 3;

void AddIcon(HIMAGELIST list, HINSTANCE instance, int id) {
    Bitmap bitmap(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
    if (bitmap) ImageList_AddMasked(list, bitmap.Get(), RGB(0, 0, 0));
}

}  // namespace

FavouritesPane::~FavouritesPane() {
    if (!window_ || !IsWindow(window_)) return;
    subclass_.Detach();
    SendMessageA(window_, WM_SETFONT, 0, FALSE);
}

void FavouritesPane::Start(FavouritesHost& host, const FavouritesShared& shared, HWND mainWindow, HWND bar,
                           WheelOffer* wheel, std::string file) {
    if (started_) return;
    host_ = &host;
    settings_ = &shared.settings;
    shell_ = &shared.shell;
    instance_ = shared.instance;
    mainWindow_ = mainWindow;
    wheel_ = wheel;
    file_ = std::move(file);
    if (!window_)
        window_ = CreateWindowExA(0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_EDITLABELS, 0, 0, 0, 0, mainWindow,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFavouritesTreeId)), nullptr, nullptr);
    if (!window_) return;
    subclass_.Attach(window_, &FavouritesPane::Procedure, this);
    TreeView_SetImageList(window_, shared.theme.systemSmall, TVSIL_NORMAL);
    groupIcons_.Reset(ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, 2, 1));
    ImageList_SetBkColor(groupIcons_.Get(), RGB(0, 0, 0));
    AddIcon(groupIcons_.Get(), instance_, IDB_FAVOURITES_ROOT);
    AddIcon(groupIcons_.Get(), instance_, IDB_FAVOURITES_GROUP);
    if (bar) bar_.Attach(bar, shared.theme, ButtonActions([this] { NewFavouritesGroup(); }));
    started_ = true;
    TVINSERTSTRUCTA insert{};
    insert.hParent = TVI_ROOT;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_CHILDREN | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(kRootText);
    insert.item.cChildren = 1;
    TreeView_InsertItem(window_, &insert);
    Load();
    if (!TreeView_GetChild(window_, Root())) BuildDefaultGroups();
    TreeView_Expand(window_, Root(), TVE_EXPAND);
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(shared.font), FALSE);
}

void FavouritesPane::Shutdown() {
    if (!started_) return;
    TreeView_DeleteAllItems(window_);
    bar_.Detach();
    subclass_.Detach();
    SendMessageA(window_, WM_SETFONT, 0, FALSE);
    groupIcons_.Reset();
    started_ = false;
}

HTREEITEM FavouritesPane::Root() const { return window_ ? TreeView_GetRoot(window_) : nullptr; }

HTREEITEM FavouritesPane::ParentOf(HTREEITEM item) const { return item ? TreeView_GetParent(window_, item) : nullptr; }

HTREEITEM FavouritesPane::Selected() const { return window_ ? TreeView_GetSelection(window_) : nullptr; }

FavouritesPane::Record* FavouritesPane::RecordOf(HTREEITEM item) const {
    if (!item || !window_) return nullptr;
    TVITEMA read{};
    read.mask = TVIF_HANDLE | TVIF_PARAM;
    read.hItem = item;
    if (!TreeView_GetItem(window_, &read)) return nullptr;
    return RecordOf(read.lParam);
}

std::vector<HTREEITEM> FavouritesPane::ChildrenOf(HTREEITEM item) const {
    std::vector<HTREEITEM> children;
    if (!item || !window_) return children;
    for (HTREEITEM child = TreeView_GetChild(window_, item); child; child = TreeView_GetNextSibling(window_, child))
        children.push_back(child);
    return children;
}

std::string FavouritesPane::TextOf(HTREEITEM item) const {
    char text[dbcs::kTextBufferBytes] = {};
    TVITEMA read{};
    read.mask = TVIF_HANDLE | TVIF_TEXT;
    read.hItem = item;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    if (!item || !window_ || !TreeView_GetItem(window_, &read)) return std::string();
    text[sizeof text - 1] = '\0';
    return text;
}

HTREEITEM FavouritesPane::StartupGroup() const {
    for (HTREEITEM child : ChildrenOf(Root()))
        if (IsGroup(child) && TextOf(child) == kStartupGroupName) return child;
    return nullptr;
}

HTREEITEM FavouritesPane::HitTestGroup(POINT client) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    HTREEITEM item = window_ ? TreeView_HitTest(window_, &hit) : nullptr;
    if (!item || !(hit.flags & TVHT_ONITEM)) return Root();
    return IsFavourite(item) ? nullptr : item;
}

HTREEITEM FavouritesPane::ItemAtCursor(POINT& screen) const {
    GetCursorPos(&screen);
    TVHITTESTINFO hit{};
    hit.pt = screen;
    ScreenToClient(window_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(window_, &hit);
    return item && (hit.flags & TVHT_ONITEM) ? item : nullptr;
}

LRESULT FavouritesPane::OnNotify(NMHDR* header) {
    if (!started_ && header->code != TVN_DELETEITEMA) return 0;
    switch (header->code) {
    case TVN_DELETEITEMA: delete RecordOf(reinterpret_cast<NMTREEVIEWA*>(header)->itemOld.lParam); return 0;
    case TVN_GETDISPINFOA: SupplyIcons(*reinterpret_cast<NMTVDISPINFOA*>(header)); return 0;
    case TVN_SELCHANGEDA: OnSelectionChanged(*reinterpret_cast<NMTREEVIEWA*>(header)); return 0;
    case NM_CLICK: return OnClick() ? 1 : 0;
    case TVN_BEGINLABELEDITA: return BeginLabelEditRefused(*reinterpret_cast<NMTVDISPINFOA*>(header)) ? 1 : 0;
    case TVN_ENDLABELEDITA: return EndLabelEdit(*reinterpret_cast<NMTVDISPINFOA*>(header)) ? 1 : 0;
    case NM_RCLICK: ShowContextMenu(); return 1;
    case TVN_BEGINDRAGA:
    case TVN_BEGINRDRAGA: OnBeginDrag(*reinterpret_cast<NMTREEVIEWA*>(header)); return 0;
    case NM_CUSTOMDRAW: return OnCustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(header));
    default: return 0;
    }
}

LRESULT FavouritesPane::OnCustomDraw(const NMTVCUSTOMDRAW& draw) const {
    switch (draw.nmcd.dwDrawStage) {
    case CDDS_PREPAINT: return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
        return RecordOf(static_cast<LPARAM>(draw.nmcd.lItemlParam)) ? CDRF_DODEFAULT : CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT: {
        auto item = reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec);
        RECT text{};
        if (!TreeView_GetItemRect(window_, item, &text, TRUE)) return CDRF_DODEFAULT;
        RECT icon{text.left - kIconLeftOfText, text.top, text.left - kIconGapToText, text.bottom};
        FillRect(draw.nmcd.hdc, &icon, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        int image = item == Root() ? kRootImage : kFavouritesGroupImage;
        int top = text.top + (text.bottom - text.top - kIconSize) / 2;
        ImageList_Draw(groupIcons_.Get(), image, draw.nmcd.hdc, icon.left, top, ILD_TRANSPARENT);
        return CDRF_DODEFAULT;
    }
    default: return CDRF_DODEFAULT;
    }
}

LRESULT FavouritesPane::Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<FavouritesPane*>(context);
    switch (message) {
    case WM_MOUSEWHEEL:
        if (OfferWheel(self->wheel_, wParam, lParam)) return 0;
        break;
    case WM_LBUTTONDOWN: self->selectedAtPress_ = self->Selected(); break;
    // Taken before the control sees them, so that a handled key does nothing more.
    case WM_KEYDOWN:
        if (self->OnKey(static_cast<WORD>(wParam))) return 0;
        break;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
