// The dialog in which a tab or a launcher entry is given a name of the user's.
#pragma once
#include <windows.h>

#include <string>

class Theme;

// Longest name the dialog hands back, in bytes.
constexpr std::size_t kNameTextLimit = 255;

// `name` goes in as the current name. Returns 1 after OK with the edited name in `name`; 0 after
// cancel or close and -1 after the extra button, both with `name` emptied.
int RunNameDialog(HWND mainWindow, const Theme& theme, std::string& name);
