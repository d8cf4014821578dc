// The editors in which a file or folder in a list is renamed: with the extension in a field of
// its own, or the whole name in one field. Both return 1 when the user committed a changed name.
#pragma once
#include <windows.h>

#include <string>

#include "win/platform.h"

struct SplitRenameFields {
    std::string name;
    std::string extension;
    // When false the extension is shown but cannot be edited.
    bool extensionSeparable = true;
};

int RunSplitRenameEditor(HWND owner, POINT corner, SplitRenameFields& fields, Platform platform = CurrentPlatform());
int RunRenameEditor(HWND owner, POINT corner, std::string& name);
