// The shell's context-menu objects through which every file operation runs: the menu of some
// items of one folder, and the menu of a folder itself as its parent shows it, with the named verbs
// invoked on them. The program never copies, moves or deletes files itself.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "win/owners.h"

// The item commands, in the numbering that keys and menus use.
enum class ItemCommand { Properties = 0, Open = 1, Cut = 2, Copy = 3, Paste = 4, Delete = 5, PasteShortcut = 6 };

// The verb the shell knows a command by; null for open, which the program does itself.
const char* VerbOf(ItemCommand command);

// The menu of items of one folder; null when the folder will not give one. No item may be null:
// the shell would take the folder itself for it.
ComPtr<IContextMenu> ItemsContextMenu(HWND owner, IShellFolder* folder, const std::vector<PCUITEMID_CHILD>& items);

// The menu of the folder itself, asked of its parent. The desktop has no parent: its verbs come
// from the menu of its own background instead.
ComPtr<IContextMenu> FolderContextMenu(HWND owner, IShellFolder* folder);

// Runs a verb by name; false when the shell did not accept it.
bool InvokeVerb(IContextMenu* menu, HWND owner, const char* verb, int show);
// Runs the item at `offset` from the first identifier that the menu was filled with.
bool InvokeMenuOffset(IContextMenu* menu, HWND owner, UINT offset, int show);
// Whether the item at `offset` is the shell's entry for `verb`.
bool IsVerbAt(IContextMenu* menu, UINT offset, const char* verb);
