// The shell services that the application holds while it runs. Every other part of the program
// reaches the shell namespace through this header, which also brings in the toolkit over it:
// identifier lists, folder binding, names and paths, typed paths, shortcuts and the clipboard.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include "win/owners.h"
#include "shell/folder_binding.h"
#include "shell/item_clipboard.h"
#include "shell/item_lists.h"
#include "shell/item_names.h"
#include "shell/shortcuts.h"
#include "shell/typed_paths.h"

// COM and OLE for the interface thread, and the shell objects that the program keeps for as long
// as it runs. Made once at start and destroyed at exit, after every window that uses them.
class ShellServices {
public:
    // Starts COM, then OLE; the destructor ends them in the reverse order.
    ShellServices();
    ~ShellServices();
    ShellServices(const ShellServices&) = delete;
    ShellServices& operator=(const ShellServices&) = delete;

    IShellFolder* Desktop() const { return desktop_.Get(); }
    IShellLinkA* ShortcutLink() const { return shortcut_.Get(); }
    IPersistFile* ShortcutFile() const { return shortcutFile_.Get(); }

    // The handler of the shell context menu being shown, which draws and fills its own
    // owner-drawn items; null while no such menu is open. The services keep their own reference.
    void SetContextMenuHandler(IContextMenu2* handler);
    IContextMenu2* ContextMenuHandler() const { return contextMenu_.Get(); }

    // Passes WM_DRAWITEM, WM_MEASUREITEM and WM_INITMENUPOPUP of the main window to the handler;
    // true when it was passed on.
    bool ForwardMenuMessage(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    bool comStarted_ = false;
    bool oleStarted_ = false;
    ComPtr<IShellFolder> desktop_;
    ComPtr<IShellLinkA> shortcut_;
    ComPtr<IPersistFile> shortcutFile_;
    ComPtr<IContextMenu2> contextMenu_;
};

// The desktop folder, the root of every absolute identifier list; the shell keeps one for the
// whole process. Null only when the shell cannot give it.
ComPtr<IShellFolder> DesktopFolder();
