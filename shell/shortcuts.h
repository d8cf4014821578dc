// Following shortcut files: shell links to their target, Internet shortcuts to their URL.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

#include "win/owners.h"

class ShellServices;

// A shell link gives true with the parent folder of its target and the target as a one-item
// child (a desktop target is taken as the desktop's directory). Anything else gives false; an
// Internet shortcut then leaves its URL in url, which stays empty when the URL does not fit a
// 260-byte buffer.
bool ResolveShortcut(const ShellServices& services, IShellFolder* folder, PCUITEMID_CHILD child,
                     ComPtr<IShellFolder>& targetFolder, ItemIdList& targetChild, std::string& url);
