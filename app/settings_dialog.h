// The settings dialog: seven pages of the program's settings in the program's own look, edited
// on a draft that is handed back only when the user confirms.
#pragma once
#include <windows.h>

#include "app/settings_pages.h"

struct AppContext;
class Theme;

// Shows the dialog over `owner`, opening on page `page` (1 to 7) and leaving there the page shown
// last. True after OK, with every page read back into the draft; false after cancel or close,
// with the draft as it was.
bool RunSettingsDialog(HWND owner, const Theme& theme, AppContext& app, SettingsDraft& draft, int& page);
