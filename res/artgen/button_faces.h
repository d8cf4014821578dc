// The faces that the skin's buttons share. Dark faces sit on the frame's blue-grey (the frame,
// the left button column, the tab bar and the dialogs): bare at rest, lit under the cursor,
// sunken while pressed, and lit warm while a mode they switch is on. Light faces sit on the
// white strips above and below the lists: a pale chip at rest, blue under the cursor, deeper
// blue while pressed, and only a grey outline while disabled.
#pragma once
#include "res/artgen/canvas.h"
#include "res/artgen/paint.h"

namespace art {

constexpr Rgba kDarkSymbol = Rgba{240, 244, 250, 255};
constexpr Rgba kDarkSymbolDim = Rgba{150, 168, 196, 255};
constexpr Rgba kLightSymbol = Rgba{44, 76, 124, 255};
constexpr Rgba kLightSymbolDisabled = Rgba{178, 186, 198, 255};
constexpr Rgba kWarm = Rgba{255, 196, 64, 255};

void DrawDarkFace(Canvas& c, int look);
void DrawLightFace(Canvas& c, int look);
// Symbols move one pixel down and right while pressed.
int PressOffset(int look);
Rgba DarkSymbolColour(int look);
Rgba LightSymbolColour(int look);

// Shared symbols, drawn in a box of the given top-left corner and size.
void DrawStar(Canvas& c, double cx, double cy, double outer, const Paint& fill, Rgba edge);
void DrawGear(Canvas& c, double cx, double cy, double radius, Rgba ink, Rgba hole);
void DrawFolder(Canvas& c, int x, int y, int w, int h, Rgba top, Rgba bottom, Rgba edge);

}  // namespace art
