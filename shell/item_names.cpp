#include "shell/item_names.h"

#include <shellapi.h>

#include <cstring>

#include "win/owners.h"
#include "core/dbcs_text.h"
#include "shell/folder_binding.h"
#include "shell/item_lists.h"
#include "shell/shell_services.h"
#include "win/system_text.h"

// The header maps this name to its A and W forms, of which Wine exports neither; the plain
// export, which every NT shell has and which takes a wide path there, is the one to call.
#undef Shell_GetCachedImageIndex

namespace {

// Bytes up to the first zero, but no further than limit.
std::string BoundedText(const char* bytes, size_t limit) {
    const void* end = std::memchr(bytes, '\0', limit);
    size_t length = end ? static_cast<size_t>(static_cast<const char*>(end) - bytes) : limit;
    return FitTextBuffer(std::string(bytes, length));
}

std::string NameOf(IShellFolder* folder, PCUITEMID_CHILD child, SHGDNF kind) {
    if (!folder) return std::string();
    STRRET result{};
    if (FAILED(folder->GetDisplayNameOf(child, kind, &result))) return std::string();
    return NameResultToText(result, child);
}

int ImageIndexFromShellIcon(IShellFolder* folder, PCUITEMID_CHILD child, UINT iconFlags) {
    ComPtr<IShellIcon> shellIcon;
    int index = -1;
    // S_FALSE is the folder's way of saying that another source has to tell.
    if (SUCCEEDED(folder->QueryInterface(IID_IShellIcon, shellIcon.PutVoid())) &&
        shellIcon->GetIconOf(child, iconFlags, &index) == S_OK)
        return index;
    return -1;
}

int ImageIndexFromIconHandler(IShellFolder* folder, PCUITEMID_CHILD child, UINT iconFlags) {
    ComPtr<IExtractIconA> extractor;
    if (FAILED(folder->GetUIObjectOf(nullptr, 1, &child, IID_IExtractIconA, nullptr, extractor.PutVoid()))) return -1;
    char location[MAX_PATH] = {};
    int indexInFile = 0;
    UINT reported = 0;
    if (extractor->GetIconLocation(iconFlags, location, sizeof location, &indexInFile, &reported) != S_OK) return -1;
    if (reported & (GIL_PERINSTANCE | GIL_PERCLASS | GIL_NOTFILENAME)) return -1;
    // The handler names an icon in a file; the image list's own index for that icon is what
    // the lists draw with.
    std::wstring wideLocation = SystemTextToWide(location);
    if (wideLocation.empty()) return -1;
    return Shell_GetCachedImageIndex(wideLocation.c_str(), indexInFile, reported);
}

int ImageIndexFromFileInfo(PCIDLIST_ABSOLUTE absolute, UINT fileInfoFlags) {
    if (!absolute) return -1;
    SHFILEINFOA info{};
    if (!SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info, fileInfoFlags | SHGFI_PIDL))
        return -1;
    // Only the index is wanted; an icon made on the way would otherwise be lost.
    if (info.hIcon) DestroyIcon(info.hIcon);
    return info.iIcon;
}

}  // namespace

std::string NameResultToText(STRRET& result, PCUITEMID_CHILD item) {
    switch (result.uType) {
    case STRRET_WSTR: {
        TaskMem<WCHAR> wide(result.pOleStr);
        result.pOleStr = nullptr;
        return WideToSystemText(wide.Get());
    }
    case STRRET_OFFSET: {
        size_t itemBytes = ItemListSize(item);
        if (result.uOffset >= itemBytes) return std::string();
        return BoundedText(reinterpret_cast<const char*>(item) + result.uOffset, itemBytes - result.uOffset);
    }
    case STRRET_CSTR: return BoundedText(result.cStr, sizeof result.cStr);
    default: return "ERROR";
    }
}

std::string DisplayName(IShellFolder* folder, PCUITEMID_CHILD child) {
    if (child) return NameOf(folder, child, SHGDN_NORMAL);
    ItemIdList own = OwnItemList(folder);
    ComPtr<IShellFolder> parent;
    ItemIdList last;
    if (!SplitToDesktopDirectory(own.Get(), parent, last)) return std::string();
    return NameOf(parent.Get(), last.Get(), SHGDN_NORMAL);
}

std::string ParsingName(IShellFolder* folder, PCUITEMID_CHILD child) {
    if (child) return NameOf(folder, child, SHGDN_FORPARSING);
    ItemIdList own = OwnItemList(folder);
    ComPtr<IShellFolder> parent;
    ItemIdList last;
    if (!SplitItemList(own.Get(), parent, last)) return std::string();
    return NameOf(parent.Get(), last.Get(), SHGDN_FORPARSING);
}

// The shell's own answer looks the item up by name, which in a folder of a hundred thousand files
// costs some file systems (Wine's) tens of milliseconds; a list asks for the path of every row it
// draws with a comment, and of every row it checks after a delete.
std::string FileSystemPath(IShellFolder* folder, PCUITEMID_CHILD child) {
    SFGAOF attributes = SFGAO_FILESYSTEM;
    WIN32_FIND_DATAA found{};
    if (!folder || !child || FAILED(folder->GetAttributesOf(1, &child, &attributes)) ||
        !(attributes & SFGAO_FILESYSTEM) ||
        FAILED(SHGetDataFromIDListA(folder, child, SHGDFIL_FINDDATA, &found, sizeof found)) || !found.cFileName[0])
        return std::string();
    ItemIdList own = OwnItemList(folder);
    char directory[MAX_PATH] = {};
    // The desktop shows the items of more than one directory.
    if (ItemListDepth(own.Get()) < 2 || !SHGetPathFromIDListA(own.Get(), directory) || !directory[0])
        return std::string();
    std::string path = BoundedText(directory, sizeof directory);
    if (!dbcs::EndsInBackslash(path, &IsSystemLeadByte)) path += '\\';
    path += BoundedText(found.cFileName, sizeof found.cFileName);
    // The shell gives no path at all that long.
    return path.size() < MAX_PATH ? path : std::string();
}

std::string ItemPath(IShellFolder* folder, PCUITEMID_CHILD child) {
    std::string fileSystem = FileSystemPath(folder, child);
    if (!fileSystem.empty()) return fileSystem;
    ItemIdList absolute = child ? AbsoluteItemList(folder, child) : OwnItemList(folder);
    if (!absolute) return std::string();
    char path[MAX_PATH] = {};
    std::string text;
    if (SHGetPathFromIDListA(absolute.Get(), path) && path[0]) text = BoundedText(path, sizeof path);
    else
        text = DisplayName(folder, child);
    return dbcs::DropTrailingBackslash(text, &IsSystemLeadByte);
}

int IconIndex(IShellFolder* folder, PCUITEMID_CHILD child, UINT iconFlags, UINT fileInfoFlags) {
    if (!child) {
        ItemIdList desktop = SpecialFolderList(CSIDL_DESKTOP);
        return ImageIndexFromFileInfo(desktop.Get(), SHGFI_ICON);
    }
    if (!folder) return -1;
    int index = ImageIndexFromShellIcon(folder, child, iconFlags);
    if (index < 0) index = ImageIndexFromIconHandler(folder, child, iconFlags);
    if (index >= 0) return index;
    ItemIdList absolute = AbsoluteItemList(folder, child);
    return ImageIndexFromFileInfo(absolute.Get(), fileInfoFlags);
}
