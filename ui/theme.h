// The look that every self-drawn part of the window shares: brushes, pens, fonts and image lists
// of the panes, and the look of the owner-drawn popup menus. The main window makes one while it
// is created and hands it by reference to the controls, menus and dialogs it makes; a test makes
// its own.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>

#include "core/settings_table.h"
#include "win/owners.h"

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

class Theme {
public:
    Theme() = default;
    Theme(const Theme&) = delete;
    Theme& operator=(const Theme&) = delete;

    // The pattern brushes read the settings' pattern images from the pattern folder; a pattern
    // that cannot be loaded falls back to its colour, and the settings say so afterwards.
    void CreateBrushes(HWND mainWindow, Settings& settings, const std::string& patternFolder);
    void CreateFonts();
    void CreateImageLists();
    void CreateBitmapStrips(HINSTANCE instance);
    // Needs the fonts and the system image lists.
    void CreateMenuLook(HINSTANCE instance);
    // Everything at once, in the order the main window needs it.
    void Create(HWND mainWindow, HINSTANCE instance, Settings& settings, const std::string& patternFolder);

    COLORREF buttonFace = 0, buttonHighlight = 0, buttonShadow = 0;
    Brush mainBackground, tabBackground, listSelection;
    Brush tabSelMain, tabSelSub, tabSelDrop, tabText, buttonFaceBrush;
    Pen highlightPen, shadowPen;
    Font bold13, normal13, normal13Second, small10;
    // The system's own image lists, shared by every process: never destroyed here.
    HIMAGELIST systemSmall = nullptr, systemLarge = nullptr;
    ImageList largeIcons, tileCells, smallCells, polaroidCells, plainThumbCells;
    ImageList logoStrip, markIcons, wideStrip;

    Bitmap menuStripeBitmap;
    Brush menuStripe, menuBackground, menuHighlight, menuHighlightFrame;
    ImageList menuIcons;
    // Owned by the favourites pane, which hands it over when it has made it.
    HIMAGELIST favouritesIcons = nullptr;

    // The skinned buttons' click; the application plays it through its sounds.
    std::function<void()> buttonSound;
};

// A solid brush for the custom name, else the image of that name in the pattern folder tiled.
// When the image cannot be loaded the name falls back to the custom name and the colour.
HBRUSH MakePatternBrush(HWND window, const std::string& patternFolder, std::string& patternName, int& colour,
                        int fallbackColour);
