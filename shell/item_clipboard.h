// Names and paths of items put on the clipboard as text.
#pragma once
#include <windows.h>
#include <shlobj.h>

enum class ItemText { Name, Path };

// Puts the item's display name or path on the clipboard as CF_TEXT; false when the clipboard
// could not be opened or would not take the text.
bool CopyItemTextToClipboard(IShellFolder* folder, PCUITEMID_CHILD child, ItemText kind);
