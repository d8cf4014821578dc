#include "panes/tabs/shell_tab_folder.h"

#include <string>

tabs::FolderPtr ShellTabFolder::FromList(PCIDLIST_ABSOLUTE absolute) {
    ComPtr<IShellFolder> folder = ::BindFolder(absolute);
    if (!folder) return nullptr;
    return std::make_shared<ShellTabFolder>(std::move(folder));
}

IShellFolder* ShellTabFolder::ShellFolderOf(const tabs::FolderPtr& folder) {
    return folder ? static_cast<ShellTabFolder*>(folder.get())->Folder() : nullptr;
}

bool ShellTabFolder::CanEnumerate() {
    return ContentsCanBeRead(folder_.Get(), nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS);
}

std::string ShellTabFolder::DisplayName() const { return ::DisplayName(folder_.Get()); }

std::string ShellTabFolder::Path() const { return ItemPath(folder_.Get()); }

bool ShellTabItem::Exists() const { return ItemExists(parent_.Get(), child_.Get()); }

bool ShellTabItem::IsFolder() const { return IsFolderItem(parent_.Get(), child_.Get()); }

bool ShellTabItem::IsShortcut() const { return IsShortcutItem(parent_.Get(), child_.Get()); }

tabs::FolderPtr ShellTabItem::BindFolder() {
    ComPtr<IShellFolder> folder = BindChildFolder(parent_.Get(), child_.Get());
    if (folder) return std::make_shared<ShellTabFolder>(std::move(folder));
    // A shortcut's target may come as a bare list that the shell cannot bind (Wine builds such lists
    // from the stored path); the folder at that path, parsed afresh, still opens.
    std::string path = ItemPath(parent_.Get(), child_.Get());
    if (path.empty()) return nullptr;
    ItemIdList parsed(ILCreateFromPathA(path.c_str()));
    return parsed ? ShellTabFolder::FromList(parsed.Get()) : nullptr;
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
