// The tab model's folders and items as shell objects: what the model asks of a folder or an item
// is answered by the shell namespace toolkit.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <memory>

#include "core/tab_model.h"
#include "shell/shell_services.h"

class ShellTabFolder : public tabs::TabFolder {
public:
    explicit ShellTabFolder(ComPtr<IShellFolder> folder) : folder_(std::move(folder)) {}
    // The folder of an absolute identifier list, or null when it cannot be bound.
    static tabs::FolderPtr FromList(PCIDLIST_ABSOLUTE absolute);
    // Every folder the program gives the tab model is one of these.
    static IShellFolder* ShellFolderOf(const tabs::FolderPtr& folder);

    // A file-system folder whose directory opens for listing; any other folder when its
    // enumeration starts with S_OK: S_FALSE without an enumerator and any other code fail.
    bool CanEnumerate() override;
    std::string DisplayName() const override;
    std::string Path() const override;
    IShellFolder* Folder() const { return folder_.Get(); }

private:
    ComPtr<IShellFolder> folder_;
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
