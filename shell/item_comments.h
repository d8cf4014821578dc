// The comment of a shell item, kept under the item's path string: its file-system path, or the
// display name of an item that has none (ItemPath).
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "core/comments.h"

// False, with text emptied, when the item has no comment or no path string at all.
bool GetComment(const CommentTable& table, IShellFolder* folder, PCUITEMID_CHILD child, std::string& text);

// An empty text removes the item's comment. An item whose path string cannot be made is left
// alone: its comment would otherwise be shared by every other such item.
void SetComment(CommentTable& table, IShellFolder* folder, PCUITEMID_CHILD child, const std::string& text);
