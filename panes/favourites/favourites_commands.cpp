// What the favourites tree does on its own: a selection or a click opens a favourite as a tab, the
// keys and the menus act on groups and favourites, and labels are edited in place.
#include <windows.h>
#include <cstdio>

#include "core/dbcs_text.h"
#include "panes/favourites/favourites_pane.h"
#include "res/ids.h"
#include "win/system_text.h"

void FavouritesPane::OnSelectionChanged(const NMTREEVIEWA& change) {
    if (change.action == TVC_UNKNOWN) return;
    HTREEITEM item = change.itemNew.hItem;
    if (IsFavourite(item)) Open(item);
}

// A click on the favourite that is selected already changes no selection, so it opens the
// favourite here; the control then neither selects nor starts editing the label.
bool FavouritesPane::OnClick() {
    POINT screen{};
    HTREEITEM item = ItemAtCursor(screen);
    if (!item || item != selectedAtPress_ || item != Selected() || !IsFavourite(item)) return false;
    Open(item);
    SetFocus(window_);
    return true;
}

void FavouritesPane::Open(HTREEITEM item) {
    Record* record = RecordOf(item);
    if (record && host_) host_->OpenFavouriteTabs({record->folder});
}

void FavouritesPane::OpenGroup(HTREEITEM group) {
    std::vector<tabs::FolderPtr> folders;
    for (HTREEITEM favourite : ChildrenOf(group))
        if (Record* record = RecordOf(favourite)) folders.push_back(record->folder);
    if (!folders.empty() && host_) host_->OpenFavouriteTabs(folders);
}

bool FavouritesPane::BeginLabelEditRefused(const NMTVDISPINFOA& info) const {
    HTREEITEM item = info.item.hItem;
    if (!item || item == Root() || TextOf(item) == kStartupGroupName) return true;
    if (HWND edit = TreeView_GetEditControl(window_)) SendMessageA(edit, EM_LIMITTEXT, favfile::kLongestLabel, 0);
    return false;
}

// The text is stored here, cut to what the file keeps, rather than by the control.
bool FavouritesPane::EndLabelEdit(const NMTVDISPINFOA& info) {
    if (!info.item.pszText) return false;
    std::string label = dbcs::CutToFit(info.item.pszText, favfile::kLongestLabel, &IsSystemLeadByte);
    TVITEMA item{};
    item.mask = TVIF_HANDLE | TVIF_TEXT;
    item.hItem = info.item.hItem;
    item.pszText = const_cast<char*>(label.c_str());
    TreeView_SetItem(window_, &item);
    return false;
}

bool FavouritesPane::OnKey(WORD key) {
    HTREEITEM selected = Selected();
    if (!selected || !host_) return false;
    bool ctrlHeld = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_TAB:
        if (ctrlHeld) return false;
        host_->FocusMainList();
        return true;
    case VK_DELETE:
        if (selected != Root() && !IsStartupGroup(selected)) RemoveFavourite(selected);
        return true;
    case 'D':
        if (!ctrlHeld) return false;
        host_->ToggleTwoPaneView();
        host_->FocusMainList();
        return true;
    case 'T':
        if (!ctrlHeld) return false;
        host_->ToggleTreePane();
        host_->FocusFolderTree();
        return true;
    // The help opens, and the control still sees the key.
    case VK_F1: host_->ShowHelp(); return false;
    case VK_F2: TreeView_EditLabel(window_, selected); return true;
    default: return false;
    }
}

void FavouritesPane::ShowContextMenu() {
    POINT cursor{};
    HTREEITEM item = ItemAtCursor(cursor);
    if (!item || item == Root()) return;
    bool favourite = IsFavourite(item);
    MenuHandle resource(LoadMenuA(instance_, MAKEINTRESOURCEA(favourite ? IDM_FAVOURITE : IDM_FAVOURITES_GROUP)));
    HMENU menu = resource ? GetSubMenu(resource.Get(), 0) : nullptr;
    if (!menu) return;
    if (IsStartupGroup(item)) {
        EnableMenuItem(menu, CMD_GROUP_RENAME, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(menu, CMD_GROUP_DELETE, MF_BYCOMMAND | MF_GRAYED);
    }
    int command =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_LEFTALIGN | TPM_TOPALIGN, cursor.x, cursor.y, 0, mainWindow_, nullptr);
    switch (command) {
    case CMD_GROUP_ADD_ALL_ITEMS: OpenGroup(item); break;
    case CMD_GROUP_RENAME:
    case CMD_FAVOURITE_RENAME:
        SetFocus(window_);
        TreeView_EditLabel(window_, item);
        break;
    case CMD_GROUP_DELETE:
    case CMD_FAVOURITE_DELETE: RemoveFavourite(item); break;
    case CMD_GROUP_DELETE_ALL_ITEMS: DeleteChildren(item); break;
    default: break;
    }
}
