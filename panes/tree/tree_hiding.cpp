// The hide mode of the folder tree: while it is on, a selected folder is erased from the tree, or
// with the magnifier brought back; the magnifier shows the erased folders marked with "*", and its
// menu opens any of them in the main list.
#include <windows.h>
#include <shellapi.h>

#include "panes/tree/tree_item_data.h"
#include "res/ids.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "ui/system_icon_menus.h"
#include "win/system_text.h"

void FolderTreePane::ToggleHideMode() {
    hideMode_ = !hideMode_;
    OwnChange change(*this);
    TreeView_SelectItem(window_, nullptr);
    bar_.UpdateLooks();
}

void FolderTreePane::ToggleMagnifier() {
    showErased_ = !showErased_;
    bar_.UpdateLooks();
    Refresh();
}

void FolderTreePane::EraseOrRestore(HTREEITEM item) {
    ItemData* data = DataOf(item);
    if (!data || !data->list) return;
    host_->PlayTreeSound(showErased_ ? TreeSound::Unerase : TreeSound::Erase);
    HTREEITEM parentItem = ParentOf(item);
    if (!parentItem) return;
    ItemIdList parentList = AbsoluteListOf(parentItem);
    ComPtr<IShellFolder> parent = BindFolder(parentList.Get());
    if (!parent) return;
    if (!showErased_) {
        hidden_.Erase(parentList.Get(), data->list.Get());
        // The control is still inside its selection change; the item goes once that is over.
        PostMessageA(window_, kRemoveErasedItemMessage, 0, reinterpret_cast<LPARAM>(item));
        return;
    }
    if (!hidden_.Restore(parentList.Get(), parent.Get(), data->list.Get())) return;
    ItemIdList child = CloneItemList(data->list.Get());
    if (child) UpdateChild(item, parent.Get(), std::move(child), false);
}

void FolderTreePane::RemoveErasedItem(HTREEITEM item) {
    // Only the item still selected is the one erased: anything since may have removed it.
    if (!item || item != Selected() || item == Root()) return;
    OwnChange change(*this);
    TreeView_DeleteItem(window_, item);
    TreeView_SelectItem(window_, nullptr);
}

bool FolderTreePane::OnSetCursor() const {
    if (!hideMode_) return false;
    SetCursor(LoadCursorA(instance_, MAKEINTRESOURCEA(showErased_ ? IDC_MAGNIFIER : IDC_ERASER)));
    return true;
}

void FolderTreePane::ShowHiddenFoldersMenu() {
    if (!host_) return;
    host_->PlayTreeSound(TreeSound::Button);
    BlueIconMenu menu(*theme_);
    std::vector<ItemIdList> targets;
    for (const HiddenEntry& entry : hidden_.Entries()) {
        ComPtr<IShellFolder> parent = BindFolder(entry.parent.Get());
        if (!parent) continue;
        for (const ItemIdList& child : entry.children) {
            ItemIdList target = ConcatenateItemLists(entry.parent.Get(), child.Get());
            if (!target) continue;
            int icon = IconIndex(parent.Get(), child.Get(), 0, SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
            targets.push_back(std::move(target));
            menu.AddItem(static_cast<UINT>(targets.size()), FitTextBuffer(ItemPath(parent.Get(), child.Get())), icon);
        }
    }
    SkinnedButton* magnifier = bar_.Magnifier();
    POINT at{};
    if (magnifier) at = magnifier->BottomLeftOnScreen();
    int chosen = menu.Show(mainWindow_, at.x, at.y);
    if (chosen < 1 || static_cast<size_t>(chosen) > targets.size()) return;
    ComPtr<IShellFolder> folder = BindFolder(targets[chosen - 1].Get());
    if (folder) host_->ShowInMainList(std::move(folder));
}
