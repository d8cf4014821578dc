// What the folder tree does on its own: a selection shows the folder in the main list, the keys
// run shell verbs and the window's commands, a label edit renames the folder, the right button
// shows the shell's menu, either button drags a folder out, and items are coloured by their
// attributes.
#include <windows.h>
#include <shellapi.h>

#include <utility>

#include "core/rename_rules.h"
#include "dnd/drag_items.h"
#include "panes/tree/tree_item_data.h"
#include "shell/context_menus.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "ui/item_context_menu.h"
#include "win/system_text.h"

namespace {

constexpr char kRenameCaption[] = "名前の変更";

bool HasItemsBeyondDots(const std::string& folderPath) {
    WIN32_FIND_DATAA found{};
    HANDLE search = FindFirstFileA((folderPath + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    // The first two entries are "." and "..".
    bool more = FindNextFileA(search, &found) && FindNextFileA(search, &found);
    FindClose(search);
    return more;
}

}  // namespace

void FolderTreePane::OnSelectionChanged(const NMTREEVIEWA& change) {
    if (change.action == TVC_UNKNOWN || ownChanges_ > 0) return;
    HTREEITEM item = change.itemNew.hItem;
    if (hideMode_) {
        EraseOrRestore(item);
        return;
    }
    ItemIdList absolute = AbsoluteListOf(item);
    ComPtr<IShellFolder> folder = BindFolder(absolute.Get());
    if (!folder || !host_) return;
    IShellFolder* shown = host_->MainListFolder();
    ItemIdList shownList = shown ? OwnItemList(shown) : ItemIdList();
    if (shownList && SameAbsoluteList(absolute.Get(), shownList.Get())) return;
    host_->ShowInMainList(std::move(folder));
}

bool FolderTreePane::BeginLabelEditRefused(const NMTVDISPINFOA& info) const {
    HTREEITEM item = info.item.hItem;
    if (!item || item == Root()) return true;
    std::string text = TextOf(item);
    return text.empty() || text.find('*') != std::string::npos;
}

void FolderTreePane::EndLabelEdit(const NMTVDISPINFOA& info) {
    if (!info.item.pszText) return;
    std::string name = info.item.pszText;
    HTREEITEM item = info.item.hItem;
    if (renaming::HasForbiddenCharacter(name, IsSystemLeadByte)) {
        MessageBoxA(nullptr, renaming::kRefusalText, kRenameCaption, MB_OK | MB_ICONERROR);
        return;
    }
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    if (item == Root() || !SplitItem(item, parent, child)) return;
    std::wstring wide = SystemTextToWide(FitTextBuffer(name));
    PITEMID_CHILD renamed = nullptr;
    HRESULT result = parent->SetNameOf(mainWindow_, child.Get(), wide.c_str(), SHGDN_NORMAL, &renamed);
    ItemIdList newChild(renamed);
    if (FAILED(result) || !newChild) return;
    bool marked = TextOf(item).find('*') == 0;
    UpdateChild(item, parent.Get(), std::move(newChild), marked);
}

void FolderTreePane::EditLabelAt(POINT screenPoint) {
    TVHITTESTINFO hit{};
    hit.pt = screenPoint;
    ScreenToClient(window_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(window_, &hit);
    if (!item || !(hit.flags & TVHT_ONITEM)) return;
    SetFocus(window_);
    TreeView_EditLabel(window_, item);
}

void FolderTreePane::InvokeVerbOnSelected(const char* verb) {
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    HTREEITEM item = Selected();
    if (!item || item == Root() || !SplitItem(item, parent, child)) return;
    ComPtr<IContextMenu> menu = ItemsContextMenu(window_, parent.Get(), {child.Get()});
    InvokeVerb(menu.Get(), mainWindow_, verb, SW_HIDE);
}

void FolderTreePane::DragOut(HTREEITEM item) {
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    DragRequest request;
    if (!item || item == Root() || !SplitItem(item, parent, child) ||
        !MakeDragRequest(window_, parent.Get(), {child.Get()}, request))
        return;
    StartFileDrag(std::move(request), [this] { host_->PlayTreeSound(TreeSound::Drag); });
}

bool FolderTreePane::OnKey(WORD key, bool altHeld) {
    bool ctrlHeld = GetKeyState(VK_CONTROL) < 0;
    switch (key) {
    case VK_TAB:
        if (ctrlHeld) return false;
        host_->FocusMainList();
        return true;
    case VK_RETURN:
        if (!altHeld) return false;
        InvokeVerbOnSelected(VerbOf(ItemCommand::Properties));
        return true;
    case VK_DELETE: InvokeVerbOnSelected(VerbOf(ItemCommand::Delete)); return true;
    case 'C':
    case 'X':
    case 'V': {
        if (!ctrlHeld) return false;
        ItemCommand command = key == 'C' ? ItemCommand::Copy : key == 'X' ? ItemCommand::Cut : ItemCommand::Paste;
        InvokeVerbOnSelected(VerbOf(command));
        return true;
    }
    case 'T':
    case 'D':
        if (!ctrlHeld) return false;
        if (key == 'T') host_->ToggleTreePane();
        else
            host_->ToggleTwoPaneView();
        host_->FocusMainList();
        return true;
    // The help opens, and the control still sees the key.
    case VK_F1: host_->ShowHelp(); return false;
    case VK_F2: {
        HTREEITEM item = Selected();
        if (!item) return false;
        TreeView_EditLabel(window_, item);
        return true;
    }
    case VK_F5: Refresh(); return true;
    default: return false;
    }
}

void FolderTreePane::ShowContextMenu() {
    POINT cursor{};
    GetCursorPos(&cursor);
    TVHITTESTINFO hit{};
    hit.pt = cursor;
    ScreenToClient(window_, &hit.pt);
    HTREEITEM item = TreeView_HitTest(window_, &hit);
    if (!item || !(hit.flags & TVHT_ONITEM) || item == Root()) return;
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    if (!SplitItem(item, parent, child)) return;
    std::vector<ItemIdList> items;
    items.push_back(std::move(child));
    if (ShowItemContextMenu(window_, mainWindow_, *shell_, parent.Get(), items, cursor) == ItemMenuResult::Rename)
        EditLabelAt(cursor);
}

LRESULT FolderTreePane::OnCustomDraw(NMTVCUSTOMDRAW& draw) const {
    if (refreshing_) return CDRF_DODEFAULT;
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    const Settings& settings = *settings_;
    if (!ColoursItems(settings) || settings.treeColour != 1) return CDRF_DODEFAULT;
    ComPtr<IShellFolder> parent;
    ItemIdList child;
    if (!SplitItem(reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec), parent, child)) return CDRF_DODEFAULT;
    WIN32_FIND_DATAA found{};
    if (FAILED(SHGetDataFromIDListA(parent.Get(), child.Get(), SHGDFIL_FINDDATA, &found, sizeof found)))
        return CDRF_DODEFAULT;
    DWORD attributes = found.dwFileAttributes;
    int colour = -1;
    if ((attributes & FILE_ATTRIBUTE_READONLY) && settings.readOnlyUse) colour = settings.readOnlyColour;
    else if ((attributes & FILE_ATTRIBUTE_HIDDEN) && settings.hiddenUse)
        colour = settings.hiddenColour;
    else if ((attributes & FILE_ATTRIBUTE_SYSTEM) && settings.systemUse)
        colour = settings.systemColour;
    else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
        if (settings.emptyFolderUse && !HasItemsBeyondDots(ItemPath(parent.Get(), child.Get())))
            colour = settings.emptyFolderColour;
        else if (settings.folderUse)
            colour = settings.folderColour;
    }
    if (colour < 0) return CDRF_DODEFAULT;
    draw.clrText = static_cast<COLORREF>(colour);
    return CDRF_NOTIFYPOSTPAINT;
}
