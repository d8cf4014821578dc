// Names, paths and icons of items. Every text is in the system code page and fits a 260-byte
// buffer with its terminator; a child of null asks about the folder itself.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// The text of a shell name result: a wide string converted (and freed, as the result owns
// it), the bytes at an offset inside item, or a narrow string; "ERROR" for any other kind.
// An offset that points outside item gives an empty text.
std::string NameResultToText(STRRET& result, PCUITEMID_CHILD item);

// The name the shell shows. The folder's own name is asked of its parent with the desktop
// taken as its directory, so that the desktop shows that directory's name.
std::string DisplayName(IShellFolder* folder, PCUITEMID_CHILD child = nullptr);

// The name the shell parses back; the desktop asks itself.
std::string ParsingName(IShellFolder* folder, PCUITEMID_CHILD child = nullptr);

// The path of a file-system item of a file-system folder other than the desktop, put together
// from the folder's directory and the file name in the item's find data without looking the item
// up; empty for any other item.
std::string FileSystemPath(IShellFolder* folder, PCUITEMID_CHILD child);

// The file-system path, or the display name of an item that has none, with one trailing
// backslash dropped: a drive root reads "C:".
std::string ItemPath(IShellFolder* folder, PCUITEMID_CHILD child = nullptr);

// The item's index in the system image list: from the folder's IShellIcon, else from the
// item's own icon handler, else from SHGetFileInfo with the caller's flags; -1 when none
// of them knows it.
int IconIndex(IShellFolder* folder, PCUITEMID_CHILD child, UINT iconFlags, UINT fileInfoFlags);
