// The detail texts of an item that the lists show beside its name: in the details columns, on
// the lines of a tile and under a thumbnail. Each is empty when the shell cannot say.
#pragma once
#include <windows.h>
#include <shlobj.h>

#include <string>

// The file's size rounded up to whole units; folders have none.
std::string SizeText(IShellFolder* folder, PCUITEMID_CHILD item);
std::string TypeText(IShellFolder* folder, PCUITEMID_CHILD item);
std::string DateText(IShellFolder* folder, PCUITEMID_CHILD item);
std::string AttributeText(IShellFolder* folder, PCUITEMID_CHILD item);
