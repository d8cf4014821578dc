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

// Frame bitmaps (frame.cpp).
void PaintLogo(Canvas& c, int look);

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

}  // namespace art
