// The process-wide shell objects. Every other part of the program reaches the shell namespace
// through this header, which also brings in the toolkit over it: identifier lists, folder
// binding, names and paths, typed paths, shortcuts and the clipboard.
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

void StartShellServices();
void StopShellServices();

// Owned by the shell services: null before start and after stop.
IShellFolder* DesktopFolder();
IShellLinkA* ShortcutLink();
IPersistFile* ShortcutFile();

// The handler of the shell context menu being shown, which draws and fills its own owner-drawn
// items; null while no such menu is open. The services keep their own reference.
void SetContextMenuHandler(IContextMenu2* handler);
IContextMenu2* ContextMenuHandler();

// Passes WM_DRAWITEM, WM_MEASUREITEM and WM_INITMENUPOPUP of the main window to the handler;
// true when it was passed on.
bool ForwardMenuMessage(UINT message, WPARAM wParam, LPARAM lParam);
