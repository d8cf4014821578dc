// The painters and composers that the artwork table refers to.
#pragma once
#include <cstdint>
#include <vector>

#include "res/artgen/canvas.h"

namespace art {

// Icons (icons.cpp).
void PaintAppIcon(Canvas& c, int look);
void PaintTrayIcon(Canvas& c, int look);

// Cursors (cursors.cpp).
void PaintEraserCursor(Canvas& c, int look);
void PaintMagnifierCursor(Canvas& c, int look);
void PaintTabDragCursor(Canvas& c, int look);

// Looks of a skinned button, passed to its painter.
enum ButtonLook { kLookNormal = 0, kLookPressed = 1, kLookHover = 2, kLookDisabled = 3 };

// Frame bitmaps (frame.cpp). The title button's disabled look is its look while the window is
// inactive.
void PaintLogo(Canvas& c, int look);
void PaintTitleButton(Canvas& c, int look);
void PaintCloseButton(Canvas& c, int look);
void PaintTrayButton(Canvas& c, int look);
void PaintMaximiseButton(Canvas& c, int look);
void PaintRestoreButton(Canvas& c, int look);

// Event sounds (sounds.cpp).
std::vector<int16_t> SoundShow();
std::vector<int16_t> SoundTabAdded();
std::vector<int16_t> SoundTabDeleted();
std::vector<int16_t> SoundTabClicked();
std::vector<int16_t> SoundTabLocked();
std::vector<int16_t> SoundTabUnlocked();
std::vector<int16_t> SoundFolderChange();
std::vector<int16_t> SoundButton();
std::vector<int16_t> SoundDrag();
std::vector<int16_t> SoundDrop();
std::vector<int16_t> SoundErase();
std::vector<int16_t> SoundUnerase();
std::vector<int16_t> SoundGesture();

// Popup menus (menu_art.cpp): the stripe at the left of every item and the item icons, one
// painter for all icons with the icon as its look.
enum MenuIconArt {
    kMenuArtCheck,
    kMenuArtRenameTab,
    kMenuArtSubSelection,
    kMenuArtClose,
    kMenuArtMaximise,
    kMenuArtTray,
    kMenuArtRestore,
    kMenuArtLock,
    kMenuArtUnlock,
    kMenuArtHelp,
    kMenuArtVersion,
    kMenuArtNewTab,
    kMenuArtShade,
    kMenuArtUnshade,
    kMenuArtFavourite,
};
void PaintMenuIcon(Canvas& c, int icon);
void PaintMenuStripe(Canvas& c, int look);

// Skinned buttons and marks (controls_art.cpp, bar_buttons_art.cpp, marks_art.cpp). Looks
// beyond ButtonLook for buttons that show a mode or a selection, and a variant (which row,
// column, page or state) carried above the look.
constexpr int kLookOn = 4;
constexpr int kLookOff = 5;
constexpr int WithVariant(int variant, int look) { return variant * 8 + look; }
constexpr int VariantOf(int look) { return look / 8; }
constexpr int ButtonLookOf(int look) { return look % 8; }
void PaintTreeToggle(Canvas& c, int look);
void PaintFavouritesToggle(Canvas& c, int look);
void PaintHiddenFilesToggle(Canvas& c, int look);
void PaintTipsToggle(Canvas& c, int look);
void PaintTwoPaneToggle(Canvas& c, int look);
void PaintGestureToggle(Canvas& c, int look);
void PaintPropertiesButton(Canvas& c, int look);
void PaintBackButton(Canvas& c, int look);
void PaintUpButton(Canvas& c, int look);
void PaintViewStyleButton(Canvas& c, int look);
void PaintFavouritesButton(Canvas& c, int look);
void PaintSortDirectionButton(Canvas& c, int look);
void PaintSortKeyButton(Canvas& c, int look);
void PaintEraserButton(Canvas& c, int look);
void PaintMagnifierButton(Canvas& c, int look);
void PaintNewGroupButton(Canvas& c, int look);
void PaintNewTabButton(Canvas& c, int look);
void PaintRowButton(Canvas& c, int look);
void PaintChevronButton(Canvas& c, int look);
void PaintDialogTitleButton(Canvas& c, int look);
void PaintOkButton(Canvas& c, int look);
void PaintCancelButton(Canvas& c, int look);
void PaintDefaultsButton(Canvas& c, int look);
void PaintExtraButton(Canvas& c, int look);
void PaintPageButton(Canvas& c, int look);
void PaintLockKey(Canvas& c, int look);
void PaintCommentMark(Canvas& c, int look);
void PaintFavouritesRoot(Canvas& c, int look);
void PaintFavouritesGroup(Canvas& c, int look);

}  // namespace art
