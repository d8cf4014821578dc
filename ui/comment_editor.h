// The box in which the comment of a file or folder is edited, opened under a thumbnail's
// caption. Returns 1 when the user committed a changed comment, which `comment` then holds; the
// opener stores it.
#pragma once
#include <windows.h>

#include <string>

int RunCommentEditor(HWND owner, POINT corner, std::string& comment);
