#include "ui/dialog_background.h"

#include "ui/skinned_button.h"
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

bool HandleDialogGround(HWND dialog, const Theme& theme, SkinnedButton* title, UINT message, WPARAM wParam,
                        INT_PTR& result) {
    switch (message) {
    case WM_ACTIVATE:
        if (title) title->SetEnabled(LOWORD(wParam) != WA_INACTIVE);
        result = FALSE;
        return true;
    case WM_ERASEBKGND: result = TRUE; return true;
    case WM_PAINT:
        PaintDialogBackground(dialog, theme);
        result = TRUE;
        return true;
    case WM_LBUTTONDOWN:
        DragDialog(dialog);
        result = TRUE;
        return true;
    default: return false;
    }
}
