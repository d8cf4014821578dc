#include "panes/tabs/shell_tab_folder.h"

#include <string>

#include "core/dbcs_text.h"
#include "win/system_text.h"

tabs::FolderPtr ShellTabFolder::FromList(PCIDLIST_ABSOLUTE absolute) {
    ComPtr<IShellFolder> folder = ::BindFolder(absolute);
    if (!folder) return nullptr;
    return std::make_shared<ShellTabFolder>(std::move(folder));
}

IShellFolder* ShellTabFolder::ShellFolderOf(const tabs::FolderPtr& folder) {
    return folder ? static_cast<ShellTabFolder*>(folder.get())->Folder() : nullptr;
}

PCIDLIST_ABSOLUTE ShellTabFolder::OwnList() const {
    if (!ownKnown_) {
        own_ = OwnItemList(folder_.Get());
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
    return ContentsCanBeRead(folder_.Get(), nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS);
}

std::string ShellTabFolder::DisplayName() const { return ::DisplayName(folder_.Get()); }

std::string ShellTabFolder::Path() const {
    if (!pathKnown_) {
        // As ItemPath gives it, without asking the shell for the file-system path again.
        const std::string& fileSystemPath = FileSystemPath();
        path_ = fileSystemPath.empty() ? ItemPath(folder_.Get())
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
