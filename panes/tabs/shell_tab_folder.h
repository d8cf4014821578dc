// The tab model's folders and items as shell objects: what the model asks of a folder or an item
// is answered by the shell namespace toolkit.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <unordered_map>

#include "core/tab_model.h"
#include "shell/shell_services.h"

class ShellTabFolder : public tabs::TabFolder {
public:
    explicit ShellTabFolder(ComPtr<IShellFolder> folder) : folder_(std::move(folder)), bound_(true) {}
    // The folder of an absolute identifier list, or null when it cannot be bound.
    static tabs::FolderPtr FromList(PCIDLIST_ABSOLUTE absolute);
    // A remembered tab's folder, kept as its absolute list and bound when it is first used: at
    // start every remembered tab needs its title and its test, but only the shown ones a folder.
    static tabs::FolderPtr Remembered(PCIDLIST_ABSOLUTE absolute);
    // Every folder the program gives the tab model is one of these.
    static IShellFolder* ShellFolderOf(const tabs::FolderPtr& folder);
    // The directory of a folder of the file system, asked of the shell once; empty for any other.
    static std::string DirectoryOf(const tabs::FolderPtr& folder);

    // A file-system folder whose directory opens for listing; any other folder when its
    // enumeration starts with S_OK: S_FALSE without an enumerator and any other code fail.
    bool CanEnumerate() override;
    // Asked once, like the path.
    std::string DisplayName() const override;
    // Asked of the shell once: a folder object stays where it was bound, and the tab model asks for
    // the path of every tab whenever it looks for aliases or duplicates.
    std::string Path() const override;
    // Null when a remembered list no longer binds.
    IShellFolder* Folder() const;
    // The folder's absolute list, asked of the folder once for the same reason; null when it
    // cannot say.
    PCIDLIST_ABSOLUTE OwnList() const;

private:
    friend class RememberedFolders;
    explicit ShellTabFolder(ItemIdList own) : own_(std::move(own)), ownKnown_(true) {}
    // Empty for a folder outside the file system.
    const std::string& FileSystemPath() const;

    mutable ComPtr<IShellFolder> folder_;
    mutable bool bound_ = false;
    mutable ItemIdList own_;
    mutable bool ownKnown_ = false;
    mutable std::string fileSystemPath_;
    mutable bool fileSystemPathKnown_ = false;
    mutable std::string path_;
    mutable bool pathKnown_ = false;
    mutable std::string displayName_;
    mutable bool displayNameKnown_ = false;
    // A directory without the attributes under which a folder may carry a name of its own for
    // the shell to show: its display name is its file name.
    bool plainDirectory_ = false;
};

// Makes the folders of the remembered tabs at start. Tabs are often siblings, and the shell walks
// every level of a list each time it is asked for a path: each parent folder is bound once, and a
// file-system tab's path is asked of its parent.
class RememberedFolders {
public:
    tabs::FolderPtr Make(PCIDLIST_ABSOLUTE absolute);

private:
    struct Parent {
        // Null for a parent that does not bind.
        ComPtr<IShellFolder> folder;
        // Empty outside the file system.
        std::string path;
    };
    // By the bytes of their absolute lists.
    std::unordered_map<std::string, Parent> parents_;
};

class ShellTabItem : public tabs::TabItem {
public:
    ShellTabItem(const ShellServices& shell, ComPtr<IShellFolder> parent, ItemIdList child)
        : shell_(shell), parent_(std::move(parent)), child_(std::move(child)) {}

    bool Exists() const override;
    bool IsFolder() const override;
    bool IsShortcut() const override;
    tabs::FolderPtr BindFolder() override;
    tabs::FolderPtr Parent() override;
    tabs::ShortcutTarget Resolve() override;

    IShellFolder* ParentFolder() const { return parent_.Get(); }
    PCUITEMID_CHILD Child() const { return child_.Get(); }

private:
    const ShellServices& shell_;
    ComPtr<IShellFolder> parent_;
    ItemIdList child_;
};
