// Paths that the user types or passes on the command line, turned into identifier lists.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include "win/owners.h"

// Parses the path below the desktop, ending it in a backslash so that "C:" reads as the drive
// root. A path that does not resolve shows the file-not-found box and gives null.
ItemIdList PathToItemList(const char* path);

// The program's file-not-found box, with no owner window.
void ShowPathNotFound(const char* path);
