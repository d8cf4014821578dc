#include "panes/tree/folder_tree.h"

#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include "core/dbcs_text.h"
#include "panes/tree/tree_item_data.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"

namespace {

// A watcher stuck longer in the system is left behind at exit.
constexpr DWORD kDriveWatcherStopMs = 2000;

}  // namespace

FolderTreePane::~FolderTreePane() {
    if (!window_ || !IsWindow(window_)) return;
    subclass_.Detach();
    SendMessageA(window_, WM_SETFONT, 0, FALSE);
}

void FolderTreePane::Create(HWND mainWindow, const LOGFONTA& font) {
    mainWindow_ = mainWindow;
    window_ = CreateWindowExA(
        0, WC_TREEVIEWA, "", WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS, 0, 0, 0, 0,
        mainWindow, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFolderTreeId)), nullptr, nullptr);
    controlProcedure_ = window_ ? reinterpret_cast<WNDPROC>(GetClassLongPtrA(window_, GCLP_WNDPROC)) : nullptr;
    font_.Reset(CreateFontIndirectA(&font));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), FALSE);
}

void FolderTreePane::ApplySettings(const LOGFONTA& font, COLORREF textColour) {
    if (!window_) return;
    Font previous = std::move(font_);
    font_.Reset(CreateFontIndirectA(&font));
    SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.Get()), TRUE);
    SetTextColour(textColour);
    InvalidateRect(window_, nullptr, TRUE);
}

void FolderTreePane::SetTextColour(COLORREF colour) { TreeView_SetTextColor(window_, colour); }

void FolderTreePane::LoadHiddenFolders(std::string file) {
    hiddenFile_ = std::move(file);
    hidden_.Load(hiddenFile_);
}

void FolderTreePane::Start(TreeHost& host, const TreeShared& shared, HWND bar, WheelOffer* wheel) {
    if (!window_ || started_) return;
    host_ = &host;
    settings_ = &shared.settings;
    theme_ = &shared.theme;
    shell_ = &shared.shell;
    instance_ = shared.instance;
    wheel_ = wheel;
    hideMode_ = showErased_ = refreshing_ = false;
    subclass_.Attach(window_, &FolderTreePane::Procedure, this);
    SHFILEINFOA info{};
    auto icons = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    TreeView_SetImageList(window_, icons, TVSIL_NORMAL);
    if (bar)
        bar_.Attach(bar, *theme_,
                    ButtonActions([this] { ToggleHideMode(); }, nullptr,
                                  [this] { return EraserState(hideMode_, showErased_); }),
                    ButtonActions([this] { ToggleMagnifier(); }, [this] { ShowHiddenFoldersMenu(); },
                                  [this] { return OnOffState(showErased_); }));
    started_ = true;
    FillRoot();
    driveWatcher_.Start(window_, kDrivesChangedMessage);
}

bool FolderTreePane::SaveHiddenFolders() const { return !hiddenFile_.empty() && hidden_.Save(hiddenFile_); }

void FolderTreePane::Shutdown() {
    if (!started_) return;
    driveWatcher_.Stop(kDriveWatcherStopMs);
    dueLevels_.clear();
    {
        OwnChange change(*this);
        TreeView_DeleteAllItems(window_);
    }
    hidden_.Clear();
    subclass_.Detach();
    started_ = false;
}

HTREEITEM FolderTreePane::Root() const { return window_ ? TreeView_GetRoot(window_) : nullptr; }

LRESULT FolderTreePane::Control(UINT message, WPARAM wParam, LPARAM lParam) const {
    return controlProcedure_ ? CallWindowProcA(controlProcedure_, window_, message, wParam, lParam)
                             : SendMessageA(window_, message, wParam, lParam);
}

bool FolderTreePane::IsExpanded(HTREEITEM item) const {
    return (Control(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

FolderTreePane::ItemData* FolderTreePane::DataOf(HTREEITEM item) const {
    if (!item) return nullptr;
    TVITEMA read{};
    read.mask = TVIF_HANDLE | TVIF_PARAM;
    read.hItem = item;
    if (!Control(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&read))) return nullptr;
    return DataOf(read.lParam);
}

HTREEITEM FolderTreePane::ParentOf(HTREEITEM item) const {
    return item ? reinterpret_cast<HTREEITEM>(Control(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)))
                : nullptr;
}

std::vector<HTREEITEM> FolderTreePane::ChildrenOf(HTREEITEM item) const {
    std::vector<HTREEITEM> children;
    auto next = [this](UINT relation, HTREEITEM from) {
        return reinterpret_cast<HTREEITEM>(Control(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from)));
    };
    for (HTREEITEM child = next(TVGN_CHILD, item); child; child = next(TVGN_NEXT, child)) children.push_back(child);
    return children;
}

HTREEITEM FolderTreePane::Selected() const { return TreeView_GetSelection(window_); }

std::string FolderTreePane::TextOf(HTREEITEM item) const {
    char text[dbcs::kTextBufferBytes] = {};
    TVITEMA read{};
    read.mask = TVIF_HANDLE | TVIF_TEXT;
    read.hItem = item;
    read.pszText = text;
    read.cchTextMax = sizeof text;
    if (!item || !TreeView_GetItem(window_, &read)) return std::string();
    text[sizeof text - 1] = '\0';
    return text;
}

ItemIdList FolderTreePane::AbsoluteListOf(HTREEITEM item) const {
    std::vector<PCUIDLIST_RELATIVE> chain;
    HTREEITEM at = item;
    for (HTREEITEM parent = ParentOf(at); parent; at = parent, parent = ParentOf(at)) {
        ItemData* data = DataOf(at);
        if (!data || !data->list) return ItemIdList();
        chain.push_back(data->list.Get());
    }
    ItemData* root = DataOf(at);
    if (!root || !root->list) return ItemIdList();
    ItemIdList absolute = CloneItemList(root->list.Get());
    for (auto link = chain.rbegin(); link != chain.rend() && absolute; ++link)
        absolute = ConcatenateItemLists(absolute.Get(), *link);
    return absolute;
}

bool FolderTreePane::SplitItem(HTREEITEM item, ComPtr<IShellFolder>& parent, ItemIdList& child) const {
    HTREEITEM parentItem = ParentOf(item);
    ItemData* data = DataOf(item);
    if (!parentItem || !data || !data->list) return false;
    ItemIdList parentList = AbsoluteListOf(parentItem);
    parent = BindFolder(parentList.Get());
    child = CloneItemList(data->list.Get());
    return parent && child;
}

LRESULT FolderTreePane::OnNotify(NMHDR* header) {
    if (!started_ && header->code != TVN_DELETEITEMA) return 0;
    switch (header->code) {
    case TVN_DELETEITEMA: {
        auto* change = reinterpret_cast<NMTREEVIEWA*>(header);
        if (change->itemOld.hItem == firstVisible_) firstVisible_ = nullptr;
        ItemData* data = DataOf(change->itemOld.lParam);
        if (data && data->refreshDue) ForgetDueLevel(change->itemOld.hItem);
        if (data && data->filled) filledItems_.erase(change->itemOld.hItem);
        delete data;
        return 0;
    }
    case TVN_ITEMEXPANDINGA: {
        auto* change = reinterpret_cast<NMTREEVIEWA*>(header);
        if ((change->action & 0x3) == TVE_EXPAND) FillChildren(change->itemNew.hItem);
        return 0;
    }
    case TVN_GETDISPINFOA: SupplyIcons(*reinterpret_cast<NMTVDISPINFOA*>(header)); return 0;
    case TVN_SELCHANGEDA: OnSelectionChanged(*reinterpret_cast<NMTREEVIEWA*>(header)); return 0;
    case TVN_BEGINLABELEDITA: return BeginLabelEditRefused(*reinterpret_cast<NMTVDISPINFOA*>(header)) ? 1 : 0;
    case TVN_ENDLABELEDITA: EndLabelEdit(*reinterpret_cast<NMTVDISPINFOA*>(header)); return 0;
    case TVN_BEGINDRAGA:
    case TVN_BEGINRDRAGA: DragOut(reinterpret_cast<NMTREEVIEWA*>(header)->itemNew.hItem); return 0;
    case NM_RCLICK: ShowContextMenu(); return 1;
    case NM_CUSTOMDRAW: return OnCustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(header));
    case NM_SETCURSOR: return OnSetCursor() ? 1 : 0;
    default: return 0;
    }
}

// The keys are taken before the control sees them, so that a handled key does nothing more; with
// Alt held they come as system keys.
LRESULT FolderTreePane::Procedure(void* context, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<FolderTreePane*>(context);
    switch (message) {
    case WM_MOUSEWHEEL:
        if (OfferWheel(self->wheel_, wParam, lParam)) return 0;
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        if (self->OnKey(static_cast<WORD>(wParam), message == WM_SYSKEYDOWN || GetKeyState(VK_MENU) < 0)) return 0;
        break;
    case kRemoveErasedItemMessage: self->RemoveErasedItem(reinterpret_cast<HTREEITEM>(lParam)); return 0;
    case kDrivesChangedMessage: self->OnDrivesChanged(); return 0;
    case kRefreshSliceMessage: self->RunRefreshSlice(); return 0;
    default: break;
    }
    return Subclass::CallNext(window, message, wParam, lParam);
}
