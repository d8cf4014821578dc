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

        // Mode buttons of the left column, opaque on the frame: on, off, pressed.
        BitmapRow(170, 19, 21, PaintTreeToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(169, 19, 21, PaintTreeToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(171, 19, 21, PaintTreeToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(339, 19, 21, PaintFavouritesToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(338, 19, 21, PaintFavouritesToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(340, 19, 21, PaintFavouritesToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(173, 19, 21, PaintHiddenFilesToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(172, 19, 21, PaintHiddenFilesToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(174, 19, 21, PaintHiddenFilesToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(236, 19, 21, PaintTipsToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(235, 19, 21, PaintTipsToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(237, 19, 21, PaintTipsToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(240, 19, 21, PaintTwoPaneToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(239, 19, 21, PaintTwoPaneToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(241, 19, 21, PaintTwoPaneToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(396, 19, 21, PaintGestureToggle, kLookOn, kNoKey, kTitleArea),
        BitmapRow(395, 19, 21, PaintGestureToggle, kLookOff, kNoKey, kTitleArea),
        BitmapRow(397, 19, 21, PaintGestureToggle, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(232, 19, 21, PaintPropertiesButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(234, 19, 21, PaintPropertiesButton, kLookPressed, kNoKey, kTitleArea),
        // List header bar, info strip, tree bar and favourites bar buttons: white is transparent.
        BitmapRow(158, 22, 16, PaintBackButton, kLookNormal, kWhite, kWhite),
        BitmapRow(160, 22, 16, PaintBackButton, kLookPressed, kWhite, kWhite),
        BitmapRow(159, 22, 16, PaintBackButton, kLookHover, kWhite, kWhite),
        BitmapRow(161, 22, 16, PaintBackButton, kLookDisabled, kWhite, kWhite),
        BitmapRow(162, 22, 16, PaintUpButton, kLookNormal, kWhite, kWhite),
        BitmapRow(164, 22, 16, PaintUpButton, kLookPressed, kWhite, kWhite),
        BitmapRow(163, 22, 16, PaintUpButton, kLookHover, kWhite, kWhite),
        BitmapRow(165, 22, 16, PaintUpButton, kLookDisabled, kWhite, kWhite),
        BitmapRow(166, 22, 16, PaintViewStyleButton, kLookNormal, kWhite, kWhite),
        BitmapRow(168, 22, 16, PaintViewStyleButton, kLookPressed, kWhite, kWhite),
        BitmapRow(167, 22, 16, PaintViewStyleButton, kLookHover, kWhite, kWhite),
        BitmapRow(348, 22, 16, PaintFavouritesButton, kLookNormal, kWhite, kWhite),
        BitmapRow(350, 22, 16, PaintFavouritesButton, kLookPressed, kWhite, kWhite),
        BitmapRow(349, 22, 16, PaintFavouritesButton, kLookHover, kWhite, kWhite),
        BitmapRow(194, 15, 18, PaintSortDirectionButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(196, 15, 18, PaintSortDirectionButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(195, 15, 18, PaintSortDirectionButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(197, 15, 18, PaintSortDirectionButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(199, 15, 18, PaintSortDirectionButton, WithVariant(1, kLookPressed), kWhite, kWhite),
        BitmapRow(198, 15, 18, PaintSortDirectionButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(200, 38, 18, PaintSortKeyButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(202, 38, 18, PaintSortKeyButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(201, 38, 18, PaintSortKeyButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(203, 38, 18, PaintSortKeyButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(205, 38, 18, PaintSortKeyButton, WithVariant(1, kLookPressed), kWhite, kWhite),
        BitmapRow(204, 38, 18, PaintSortKeyButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(206, 38, 18, PaintSortKeyButton, WithVariant(2, kLookNormal), kWhite, kWhite),
        BitmapRow(208, 38, 18, PaintSortKeyButton, WithVariant(2, kLookPressed), kWhite, kWhite),
        BitmapRow(207, 38, 18, PaintSortKeyButton, WithVariant(2, kLookHover), kWhite, kWhite),
        BitmapRow(209, 38, 18, PaintSortKeyButton, WithVariant(3, kLookNormal), kWhite, kWhite),
        BitmapRow(211, 38, 18, PaintSortKeyButton, WithVariant(3, kLookPressed), kWhite, kWhite),
        BitmapRow(210, 38, 18, PaintSortKeyButton, WithVariant(3, kLookHover), kWhite, kWhite),
        BitmapRow(212, 38, 18, PaintSortKeyButton, WithVariant(4, kLookNormal), kWhite, kWhite),
        BitmapRow(214, 38, 18, PaintSortKeyButton, WithVariant(4, kLookPressed), kWhite, kWhite),
        BitmapRow(213, 38, 18, PaintSortKeyButton, WithVariant(4, kLookHover), kWhite, kWhite),
        BitmapRow(188, 22, 16, PaintEraserButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(184, 22, 16, PaintEraserButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(192, 22, 16, PaintEraserButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(190, 22, 16, PaintEraserButton, WithVariant(2, kLookNormal), kWhite, kWhite),
        BitmapRow(186, 22, 16, PaintEraserButton, WithVariant(3, kLookNormal), kWhite, kWhite),
        BitmapRow(189, 22, 16, PaintEraserButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(185, 22, 16, PaintEraserButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(193, 22, 16, PaintEraserButton, WithVariant(1, kLookPressed), kWhite, kWhite),
        BitmapRow(191, 22, 16, PaintEraserButton, WithVariant(2, kLookHover), kWhite, kWhite),
        BitmapRow(187, 22, 16, PaintEraserButton, WithVariant(3, kLookHover), kWhite, kWhite),
        BitmapRow(176, 22, 16, PaintMagnifierButton, WithVariant(1, kLookNormal), kWhite, kWhite),
        BitmapRow(175, 22, 16, PaintMagnifierButton, WithVariant(0, kLookNormal), kWhite, kWhite),
        BitmapRow(177, 22, 16, PaintMagnifierButton, WithVariant(0, kLookPressed), kWhite, kWhite),
        BitmapRow(182, 22, 16, PaintMagnifierButton, WithVariant(1, kLookHover), kWhite, kWhite),
        BitmapRow(183, 22, 16, PaintMagnifierButton, WithVariant(0, kLookHover), kWhite, kWhite),
        BitmapRow(341, 22, 16, PaintNewGroupButton, kLookNormal, kWhite, kWhite),
        BitmapRow(343, 22, 16, PaintNewGroupButton, kLookPressed, kWhite, kWhite),
        BitmapRow(342, 22, 16, PaintNewGroupButton, kLookHover, kWhite, kWhite),
        // Tab bar buttons, opaque on the bar's default blue-grey.
        BitmapRow(354, 19, 19, PaintNewTabButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(356, 19, 19, PaintNewTabButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(355, 19, 19, PaintNewTabButton, kLookHover, kNoKey, kTitleArea),
        BitmapRow(357, 19, 19, PaintRowButton, WithVariant(0, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(359, 19, 19, PaintRowButton, WithVariant(0, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(358, 19, 19, PaintRowButton, WithVariant(0, kLookHover), kNoKey, kTitleArea),
        BitmapRow(360, 19, 19, PaintRowButton, WithVariant(1, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(362, 19, 19, PaintRowButton, WithVariant(1, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(361, 19, 19, PaintRowButton, WithVariant(1, kLookHover), kNoKey, kTitleArea),
        BitmapRow(363, 19, 19, PaintRowButton, WithVariant(2, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(365, 19, 19, PaintRowButton, WithVariant(2, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(364, 19, 19, PaintRowButton, WithVariant(2, kLookHover), kNoKey, kTitleArea),
        BitmapRow(374, 19, 19, PaintRowButton, WithVariant(3, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(371, 19, 19, PaintRowButton, WithVariant(3, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(370, 19, 19, PaintRowButton, WithVariant(3, kLookHover), kNoKey, kTitleArea),
        BitmapRow(372, 19, 19, PaintRowButton, WithVariant(4, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(369, 19, 19, PaintRowButton, WithVariant(4, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(373, 19, 19, PaintRowButton, WithVariant(4, kLookHover), kNoKey, kTitleArea),
        BitmapRow(366, 19, 19, PaintRowButton, WithVariant(5, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(368, 19, 19, PaintRowButton, WithVariant(5, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(367, 19, 19, PaintRowButton, WithVariant(5, kLookHover), kNoKey, kTitleArea),
        BitmapRow(224, 19, 19, PaintChevronButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(226, 19, 19, PaintChevronButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(225, 19, 19, PaintChevronButton, kLookHover, kNoKey, kTitleArea),
        // Dialog buttons: titles (normal, pressed, an unused hover look, inactive), commands, pages.
        BitmapRow(309, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(310, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(308, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookHover), kNoKey, kTitleArea),
        BitmapRow(311, 150, 16, PaintDialogTitleButton, WithVariant(0, kLookDisabled), kNoKey, kTitleArea),
        BitmapRow(329, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(330, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(328, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookHover), kNoKey, kTitleArea),
        BitmapRow(331, 150, 16, PaintDialogTitleButton, WithVariant(1, kLookDisabled), kNoKey, kTitleArea),
        BitmapRow(313, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookNormal), kNoKey, kTitleArea),
        BitmapRow(314, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(312, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookHover), kNoKey, kTitleArea),
        BitmapRow(315, 150, 16, PaintDialogTitleButton, WithVariant(2, kLookDisabled), kNoKey, kTitleArea),
        BitmapRow(264, 100, 16, PaintOkButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(265, 100, 16, PaintOkButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(266, 100, 16, PaintCancelButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(267, 100, 16, PaintCancelButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(283, 100, 16, PaintDefaultsButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(284, 100, 16, PaintDefaultsButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(332, 100, 16, PaintExtraButton, kLookNormal, kNoKey, kTitleArea),
        BitmapRow(333, 100, 16, PaintExtraButton, kLookPressed, kNoKey, kTitleArea),
        BitmapRow(303, 100, 16, PaintPageButton, WithVariant(0, kLookOn), kNoKey, kTitleArea),
        BitmapRow(302, 100, 16, PaintPageButton, WithVariant(0, kLookOff), kNoKey, kTitleArea),
        BitmapRow(304, 100, 16, PaintPageButton, WithVariant(0, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(269, 100, 16, PaintPageButton, WithVariant(1, kLookOn), kNoKey, kTitleArea),
        BitmapRow(268, 100, 16, PaintPageButton, WithVariant(1, kLookOff), kNoKey, kTitleArea),
        BitmapRow(270, 100, 16, PaintPageButton, WithVariant(1, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(272, 100, 16, PaintPageButton, WithVariant(2, kLookOn), kNoKey, kTitleArea),
        BitmapRow(271, 100, 16, PaintPageButton, WithVariant(2, kLookOff), kNoKey, kTitleArea),
        BitmapRow(273, 100, 16, PaintPageButton, WithVariant(2, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(275, 100, 16, PaintPageButton, WithVariant(3, kLookOn), kNoKey, kTitleArea),
        BitmapRow(274, 100, 16, PaintPageButton, WithVariant(3, kLookOff), kNoKey, kTitleArea),
        BitmapRow(276, 100, 16, PaintPageButton, WithVariant(3, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(278, 100, 16, PaintPageButton, WithVariant(4, kLookOn), kNoKey, kTitleArea),
        BitmapRow(277, 100, 16, PaintPageButton, WithVariant(4, kLookOff), kNoKey, kTitleArea),
        BitmapRow(279, 100, 16, PaintPageButton, WithVariant(4, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(399, 100, 16, PaintPageButton, WithVariant(5, kLookOn), kNoKey, kTitleArea),
        BitmapRow(400, 100, 16, PaintPageButton, WithVariant(5, kLookOff), kNoKey, kTitleArea),
        BitmapRow(398, 100, 16, PaintPageButton, WithVariant(5, kLookPressed), kNoKey, kTitleArea),
        BitmapRow(402, 100, 16, PaintPageButton, WithVariant(6, kLookOn), kNoKey, kTitleArea),
        BitmapRow(401, 100, 16, PaintPageButton, WithVariant(6, kLookOff), kNoKey, kTitleArea),
        BitmapRow(403, 100, 16, PaintPageButton, WithVariant(6, kLookPressed), kNoKey, kTitleArea),
        // Tab lock keys (10 x 16, black transparent) in the four colours; 245 is the default gold.
        BitmapRow(245, 10, 16, PaintLockKey, 0, Rgb(0, 0, 0), kTitleArea),
        BitmapRow(242, 10, 16, PaintLockKey, 1, Rgb(0, 0, 0), kTitleArea),
        BitmapRow(243, 10, 16, PaintLockKey, 2, Rgb(0, 0, 0), kTitleArea),
        BitmapRow(244, 10, 16, PaintLockKey, 3, Rgb(0, 0, 0), kTitleArea),
        // Comment mark of the lists and the favourites tree's root and group images.
        BitmapRow(246, 16, 16, PaintCommentMark, 0, Rgb(0, 0, 0), kWhite),
        BitmapRow(347, 16, 16, PaintFavouritesRoot, 0, Rgb(0, 0, 0), kWhite),
        BitmapRow(346, 16, 16, PaintFavouritesGroup, 0, Rgb(0, 0, 0), kWhite),
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
