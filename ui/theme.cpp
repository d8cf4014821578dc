#include "ui/theme.h"

#include <shellapi.h>

#include "win/program_folder.h"
#include "app/settings_file.h"
#include "shell/image_loading.h"

SharedGdi g_gdi;

namespace {

const int kMarkIconBitmaps[] = {292, 290, 287, 295, 294, 293, 288, 289, 299, 300};
constexpr int kLogoBitmap = 231;
// The logo is keyed on magenta; the mark icons, shared with the menus, on black.
constexpr COLORREF kLogoTransparent = RGB(255, 0, 255);
constexpr COLORREF kMarkTransparent = RGB(0, 0, 0);

HFONT GothicFont(int height, int weight) {
    return CreateFontA(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "ＭＳ Ｐゴシック");
}

void AddBitmap(HIMAGELIST list, HINSTANCE instance, int id, COLORREF transparent) {
    Bitmap bitmap(static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0)));
    if (bitmap) ImageList_AddMasked(list, bitmap.Get(), transparent);
}

void Destroy(HIMAGELIST& list) {
    if (list) ImageList_Destroy(list);
    list = nullptr;
}

}  // namespace

HBRUSH MakePatternBrush(HWND window, std::string& patternName, int& colour, int fallbackColour) {
    if (patternName != kPatternCustom) {
        std::string path = PatternFolder() + "\\" + patternName;
        Bitmap image(LoadImageFile(window, path.c_str()));
        if (image) return CreatePatternBrush(image.Get());
        patternName = kPatternCustom;
        colour = fallbackColour;
    }
    return CreateSolidBrush(static_cast<COLORREF>(colour));
}

void CreateSharedImageLists() {
    SHFILEINFOA info{};
    g_gdi.systemSmall = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    g_gdi.systemLarge = reinterpret_cast<HIMAGELIST>(
        SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
    g_gdi.largeIcons = ImageList_Create(40, 40, ILC_COLOR32 | ILC_MASK, 0, 16);
    g_gdi.tileCells = ImageList_Create(40, 60, ILC_COLOR32 | ILC_MASK, 0, 16);
    g_gdi.smallCells = ImageList_Create(16, 16, ILC_COLOR32 | ILC_MASK, 0, 16);
    g_gdi.polaroidCells = ImageList_Create(130, 158, ILC_COLOR32 | ILC_MASK, 0, 16);
    g_gdi.plainThumbCells = ImageList_Create(130, 98, ILC_COLOR32 | ILC_MASK, 0, 16);
}

void CreateSharedBrushes(HWND mainWindow) {
    g_gdi.buttonFace = GetSysColor(COLOR_BTNFACE);
    g_gdi.buttonHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    g_gdi.buttonShadow = GetSysColor(COLOR_BTNSHADOW);
    Settings& s = g_settings;
    g_gdi.mainBackground.Reset(MakePatternBrush(mainWindow, s.mainPattern, s.backgroundMain, kPatternFallbackColour));
    g_gdi.tabBackground.Reset(MakePatternBrush(mainWindow, s.tabPattern, s.backgroundTab, kPatternFallbackColour));
    g_gdi.listSelection.Reset(MakePatternBrush(mainWindow, s.selPattern, s.listSelColour, kPatternFallbackColour));
    g_gdi.tabSelMain.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabSelMain)));
    g_gdi.tabSelSub.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabSelSub)));
    g_gdi.tabSelDrop.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabSelDrop)));
    g_gdi.tabText.Reset(CreateSolidBrush(static_cast<COLORREF>(s.tabTextColour)));
    g_gdi.buttonFaceBrush.Reset(CreateSolidBrush(g_gdi.buttonFace));
    g_gdi.highlightPen.Reset(CreatePen(PS_SOLID, 1, g_gdi.buttonHighlight));
    g_gdi.shadowPen.Reset(CreatePen(PS_SOLID, 1, g_gdi.buttonShadow));
}

void CreateSharedFonts() {
    g_gdi.bold13.Reset(GothicFont(13, FW_BOLD));
    g_gdi.normal13.Reset(GothicFont(13, FW_NORMAL));
    g_gdi.normal13Second.Reset(GothicFont(13, FW_NORMAL));
    g_gdi.small10.Reset(GothicFont(10, FW_NORMAL));
}

void CreateSharedBitmapStrips(HINSTANCE instance) {
    g_gdi.logoStrip = ImageList_Create(64, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
    AddBitmap(g_gdi.logoStrip, instance, kLogoBitmap, kLogoTransparent);
    g_gdi.markIcons = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 10, 4);
    for (int id : kMarkIconBitmaps) AddBitmap(g_gdi.markIcons, instance, id, kMarkTransparent);
    g_gdi.wideStrip = ImageList_Create(100, 16, ILC_COLOR24 | ILC_MASK, 1, 1);
}

void DeleteSharedGdi() {
    Brush* brushes[] = {&g_gdi.mainBackground, &g_gdi.tabBackground, &g_gdi.listSelection, &g_gdi.tabSelMain,
                        &g_gdi.tabSelSub,      &g_gdi.tabSelDrop,    &g_gdi.tabText,       &g_gdi.buttonFaceBrush};
    for (Brush* brush : brushes) brush->Reset();
    g_gdi.highlightPen.Reset();
    g_gdi.shadowPen.Reset();
    g_gdi.bold13.Reset();
    g_gdi.normal13.Reset();
    g_gdi.normal13Second.Reset();
    g_gdi.small10.Reset();
    HIMAGELIST* lists[] = {&g_gdi.largeIcons,      &g_gdi.tileCells, &g_gdi.smallCells, &g_gdi.polaroidCells,
                           &g_gdi.plainThumbCells, &g_gdi.logoStrip, &g_gdi.markIcons,  &g_gdi.wideStrip};
    for (HIMAGELIST* list : lists) Destroy(*list);
    g_gdi.systemSmall = nullptr;
    g_gdi.systemLarge = nullptr;
}
