// The file commands of a folder list: the shell's item menu and the list's own menu of its folder,
// the named verbs, the program's rename, and new folders and files. Menus and verbs pump messages,
// so a list read again meanwhile is never walked with rows taken before: the items are copied
// first and their rows found again by identifier.
#include "panes/list/list_pane.h"

#include "core/rename_rules.h"
#include "res/ids.h"
#include "shell/item_comments.h"
#include "shell/new_items.h"
#include "ui/item_context_menu.h"
#include "ui/rename_editors.h"
#include "win/system_text.h"

namespace {

constexpr char kRenameCaption[] = "名前の変更";

void RefuseName(HWND owner, const std::string& text) {
    MessageBoxA(owner, text.c_str(), kRenameCaption, MB_OK | MB_ICONERROR);
}

std::wstring WideName(const std::string& name) {
    wchar_t wide[MAX_PATH + 1] = {};
    MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, wide, MAX_PATH);
    return wide;
}

}  // namespace

std::vector<ItemIdList> ListPane::SelectedItems() const {
    std::vector<ItemIdList> items;
    for (int row = -1; (row = static_cast<int>(SendMessageA(window_, LVM_GETNEXTITEM, row, LVNI_SELECTED))) != -1;) {
        PCUITEMID_CHILD item = model_.Item(static_cast<size_t>(row));
        if (item) items.push_back(CloneItemList(item));
    }
    return items;
}

void ListPane::ShowContextMenu(POINT screenPoint, bool onEmptySpace) {
    if (!model_.Folder()) return;
    bool anySelected = SendMessageA(window_, LVM_GETSELECTEDCOUNT, 0, 0) > 0;
    if (onEmptySpace && !anySelected) {
        ShowBackgroundMenu(screenPoint);
        return;
    }
    if (anySelected) ShowItemMenu(screenPoint);
}

void ListPane::ShowItemMenu(POINT screenPoint) {
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(model_.Folder());
    std::vector<ItemIdList> items = SelectedItems();
    if (!folder || items.empty()) return;
    // The shell's rename entry renames the item under the cursor where the menu was opened.
    POINT clientPoint = screenPoint;
    ScreenToClient(window_, &clientPoint);
    int rowUnderCursor = RowAt(clientPoint);
    ItemIdList underCursor = rowUnderCursor == -1 ? ItemIdList() : CloneItemList(model_.Item(rowUnderCursor));
    ItemMenuResult result;
    {
        FolderList::Use inUse(model_);
        result = ShowItemContextMenu(window_, MainWindow(), *shell_, folder.Get(), items, screenPoint);
    }
    if (result != ItemMenuResult::Rename || !underCursor || folder.Get() != model_.Folder()) return;
    int row = model_.RowOf(underCursor.Get());
    if (row != -1) BeginRename(row);
}

void ListPane::ShowBackgroundMenu(POINT screenPoint) {
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window_, GWLP_HINSTANCE));
    MenuHandle menu(LoadMenuA(instance, MAKEINTRESOURCEA(IDM_LIST_BACKGROUND)));
    HMENU popup = menu ? GetSubMenu(menu.Get(), 0) : nullptr;
    if (!popup) return;
    if (!IsClipboardFormatAvailable(CF_HDROP)) {
        EnableMenuItem(popup, CMD_PASTE, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(popup, CMD_PASTE_SHORTCUT, MF_BYCOMMAND | MF_GRAYED);
    }
    if (IsDesktopItem(model_.Folder())) EnableMenuItem(popup, CMD_PROPERTIES, MF_BYCOMMAND | MF_GRAYED);
    UINT choice =
        static_cast<UINT>(TrackPopupMenu(popup, TPM_RETURNCMD, screenPoint.x, screenPoint.y, 0, MainWindow(), nullptr));
    menu.Reset();
    RunBackgroundChoice(choice);
}

void ListPane::RunBackgroundChoice(UINT choice) {
    switch (choice) {
    case CMD_REFRESH: Reload(); break;
    case CMD_PASTE: RunFolderVerb(ItemCommand::Paste); break;
    case CMD_PASTE_SHORTCUT: RunFolderVerb(ItemCommand::PasteShortcut); break;
    case CMD_NEW_FOLDER: CreateNewItem(NewItemKind::Folder); break;
    case CMD_NEW_FILE: CreateNewItem(NewItemKind::File); break;
    case CMD_PROPERTIES: RunFolderVerb(ItemCommand::Properties); break;
    case CMD_VIEW_ICONS: SetViewStyle(0, true); break;
    case CMD_VIEW_TILES: SetViewStyle(2, true); break;
    case CMD_VIEW_LIST: SetViewStyle(3, true); break;
    case CMD_VIEW_DETAILS: SetViewStyle(1, true); break;
    default: break;
    }
}

void ListPane::RunFolderVerb(ItemCommand command) {
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(model_.Folder());
    const char* verb = VerbOf(command);
    if (!folder || !verb) return;
    FolderList::Use inUse(model_);
    ComPtr<IContextMenu> menu = FolderContextMenu(window_, folder.Get());
    InvokeVerb(menu.Get(), MainWindow(), verb, SW_HIDE);
}

void ListPane::RunItemCommand(ItemCommand command) {
    if (!model_.Folder()) return;
    if (SendMessageA(window_, LVM_GETSELECTEDCOUNT, 0, 0) == 0) {
        if (command == ItemCommand::Paste || command == ItemCommand::Properties) RunFolderVerb(command);
        return;
    }
    if (command == ItemCommand::Open) {
        OpenSelection();
        return;
    }
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(model_.Folder());
    std::vector<ItemIdList> items = SelectedItems();
    std::vector<PCUITEMID_CHILD> children;
    for (const ItemIdList& item : items) children.push_back(item.Get());
    bool deleting = command == ItemCommand::Delete;
    {
        FolderList::Use inUse(model_);
        ComPtr<IContextMenu> menu = ItemsContextMenu(window_, folder.Get(), children);
        if (!menu) return;
        // The change watcher is told that this change is the list's own, which it shows itself.
        if (deleting) SignalOwnChange();
        InvokeVerb(menu.Get(), MainWindow(), VerbOf(command), SW_HIDE);
        if (!deleting || folder.Get() != model_.Folder()) return;
        // A cancelled or refused delete leaves its items, and their rows stay. A done one is told
        // again: the user may have been asked for longer than the watcher takes a change as ours.
        if (model_.RemoveItems() == 0) ClearOwnChange();
        else
            SignalOwnChange();
    }
}

void ListPane::BeginRename(int row) {
    ComPtr<IShellFolder> folder = ComPtr<IShellFolder>::Share(model_.Folder());
    PCUITEMID_CHILD shown = model_.Item(static_cast<size_t>(row));
    if (!folder || !shown) return;
    ItemIdList item = CloneItemList(shown);
    RECT bounds = ItemRect(row, LVIR_BOUNDS);
    POINT corner{bounds.left, bounds.bottom};
    ClientToScreen(window_, &corner);
    std::string displayName = DisplayName(folder.Get(), item.Get());
    std::string newName;
    if (!settings_->listRenameSplitsExtension) {
        if (RunRenameEditor(MainWindow(), corner, displayName) == 1) newName = displayName;
    } else {
        bool isFolder = IsFolderItem(folder.Get(), item.Get());
        renaming::EditedName edited = renaming::SplitForEditing(displayName, isFolder);
        SplitRenameFields fields{edited.name, edited.extension, !isFolder};
        if (RunSplitRenameEditor(MainWindow(), corner, fields) == 1)
            newName = renaming::JoinEdited(renaming::EditedName{fields.name, fields.extension}, isFolder);
    }
    if (!newName.empty()) Rename(newName, folder.Get(), item.Get());
    SetFocus(window_);
}

bool ListPane::Rename(const std::string& newName, IShellFolder* folder, PCUITEMID_CHILD item) {
    if (newName.empty() || !folder || !item) return false;
    if (renaming::HasForbiddenCharacter(newName, IsSystemLeadByte)) {
        RefuseName(MainWindow(), renaming::kRefusalText);
        return false;
    }
    if (!renaming::FitsInFolder(ItemPath(folder), newName, IsSystemLeadByte)) {
        RefuseName(MainWindow(), "名前が長すぎます。");
        return false;
    }
    std::wstring wide = WideName(newName);
    std::string comment;
    bool hadComment = GetComment(*comments_, folder, item, comment);
    if (hadComment) SetComment(*comments_, folder, item, std::string());
    SignalOwnChange();
    PITEMID_CHILD renamed = nullptr;
    HRESULT result = folder->SetNameOf(MainWindow(), item, wide.c_str(), SHGDN_NORMAL, &renamed);
    ItemIdList newItem(renamed);
    if (FAILED(result)) {
        // The shell has told the user why.
        ClearOwnChange();
        if (hadComment) SetComment(*comments_, folder, item, comment);
        return false;
    }
    // The comment goes with the name the shell gave, which with hidden extensions is not the one
    // typed.
    if (hadComment) {
        if (newItem) SetComment(*comments_, folder, newItem.Get(), comment);
        else
            comments_->SetCommentByPath(ItemPath(folder) + "\\" + newName, comment);
    }
    if (folder != model_.Folder()) return true;
    Reload();
    int row = newItem ? model_.RowOf(newItem.Get()) : -1;
    if (row != -1) {
        SelectOnly(row);
        SendMessageA(window_, LVM_ENSUREVISIBLE, row, TRUE);
    } else {
        LVITEMA cleared{};
        cleared.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        SendMessageA(window_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&cleared));
        SearchAndSelect(newName, false);
    }
    return true;
}

void ListPane::CreateNewItem(NewItemKind kind) {
    if (!model_.Folder()) return;
    SignalOwnChange();
    std::string name;
    std::string path = CreateNewItemInList(ItemPath(model_.Folder()), kind,
                                           [this, &name](ItemIdList item, const std::string& displayName) {
                                               name = displayName;
                                               model_.AppendItem(std::move(item), displayName);
                                           });
    if (path.empty()) {
        ClearOwnChange();
        return;
    }
    // The new row is found by its name: it need not be the last row by the time it is renamed.
    int row = -1;
    for (size_t index = model_.Count(); index-- > 0;)
        if (model_.Name(index) == name) {
            row = static_cast<int>(index);
            break;
        }
    if (row == -1) return;
    SendMessageA(window_, LVM_ENSUREVISIBLE, row, FALSE);
    BeginRename(row);
}
