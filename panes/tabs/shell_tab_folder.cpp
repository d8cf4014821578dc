#include "panes/tabs/shell_tab_folder.h"

#include <string>

#include "core/dbcs_text.h"
#include "win/system_text.h"

namespace {

// The last part of a path, after its last backslash (never the trail byte of a double-byte
// character).
std::string FileNameOfPath(const std::string& path) {
    std::string folder = dbcs::DropTrailingBackslash(path, &IsSystemLeadByte);
    size_t separator = dbcs::FindLastOf(folder, "\\", &IsSystemLeadByte);
    return separator == std::string::npos ? folder : folder.substr(separator + 1);
}

// A drive's root ("C:\") or a share's ("\\server\share"), whose names the shell makes up.
bool IsRootPath(const std::string& path) {
    if (path.size() <= 3 && path.size() >= 2 && path[1] == ':') return true;
    if (path.compare(0, 2, "\\\\") != 0) return false;
    size_t separators = 0;
    for (size_t at = 2; at < path.size(); ++at) separators += path[at] == '\\' && at + 1 < path.size();
    return separators < 2;
}

}  // namespace

tabs::FolderPtr ShellTabFolder::FromList(PCIDLIST_ABSOLUTE absolute) {
    ComPtr<IShellFolder> folder = ::BindFolder(absolute);
    if (!folder) return nullptr;
    auto made = std::make_shared<ShellTabFolder>(std::move(folder));
    made->own_ = CloneItemList(absolute);
    made->ownKnown_ = made->own_.Get() != nullptr;
    return made;
}

tabs::FolderPtr ShellTabFolder::Remembered(PCIDLIST_ABSOLUTE absolute) {
    ItemIdList own = CloneItemList(absolute);
    if (!own) return nullptr;
    return tabs::FolderPtr(new ShellTabFolder(std::move(own)));
}

tabs::FolderPtr RememberedFolders::Make(PCIDLIST_ABSOLUTE absolute) {
    tabs::FolderPtr made = ShellTabFolder::Remembered(absolute);
    if (!made || IsDesktopList(absolute)) return made;
    ItemIdList parentList = ParentItemList(absolute);
    ItemIdList last = LastItem(absolute);
    if (!parentList || !last) return made;
    std::string key(reinterpret_cast<const char*>(parentList.Get()), ItemListSize(parentList.Get()));
    auto found = parents_.find(key);
    if (found == parents_.end()) {
        Parent parent{BindFolder(parentList.Get()), std::string()};
        char path[MAX_PATH] = {};
        if (parent.folder && SHGetPathFromIDListA(parentList.Get(), path))
            parent.path = dbcs::DropTrailingBackslash(path, &IsSystemLeadByte);
        found = parents_.emplace(std::move(key), std::move(parent)).first;
    }
    const Parent& parent = found->second;
    if (!parent.folder || parent.path.empty()) return made;
    // Only a plain item of a file-system folder parses as the folder's path and its own name;
    // others, such as a special folder kept elsewhere, are asked of the shell as they are used.
    std::string parsed = ParsingName(parent.folder.Get(), last.Get());
    std::string prefix = parent.path + "\\";
    if (parsed.size() <= prefix.size() || parsed.compare(0, prefix.size(), prefix) != 0 ||
        dbcs::FindLastOf(parsed, "\\", &IsSystemLeadByte) != prefix.size() - 1)
        return made;
    auto* folder = static_cast<ShellTabFolder*>(made.get());
    folder->fileSystemPath_ = parsed;
    folder->fileSystemPathKnown_ = true;
    return made;
}

IShellFolder* ShellTabFolder::Folder() const {
    if (!bound_) {
        folder_ = ::BindFolder(own_.Get());
        bound_ = true;
    }
    return folder_.Get();
}

IShellFolder* ShellTabFolder::ShellFolderOf(const tabs::FolderPtr& folder) {
    return folder ? static_cast<ShellTabFolder*>(folder.get())->Folder() : nullptr;
}

std::string ShellTabFolder::DirectoryOf(const tabs::FolderPtr& folder) {
    return folder ? static_cast<ShellTabFolder*>(folder.get())->FileSystemPath() : std::string();
}

PCIDLIST_ABSOLUTE ShellTabFolder::OwnList() const {
    if (!ownKnown_) {
        own_ = OwnItemList(Folder());
        ownKnown_ = true;
    }
    return own_.Get();
}

const std::string& ShellTabFolder::FileSystemPath() const {
    if (!fileSystemPathKnown_) {
        PCIDLIST_ABSOLUTE own = OwnList();
        char path[MAX_PATH] = {};
        if (own && SHGetPathFromIDListA(own, path)) fileSystemPath_ = path;
        fileSystemPathKnown_ = true;
    }
    return fileSystemPath_;
}

bool ShellTabFolder::CanEnumerate() {
    const std::string& directory = FileSystemPath();
    if (directory.empty()) return ContentsCanBeRead(Folder(), nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS);
    DWORD attributes = 0;
    if (!OpensForListing(directory, &attributes)) return false;
    plainDirectory_ = !(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM)) && !IsRootPath(directory) &&
                      !IsDesktopList(OwnList());
    return true;
}

std::string ShellTabFolder::DisplayName() const {
    if (!displayNameKnown_) {
        displayName_ = plainDirectory_ ? FileNameOfPath(FileSystemPath()) : ::DisplayName(Folder());
        displayNameKnown_ = true;
    }
    return displayName_;
}

std::string ShellTabFolder::Path() const {
    if (!pathKnown_) {
        // As ItemPath gives it, without asking the shell for the file-system path again.
        const std::string& fileSystemPath = FileSystemPath();
        path_ = fileSystemPath.empty() ? ItemPath(Folder())
                                       : dbcs::DropTrailingBackslash(fileSystemPath, &IsSystemLeadByte);
        pathKnown_ = true;
    }
    return path_;
}

bool ShellTabItem::Exists() const { return ItemExists(parent_.Get(), child_.Get()); }

bool ShellTabItem::IsFolder() const { return IsFolderItem(parent_.Get(), child_.Get()); }

bool ShellTabItem::IsShortcut() const { return IsShortcutItem(parent_.Get(), child_.Get()); }

tabs::FolderPtr ShellTabItem::BindFolder() {
    ComPtr<IShellFolder> folder = BindFolderItem(parent_.Get(), child_.Get());
    return folder ? std::make_shared<ShellTabFolder>(std::move(folder)) : nullptr;
}

tabs::FolderPtr ShellTabItem::Parent() { return parent_ ? std::make_shared<ShellTabFolder>(parent_) : nullptr; }

tabs::ShortcutTarget ShellTabItem::Resolve() {
    tabs::ShortcutTarget target;
    ComPtr<IShellFolder> targetFolder;
    ItemIdList targetChild;
    std::string url;
    if (ResolveShortcut(shell_, parent_.Get(), child_.Get(), targetFolder, targetChild, url)) {
        target.folder = std::make_shared<ShellTabFolder>(targetFolder);
        if (targetChild) target.child = std::make_shared<ShellTabItem>(shell_, targetFolder, std::move(targetChild));
    } else {
        target.path = url;
    }
    return target;
}
