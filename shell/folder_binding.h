// Folder objects of the shell namespace: binding identifier lists to them, and the parent,
// child and attribute questions asked of them. Every folder object returned carries one
// reference owned by the receiver.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "win/owners.h"

// The folder of an absolute list: the desktop itself for the empty list; null when it cannot
// be bound.
ComPtr<IShellFolder> BindFolder(PCIDLIST_ABSOLUTE absolute);

// The folder of a child, told its own absolute list so that OwnItemList works on it.
ComPtr<IShellFolder> BindChildFolder(IShellFolder* folder, PCUITEMID_CHILD child);

// As BindChildFolder, for a child that is to be opened as a folder wherever it came from. A
// shortcut may keep its target as a bare path, whose item the folder calls a folder but refuses to
// bind (Wine's shell links do); the path parsed again gives an item that binds.
ComPtr<IShellFolder> BindFolderItem(IShellFolder* folder, PCUITEMID_CHILD child);

// The folder's absolute list; the desktop's list for a folder that cannot say (it has no
// IPersistFolder2), null when it can say but fails.
ItemIdList OwnItemList(IShellFolder* folder);

// The absolute list of a child of the folder; null when either is missing.
ItemIdList AbsoluteItemList(IShellFolder* folder, PCUITEMID_CHILD child);

// The parent folder and a one-item child list; the empty list gives the desktop and a null
// child. False, with both cleared, for null or when the parent cannot be bound.
bool SplitItemList(PCIDLIST_ABSOLUTE absolute, ComPtr<IShellFolder>& parent, ItemIdList& child);

// Like SplitItemList, but the desktop is taken as the file-system folder behind it, for callers
// that need a real parent and child even for the desktop.
bool SplitToDesktopDirectory(PCIDLIST_ABSOLUTE absolute, ComPtr<IShellFolder>& parent, ItemIdList& child);

// The parent folder and last item of the folder's own list; the desktop gives itself and a
// null item.
bool ParentAndLast(IShellFolder* folder, ComPtr<IShellFolder>& parent, ItemIdList& last);

// Null for the desktop, whose list has no parent.
ComPtr<IShellFolder> ParentFolder(IShellFolder* folder);
bool IsRootFolder(IShellFolder* folder);

bool IsDesktopList(PCIDLIST_ABSOLUTE list);
// The folder itself without a child.
bool IsDesktopItem(IShellFolder* folder, PCUITEMID_CHILD child = nullptr);

bool IsFolderItem(IShellFolder* folder, PCUITEMID_CHILD child);
bool IsShortcutItem(IShellFolder* folder, PCUITEMID_CHILD child);

// Whether the child is still there; without a child, whether the folder itself still is.
bool ItemExists(IShellFolder* folder, PCUITEMID_CHILD child = nullptr);

// The directory of a file-system folder; empty for a folder without one.
std::string FolderDirectory(IShellFolder* folder);

// Whether the folder's contents can be read: the folder is still there and an enumeration of it
// would start. Some shells read every entry of a file-system folder as soon as its enumeration
// starts (Wine's does), which for a large folder costs as much as showing it; such a folder is
// answered by opening its directory for listing, which fails as the enumeration would (gone, no
// access, no medium). Any other folder must still be there and is asked to start one, with the
// owner for its prompts and the flags given; only S_OK with an enumerator counts.
bool ContentsCanBeRead(IShellFolder* folder, HWND owner, SHCONTF flags);
// Whether a file-system directory is there and opens for listing, as its enumeration would; with
// its attributes when asked for (0 when they cannot be read).
bool OpensForListing(const std::string& directory, DWORD* attributes = nullptr);
