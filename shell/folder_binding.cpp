#include "shell/folder_binding.h"

#include <string>

#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "shell/shell_services.h"

namespace {

bool HasAttribute(IShellFolder* folder, PCUITEMID_CHILD child, SFGAOF attribute) {
    if (!folder || !child) return false;
    SFGAOF attributes = attribute;
    return SUCCEEDED(folder->GetAttributesOf(1, &child, &attributes)) && (attributes & attribute);
}

// True also when the item has no path to look for, leaving the answer to the shell.
bool FileSystemItemPresent(IShellFolder* folder, PCUITEMID_CHILD child) {
    std::string path = FileSystemPath(folder, child);
    if (path.empty()) {
        ItemIdList absolute = AbsoluteItemList(folder, child);
        char shellPath[MAX_PATH] = {};
        if (!absolute || !SHGetPathFromIDListA(absolute.Get(), shellPath) || !shellPath[0]) return true;
        path = shellPath;
    }
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace

std::string FolderDirectory(IShellFolder* folder) {
    ItemIdList own = OwnItemList(folder);
    char path[MAX_PATH] = {};
    if (!own || !SHGetPathFromIDListA(own.Get(), path)) return std::string();
    return path;
}

bool OpensForListing(const std::string& directory, DWORD* attributes) {
    Handle opened(CreateFileA(directory.c_str(), FILE_LIST_DIRECTORY,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!opened.Valid()) return false;
    BY_HANDLE_FILE_INFORMATION information{};
    if (attributes)
        *attributes = GetFileInformationByHandle(opened.Get(), &information) ? information.dwFileAttributes : 0;
    return true;
}

ComPtr<IShellFolder> BindFolder(PCIDLIST_ABSOLUTE absolute) {
    ComPtr<IShellFolder> folder;
    if (!absolute) return folder;
    if (IsDesktopList(absolute)) return DesktopFolder();
    ComPtr<IShellFolder> desktop = DesktopFolder();
    if (desktop && FAILED(desktop->BindToObject(absolute, nullptr, IID_IShellFolder, folder.PutVoid()))) folder.Reset();
    return folder;
}

ComPtr<IShellFolder> BindChildFolder(IShellFolder* folder, PCUITEMID_CHILD child) {
    ComPtr<IShellFolder> bound;
    if (!folder || !child) return bound;
    if (FAILED(folder->BindToObject(child, nullptr, IID_IShellFolder, bound.PutVoid()))) {
        bound.Reset();
        return bound;
    }
    ItemIdList absolute = AbsoluteItemList(folder, child);
    ComPtr<IPersistFolder> persist;
    if (absolute && SUCCEEDED(bound->QueryInterface(IID_IPersistFolder, persist.PutVoid())))
        persist->Initialize(absolute.Get());
    return bound;
}

ComPtr<IShellFolder> BindFolderItem(IShellFolder* folder, PCUITEMID_CHILD child) {
    ComPtr<IShellFolder> bound = BindChildFolder(folder, child);
    if (bound || !IsFolderItem(folder, child)) return bound;
    std::string path = ItemPath(folder, child);
    if (path.empty()) return bound;
    ItemIdList parsed(ILCreateFromPathA(path.c_str()));
    return BindFolder(parsed.Get());
}

ItemIdList OwnItemList(IShellFolder* folder) {
    ItemIdList list;
    if (!folder) return list;
    ComPtr<IPersistFolder2> persist;
    if (FAILED(folder->QueryInterface(IID_IPersistFolder2, persist.PutVoid()))) return SpecialFolderList(CSIDL_DESKTOP);
    if (FAILED(persist->GetCurFolder(list.Put()))) list.Reset();
    return list;
}

ItemIdList AbsoluteItemList(IShellFolder* folder, PCUITEMID_CHILD child) {
    if (!child) return ItemIdList();
    ItemIdList own = OwnItemList(folder);
    return ConcatenateItemLists(own.Get(), child);
}

bool SplitItemList(PCIDLIST_ABSOLUTE absolute, ComPtr<IShellFolder>& parent, ItemIdList& child) {
    parent.Reset();
    child.Reset();
    if (!absolute) return false;
    if (IsDesktopList(absolute)) {
        parent = DesktopFolder();
        return static_cast<bool>(parent);
    }
    ItemIdList parentList = ParentItemList(absolute);
    parent = BindFolder(parentList.Get());
    if (parent) child = LastItem(absolute);
    if (!child) parent.Reset();
    return static_cast<bool>(parent);
}

bool SplitToDesktopDirectory(PCIDLIST_ABSOLUTE absolute, ComPtr<IShellFolder>& parent, ItemIdList& child) {
    if (!IsDesktopList(absolute)) return SplitItemList(absolute, parent, child);
    ItemIdList desktopDirectory = SpecialFolderList(CSIDL_DESKTOPDIRECTORY);
    return SplitItemList(desktopDirectory.Get(), parent, child);
}

bool ParentAndLast(IShellFolder* folder, ComPtr<IShellFolder>& parent, ItemIdList& last) {
    ItemIdList own = OwnItemList(folder);
    return SplitItemList(own.Get(), parent, last);
}

ComPtr<IShellFolder> ParentFolder(IShellFolder* folder) {
    ItemIdList own = OwnItemList(folder);
    ItemIdList parentList = ParentItemList(own.Get());
    return BindFolder(parentList.Get());
}

bool IsRootFolder(IShellFolder* folder) { return folder && !ParentFolder(folder); }

bool IsDesktopList(PCIDLIST_ABSOLUTE list) { return ItemListDepth(list) == 1; }

bool IsDesktopItem(IShellFolder* folder, PCUITEMID_CHILD child) {
    ItemIdList absolute = child ? AbsoluteItemList(folder, child) : OwnItemList(folder);
    return IsDesktopList(absolute.Get());
}

bool IsFolderItem(IShellFolder* folder, PCUITEMID_CHILD child) { return HasAttribute(folder, child, SFGAO_FOLDER); }

bool IsShortcutItem(IShellFolder* folder, PCUITEMID_CHILD child) { return HasAttribute(folder, child, SFGAO_LINK); }

bool ItemExists(IShellFolder* folder, PCUITEMID_CHILD child) {
    if (!folder) return false;
    if (child) {
        // With every bit asked, SFGAO_VALIDATE among them, the shell checks that the item is
        // still there; a failing call that leaves the bits untouched means it is gone.
        SFGAOF attributes = 0xFFFFFFFF;
        HRESULT result = folder->GetAttributesOf(1, &child, &attributes);
        if (FAILED(result)) return attributes != 0xFFFFFFFF;
        // Wine's shell answers from the item's own record without validating it, so a
        // file-system item is looked for on disk as well.
        return !(attributes & SFGAO_FILESYSTEM) || FileSystemItemPresent(folder, child);
    }
    ItemIdList own = OwnItemList(folder);
    if (ItemListDepth(own.Get()) < 2) return GetFileAttributesA(ItemPath(folder).c_str()) != INVALID_FILE_ATTRIBUTES;
    ComPtr<IShellFolder> parent;
    ItemIdList last;
    return SplitItemList(own.Get(), parent, last) && ItemExists(parent.Get(), last.Get());
}

bool ContentsCanBeRead(IShellFolder* folder, HWND owner, SHCONTF flags) {
    if (!folder) return false;
    // A directory that is gone does not open, so it needs no other test.
    std::string directory = FolderDirectory(folder);
    if (!directory.empty()) return OpensForListing(directory);
    // A folder gone from the disk cannot be read, although some shells still enumerate it empty.
    if (!ItemExists(folder)) return false;
    ComPtr<IEnumIDList> contents;
    return folder->EnumObjects(owner, flags, contents.Put()) == S_OK && contents;
}
