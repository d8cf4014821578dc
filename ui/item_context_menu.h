// The shell's context menu of some items of one folder, shown at the cursor, with the program's
// own "copy name" and "copy path" entries for a single item. The shell's rename entry is not run:
// the caller renames in its own way (a list and the folder tree differ).
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "shell/shell_services.h"
#include "win/owners.h"

// The program's own entries, numbered above every identifier that the shell is given.
constexpr UINT kCopyNameEntry = 0x8001;
constexpr UINT kCopyPathEntry = 0x8002;
constexpr UINT kFirstShellEntry = 1;
constexpr UINT kLastShellEntry = 0x7FFF;

enum class ItemMenuResult { Nothing, Rename, Done };

// `window` is the list or the tree that shows the items and owns the shell's prompts; `owner` the
// main window, which owns the menu and passes the shell's owner-drawn items to the handler that
// the services hold. The items are the caller's own copies: the menu pumps messages, and the rows
// they came from may be read again meanwhile.
ItemMenuResult ShowItemContextMenu(HWND window, HWND owner, ShellServices& shell, IShellFolder* folder,
                                   const std::vector<ItemIdList>& items, POINT screenPoint);
