// The brushes, fonts and image lists with which every owner-drawn popup menu paints its items.
// Made once while the main window is created, deleted while it is destroyed.
#pragma once
#include <windows.h>
#include <commctrl.h>

// Indices in the menu icon list, in the order of the bitmaps it is filled from.
enum MenuIcon {
    kMenuIconNone = -1,
    kMenuIconCheck = 0,
    kMenuIconRename = 1,
    kMenuIconSubSelection = 2,
    kMenuIconClose = 3,
    kMenuIconMaximise = 4,
    kMenuIconTray = 5,
    kMenuIconRestore = 6,
    kMenuIconLock = 7,
    kMenuIconUnlock = 8,
    kMenuIconHelp = 9,
    kMenuIconVersion = 10,
};

// The favourites pane's image list shows a group with this image.
constexpr int kFavouritesGroupImage = 1;

// Needs the shared fonts and the system image list of the main window to exist already.
void CreateMenuLook(HINSTANCE instance);
void DeleteMenuLook();

HFONT MenuFont();
HFONT BoldMenuFont();
HBRUSH MenuStripeBrush();
HBRUSH MenuBackgroundBrush();
HBRUSH MenuHighlightBrush();
HBRUSH MenuHighlightFrameBrush();
HIMAGELIST MenuIcons();
HIMAGELIST MenuSystemIcons();
// The favourites pane owns its image list and hands it over when it has made it.
void SetMenuFavouritesIcons(HIMAGELIST icons);
HIMAGELIST MenuFavouritesIcons();
