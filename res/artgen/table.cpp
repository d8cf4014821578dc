#include "res/artgen/table.h"

#include "res/artgen/paint.h"

namespace art {

// The frame's blue-grey title area, on which the logo is drawn.
constexpr Rgba kTitleArea = Rgba{68, 95, 134, 255};

// Menu icons are masked on black; their soft edges blend into the middle of the menu stripe.
constexpr Rgba kMenuIconKey = Rgba{0, 0, 0, 255};
constexpr Rgba kMenuIconMatte = Rgba{200, 211, 230, 255};

const std::vector<Row>& Artwork()
{
    static const std::vector<Row> rows = {
        // Program icon: window class icon and small icon.
        IconRow(307, 16, PaintAppIcon),
        IconRow(307, 32, PaintAppIcon),
        IconRow(307, 48, PaintAppIcon),
        // Notification-area icon.
        IconRow(326, 16, PaintTrayIcon),
        IconRow(326, 32, PaintTrayIcon),

        // Folder tree in hide mode: eraser and magnifier; a tab being dragged on the tab bar.
        CursorRow(104, 32, 7, 24, PaintEraserCursor),
        CursorRow(105, 32, 11, 11, PaintMagnifierCursor),
        CursorRow(106, 32, 0, 0, PaintTabDragCursor),

        // Frame logo strip (one 64-pixel image), drawn with magenta as the transparent colour.
        BitmapRow(231, 64, 16, PaintLogo, 0, kMagenta, kTitleArea),
        // Title button (opens the window menu) and the three window buttons, opaque on the
        // title area. The maximise button has a second set for the maximised window.
        BitmapRow(260, 100, 16, PaintTitleButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(261, 100, 16, PaintTitleButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(259, 100, 16, PaintTitleButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(262, 100, 16, PaintTitleButton, kLookDisabled, kNoKey, kTitleArea),
        BitmapRow(215, 16, 16, PaintCloseButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(217, 16, 16, PaintCloseButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(216, 16, 16, PaintCloseButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(218, 16, 16, PaintTrayButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(220, 16, 16, PaintTrayButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(219, 16, 16, PaintTrayButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(251, 16, 16, PaintMaximiseButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(253, 16, 16, PaintMaximiseButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(252, 16, 16, PaintMaximiseButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(248, 16, 16, PaintRestoreButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(250, 16, 16, PaintRestoreButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(249, 16, 16, PaintRestoreButton, kLookHover, kNoKey, kTitleArea),

        // Popup menus: the item stripe (a pattern brush, tiled) and the item icons, masked on
        // black and laid over the stripe's middle colour.
        BitmapRow(316, 22, 8, PaintMenuStripe),
        BitmapRow(292, 16, 16, PaintMenuIcon, kMenuArtCheck, kMenuIconKey, kMenuIconMatte),
        BitmapRow(290, 16, 16, PaintMenuIcon, kMenuArtRenameTab, kMenuIconKey, kMenuIconMatte),
        BitmapRow(287, 16, 16, PaintMenuIcon, kMenuArtSubSelection, kMenuIconKey, kMenuIconMatte),
        BitmapRow(286, 16, 16, PaintMenuIcon, kMenuArtClose, kMenuIconKey, kMenuIconMatte),
        BitmapRow(295, 16, 16, PaintMenuIcon, kMenuArtMaximise, kMenuIconKey, kMenuIconMatte),
        BitmapRow(294, 16, 16, PaintMenuIcon, kMenuArtTray, kMenuIconKey, kMenuIconMatte),
        BitmapRow(293, 16, 16, PaintMenuIcon, kMenuArtRestore, kMenuIconKey, kMenuIconMatte),
        BitmapRow(288, 16, 16, PaintMenuIcon, kMenuArtLock, kMenuIconKey, kMenuIconMatte),
        BitmapRow(289, 16, 16, PaintMenuIcon, kMenuArtUnlock, kMenuIconKey, kMenuIconMatte),
        BitmapRow(299, 16, 16, PaintMenuIcon, kMenuArtHelp, kMenuIconKey, kMenuIconMatte),
        BitmapRow(300, 16, 16, PaintMenuIcon, kMenuArtVersion, kMenuIconKey, kMenuIconMatte),
        BitmapRow(291, 16, 16, PaintMenuIcon, kMenuArtNewTab, kMenuIconKey, kMenuIconMatte),
        BitmapRow(296, 16, 16, PaintMenuIcon, kMenuArtShade, kMenuIconKey, kMenuIconMatte),
        BitmapRow(297, 16, 16, PaintMenuIcon, kMenuArtUnshade, kMenuIconKey, kMenuIconMatte),
        BitmapRow(298, 16, 16, PaintMenuIcon, kMenuArtFavourite, kMenuIconKey, kMenuIconMatte),

        // Event sounds.
        WaveRow(385, SoundShow),
        WaveRow(381, SoundTabAdded),
        WaveRow(384, SoundTabDeleted),
        WaveRow(386, SoundTabClicked),
        WaveRow(390, SoundTabLocked),
        WaveRow(391, SoundTabUnlocked),
        WaveRow(383, SoundFolderChange),
        WaveRow(382, SoundButton),
        WaveRow(388, SoundDrag),
        WaveRow(387, SoundDrop),
        WaveRow(392, SoundErase),
        WaveRow(389, SoundUnerase),
        WaveRow(409, SoundGesture),
    };
    return rows;
}

Canvas Render(const Row& row)
{
    Canvas c(row.width, row.height);
    row.paint(c, row.look);
    if (row.kind != Kind::Bitmap) return c;
    Canvas flat(row.width, row.height, row.matte);
    for (int y = 0; y < row.height; ++y)
        for (int x = 0; x < row.width; ++x) {
            Rgba p = c.Get(x, y);
            if (p.a == 0 && row.key.a != 0)
                flat.Set(x, y, row.key);
            else
                flat.Blend(x, y, p);
        }
    return flat;
}

}  // namespace art
