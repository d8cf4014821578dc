#include "ui/menu_look.h"

#include "ui/theme.h"
#include "win/owners.h"

namespace {

constexpr int kStripeBitmap = 316;
// Filled in this order, so that the bitmap at position i is MenuIcon i.
const int kMenuIconBitmaps[] = {292, 290, 287, 286, 295, 294, 293, 288, 289, 299, 300};
constexpr COLORREF kIconMask = RGB(0, 0, 0);

struct MenuLook {
    Bitmap stripeBitmap;
    Brush stripe, background, highlight, highlightFrame;
    ImageList icons;
    HIMAGELIST favouritesIcons = nullptr;
};

MenuLook g_menuLook;

}  // namespace

void CreateMenuLook(HINSTANCE instance) {
    MenuLook& look = g_menuLook;
    look.stripeBitmap.Reset(LoadBitmapA(instance, MAKEINTRESOURCEA(kStripeBitmap)));
    if (look.stripeBitmap) look.stripe.Reset(CreatePatternBrush(look.stripeBitmap.Get()));
    look.background.Reset(CreateSolidBrush(RGB(255, 255, 255)));
    look.highlight.Reset(CreateSolidBrush(RGB(255, 255, 235)));
    look.highlightFrame.Reset(CreateSolidBrush(RGB(0, 0, 128)));
    look.icons.Reset(ImageList_Create(16, 16, ILC_COLOR8 | ILC_MASK, 11, 1));
    ImageList_SetBkColor(look.icons.Get(), RGB(0, 0, 0));
    for (int id : kMenuIconBitmaps) {
        Bitmap icon(LoadBitmapA(instance, MAKEINTRESOURCEA(id)));
        if (icon) ImageList_AddMasked(look.icons.Get(), icon.Get(), kIconMask);
    }
}

void DeleteMenuLook() {
    MenuLook& look = g_menuLook;
    look.icons.Reset();
    look.stripe.Reset();
    look.stripeBitmap.Reset();
    look.background.Reset();
    look.highlight.Reset();
    look.highlightFrame.Reset();
    look.favouritesIcons = nullptr;
}

HFONT MenuFont() { return g_gdi.normal13.Get(); }
HFONT BoldMenuFont() { return g_gdi.bold13.Get(); }
HBRUSH MenuStripeBrush() { return g_menuLook.stripe.Get(); }
HBRUSH MenuBackgroundBrush() { return g_menuLook.background.Get(); }
HBRUSH MenuHighlightBrush() { return g_menuLook.highlight.Get(); }
HBRUSH MenuHighlightFrameBrush() { return g_menuLook.highlightFrame.Get(); }
HIMAGELIST MenuIcons() { return g_menuLook.icons.Get(); }
HIMAGELIST MenuSystemIcons() { return g_gdi.systemSmall; }
void SetMenuFavouritesIcons(HIMAGELIST icons) { g_menuLook.favouritesIcons = icons; }
HIMAGELIST MenuFavouritesIcons() { return g_menuLook.favouritesIcons; }
