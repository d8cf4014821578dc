#include "res/artgen/table.h"

#include "res/artgen/paint.h"
#include "res/ids.h"

namespace art {

// The frame's blue-grey title area, on which the logo is drawn.
constexpr Rgba kTitleArea = Rgba{68, 95, 134, 255};

// Menu icons are masked on black; their soft edges blend into the middle of the menu stripe.
constexpr Rgba kMenuIconKey = Rgba{0, 0, 0, 255};
constexpr Rgba kMenuIconMatte = Rgba{200, 211, 230, 255};

const std::vector<Row>& Artwork() {
    static const std::vector<Row> rows = {
        // Program icon: window class icon and small icon.
        IconRow(IDI_PROGRAM, 16, PaintAppIcon),
        IconRow(IDI_PROGRAM, 32, PaintAppIcon),
        IconRow(IDI_PROGRAM, 48, PaintAppIcon),
        // Notification-area icon.
        IconRow(IDI_TRAY, 16, PaintTrayIcon),
        IconRow(IDI_TRAY, 32, PaintTrayIcon),

        // Folder tree in hide mode: eraser and magnifier; a tab being dragged on the tab bar.
        CursorRow(IDC_ERASER, 32, 7, 24, PaintEraserCursor),
        CursorRow(IDC_MAGNIFIER, 32, 11, 11, PaintMagnifierCursor),
        CursorRow(IDC_TAB_DRAG, 32, 0, 0, PaintTabDragCursor),

        // Frame logo strip (one 64-pixel image), drawn with magenta as the transparent colour.
        BitmapRow(IDB_LOGO_STRIP, 64, 16, PaintLogo, 0, kMagenta, kTitleArea),
        // Title button (opens the window menu) and the three window buttons, opaque on the
        // title area. The maximise button has a second set for the maximised window.
        BitmapRow(IDB_FRAME_TITLE_NORMAL, 100, 16, PaintTitleButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_FRAME_TITLE_PRESSED, 100, 16, PaintTitleButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_FRAME_TITLE_HOVER, 100, 16, PaintTitleButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(IDB_FRAME_TITLE_INACTIVE, 100, 16, PaintTitleButton, kLookDisabled, kNoKey, kTitleArea),
        BitmapRow(IDB_CLOSE_NORMAL, 16, 16, PaintCloseButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_CLOSE_PRESSED, 16, 16, PaintCloseButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_CLOSE_HOVER, 16, 16, PaintCloseButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(IDB_TRAY_NORMAL, 16, 16, PaintTrayButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_TRAY_PRESSED, 16, 16, PaintTrayButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_TRAY_HOVER, 16, 16, PaintTrayButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(IDB_MAXIMISE_NORMAL, 16, 16, PaintMaximiseButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_MAXIMISE_PRESSED, 16, 16, PaintMaximiseButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_MAXIMISE_HOVER, 16, 16, PaintMaximiseButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(IDB_RESTORE_NORMAL, 16, 16, PaintRestoreButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_RESTORE_PRESSED, 16, 16, PaintRestoreButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_RESTORE_HOVER, 16, 16, PaintRestoreButton, kLookHover, kNoKey, kTitleArea),

        // Popup menus: the item stripe (a pattern brush, tiled) and the item icons, masked on
        // black and laid over the stripe's middle colour.
        BitmapRow(IDB_MENU_STRIPE, 22, 8, PaintMenuStripe),
        BitmapRow(IDB_MENU_ICON_CHECK, 16, 16, PaintMenuIcon, kMenuArtCheck, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_RENAME_TAB, 16, 16, PaintMenuIcon, kMenuArtRenameTab, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_SUB_SELECTION, 16, 16, PaintMenuIcon, kMenuArtSubSelection, kMenuIconKey,
                  kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_CLOSE, 16, 16, PaintMenuIcon, kMenuArtClose, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_MAXIMISE, 16, 16, PaintMenuIcon, kMenuArtMaximise, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_TRAY, 16, 16, PaintMenuIcon, kMenuArtTray, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_RESTORE, 16, 16, PaintMenuIcon, kMenuArtRestore, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_LOCK, 16, 16, PaintMenuIcon, kMenuArtLock, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_UNLOCK, 16, 16, PaintMenuIcon, kMenuArtUnlock, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_HELP, 16, 16, PaintMenuIcon, kMenuArtHelp, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_VERSION, 16, 16, PaintMenuIcon, kMenuArtVersion, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_NEW_TAB, 16, 16, PaintMenuIcon, kMenuArtNewTab, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_SHADE, 16, 16, PaintMenuIcon, kMenuArtShade, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_UNSHADE, 16, 16, PaintMenuIcon, kMenuArtUnshade, kMenuIconKey, kMenuIconMatte),
        BitmapRow(IDB_MENU_ICON_FAVOURITE, 16, 16, PaintMenuIcon, kMenuArtFavourite, kMenuIconKey, kMenuIconMatte),

        // Event sounds.
        WaveRow(IDW_SOUND_SHOW, SoundShow),
        WaveRow(IDW_SOUND_TAB_ADDED, SoundTabAdded),
        WaveRow(IDW_SOUND_TAB_DELETED, SoundTabDeleted),
        WaveRow(IDW_SOUND_TAB_CLICKED, SoundTabClicked),
        WaveRow(IDW_SOUND_TAB_LOCKED, SoundTabLocked),
        WaveRow(IDW_SOUND_TAB_UNLOCKED, SoundTabUnlocked),
        WaveRow(IDW_SOUND_FOLDER_CHANGE, SoundFolderChange),
        WaveRow(IDW_SOUND_BUTTON, SoundButton),
        WaveRow(IDW_SOUND_DRAG, SoundDrag),
        WaveRow(IDW_SOUND_DROP, SoundDrop),
        WaveRow(IDW_SOUND_ERASE, SoundErase),
        WaveRow(IDW_SOUND_UNERASE, SoundUnerase),
        WaveRow(IDW_SOUND_GESTURE, SoundGesture),

        // Mode buttons of the left column, opaque on the frame: on, off, pressed.
        BitmapRow(IDB_TREE_TOGGLE_ON, 19, 21, PaintTreeToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(IDB_TREE_TOGGLE_OFF, 19, 21, PaintTreeToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(IDB_TREE_TOGGLE_PRESSED, 19, 21, PaintTreeToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_FAVOURITES_TOGGLE_ON, 19, 21, PaintFavouritesToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(IDB_FAVOURITES_TOGGLE_OFF, 19, 21, PaintFavouritesToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(IDB_FAVOURITES_TOGGLE_PRESSED, 19, 21, PaintFavouritesToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_HIDDEN_FILES_TOGGLE_ON, 19, 21, PaintHiddenFilesToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(IDB_HIDDEN_FILES_TOGGLE_OFF, 19, 21, PaintHiddenFilesToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(IDB_HIDDEN_FILES_TOGGLE_PRESSED, 19, 21, PaintHiddenFilesToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_TIPS_TOGGLE_ON, 19, 21, PaintTipsToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(IDB_TIPS_TOGGLE_OFF, 19, 21, PaintTipsToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(IDB_TIPS_TOGGLE_PRESSED, 19, 21, PaintTipsToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_TWO_PANE_TOGGLE_ON, 19, 21, PaintTwoPaneToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(IDB_TWO_PANE_TOGGLE_OFF, 19, 21, PaintTwoPaneToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(IDB_TWO_PANE_TOGGLE_PRESSED, 19, 21, PaintTwoPaneToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_GESTURE_TOGGLE_ON, 19, 21, PaintGestureToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(IDB_GESTURE_TOGGLE_OFF, 19, 21, PaintGestureToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(IDB_GESTURE_TOGGLE_PRESSED, 19, 21, PaintGestureToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_PROPERTIES_NORMAL, 19, 21, PaintPropertiesButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_PROPERTIES_PRESSED, 19, 21, PaintPropertiesButton, kLookPressed, kNoKey, kTitleArea),
        // List header bar, info strip, tree bar and favourites bar buttons: white is transparent.
        BitmapRow(IDB_BACK_NORMAL, 22, 16, PaintBackButton, kLookNormal, kWhite, kWhite),
        BitmapRow(IDB_BACK_PRESSED, 22, 16, PaintBackButton, kLookPressed, kWhite, kWhite),
        BitmapRow(IDB_BACK_HOVER, 22, 16, PaintBackButton, kLookHover, kWhite, kWhite),
        BitmapRow(IDB_BACK_DISABLED, 22, 16, PaintBackButton, kLookDisabled, kWhite, kWhite),
        BitmapRow(IDB_UP_NORMAL, 22, 16, PaintUpButton, kLookNormal, kWhite, kWhite),
        BitmapRow(IDB_UP_PRESSED, 22, 16, PaintUpButton, kLookPressed, kWhite, kWhite),
        BitmapRow(IDB_UP_HOVER, 22, 16, PaintUpButton, kLookHover, kWhite, kWhite),
        BitmapRow(IDB_UP_DISABLED, 22, 16, PaintUpButton, kLookDisabled, kWhite, kWhite),
        BitmapRow(IDB_VIEW_STYLE_NORMAL, 22, 16, PaintViewStyleButton, kLookNormal, kWhite, kWhite),
        BitmapRow(IDB_VIEW_STYLE_PRESSED, 22, 16, PaintViewStyleButton, kLookPressed, kWhite, kWhite),
        BitmapRow(IDB_VIEW_STYLE_HOVER, 22, 16, PaintViewStyleButton, kLookHover, kWhite, kWhite),
        BitmapRow(IDB_FAVOURITES_MENU_NORMAL, 22, 16, PaintFavouritesButton, kLookNormal, kWhite, kWhite),
        BitmapRow(IDB_FAVOURITES_MENU_PRESSED, 22, 16, PaintFavouritesButton, kLookPressed, kWhite, kWhite),
        BitmapRow(IDB_FAVOURITES_MENU_HOVER, 22, 16, PaintFavouritesButton, kLookHover, kWhite, kWhite),
        BitmapRow(IDB_SORT_ASCENDING_NORMAL, 15, 18, PaintSortDirectionButton, WithVariant(0, kLookNormal), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_ASCENDING_PRESSED, 15, 18, PaintSortDirectionButton, WithVariant(0, kLookPressed), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_ASCENDING_HOVER, 15, 18, PaintSortDirectionButton, WithVariant(0, kLookHover), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_DESCENDING_NORMAL, 15, 18, PaintSortDirectionButton, WithVariant(1, kLookNormal), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_DESCENDING_PRESSED, 15, 18, PaintSortDirectionButton, WithVariant(1, kLookPressed), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_DESCENDING_HOVER, 15, 18, PaintSortDirectionButton, WithVariant(1, kLookHover), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_NAME_NORMAL, 38, 18, PaintSortKeyButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_SORT_NAME_PRESSED, 38, 18, PaintSortKeyButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(IDB_SORT_NAME_HOVER, 38, 18, PaintSortKeyButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_SORT_SIZE_NORMAL, 38, 18, PaintSortKeyButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_SORT_SIZE_PRESSED, 38, 18, PaintSortKeyButton, WithVariant(1, kLookPressed), kWhite, kWhite),
        BitmapRow(IDB_SORT_SIZE_HOVER, 38, 18, PaintSortKeyButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_SORT_TYPE_NORMAL, 38, 18, PaintSortKeyButton, WithVariant(2, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_SORT_TYPE_PRESSED, 38, 18, PaintSortKeyButton, WithVariant(2, kLookPressed), kWhite, kWhite),
        BitmapRow(IDB_SORT_TYPE_HOVER, 38, 18, PaintSortKeyButton, WithVariant(2, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_SORT_DATE_NORMAL, 38, 18, PaintSortKeyButton, WithVariant(3, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_SORT_DATE_PRESSED, 38, 18, PaintSortKeyButton, WithVariant(3, kLookPressed), kWhite, kWhite),
        BitmapRow(IDB_SORT_DATE_HOVER, 38, 18, PaintSortKeyButton, WithVariant(3, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_SORT_ATTRIBUTES_NORMAL, 38, 18, PaintSortKeyButton, WithVariant(4, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_SORT_ATTRIBUTES_PRESSED, 38, 18, PaintSortKeyButton, WithVariant(4, kLookPressed), kWhite,
                  kWhite),
        BitmapRow(IDB_SORT_ATTRIBUTES_HOVER, 38, 18, PaintSortKeyButton, WithVariant(4, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_ERASER_NORMAL, 22, 16, PaintEraserButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_ERASER_HIDE_MODE_NORMAL, 22, 16, PaintEraserButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_ERASER_PRESSED, 22, 16, PaintEraserButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(IDB_ERASER_MAGNIFIER_NORMAL, 22, 16, PaintEraserButton, WithVariant(2, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_ERASER_HIDE_MODE_MAGNIFIER_NORMAL, 22, 16, PaintEraserButton, WithVariant(3, kLookNormal), kWhite,
                  kWhite),
        BitmapRow(IDB_ERASER_HOVER, 22, 16, PaintEraserButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_ERASER_HIDE_MODE_HOVER, 22, 16, PaintEraserButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_ERASER_HIDE_MODE_PRESSED, 22, 16, PaintEraserButton, WithVariant(1, kLookPressed), kWhite,
                  kWhite),
        BitmapRow(IDB_ERASER_MAGNIFIER_HOVER, 22, 16, PaintEraserButton, WithVariant(2, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_ERASER_HIDE_MODE_MAGNIFIER_HOVER, 22, 16, PaintEraserButton, WithVariant(3, kLookHover), kWhite,
                  kWhite),
        BitmapRow(IDB_MAGNIFIER_ON_NORMAL, 22, 16, PaintMagnifierButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_MAGNIFIER_OFF_NORMAL, 22, 16, PaintMagnifierButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(IDB_MAGNIFIER_PRESSED, 22, 16, PaintMagnifierButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(IDB_MAGNIFIER_ON_HOVER, 22, 16, PaintMagnifierButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_MAGNIFIER_OFF_HOVER, 22, 16, PaintMagnifierButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(IDB_NEW_GROUP_NORMAL, 22, 16, PaintNewGroupButton, kLookNormal, kWhite, kWhite),
        BitmapRow(IDB_NEW_GROUP_PRESSED, 22, 16, PaintNewGroupButton, kLookPressed, kWhite, kWhite),
        BitmapRow(IDB_NEW_GROUP_HOVER, 22, 16, PaintNewGroupButton, kLookHover, kWhite, kWhite),
        // Tab bar buttons, opaque on the bar's default blue-grey.
        BitmapRow(IDB_NEW_TAB_NORMAL, 19, 19, PaintNewTabButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_NEW_TAB_PRESSED, 19, 19, PaintNewTabButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_NEW_TAB_HOVER, 19, 19, PaintNewTabButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW1_NORMAL, 19, 19, PaintRowButton, WithVariant(0, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW1_PRESSED, 19, 19, PaintRowButton, WithVariant(0, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW1_HOVER, 19, 19, PaintRowButton, WithVariant(0, kLookHover), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW2_NORMAL, 19, 19, PaintRowButton, WithVariant(1, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW2_PRESSED, 19, 19, PaintRowButton, WithVariant(1, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW2_HOVER, 19, 19, PaintRowButton, WithVariant(1, kLookHover), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW3_NORMAL, 19, 19, PaintRowButton, WithVariant(2, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW3_PRESSED, 19, 19, PaintRowButton, WithVariant(2, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW3_HOVER, 19, 19, PaintRowButton, WithVariant(2, kLookHover), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW4_NORMAL, 19, 19, PaintRowButton, WithVariant(3, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW4_PRESSED, 19, 19, PaintRowButton, WithVariant(3, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW4_HOVER, 19, 19, PaintRowButton, WithVariant(3, kLookHover), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW5_NORMAL, 19, 19, PaintRowButton, WithVariant(4, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW5_PRESSED, 19, 19, PaintRowButton, WithVariant(4, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_TAB_ROW5_HOVER, 19, 19, PaintRowButton, WithVariant(4, kLookHover), kNoKey, kTitleArea),
        BitmapRow(IDB_LAUNCHER_NORMAL, 19, 19, PaintRowButton, WithVariant(5, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(IDB_LAUNCHER_PRESSED, 19, 19, PaintRowButton, WithVariant(5, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_LAUNCHER_HOVER, 19, 19, PaintRowButton, WithVariant(5, kLookHover), kNoKey, kTitleArea),
        BitmapRow(IDB_CHEVRON_NORMAL, 19, 19, PaintChevronButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_CHEVRON_PRESSED, 19, 19, PaintChevronButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_CHEVRON_HOVER, 19, 19, PaintChevronButton, kLookHover, kNoKey, kTitleArea),
        // Dialog buttons: titles (normal, pressed, an unused hover look, inactive), commands, pages.
        BitmapRow(IDB_SETTINGS_TITLE_NORMAL, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookNormal), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_SETTINGS_TITLE_PRESSED, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookPressed), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_SETTINGS_TITLE_HOVER, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookHover), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_SETTINGS_TITLE_INACTIVE, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookDisabled), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_VERSION_TITLE_NORMAL, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookNormal), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_VERSION_TITLE_PRESSED, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookPressed), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_VERSION_TITLE_HOVER, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookHover), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_VERSION_TITLE_INACTIVE, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookDisabled), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_NAME_TITLE_NORMAL, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookNormal), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_NAME_TITLE_PRESSED, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookPressed), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_NAME_TITLE_HOVER, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookHover), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_NAME_TITLE_INACTIVE, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookDisabled), kNoKey,
                  kTitleArea),
        BitmapRow(IDB_OK_NORMAL, 100, 16, PaintOkButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_OK_PRESSED, 100, 16, PaintOkButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_CANCEL_NORMAL, 100, 16, PaintCancelButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_CANCEL_PRESSED, 100, 16, PaintCancelButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_DEFAULTS_NORMAL, 100, 16, PaintDefaultsButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_DEFAULTS_PRESSED, 100, 16, PaintDefaultsButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_EXTRA_NORMAL, 100, 16, PaintExtraButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(IDB_EXTRA_PRESSED, 100, 16, PaintExtraButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_GENERAL_ON, 100, 16, PaintPageButton, WithVariant(0, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_GENERAL_OFF, 100, 16, PaintPageButton, WithVariant(0, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_GENERAL_PRESSED, 100, 16, PaintPageButton, WithVariant(0, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_STYLE_ON, 100, 16, PaintPageButton, WithVariant(1, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_STYLE_OFF, 100, 16, PaintPageButton, WithVariant(1, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_STYLE_PRESSED, 100, 16, PaintPageButton, WithVariant(1, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_COLOURS_ON, 100, 16, PaintPageButton, WithVariant(2, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_COLOURS_OFF, 100, 16, PaintPageButton, WithVariant(2, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_COLOURS_PRESSED, 100, 16, PaintPageButton, WithVariant(2, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_TABS_ON, 100, 16, PaintPageButton, WithVariant(3, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_TABS_OFF, 100, 16, PaintPageButton, WithVariant(3, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_TABS_PRESSED, 100, 16, PaintPageButton, WithVariant(3, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_TREE_ON, 100, 16, PaintPageButton, WithVariant(4, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_TREE_OFF, 100, 16, PaintPageButton, WithVariant(4, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_TREE_PRESSED, 100, 16, PaintPageButton, WithVariant(4, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_LIST_ON, 100, 16, PaintPageButton, WithVariant(5, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_LIST_OFF, 100, 16, PaintPageButton, WithVariant(5, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_LIST_PRESSED, 100, 16, PaintPageButton, WithVariant(5, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_GESTURE_ON, 100, 16, PaintPageButton, WithVariant(6, kLookOn), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_GESTURE_OFF, 100, 16, PaintPageButton, WithVariant(6, kLookOff), kNoKey, kTitleArea),
        BitmapRow(IDB_PAGE_GESTURE_PRESSED, 100, 16, PaintPageButton, WithVariant(6, kLookPressed), kNoKey, kTitleArea),
        // Tab lock keys (10 x 16, black transparent) in the four colours; gold is the default.
        BitmapRow(IDB_LOCK_KEY_GOLD, 10, 16, PaintLockKey, 0, Rgb(0, 0, 0), kTitleArea),
        BitmapRow(IDB_LOCK_KEY_SILVER, 10, 16, PaintLockKey, 1, Rgb(0, 0, 0), kTitleArea),
        BitmapRow(IDB_LOCK_KEY_RED, 10, 16, PaintLockKey, 2, Rgb(0, 0, 0), kTitleArea),
        BitmapRow(IDB_LOCK_KEY_BLUE, 10, 16, PaintLockKey, 3, Rgb(0, 0, 0), kTitleArea),
        // Comment mark of the lists and the favourites tree's root and group images.
        BitmapRow(IDB_COMMENT_MARK, 16, 16, PaintCommentMark, 0, Rgb(0, 0, 0), kWhite),
        BitmapRow(IDB_FAVOURITES_ROOT, 16, 16, PaintFavouritesRoot, 0, Rgb(0, 0, 0), kWhite),
        BitmapRow(IDB_FAVOURITES_GROUP, 16, 16, PaintFavouritesGroup, 0, Rgb(0, 0, 0), kWhite),
    };
    return rows;
}

Canvas Render(const Row& row) {
    Canvas c(row.width, row.height);
    row.paint(c, row.look);
    if (row.kind != Kind::Bitmap) return c;
    Canvas flat(row.width, row.height, row.matte);
    for (int y = 0; y < row.height; ++y)
        for (int x = 0; x < row.width; ++x) {
            Rgba p = c.Get(x, y);
            if (p.a == 0 && row.key.a != 0) flat.Set(x, y, row.key);
            else
                flat.Blend(x, y, p);
        }
    return flat;
}

}  // namespace art
