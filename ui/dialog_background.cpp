#include "ui/dialog_background.h"

#include "ui/theme.h"
#include "win/buffered_paint.h"

void PaintDialogBackground(HWND dialog, const Theme& theme) {
    BufferedPaint paint(dialog);
    if (!paint.Dc()) return;
    HBRUSH ground = theme.mainBackground ? theme.mainBackground.Get() : GetSysColorBrush(COLOR_BTNFACE);
    FillRect(paint.Dc(), &paint.Client(), ground);
}

void DragDialog(HWND dialog) {
    ReleaseCapture();
    SendMessageA(dialog, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}
