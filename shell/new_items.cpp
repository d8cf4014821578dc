#include "shell/new_items.h"

#include "shell/shell_services.h"

namespace {

bool PathExists(const std::string& fullPath) { return GetFileAttributesA(fullPath.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool CreateItemOnDisk(const std::string& fullPath, NewItemKind kind) {
    if (kind == NewItemKind::Folder) return CreateDirectoryA(fullPath.c_str(), nullptr) != FALSE;
    Handle file(
        CreateFileA(fullPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.Valid();
}

// The typed-path conversion of the shell services adds a backslash, which a file's path must not
// have, and reports failure with a box, which a freshly created item has no reason to show.
ItemIdList ParseItemPathQuietly(const std::string& fullPath) {
    ItemIdList list;
    WCHAR wide[MAX_PATH];
    ComPtr<IShellFolder> desktop = DesktopFolder();
    if (!desktop || !MultiByteToWideChar(CP_ACP, 0, fullPath.c_str(), -1, wide, MAX_PATH)) return list;
    ULONG eaten = 0;
    PIDLIST_RELATIVE parsed = nullptr;
    if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, wide, &eaten, &parsed, nullptr)))
        list.Reset(reinterpret_cast<ITEMIDLIST*>(parsed));
    return list;
}

}  // namespace

CreatedItem CreateNewItem(const std::string& folderPath, NewItemKind kind) {
    CreatedItem created;
    NewItemName chosen = ChooseNewItemName(folderPath, kind, PathExists);
    if (chosen.fullPath.empty() || !CreateItemOnDisk(chosen.fullPath, kind)) return created;
    created.itemList = ParseItemPathQuietly(chosen.fullPath);
    created.fullPath = std::move(chosen.fullPath);
    created.displayName = std::move(chosen.name);
    return created;
}

std::string CreateNewItemInList(const std::string& folderPath, NewItemKind kind, const AppendItemToList& appendItem) {
    CreatedItem created = CreateNewItem(folderPath, kind);
    // An item that the shell cannot name stays out of the list: reported as a failure, the list
    // command lets its change watcher reload the folder, which brings the item in.
    if (!created.itemList || IsDesktopList(created.itemList.Get())) return std::string();
    ItemIdList lastItem(reinterpret_cast<ITEMIDLIST*>(ILCloneFirst(ILFindLastID(created.itemList.Get()))));
    if (!lastItem) return std::string();
    appendItem(std::move(lastItem), created.displayName);
    return created.fullPath;
}
