#include "ui/theme.h"

#include <shellapi.h>

#include "res/ids.h"
#include "shell/image_loading.h"

namespace {

const int kMarkIconBitmaps[] = {IDB_MENU_ICON_CHECK,    IDB_MENU_ICON_RENAME_TAB, IDB_MENU_ICON_SUB_SELECTION,
                                IDB_MENU_ICON_MAXIMISE, IDB_MENU_ICON_TRAY,       IDB_MENU_ICON_RESTORE,
                                IDB_MENU_ICON_LOCK,     IDB_MENU_ICON_UNLOCK,     IDB_MENU_ICON_HELP,
                                IDB_MENU_ICON_VERSION};
// The logo is keyed on magenta; the mark icons, shared with the menus, on black.
constexpr COLORREF kLogoTransparent = RGB(255, 0, 255);
constexpr COLORREF kMarkTransparent = RGB(0, 0, 0);

// Filled in this order, so that the bitmap at position i is MenuIcon i.
const int kMenuIconBitmaps[] = {IDB_MENU_ICON_CHECK,   IDB_MENU_ICON_RENAME_TAB, IDB_MENU_ICON_SUB_SELECTION,
                                IDB_MENU_ICON_CLOSE,   IDB_MENU_ICON_MAXIMISE,   IDB_MENU_ICON_TRAY,
                                IDB_MENU_ICON_RESTORE, IDB_MENU_ICON_LOCK,       IDB_MENU_ICON_UNLOCK,
                                IDB_MENU_ICON_HELP,    IDB_MENU_ICON_VERSION};
constexpr COLORREF kMenuIconMask = RGB(0, 0, 0);

HFONT GothicFont(int height, int weight) {
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ Ｐゴシック");
}

void AddBitmap(HIMAGELIST list, HINSTANCE instance, int id, COLORREF transparent) {
    Bitmap bitmap(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
    if (bitmap) ImageList_AddMasked(list, bitmap.Get(), transparent);
}

HIMAGELIST SystemImageList(UINT size) {
    SHFILEINFOA info{};
    return reinterpret_cast<HIMAGELIST>(SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | size));
}

}  // namespace

HBRUSH MakePatternBrush(HWND window, const std::string& patternFolder, std::string& patternName, int& colour,
                        int fallbackColour) {
    if (patternName != kPatternCustom) {
        std::string path = patternFolder + "\\" + patternName;
        Bitmap image(LoadImageFile(window, path.c_str()));
        if (image) return CreatePatternBrush(image.Get());
        patternName = kPatternCustom;
        colour = fallbackColour;
    }
    return CreateSolidBrush(static_cast<COLORREF>(colour));
}

void Theme::CreateImageLists() {
    systemSmall = SystemImageList(SHGFI_SMALLICON);
    systemLarge = SystemImageList(SHGFI_LARGEICON);
    largeIcons.Reset(ImageList_Create(40, 40, ILC_COLOR32 | ILC_MASK, 0, 16));
    tileCells.Reset(ImageList_Create(40, 60, ILC_COLOR32 | ILC_MASK, 0, 16));
    smallCells.Reset(ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 16));
    polaroidCells.Reset(ImageList_Create(130, 158, ILC_COLOR32 | ILC_MASK, 0, 16));
    plainThumbCells.Reset(ImageList_Create(130, 98, ILC_COLOR32 | ILC_MASK, 0, 16));
}

void Theme::CreateBrushes(HWND mainWindow, Settings& s, const std::string& patternFolder) {
    buttonFace = GetSysColor(COLOR_BTNFACE);
    buttonHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    buttonShadow = GetSysColor(COLOR_BTNSHADOW);
    mainBackground.Reset(
        MakePatternBrush(mainWindow, patternFolder, s.mainPattern, s.backgroundMain, kPatternFallbackColour));
    tabBackground.Reset(
        MakePatternBrush(mainWindow, patternFolder, s.tabPattern, s.backgroundTab, kPatternFallbackColour));
    listSelection.Reset(
        MakePatternBrush(mainWindow, patternFolder, s.selPattern, s.listSelColour, kPatternFallbackColour));
    tabSelMain.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabSelMain)));
    tabSelSub.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabSelSub)));
    tabSelDrop.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabSelDrop)));
    tabText.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabTextColour)));
    buttonFaceBrush.Reset(CreateSolidBrush(buttonFace));
    highlightPen.Reset(CreatePen(PS_SOLID, 1, buttonHighlight));
    shadowPen.Reset(CreatePen(PS_SOLID, 1, buttonShadow));
}

void Theme::CreateFonts() {
    bold13.Reset(GothicFont(13, FW_BOLD));
    normal13.Reset(GothicFont(13, FW_NORMAL));
    normal13Second.Reset(GothicFont(13, FW_NORMAL));
    small10.Reset(GothicFont(10, FW_NORMAL));
}

void Theme::CreateBitmapStrips(HINSTANCE instance) {
    logoStrip.Reset(ImageList_Create(64, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
    AddBitmap(logoStrip.Get(), instance, IDB_LOGO_STRIP, kLogoTransparent);
    markIcons.Reset(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 10, 4));
    for (int id : kMarkIconBitmaps) AddBitmap(markIcons.Get(), instance, id, kMarkTransparent);
    wideStrip.Reset(ImageList_Create(100, 16, ILC_COLOR24 | ILC_MASK, 1, 1));
}

void Theme::CreateMenuLook(HINSTANCE instance) {
    menuStripeBitmap.Reset(LoadBitmapA(instance, MAKEINTRESOURCEA(IDB_MENU_STRIPE)));
    if (menuStripeBitmap) menuStripe.Reset(CreatePatternBrush(menuStripeBitmap.Get()));
    menuBackground.Reset(CreateSolidBrush(RGB(255, 255, 255)));
    menuHighlight.Reset(CreateSolidBrush(RGB(255, 255, 235)));
    menuHighlightFrame.Reset(CreateSolidBrush(RGB(0, 0, 128)));
    menuIcons.Reset(ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 11, 1));
    ImageList_SetBkColor(menuIcons.Get(), RGB(0, 0, 0));
    for (int id : kMenuIconBitmaps) {
        Bitmap icon(LoadBitmapA(instance, MAKEINTRESOURCEA(id)));
        if (icon) ImageList_AddMasked(menuIcons.Get(), icon.Get(), kMenuIconMask);
    }
}

void Theme::Create(HWND mainWindow, HINSTANCE instance, Settings& settings, const std::string& patternFolder) {
    CreateImageLists();
    CreateBrushes(mainWindow, settings, patternFolder);
    CreateFonts();
    CreateBitmapStrips(instance);
    CreateMenuLook(instance);
}
